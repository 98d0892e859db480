# Installs the build into a scratch prefix and checks that the program, its
# desktop entry and its icons land where desktops look for them.
#   cmake -DBUILD_DIR=... -DPREFIX=... -P install_check.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

execute_process(COMMAND test -x ${PREFIX}/bin/circlecalc RESULT_VARIABLE not_executable)
if(not_executable)
  message(FATAL_ERROR "no executable bin/circlecalc")
endif()

set(entry ${PREFIX}/share/applications/circlecalc.desktop)
file(STRINGS ${entry} lines ENCODING UTF-8)
foreach(expected "Name=Калькулятор круга" "Exec=circlecalc" "Icon=circlecalc")
  if(NOT expected IN_LIST lines)
    message(FATAL_ERROR "${entry} lacks the line ${expected}")
  endif()
endforeach()

# A PNG opens with its signature and the IHDR chunk, whose first two 32-bit
# numbers are the width and height, and closes with the empty IEND chunk.
set(png_signature_and_ihdr "89504e470d0a1a0a0000000d49484452")
set(png_iend "0000000049454e44ae426082")
foreach(size 16 32 48)
  set(icon ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/circlecalc.png)
  if(NOT EXISTS ${icon})
    message(FATAL_ERROR "no icon ${icon}")
  endif()
  file(READ ${icon} head LIMIT 24 HEX)
  math(EXPR hex_size "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${hex_size}" 2 -1 digits)
  string(LENGTH "${digits}" length)
  math(EXPR padding "8 - ${length}")
  string(REPEAT "0" ${padding} zeros)
  string(TOLOWER "${png_signature_and_ihdr}${zeros}${digits}${zeros}${digits}" expected)
  if(NOT head STREQUAL expected)
    message(FATAL_ERROR "${icon} is not a ${size}x${size} PNG: it starts ${head}")
  endif()
  file(SIZE ${icon} bytes)
  math(EXPR iend_offset "${bytes} - 12")
  file(READ ${icon} tail OFFSET ${iend_offset} HEX)
  if(NOT tail STREQUAL png_iend)
    message(FATAL_ERROR "${icon} does not end as a PNG does: ${tail}")
  endif()
endforeach()
message(STATUS "installed program, desktop entry and icons check out")

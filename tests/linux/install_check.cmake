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

# A PNG gives its width and height as two 32-bit numbers at byte 16.
foreach(size 16 32 48)
  set(icon ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/circlecalc.png)
  if(NOT EXISTS ${icon})
    message(FATAL_ERROR "no icon ${icon}")
  endif()
  file(READ ${icon} dimensions OFFSET 16 LIMIT 8 HEX)
  math(EXPR hex_size "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${hex_size}" 2 -1 digits)
  string(LENGTH "${digits}" length)
  math(EXPR padding "8 - ${length}")
  string(REPEAT "0" ${padding} zeros)
  string(TOLOWER "${zeros}${digits}${zeros}${digits}" expected)
  if(NOT dimensions STREQUAL expected)
    message(FATAL_ERROR "${icon} is not ${size}x${size}: ${dimensions}")
  endif()
endforeach()
message(STATUS "installed program, desktop entry and icons check out")

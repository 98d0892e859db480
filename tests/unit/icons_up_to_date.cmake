# Runs res/make-icon into a scratch folder and compares what it writes, byte
# for byte, with the icons committed in res/ that both builds take, so that
# a change to the picture cannot leave one program's icon behind.
#   cmake -DPYTHON=... -DSOURCE_DIR=... -DSCRATCH=... -P icons_up_to_date.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${PYTHON} ${SOURCE_DIR}/res/make-icon ${SCRATCH} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "res/make-icon failed: ${result}")
endif()

set(res ${SOURCE_DIR}/res)
file(GLOB_RECURSE drawn RELATIVE ${SCRATCH} ${SCRATCH}/*)
file(GLOB committed RELATIVE ${res} ${res}/circlecalc.ico ${res}/icons/*)
list(SORT drawn)
list(SORT committed)
if(NOT drawn STREQUAL committed)
  message(FATAL_ERROR "res/make-icon draws [${drawn}] but res/ holds [${committed}]")
endif()
if(NOT "circlecalc.ico" IN_LIST drawn)
  message(FATAL_ERROR "res/make-icon drew no circlecalc.ico")
endif()

foreach(name IN LISTS drawn)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${name} ${res}/${name}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "res/${name} is not what res/make-icon draws: run it and commit the result")
  endif()
endforeach()
message(STATUS "the committed icons are what res/make-icon draws: ${drawn}")

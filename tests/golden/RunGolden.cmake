# Runs one golden case: CASE is NAME.cmd, whose first line holds vantric-cli's arguments
# ({PROGRAMS} stands for the programs folder). NAME.out holds the expected stdout and, when present,
# NAME.status the expected exit status (0 otherwise).
file(STRINGS ${CASE} lines)
list(GET lines 0 argline)
string(REPLACE "{PROGRAMS}" "${PROGRAMS}" argline "${argline}")
separate_arguments(args UNIX_COMMAND "${argline}")
get_filename_component(dir ${CASE} DIRECTORY)
get_filename_component(name ${CASE} NAME_WE)

execute_process(COMMAND ${CLI} ${args} OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ ${dir}/${name}.out expected)
set(expected_status 0)
if(EXISTS ${dir}/${name}.status)
  file(STRINGS ${dir}/${name}.status expected_status LIMIT_COUNT 1)
endif()

if(NOT actual STREQUAL expected)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual "${actual}")
  message(FATAL_ERROR "stdout differs from ${name}.out; got (also in ${name}.actual):\n${actual}\nstderr:\n${errors}")
endif()
if(NOT status STREQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}; stderr:\n${errors}")
endif()

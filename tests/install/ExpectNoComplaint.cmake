# Runs COMMAND (a list) and fails when it exits with a status other than 0 or
# says anything matching COMPLAINT (a regular expression, default: anything at
# all) on stderr, or on stdout too when QUIET_STDOUT is set.
#   cmake -DCOMMAND="tool;arg" [-DCOMPLAINT=regex] [-DQUIET_STDOUT=ON] -P ExpectNoComplaint.cmake
if(NOT DEFINED COMPLAINT)
  set(COMPLAINT ".")
endif()
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(said "${err}")
if(QUIET_STDOUT)
  string(APPEND said "${out}")
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${COMMAND} exited with ${status}:\n${out}${err}")
endif()
if(said MATCHES "${COMPLAINT}")
  message(FATAL_ERROR "${COMMAND} complained:\n${said}")
endif()

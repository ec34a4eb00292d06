# Runs identify-cpu on the dump rows and compares its output with the golden file, byte for byte
# apart from line endings. -DTOOL=... -DINPUT=... -DEXPECTED=... [-DRUNNER=...] -DACTUAL=...
if(RUNNER)
  set(command ${RUNNER} ${TOOL} --utf8)
else()
  set(command ${TOOL} --utf8)
endif()
execute_process(COMMAND ${command}
  INPUT_FILE ${INPUT}
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "identify-cpu failed (${status}): ${errors}")
endif()
string(REPLACE "\r\n" "\n" output "${output}")
file(READ ${EXPECTED} expected)
if(NOT output STREQUAL expected)
  file(WRITE ${ACTUAL} "${output}")
  message(FATAL_ERROR "identify-cpu output differs from ${EXPECTED}; it is in ${ACTUAL}")
endif()

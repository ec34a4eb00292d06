# identify-cpu reads its input as bytes: a 0x1A byte (the end of a text file to the C runtime's
# text mode on Windows) is a bad line like any other, and the lines after it are still read.
# -DTOOL=... -DINPUT=... -DEXPECTED=... -DWORK=... [-DRUNNER=...]
string(ASCII 26 sub)
file(STRINGS ${INPUT} rows)
list(POP_FRONT rows first)
string(JOIN "\r\n" rest ${rows})
file(WRITE ${WORK}/control-bytes.input "${first}\r\n${sub}\r\n${rest}\r\n")
execute_process(COMMAND ${RUNNER} ${TOOL} --utf8
  INPUT_FILE ${WORK}/control-bytes.input
  OUTPUT_FILE ${WORK}/control-bytes.actual
  ERROR_FILE ${WORK}/control-bytes.errors
  RESULT_VARIABLE status)
file(READ ${WORK}/control-bytes.actual output)
file(READ ${WORK}/control-bytes.errors errors)
string(REPLACE "\r\n" "\n" output "${output}")
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 1 OR NOT errors MATCHES "line 2:")
  message(FATAL_ERROR "identify-cpu: expected exit 1 and a complaint about line 2, got ${status}: ${errors}")
endif()
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "identify-cpu stopped early or misread a line; output in ${WORK}/control-bytes.actual")
endif()

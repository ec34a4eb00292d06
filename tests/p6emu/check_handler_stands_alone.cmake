# Fails when the emulator library refers to anything outside itself other than the two system
# calls of its Win32 part (and the sanitizers' hooks): a memcpy, a libgcc helper or a runtime
# function there would run the very code that needs the handler. Given OBJDUMP (i686 builds),
# also fails when the library itself holds a P6 instruction, which would fault inside the handler.
# cmake -DNM=... -DLIBRARY=... [-DOBJDUMP=...] -P check_handler_stands_alone.cmake
execute_process(COMMAND ${NM} --defined-only ${LIBRARY} OUTPUT_VARIABLE defined RESULT_VARIABLE rc1)
execute_process(COMMAND ${NM} --undefined-only ${LIBRARY} OUTPUT_VARIABLE undefined RESULT_VARIABLE rc2)
if(NOT rc1 EQUAL 0 OR NOT rc2 EQUAL 0)
  message(FATAL_ERROR "${NM} could not read ${LIBRARY}")
endif()
set(foreign "")
string(REGEX MATCHALL "U [^\n]+" references "${undefined}")
foreach(reference ${references})
  string(SUBSTRING "${reference}" 2 -1 name)
  if(NOT "${defined}" MATCHES " [A-Za-z] ${name}\n" AND NOT name MATCHES "^(__asan|__ubsan|__sanitizer)"
     AND NOT name MATCHES "^__imp__(SetUnhandledExceptionFilter@4|IsBadReadPtr@8)$")
    list(APPEND foreign "${name}")
  endif()
endforeach()
if(foreign)
  list(REMOVE_DUPLICATES foreign)
  message(FATAL_ERROR "the P6-instruction handler refers to code outside itself: ${foreign}")
endif()
if(OBJDUMP)
  execute_process(COMMAND ${OBJDUMP} -d ${LIBRARY} OUTPUT_VARIABLE listing RESULT_VARIABLE rc3)
  string(REGEX MATCHALL "\t(cmov|fcmov|fcomi|fucomi)[^\n]*" p6 "${listing}")
  if(NOT rc3 EQUAL 0 OR p6)
    message(FATAL_ERROR "the P6-instruction handler holds P6 instructions: ${p6}")
  endif()
endif()

# cmake -DOBJDUMP=... -DPROGRAM=x.exe -DFORBIDDEN="a.dll;b.dll" -P CheckImports.cmake
# Fails when the program imports from one of the forbidden libraries.
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()
string(TOLOWER "${dump}" dump)
foreach(dll ${FORBIDDEN})
  string(FIND "${dump}" "dll name: ${dll}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "${PROGRAM} imports ${dll}")
  endif()
endforeach()

# Runs GENERATOR and fails unless its output equals the file EXPECTED.
execute_process(COMMAND ${GENERATOR} OUTPUT_VARIABLE generated RESULT_VARIABLE result)
file(READ ${EXPECTED} expected)
if(NOT result EQUAL 0 OR NOT generated STREQUAL expected)
  message(FATAL_ERROR "${EXPECTED} is not what ${GENERATOR} writes; regenerate it")
endif()

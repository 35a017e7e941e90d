# Runs the preview generator into OUTPUT and compares every picture with the
# committed one in COMMITTED.
file(MAKE_DIRECTORY ${OUTPUT})
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the preview generator failed: ${status}")
endif()
foreach(picture DEFPRV HCPRV TIDEWAY)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT}/${picture}.bmp
                          ${COMMITTED}/${picture}.bmp RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "res/previews/${picture}.bmp is not what tools/make_previews writes")
  endif()
endforeach()

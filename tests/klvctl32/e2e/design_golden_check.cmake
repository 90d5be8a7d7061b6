# The design-time snapshots the script wrote, byte for byte against the
# committed goldens (the console draws in the built-in font, so they are
# stable). KELVO_UPDATE_GOLDEN=1 writes the goldens instead.
set(golden "${CMAKE_CURRENT_LIST_DIR}/../../data/golden/design")
foreach(name design_new design_loaded)
  if("$ENV{KELVO_UPDATE_GOLDEN}" STREQUAL "1")
    file(COPY "${FILES}/${name}.png" DESTINATION "${golden}")
    continue()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${FILES}/${name}.png" "${golden}/${name}.png"
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${FILES}/${name}.png differs from ${golden}/${name}.png")
  endif()
endforeach()

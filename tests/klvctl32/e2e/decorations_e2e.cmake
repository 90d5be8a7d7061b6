# End to end: REGSVR32.EXE registers the built library into a fresh
# KELVO_ROOT; formrun renders a form file using the four decorations (created
# through the registry and the class factory), a console script checks and
# saves it, a second one loads the saved form and saves it again, unchanged; REGSVR32 /u leaves the registry file as it was.
#   -DREGSVR=... -DFORMRUN=... -DSERVER=... -DSOURCE=... -DWORK=...
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/root")
file(COPY "${SOURCE}/decorations.frm" "${SOURCE}/decorations.kcs" "${SOURCE}/reload.kcs" DESTINATION "${WORK}/files")
set(ENV{KELVO_ROOT} "${WORK}/root")
set(registry "${WORK}/root/registry")

function(run)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${WORK}/files" RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}: exit ${status}\n${out}\n${err}")
  endif()
endfunction()

file(WRITE "${registry}" "[HKEY_CLASSES_ROOT\\CLSID\\{11111111-2222-3333-4444-555555555555}]\n@=\"Other\"\n")
# A first round puts the hand-written file in the registry's own layout.
run("${REGSVR}" /s "${SERVER}")
run("${REGSVR}" /s /u "${SERVER}")
file(SHA256 "${registry}" before)

run("${REGSVR}" /s "${SERVER}")
run("${FORMRUN}" decorations.frm --headless --snapshot "${WORK}/headless.png")
if(NOT EXISTS "${WORK}/headless.png")
  message(FATAL_ERROR "formrun wrote no snapshot")
endif()
run("${FORMRUN}" --script decorations.kcs)
run("${FORMRUN}" --script reload.kcs)
foreach(written decorations.png saved.frm saved-again.frm)
  if(NOT EXISTS "${WORK}/files/${written}")
    message(FATAL_ERROR "the script wrote no ${written}")
  endif()
endforeach()
file(READ "${WORK}/files/saved.frm" saved)
file(READ "${WORK}/files/saved-again.frm" savedAgain)
if(NOT saved STREQUAL savedAgain)
  message(FATAL_ERROR "a saved form does not save back the same:\n${saved}\n---\n${savedAgain}")
endif()

run("${REGSVR}" /s /u "${SERVER}")
file(SHA256 "${registry}" after)
if(NOT before STREQUAL after)
  file(READ "${registry}" left)
  message(FATAL_ERROR "unregistration left the registry changed:\n${left}")
endif()

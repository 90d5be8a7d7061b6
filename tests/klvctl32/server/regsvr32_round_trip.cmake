# REGSVR32.EXE registers the built library into a fresh KELVO_ROOT whose
# registry already holds somebody else's keys; the registry then names the
# library for every class and the type library; REGSVR32 /u leaves the
# registry file byte for byte as it was before.
#   -DREGSVR=... -DSERVER=... -DWORK=...
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(ENV{KELVO_ROOT} "${WORK}")
set(registry "${WORK}/registry")

function(run expected_exit)
  execute_process(COMMAND "${REGSVR}" ${ARGN} RESULT_VARIABLE status ERROR_VARIABLE err)
  if(NOT status EQUAL expected_exit)
    message(FATAL_ERROR "REGSVR32 ${ARGN}: exit ${status}, expected ${expected_exit}: ${err}")
  endif()
endfunction()

file(WRITE "${registry}" "[HKEY_CLASSES_ROOT\\CLSID\\{11111111-2222-3333-4444-555555555555}]\n@=\"Other\"\n"
                         "[HKEY_CURRENT_USER\\Software\\Kelvo]\n\"Answer\"=dword:0000002A\n")
# A first round rewrites the hand-written file in the registry's own layout;
# it must keep what the file held and add nothing.
run(0 /s "${SERVER}")
run(0 /s /u "${SERVER}")
file(SHA256 "${registry}" before)
file(READ "${registry}" seeded)
if(NOT seeded MATCHES "@=\"Other\"" OR NOT seeded MATCHES "dword:0000002A" OR seeded MATCHES "KLVCTL32|TypeLib")
  message(FATAL_ERROR "the first round changed what the registry holds:\n${seeded}")
endif()

run(0 /s "${SERVER}")
file(READ "${registry}" registered)
foreach(expected "[HKEY_CLASSES_ROOT\\KLVCTL32.KelvoPanel3D]" "[HKEY_CLASSES_ROOT\\KLVCTL32.ppgButtons]"
                 "@=\"${SERVER}\"" "\"ThreadingModel\"=\"Apartment\"" "@=\"KelvoControls 32Bits\""
                 "@=\"${SERVER}, 107\"" "@=\"Other\"")
  string(FIND "${registered}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the registry lacks ${expected}:\n${registered}")
  endif()
endforeach()

run(0 /s /u "${SERVER}")
file(SHA256 "${registry}" after)
if(NOT before STREQUAL after)
  file(READ "${registry}" left)
  message(FATAL_ERROR "unregistration left the registry changed:\n${left}")
endif()

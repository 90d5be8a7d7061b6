# A user's whole path: the platform installed into a fresh root with
# `cmake --install`, the setup run from build/dist installs the library, the
# installed formrun shows a form with a KelvoPanel3D through the registry;
# after the uninstall it refuses that form, naming the class.
#   -DBUILD=build dir -DDIST=build/dist -DSOURCE=this folder -DWORK=dir
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(ENV{KELVO_ROOT} "${WORK}/root")
set(system "${WORK}/root/system32")
unset(ENV{DISPLAY})

function(run expected)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${SOURCE}" RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL expected)
    message(FATAL_ERROR "${ARGN}: exit ${status}, expected ${expected}\n${out}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run(0 "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${WORK}/root" --component platform)
foreach(file REGSVR32.EXE formrun libkelvoplatform.so.1)
  if(NOT EXISTS "${system}/${file}")
    message(FATAL_ERROR "the platform's installation put no ${file} into ${system}")
  endif()
endforeach()

run(0 "${DIST}/KCSetup" --script install.kcs)
run(0 "${system}/formrun" panel.frm --headless --snapshot "${WORK}/installed.png")
if(NOT EXISTS "${WORK}/installed.png")
  message(FATAL_ERROR "formrun wrote no picture of the form")
endif()

run(0 "${DIST}/KCSetup" --script uninstall.kcs)
file(GLOB left "${system}/KLVCTL32.*")
if(left)
  message(FATAL_ERROR "the uninstall left ${left}")
endif()
run(1 "${system}/formrun" panel.frm --headless --snapshot "${WORK}/uninstalled.png")
if(NOT out MATCHES "KLVCTL32.KelvoPanel3D")
  message(FATAL_ERROR "formrun did not name the missing class:\n${out}")
endif()
message("${out}")

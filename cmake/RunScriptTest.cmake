# Runs one console script for kelvo_add_script_test: a fresh KELVO_ROOT and a
# fresh copy of the script's folder as the working directory, optionally with
# libraries registered first. Fails when the program does.
#   -DPROGRAM=... -DSCRIPT=... -DWORK=... [-DREGSVR=... -DSERVERS=a;b]
#   [-DSETUP=script.cmake] [-DCHECK=script.cmake]
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/root")
get_filename_component(folder "${SCRIPT}" DIRECTORY)
file(COPY "${folder}/" DESTINATION "${WORK}/files")
set(ENV{KELVO_ROOT} "${WORK}/root")
set(FILES "${WORK}/files")
if(SETUP)
  include("${SETUP}")
endif()

foreach(server ${SERVERS})
  execute_process(COMMAND "${REGSVR}" /s "${server}" RESULT_VARIABLE registered)
  if(NOT registered EQUAL 0)
    message(FATAL_ERROR "REGSVR32 could not register ${server} (exit ${registered})")
  endif()
endforeach()

execute_process(COMMAND "${PROGRAM}" --script "${SCRIPT}"
  WORKING_DIRECTORY "${WORK}/files"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${SCRIPT} failed (exit ${status})")
endif()
if(CHECK)
  include("${CHECK}")
endif()

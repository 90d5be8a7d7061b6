# Runs a program once, without a display, in a fresh working directory and
# KELVO_ROOT, and checks its exit status, that its output (standard output and
# error together) matches a regular expression, and optionally that it wrote
# a file. Libraries given in SERVERS are registered first with REGSVR.
#   -DPROGRAM=... -DWORK=dir -DARGS=a;b -DSTATUS=n -DOUTPUT=regex
#   [-DINPUT=file] [-DCREATES=file] [-DREGSVR=... -DSERVERS=a;b]
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(ENV{KELVO_ROOT} "${WORK}/root")
# No run here opens a window: without a display the programs say so.
unset(ENV{DISPLAY})
get_filename_component(name "${PROGRAM}" NAME)
foreach(server ${SERVERS})
  execute_process(COMMAND "${REGSVR}" /s "${server}" RESULT_VARIABLE registered)
  if(NOT registered EQUAL 0)
    message(FATAL_ERROR "REGSVR32 could not register ${server} (exit ${registered})")
  endif()
endforeach()
set(input_option "")
if(INPUT)
  set(input_option INPUT_FILE "${INPUT}")
endif()
execute_process(COMMAND "${PROGRAM}" ${ARGS}
  WORKING_DIRECTORY "${WORK}"
  ${input_option}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE out
  ERROR_VARIABLE out)
message("${out}")
if(NOT status STREQUAL "${STATUS}")
  message(FATAL_ERROR "${name} ${ARGS}: exit status ${status}, expected ${STATUS}")
endif()
if(NOT out MATCHES "${OUTPUT}")
  message(FATAL_ERROR "${name} ${ARGS}: output does not match \"${OUTPUT}\"")
endif()
if(CREATES AND NOT EXISTS "${WORK}/${CREATES}")
  message(FATAL_ERROR "${name} ${ARGS}: ${CREATES} was not written")
endif()

# Runs a program once, without a display, in a fresh working directory and
# KELVO_ROOT, and checks its exit status, that its output (standard output and
# error together) matches a regular expression, and optionally that it wrote
# a file. Libraries given in SERVERS are registered first with REGSVR.
#   -DPROGRAM=... -DWORK=dir -DARGS=a;b -DSTATUS=n -DOUTPUT=regex
#   [-DINPUT=file] [-DCREATES=file] [-DREGSVR=... -DSERVERS=a;b]
#   [-DCREATES_MATCH=regex]: what the file CREATES holds must match it
#   [-DFULL_DEVICE=name]: a full device node (as /dev/full) made at WORK/name
#   before the run, which must still be that device after it (needs root).
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
if(FULL_DEVICE)
  execute_process(COMMAND mknod "${WORK}/${FULL_DEVICE}" c 1 7 RESULT_VARIABLE made)
  if(NOT made EQUAL 0)
    message(FATAL_ERROR "cannot make the device node ${WORK}/${FULL_DEVICE} (mknod needs root)")
  endif()
endif()
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
if(CREATES_MATCH)
  file(READ "${WORK}/${CREATES}" created)
  if(NOT created MATCHES "${CREATES_MATCH}")
    message(FATAL_ERROR "${name} ${ARGS}: ${CREATES} does not match \"${CREATES_MATCH}\":\n${created}")
  endif()
endif()
if(FULL_DEVICE)
  execute_process(COMMAND test -c "${WORK}/${FULL_DEVICE}" RESULT_VARIABLE still_device)
  if(NOT still_device EQUAL 0)
    message(FATAL_ERROR "${name} ${ARGS}: the device ${FULL_DEVICE} was removed or replaced")
  endif()
endif()

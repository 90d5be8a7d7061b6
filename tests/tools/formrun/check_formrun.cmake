# Runs formrun once and checks its exit status, that its output (standard
# output and error together) matches a regular expression, and optionally
# that it wrote a file.
#   -DFORMRUN=... -DWORK=dir -DARGS=a;b -DSTATUS=n -DOUTPUT=regex [-DINPUT=file] [-DCREATES=file]
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(ENV{KELVO_ROOT} "${WORK}/root")
set(input_option "")
if(INPUT)
  set(input_option INPUT_FILE "${INPUT}")
endif()
execute_process(COMMAND "${FORMRUN}" ${ARGS}
  WORKING_DIRECTORY "${WORK}"
  ${input_option}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE out
  ERROR_VARIABLE out)
message("${out}")
if(NOT status STREQUAL "${STATUS}")
  message(FATAL_ERROR "formrun ${ARGS}: exit status ${status}, expected ${STATUS}")
endif()
if(NOT out MATCHES "${OUTPUT}")
  message(FATAL_ERROR "formrun ${ARGS}: output does not match \"${OUTPUT}\"")
endif()
if(CREATES AND NOT EXISTS "${WORK}/${CREATES}")
  message(FATAL_ERROR "formrun ${ARGS}: ${CREATES} was not written")
endif()

# examples/hello built as a program outside this repository would be: the
# platform installed into a fresh root, KLVCTL32.OCX registered there, the
# example configured with find_package(KelvoControls) against that root,
# built, and run headless under its console script.
#   -DBUILD=<this build> -DSOURCE=examples/hello -DSCRIPT=hello.kcs -DWORK=dir
#   -DCOMPILER=<the platform's C++ compiler> -DSERVER=KLVCTL32.OCX
file(REMOVE_RECURSE "${WORK}")
set(root "${WORK}/root")
set(ENV{KELVO_ROOT} "${root}")
unset(ENV{DISPLAY})

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  message("${out}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (exit ${status})")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run("installing the platform" ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${root}" --component platform)
run("registering ${SERVER}" "${root}/system32/REGSVR32.EXE" /s "${SERVER}")
# The sanitizer build's library wants the same compiler's runtime in the program.
run("configuring hello" ${CMAKE_COMMAND} -S "${SOURCE}" -B "${WORK}/build" -G Ninja
  "-DCMAKE_PREFIX_PATH=${root}" "-DCMAKE_CXX_COMPILER=${COMPILER}")
run("building hello" ${CMAKE_COMMAND} --build "${WORK}/build")
run("running hello" "${WORK}/build/hello" --script "${SCRIPT}")
if(NOT out MATCHES "[1-9][0-9]* passed, 0 failed")
  message(FATAL_ERROR "hello's script did not pass")
endif()

# Checks of what a copier script left in FILES, for the scripts' CHECK steps.
function(expect_size name length)
  if(NOT EXISTS "${FILES}/${name}")
    message(FATAL_ERROR "${name} was not written")
  endif()
  file(SIZE "${FILES}/${name}" size)
  if(NOT size EQUAL length)
    message(FATAL_ERROR "${name} holds ${size} bytes, expected ${length}")
  endif()
endfunction()

function(expect_same copy original)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${FILES}/${copy}" "${FILES}/${original}"
    RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${copy} differs from ${original}")
  endif()
endfunction()

function(expect_missing name)
  if(EXISTS "${FILES}/${name}")
    message(FATAL_ERROR "${name} should not exist")
  endif()
endfunction()

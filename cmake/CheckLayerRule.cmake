# The layer rule, checked over the #include lines of the sources:
#  - src/klvctl32 includes only the platform's library headers, nothing of
#    src/kcsetup or src/tools;
#  - src/kcsetup includes only the platform's program headers, nothing of
#    src/klvctl32 or src/tools;
#  - the container's standard property pages are built like a library's: only
#    library headers, besides their own folder;
#  - src/platform includes nothing of src/klvctl32, src/kcsetup or src/tools;
#  - the public headers themselves include only public headers of their list.
# No source of these folders includes by a relative path. Every offending line
# is named; the script fails when there is one.
#
#   cmake -DSOURCE_DIR=<repository> -P cmake/CheckLayerRule.cmake

include(${SOURCE_DIR}/src/platform/public_headers.cmake)

set(violations "")

# check_includes(FILES... ALLOWED <platform headers> [OWN <prefix>] FORBIDDEN <prefixes>)
function(check_includes)
  cmake_parse_arguments(arg "" "OWN" "FILES;ALLOWED;FORBIDDEN" ${ARGN})
  set(found "")
  foreach(file ${arg_FILES})
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
    foreach(line ${lines})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" header "${line}")
      if(header MATCHES "\\.\\.")
        list(APPEND found "${name}: ${header} (a relative path)")
        continue()
      endif()
      foreach(prefix ${arg_FORBIDDEN})
        if(header MATCHES "^${prefix}")
          list(APPEND found "${name}: ${header}")
        endif()
      endforeach()
      if(header MATCHES "^platform/" AND DEFINED arg_ALLOWED)
        if(arg_OWN AND header MATCHES "^${arg_OWN}")
          continue()
        endif()
        list(FIND arg_ALLOWED ${header} at)
        if(at EQUAL -1)
          list(APPEND found "${name}: ${header} (not a public platform header)")
        endif()
      endif()
    endforeach()
  endforeach()
  set(violations ${violations} ${found} PARENT_SCOPE)
endfunction()

function(sources_of folder out)
  file(GLOB_RECURSE files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  set(${out} ${files} PARENT_SCOPE)
endfunction()

function(headers_of list out)
  set(files "")
  foreach(header ${list})
    list(APPEND files ${SOURCE_DIR}/src/${header})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

sources_of(src/klvctl32 library)
check_includes(FILES ${library} ALLOWED ${KELVO_LIBRARY_HEADERS} FORBIDDEN kcsetup/ tools/)

sources_of(src/kcsetup setup)
check_includes(FILES ${setup} ALLOWED ${KELVO_PROGRAM_HEADERS} FORBIDDEN klvctl32/ tools/)

sources_of(src/platform/forms/stdpages pages)
check_includes(FILES ${pages} ALLOWED ${KELVO_LIBRARY_HEADERS} OWN platform/forms/stdpages/ FORBIDDEN klvctl32/)

sources_of(src/platform platform)
check_includes(FILES ${platform} FORBIDDEN klvctl32/ kcsetup/ tools/)

headers_of("${KELVO_LIBRARY_HEADERS}" library_headers)
check_includes(FILES ${library_headers} ALLOWED ${KELVO_LIBRARY_HEADERS} FORBIDDEN klvctl32/)
headers_of("${KELVO_PROGRAM_HEADERS}" program_headers)
check_includes(FILES ${program_headers} ALLOWED ${KELVO_PROGRAM_HEADERS} FORBIDDEN klvctl32/)

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "The layer rule is broken: these includes reach past the platform's public headers (src/platform/public_headers.cmake) or across the layers:\n  ${text}")
endif()

# Runs KCSetup on a console script in a setup folder and a system root laid
# out in a fresh temporary folder, then checks what the system directory holds.
#   -DSETUP_EXE=... -DPLATFORM=libkelvoplatform.so.1 -DREGSVR=... -DSERVER=KLVCTL32.OCX
#   -DDIST=build/dist -DSCRIPT=x.kcs -DWORK=dir
#   -DSETUP_NAME=folder  -DSETUP_FILES=OCX;BADOCX;COMPANIONS;LST;LST2;LICENCE;TOOL
#   -DSYSTEM_FILES=TOOL;BADOCX;STALE  -DEXPECT_SYSTEM=names  [-DREGISTRY_UNCHANGED=ON]
# In the script, @SETUP@ and @SYSTEM@ stand for the two folders.
file(REMOVE_RECURSE "${WORK}")
set(SETUP "${WORK}/${SETUP_NAME}")
# The system directory's path is longer than 50 characters wherever the
# build tree is.
set(ROOT "${WORK}/root-whose-system-directory-path-is-longer-than-fifty-characters")
set(SYSTEM "${ROOT}/system32")
file(MAKE_DIRECTORY "${SETUP}" "${SYSTEM}")
set(ENV{KELVO_ROOT} "${ROOT}")
# The licence viewer: a program that ends at once.
unset(ENV{VISUAL})
set(ENV{EDITOR} true)

function(copy_as from to)
  file(COPY_FILE "${from}" "${to}")
endfunction()

copy_as("${SETUP_EXE}" "${SETUP}/KCSetup")
file(CHMOD "${SETUP}/KCSetup" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
get_filename_component(platform_name "${PLATFORM}" NAME)
copy_as("${PLATFORM}" "${SETUP}/${platform_name}")
foreach(item ${SETUP_FILES})
  if(item STREQUAL "OCX")
    copy_as("${SERVER}" "${SETUP}/KLVCTL32.OCX")
  elseif(item STREQUAL "BADOCX")
    file(WRITE "${SETUP}/KLVCTL32.OCX" "not a library")
  elseif(item STREQUAL "COMPANIONS")
    foreach(ext OCA LIB EXP)
      file(WRITE "${SETUP}/KLVCTL32.${ext}" "${ext}")
    endforeach()
  elseif(item STREQUAL "LST")
    copy_as("${DIST}/KCSETUP.LST" "${SETUP}/KCSETUP.LST")
  elseif(item STREQUAL "LST2")
    file(WRITE "${SETUP}/KCSETUP.LST" "KLVCTL32\r\nKelvoControls 32Bits\r\n")
  elseif(item STREQUAL "LICENCE")
    copy_as("${DIST}/Licença.txt" "${SETUP}/Licença.txt")
  elseif(item STREQUAL "TOOL")
    copy_as("${REGSVR}" "${SETUP}/REGSVR32.EXE")
  endif()
endforeach()
foreach(item ${SYSTEM_FILES})
  if(item STREQUAL "TOOL")
    copy_as("${REGSVR}" "${SYSTEM}/REGSVR32.EXE")
    copy_as("${PLATFORM}" "${SYSTEM}/${platform_name}")
  elseif(item STREQUAL "BADOCX")
    file(WRITE "${SYSTEM}/KLVCTL32.OCX" "not a library")
  elseif(item STREQUAL "STALE")
    file(WRITE "${SYSTEM}/klvctl32.old" "left by an older version")
  endif()
endforeach()

# A foreign key in the registry, in the registry's own layout.
if(REGISTRY_UNCHANGED)
  file(WRITE "${ROOT}/registry" "[HKEY_CLASSES_ROOT\\CLSID\\{11111111-2222-3333-4444-555555555555}]\n@=\"Other\"\n")
  execute_process(COMMAND "${REGSVR}" /s "${SERVER}")
  execute_process(COMMAND "${REGSVR}" /s /u "${SERVER}")
  file(SHA256 "${ROOT}/registry" before)
endif()

configure_file("${SCRIPT}" "${WORK}/script.kcs" @ONLY)
execute_process(COMMAND "${SETUP}/KCSetup" --script "${WORK}/script.kcs" WORKING_DIRECTORY "${WORK}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${SCRIPT} failed (exit ${status})")
endif()

file(GLOB left RELATIVE "${SYSTEM}" "${SYSTEM}/*" "${SYSTEM}/.*")
list(REMOVE_ITEM left REGSVR32.EXE "${platform_name}")
list(SORT left)
if(NOT "${left}" STREQUAL "${EXPECT_SYSTEM}")
  message(FATAL_ERROR "the system directory holds \"${left}\", expected \"${EXPECT_SYSTEM}\"")
endif()
if(REGISTRY_UNCHANGED)
  file(SHA256 "${ROOT}/registry" after)
  if(NOT before STREQUAL after)
    file(READ "${ROOT}/registry" changed)
    message(FATAL_ERROR "the registry changed:\n${changed}")
  endif()
endif()

# The platform's own installation, the way an operating system ships its
# runtime: the platform library, the registration tool REGSVR32.EXE and
# formrun go into the system directory <prefix>/system32, where they find each
# other through their RUNPATH of $ORIGIN. The prefix is the platform's root:
# `cmake --install build --prefix "$KELVO_ROOT"` (scripts/install-platform.sh
# works it out as the platform does). Without --prefix, the root as it was
# when the build was configured.
set(KELVO_SYSTEM_DIR system32)

if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  if(DEFINED ENV{KELVO_ROOT} AND NOT "$ENV{KELVO_ROOT}" STREQUAL "")
    set(kelvo_root "$ENV{KELVO_ROOT}")
  elseif(DEFINED ENV{XDG_DATA_HOME} AND NOT "$ENV{XDG_DATA_HOME}" STREQUAL "")
    set(kelvo_root "$ENV{XDG_DATA_HOME}/kelvo")
  else()
    set(kelvo_root "$ENV{HOME}/.local/share/kelvo")
  endif()
  set(CMAKE_INSTALL_PREFIX "${kelvo_root}" CACHE PATH "The platform's root directory (KELVO_ROOT)" FORCE)
endif()

install(TARGETS kelvoplatform regsvr32 formrun
  RUNTIME DESTINATION ${KELVO_SYSTEM_DIR} COMPONENT platform
  LIBRARY DESTINATION ${KELVO_SYSTEM_DIR} COMPONENT platform NAMELINK_SKIP)

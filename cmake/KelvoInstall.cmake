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

# The package a program outside this repository builds against:
# find_package(KelvoControls) with <prefix> on CMAKE_PREFIX_PATH, then
# target_link_libraries(app PRIVATE Kelvo::platform). The public headers go
# into <prefix>/include, the package files into <prefix>/lib/cmake.
include(${PROJECT_SOURCE_DIR}/src/platform/public_headers.cmake)
foreach(header ${KELVO_PROGRAM_HEADERS})
  get_filename_component(folder ${header} DIRECTORY)
  install(FILES src/${header} DESTINATION include/${folder} COMPONENT platform)
endforeach()

# A sanitizer build's library needs its runtime in the program too.
set(KELVO_PACKAGE_SANITIZE "")
if(KELVO_SANITIZE OR KELVO_FUZZ)
  set(KELVO_PACKAGE_SANITIZE -fsanitize=address,undefined)
endif()
get_target_property(KELVO_PLATFORM_VERSION kelvoplatform VERSION)
get_target_property(KELVO_PLATFORM_SOVERSION kelvoplatform SOVERSION)
set(KELVO_PACKAGE_DIR lib/cmake/KelvoControls)
configure_file(cmake/KelvoControlsConfig.cmake.in ${PROJECT_BINARY_DIR}/package/KelvoControlsConfig.cmake @ONLY)
include(CMakePackageConfigHelpers)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/package/KelvoControlsConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/package/KelvoControlsConfig.cmake
  ${PROJECT_BINARY_DIR}/package/KelvoControlsConfigVersion.cmake
  DESTINATION ${KELVO_PACKAGE_DIR} COMPONENT platform)

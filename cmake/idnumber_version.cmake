# The release's version, written in one place: IDN_VERSION_MAJOR, _MINOR and
# _PATCH in the C API's header, capi/idnumber.h. Every program (idtool
# --version, the Windows programs' version resources), every package and
# every artifact name takes it from there; scripts/release_version.sh gives
# it to the scripts, and scripts/sync_version.py writes it into the files of
# other ecosystems that must hold it literally (package.json, pom.xml).
#
# Sets IDNUMBER_RELEASE_VERSION (MAJOR.MINOR.PATCH) and its three parts. Read
# before project(), which takes MAJOR.MINOR.PATCH.0 as the four-part version
# of Windows' version resources.
cmake_path(SET idnumber_version_header NORMALIZE ${CMAKE_CURRENT_LIST_DIR}/../capi/idnumber.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${idnumber_version_header})
foreach(part MAJOR MINOR PATCH)
    file(STRINGS ${idnumber_version_header} line REGEX "^#define IDN_VERSION_${part} [0-9]+$")
    if(NOT line)
        message(FATAL_ERROR "No '#define IDN_VERSION_${part} N' in ${idnumber_version_header}")
    endif()
    string(REGEX REPLACE "^#define IDN_VERSION_${part} " "" IDNUMBER_RELEASE_VERSION_${part} "${line}")
endforeach()
set(IDNUMBER_RELEASE_VERSION
    ${IDNUMBER_RELEASE_VERSION_MAJOR}.${IDNUMBER_RELEASE_VERSION_MINOR}.${IDNUMBER_RELEASE_VERSION_PATCH})

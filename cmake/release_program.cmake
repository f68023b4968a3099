# release_program(TARGET DESCRIPTION): the one line a Windows program needs to
# be released. It gets a version resource (resources/version.rc.in, configured
# per program: its description, internal name and file name, and the project's
# version from version.h), and it is listed in release-programs.txt in the
# build folder, from which scripts/release.sh packs the zips and
# tests/check_reproducible_build.sh compares two builds. Elsewhere than on
# Windows it does nothing, so it can stand beside add_executable unguarded.
#
# DESCRIPTION becomes FileDescription, what Explorer shows as the file's
# description; the dialog program's is its dialog's title. A shared library
# (idnumber.dll) is released the same way, as a DLL.
function(release_program target description)
    if(NOT WIN32)
        return()
    endif()
    set(VERSION_FILE_DESCRIPTION "${description}")
    set(VERSION_INTERNAL_NAME "${target}")
    get_target_property(output_name ${target} OUTPUT_NAME)
    if(NOT output_name)
        set(output_name ${target})
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "SHARED_LIBRARY")
        set(VERSION_ORIGINAL_FILENAME "${CMAKE_SHARED_LIBRARY_PREFIX}${output_name}${CMAKE_SHARED_LIBRARY_SUFFIX}")
        set(VERSION_FILE_TYPE VFT_DLL)
    else()
        set(VERSION_ORIGINAL_FILENAME "${output_name}${CMAKE_EXECUTABLE_SUFFIX}")
        set(VERSION_FILE_TYPE VFT_APP)
    endif()
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
    configure_file(${PROJECT_SOURCE_DIR}/resources/version.rc.in ${rc} @ONLY)
    # An object library of its own, so that the program's compile options
    # (warnings, character sets) never reach the resource compiler.
    add_library(${target}_version OBJECT ${rc})
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${PROJECT_BINARY_DIR}/version.h)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:${target}_version>)
    set_property(GLOBAL APPEND PROPERTY RELEASE_PROGRAMS ${target})
    set_property(GLOBAL APPEND PROPERTY RELEASE_FILES "${target}\t$<TARGET_FILE:${target}>")
endfunction()

# release_file(TARGET FILE): another file for the zips that comes with TARGET
# (a library's import library or header), built with it. Nothing elsewhere
# than on Windows.
function(release_file target file)
    if(WIN32)
        set_property(GLOBAL APPEND PROPERTY RELEASE_FILES "${target}\t${file}")
    endif()
endfunction()

# Writes release-programs.txt at the end of the top directory, once every
# program has been declared: one line per file, the target that builds it, a
# tab and the file.
function(write_release_program_list)
    get_property(files GLOBAL PROPERTY RELEASE_FILES)
    set(lines "")
    foreach(file IN LISTS files)
        string(APPEND lines "${file}\n")
    endforeach()
    file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/release-programs.txt CONTENT "${lines}")
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL write_release_program_list)

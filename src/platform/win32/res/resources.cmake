# plv.exe's Windows resources. Included from src/platform/win32/CMakeLists.txt:
#
#     include(res/resources.cmake)
#     add_executable(plv WIN32 ... ${PLV_WIN32_RESOURCES})
#
# The pictures beside this file are made by make_resources.py and committed, so the build needs
# only windres. The version resource takes its numbers from project(... VERSION ...) at the top.

enable_language(RC)

set(PLV_WIN32_RES_DIR ${CMAKE_CURRENT_LIST_DIR})
set(PLV_WIN32_GENERATED_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated)

# All four numbers go into FILEVERSION; a missing one would leave windres an empty field.
foreach(part MAJOR MINOR PATCH TWEAK)
    if(NOT PROJECT_VERSION_${part} MATCHES "^[0-9]+$")
        message(FATAL_ERROR "The version resource needs a four-part project version (a.b.c.d); "
            "the project's version is '${PROJECT_VERSION}'.")
    endif()
endforeach()
configure_file(${PLV_WIN32_RES_DIR}/plv_version.h.in ${PLV_WIN32_GENERATED_DIR}/plv_version.h @ONLY)

set(PLV_WIN32_RESOURCES ${PLV_WIN32_RES_DIR}/plv.rc)

# Nothing scans the pictures and the manifest that plv.rc names, so they are listed here for an
# edit to any of them to rebuild the resources.
set(plv_resource_inputs resource_ids.h plv.manifest plv.ico tray_orange.ico tray_blue.ico
    tray_grey.ico emblem.ico close.ico logo.bmp hand.cur)
list(TRANSFORM plv_resource_inputs PREPEND ${PLV_WIN32_RES_DIR}/)
list(APPEND plv_resource_inputs ${PLV_WIN32_GENERATED_DIR}/plv_version.h)

# windres finds the headers and the files that plv.rc names through its include paths. The
# script is read as UTF-8 whatever the build machine's locale.
set_source_files_properties(${PLV_WIN32_RESOURCES} PROPERTIES
    INCLUDE_DIRECTORIES "${PLV_WIN32_GENERATED_DIR};${PLV_WIN32_RES_DIR}"
    COMPILE_OPTIONS "-c;65001"
    OBJECT_DEPENDS "${plv_resource_inputs}")

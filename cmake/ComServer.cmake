# quillon_add_com_server(<name> OBJECT <class> HEADERS <h>... LIBRARIES <lib>...
#                        IDL <idl> SCRIPT <rgs> SCRIPT_ID <id> RESOURCES <rc lines>
#                        FILE_DESCRIPTION <text> [DEPENDS <file>...]
#                        [OUTPUT_DIRECTORY <dir>])
#
# Builds <name>.dll, an in-process COM server whose class factory creates
# OBJECT, with the four exports, its type library (resource 1, compiled from
# IDL), its registry script (resource SCRIPT_ID) and version information.
# RESOURCES are further resource lines (icons, bitmaps) whose files DEPENDS names.
# The file goes to OUTPUT_DIRECTORY, by default the build's modules folder.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QUILLON_EXPORTS_DEF ${PROJECT_SOURCE_DIR}/comkit/exports-x86_64.def)
else()
    set(QUILLON_EXPORTS_DEF ${PROJECT_SOURCE_DIR}/comkit/exports-i686.def)
endif()

function(quillon_add_com_server name)
    cmake_parse_arguments(A "" "OBJECT;IDL;SCRIPT;SCRIPT_ID;RESOURCES;FILE_DESCRIPTION;OUTPUT_DIRECTORY" "HEADERS;LIBRARIES;DEPENDS" ${ARGN})
    set(MODULE ${name})
    set(OBJECT ${A_OBJECT})
    set(SCRIPT_ID ${A_SCRIPT_ID})
    set(SCRIPT_FILE ${A_SCRIPT})
    set(MODULE_RESOURCES ${A_RESOURCES})
    set(FILE_DESCRIPTION ${A_FILE_DESCRIPTION})
    set(ENTRY_INCLUDES "")
    foreach(header IN LISTS A_HEADERS)
        string(APPEND ENTRY_INCLUDES "#include \"${header}\"\n")
    endforeach()

    set(gen ${CMAKE_CURRENT_BINARY_DIR}/${name}_module)
    set(TYPELIB_FILE ${gen}/${name}.tlb)
    configure_file(${PROJECT_SOURCE_DIR}/comkit/com_module.rc.in ${gen}/${name}.rc @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/comkit/module_entry.cpp.in ${gen}/module_entry.cpp @ONLY)
    quillon_widl_typelib(${A_IDL} ${TYPELIB_FILE})
    set_source_files_properties(${gen}/${name}.rc PROPERTIES
        OBJECT_DEPENDS "${TYPELIB_FILE};${SCRIPT_FILE};${A_DEPENDS}")

    add_library(${name} SHARED ${gen}/module_entry.cpp ${gen}/${name}.rc ${QUILLON_EXPORTS_DEF})
    target_link_libraries(${name} PRIVATE ${A_LIBRARIES} quillon_comkit)
    if(NOT A_OUTPUT_DIRECTORY)
        set(A_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/modules)
    endif()
    set_target_properties(${name} PROPERTIES
        PREFIX ""
        OUTPUT_NAME ${name}
        RUNTIME_OUTPUT_DIRECTORY ${A_OUTPUT_DIRECTORY})
endfunction()

# Reads the module table (modules.cmake) into global properties: the list of
# module words in QUILLON_MODULES, and one property per module and column.

set(QUILLON_MODULE_COLUMNS
    CLSID LIBID NAME PROPERTY_SIZE EDITOR ICON DESCRIPTION
    FOLDER PROGID_TEXT TYPELIB_HELP INTERFACES)

function(quillon_module_identity word)
    cmake_parse_arguments(M ""
        "CLSID;LIBID;NAME;PROPERTY_SIZE;EDITOR;ICON;DESCRIPTION;FOLDER;PROGID_TEXT;TYPELIB_HELP"
        "INTERFACES" ${ARGN})
    if(M_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "module ${word}: unknown columns ${M_UNPARSED_ARGUMENTS}")
    endif()
    # The columns most rows leave out.
    if(NOT DEFINED M_FOLDER)
        set(M_FOLDER ${word})
    endif()
    if(NOT DEFINED M_PROGID_TEXT)
        set(M_PROGID_TEXT "${word}Font Class")
    endif()
    if(NOT DEFINED M_TYPELIB_HELP)
        set(M_TYPELIB_HELP "${word} 1.1 Type Library")
    endif()
    if(NOT DEFINED M_INTERFACES)
        set(M_INTERFACES IViviFont IViviFontProperty IViviFontActivation)
    endif()
    set_property(GLOBAL APPEND PROPERTY QUILLON_MODULES ${word})
    foreach(column IN LISTS QUILLON_MODULE_COLUMNS)
        set_property(GLOBAL PROPERTY QUILLON_${word}_${column} "${M_${column}}")
    endforeach()
endfunction()

# quillon_module_field(<out> <word> <column>)
function(quillon_module_field out word column)
    get_property(value GLOBAL PROPERTY QUILLON_${word}_${column})
    if(value STREQUAL "")
        message(FATAL_ERROR "module ${word} has no ${column}")
    endif()
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# quillon_add_module_folders([OPTIONAL])
#
# Adds every module's folder under the current source directory, in table
# order. Without OPTIONAL each module must have its folder there, and the
# folder must build the module's target; with it, modules without one are
# passed over (not every module has tests of its own).
function(quillon_add_module_folders)
    cmake_parse_arguments(A "OPTIONAL" "" "" ${ARGN})
    get_property(modules GLOBAL PROPERTY QUILLON_MODULES)
    foreach(word IN LISTS modules)
        quillon_module_field(folder ${word} FOLDER)
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/CMakeLists.txt)
            add_subdirectory(${folder})
        elseif(NOT A_OPTIONAL)
            message(FATAL_ERROR "module ${word} has no folder ${CMAKE_CURRENT_SOURCE_DIR}/${folder}")
        endif()
        if(NOT A_OPTIONAL AND NOT TARGET ${word})
            message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR}/${folder} does not build the module ${word}")
        endif()
    endforeach()
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/modules.cmake)

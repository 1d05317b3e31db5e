# Reads contract/modules.cmake into global properties, one set per module word.

function(quillon_module_identity word)
    cmake_parse_arguments(M "" "CLSID;LIBID;NAME;PROPERTY_SIZE;EDITOR;ICON;DESCRIPTION" "" ${ARGN})
    set_property(GLOBAL APPEND PROPERTY QUILLON_MODULES ${word})
    foreach(field CLSID LIBID NAME PROPERTY_SIZE EDITOR ICON DESCRIPTION)
        set_property(GLOBAL PROPERTY QUILLON_${word}_${field} "${M_${field}}")
    endforeach()
endfunction()

# quillon_module_field(<out> <word> <field>)
function(quillon_module_field out word field)
    get_property(value GLOBAL PROPERTY QUILLON_${word}_${field})
    if(value STREQUAL "")
        message(FATAL_ERROR "module ${word} has no ${field}")
    endif()
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

include(${PROJECT_SOURCE_DIR}/contract/modules.cmake)

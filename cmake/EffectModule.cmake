# quillon_add_effect_module(<word> LIBRARY <lib> HEADER <header> ICON_FILE <ico> [OBJECT <class>])
#
# Builds <word>.dll, an in-process COM server holding the one effect class of
# <lib>, from the module's identity in contract/modules.cmake: its registry
# script, type library, resources and the four exports. The class factory
# creates OBJECT, by default effectbase::EffectObject<<word>Font>.

set(QUILLON_GENESIS_HOST "http://www.tarvik.example")

function(quillon_add_effect_module word)
    cmake_parse_arguments(A "" "LIBRARY;HEADER;ICON_FILE;OBJECT" "" ${ARGN})
    quillon_module_field(CLSID ${word} CLSID)
    quillon_module_field(LIBID ${word} LIBID)
    quillon_module_field(ICON_ID ${word} ICON)
    set(MODULE ${word})
    set(CLASS ${word}Font)
    set(CLASS_HEADER ${A_HEADER})
    if(A_OBJECT)
        set(OBJECT ${A_OBJECT})
    else()
        set(OBJECT "effectbase::EffectObject<${CLASS}>")
    endif()
    set(ICON_FILE ${A_ICON_FILE})
    string(TOUPPER ${word} upper)
    string(TOLOWER ${word} lower)
    set(LIB_NAME ${upper}Lib)
    set(GENESIS "${QUILLON_GENESIS_HOST}/pc/ondelle/glyphset/${lower}.df")

    # The Blazewick module names its ProgIDs with the company word in front.
    if(word STREQUAL "Blazewick")
        set(PROGID_TEXT "Tvk ${CLASS} Class")
    else()
        set(PROGID_TEXT "${CLASS} Class")
    endif()

    # The Static library knows only the drawing interfaces; Tintlift and
    # Blazewick also declare the property editors' interface.
    if(word STREQUAL "Static")
        set(LIB_HELP "Static 1.0 Type Library")
        set(lib_interfaces IViviFont IParagraphAccess IFontManager)
        set(class_interfaces IViviFont)
        set(FILE_DESCRIPTION "Static Module")
    else()
        set(LIB_HELP "${word} 1.1 Type Library")
        set(lib_interfaces IViviFont IParagraphAccess IFontManager IViviFontProperty IViviFontActivation)
        set(class_interfaces IViviFont IViviFontProperty IViviFontActivation)
        if(word STREQUAL "Tintlift" OR word STREQUAL "Blazewick")
            list(APPEND lib_interfaces IFontProperty)
            list(APPEND class_interfaces IFontProperty)
        endif()
        set(FILE_DESCRIPTION "${word} Module")
    endif()
    set(LIB_INTERFACES "")
    foreach(i IN LISTS lib_interfaces)
        string(APPEND LIB_INTERFACES "    interface ${i};\n")
    endforeach()
    set(COCLASS_INTERFACES "")
    foreach(i IN LISTS class_interfaces)
        if(i STREQUAL "IViviFont")
            string(APPEND COCLASS_INTERFACES "        [default] interface ${i};\n")
        else()
            string(APPEND COCLASS_INTERFACES "        interface ${i};\n")
        endif()
    endforeach()

    set(gen ${CMAKE_CURRENT_BINARY_DIR}/${word}_module)
    configure_file(${PROJECT_SOURCE_DIR}/comkit/effect_module.rgs.in ${gen}/${word}.rgs @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/contract/effect_library.idl.in ${gen}/${word}.idl @ONLY)
    quillon_add_com_server(${word}
        OBJECT "${OBJECT}"
        HEADERS effectbase/EffectObject.h ${CLASS_HEADER}
        LIBRARIES ${A_LIBRARY}
        IDL ${gen}/${word}.idl
        SCRIPT ${gen}/${word}.rgs
        SCRIPT_ID 101
        RESOURCES "${ICON_ID} ICON \"${ICON_FILE}\""
        FILE_DESCRIPTION "${FILE_DESCRIPTION}"
        DEPENDS ${ICON_FILE})
    set_property(GLOBAL APPEND PROPERTY QUILLON_BUILT_MODULES ${word})
endfunction()

# quillon_add_effect_module(<word> LIBRARY <lib> HEADER <header> ICON_FILE <ico> [OBJECT <class>])
#
# Builds <word>.dll, an in-process COM server holding the one effect class of
# <lib>, from the module's row in modules.cmake: its registry script (the
# effect category and the ViviFont ProgIDs), type library, resources and the
# four exports. The class factory creates OBJECT, by default
# effectbase::EffectObject<<word>Font>.

set(QUILLON_GENESIS_HOST "http://www.tarvik.example")

function(quillon_add_effect_module word)
    cmake_parse_arguments(A "" "LIBRARY;HEADER;ICON_FILE;OBJECT" "" ${ARGN})
    quillon_module_field(CLSID ${word} CLSID)
    quillon_module_field(LIBID ${word} LIBID)
    quillon_module_field(ICON_ID ${word} ICON)
    quillon_module_field(PROGID_TEXT ${word} PROGID_TEXT)
    quillon_module_field(LIB_HELP ${word} TYPELIB_HELP)
    quillon_module_field(class_interfaces ${word} INTERFACES)
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
    set(FILE_DESCRIPTION "${word} Module")

    # The library declares the host's interfaces the class is handed too; the
    # class's first interface is its default.
    set(lib_interfaces IViviFont IParagraphAccess IFontManager)
    foreach(i IN LISTS class_interfaces)
        if(NOT i IN_LIST lib_interfaces)
            list(APPEND lib_interfaces ${i})
        endif()
    endforeach()
    set(LIB_INTERFACES "")
    foreach(i IN LISTS lib_interfaces)
        string(APPEND LIB_INTERFACES "    interface ${i};\n")
    endforeach()
    set(COCLASS_INTERFACES "")
    set(attribute "[default] ")
    foreach(i IN LISTS class_interfaces)
        string(APPEND COCLASS_INTERFACES "        ${attribute}interface ${i};\n")
        set(attribute "")
    endforeach()

    set(gen ${CMAKE_CURRENT_BINARY_DIR}/${word}_module)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/effect_module.rgs.in ${gen}/${word}.rgs @ONLY)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/effect_library.idl.in ${gen}/${word}.idl @ONLY)
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
endfunction()

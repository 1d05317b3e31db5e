# quillon_add_module_suite(<word> LIBRARY <lib> HEADER <header>)
#
# Joins the module <word> (its class <word>Font, declared in HEADER and built
# into LIBRARY) to the module half of the shared suite:
#   <word>_module_suite   the module file: registration, COM creation, the
#                         category, unload counting, resources;
#   <word>_module_exports the four exports and system imports only.
#
# quillon_add_effect_suite(<word> LIBRARY <lib> HEADER <header>
#                          PLAIN <field> [PADDING <field>...])
#
# Both halves for an effect with a property block, the effect half being
#   <word>_effect_suite   the object in-process: identity, records, clone,
#                         activation, leaks, random blocks, odd runs.
# The fields are members of the class's block, whose offsets and sizes the
# suite takes from the block itself: PLAIN a field every parameter record
# sets without bringing keys (its first byte is changed; NONE for an effect
# whose records take nothing without a watched field), PADDING the fields the
# defaults never write (reserved and padding bytes). The use-run-colours flag
# is the block's useRunColours.

set(QUILLON_EFFECT_SUITE_DIR ${CMAKE_CURRENT_LIST_DIR})

function(quillon_add_module_suite word)
    cmake_parse_arguments(A "" "LIBRARY;HEADER" "" ${ARGN})
    set(CLASS ${word}Font)
    set(CLASS_HEADER ${A_HEADER})
    set(entry ${CMAKE_CURRENT_BINARY_DIR}/${word}_module_entry.cpp)
    configure_file(${QUILLON_EFFECT_SUITE_DIR}/ModuleEntry.cpp.in ${entry} @ONLY)
    quillon_add_test(${word}_module_suite REGISTRY
        SOURCES ${entry}
        LIBRARIES quillon_module_suite ${A_LIBRARY}
        DEPENDS ${word})
    target_compile_definitions(${word}_module_suite PRIVATE SUITE_MODULE_FILE="$<TARGET_FILE:${word}>")
    add_test(NAME ${word}_module_exports
        COMMAND ${QUILLON_EFFECT_SUITE_DIR}/../check-module-exports.sh ${QUILLON_OBJDUMP} $<TARGET_FILE:${word}>)
endfunction()

function(quillon_add_effect_suite word)
    cmake_parse_arguments(A "" "LIBRARY;HEADER;PLAIN" "PADDING" ${ARGN})
    if(NOT DEFINED A_PLAIN)
        message(FATAL_ERROR "quillon_add_effect_suite(${word}): PLAIN is required")
    endif()
    quillon_add_module_suite(${word} LIBRARY ${A_LIBRARY} HEADER ${A_HEADER})
    set(CLASS ${word}Font)
    set(CLASS_HEADER ${A_HEADER})
    if(A_PLAIN STREQUAL "NONE")
        set(PLAIN_OFFSET -1)
    else()
        set(PLAIN_OFFSET "offsetof(Block, ${A_PLAIN})")
    endif()
    set(PADDING_FIELDS "")
    foreach(field IN LISTS A_PADDING)
        string(APPEND PADDING_FIELDS "{offsetof(Block, ${field}), sizeof(Block::${field})}, ")
    endforeach()
    set(entry ${CMAKE_CURRENT_BINARY_DIR}/${word}_suite_entry.cpp)
    configure_file(${QUILLON_EFFECT_SUITE_DIR}/SuiteEntry.cpp.in ${entry} @ONLY)
    quillon_add_test(${word}_effect_suite
        SOURCES ${entry}
        LIBRARIES quillon_effect_suite ${A_LIBRARY})
    target_compile_definitions(${word}_effect_suite PRIVATE SUITE_MODULE_FILE="$<TARGET_FILE:${word}>")
endfunction()

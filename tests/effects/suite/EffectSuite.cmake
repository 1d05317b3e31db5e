# quillon_add_effect_suite(<word> LIBRARY <lib> HEADER <header>)
#
# Joins the effect module <word> (its class <word>Font, declared in HEADER and
# built into LIBRARY) to the shared effect suite:
#   <word>_effect_suite   the object in-process: identity, records, clone,
#                         activation, leaks, random blocks, odd runs;
#   <word>_module_suite   the module file: registration, COM creation, the
#                         category, unload counting, resources (REGISTRY);
#   <word>_module_exports the four exports and system imports only.

set(QUILLON_EFFECT_SUITE_DIR ${CMAKE_CURRENT_LIST_DIR})

function(quillon_add_effect_suite word)
    cmake_parse_arguments(A "" "LIBRARY;HEADER" "" ${ARGN})
    set(CLASS ${word}Font)
    set(CLASS_HEADER ${A_HEADER})
    set(entry ${CMAKE_CURRENT_BINARY_DIR}/${word}_suite_entry.cpp)
    configure_file(${QUILLON_EFFECT_SUITE_DIR}/SuiteEntry.cpp.in ${entry} @ONLY)

    quillon_add_test(${word}_effect_suite
        SOURCES ${entry}
        LIBRARIES quillon_effect_suite ${A_LIBRARY})
    quillon_add_test(${word}_module_suite REGISTRY
        SOURCES ${entry}
        LIBRARIES quillon_module_suite ${A_LIBRARY}
        DEPENDS ${word})
    foreach(suite ${word}_effect_suite ${word}_module_suite)
        target_compile_definitions(${suite} PRIVATE SUITE_MODULE_FILE="$<TARGET_FILE:${word}>")
    endforeach()

    add_test(NAME ${word}_module_exports
        COMMAND ${QUILLON_EFFECT_SUITE_DIR}/../check-module-exports.sh ${QUILLON_OBJDUMP} $<TARGET_FILE:${word}>)
endfunction()

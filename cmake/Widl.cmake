# IDL compilation with widl: C++ headers, IID definitions and type libraries.
find_program(QUILLON_WIDL NAMES i686-w64-mingw32-widl widl REQUIRED)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QUILLON_WIDL_ARCH -m64)
    set(_stdole_dir /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
else()
    set(QUILLON_WIDL_ARCH -m32)
    set(_stdole_dir /usr/lib/i386-linux-gnu/wine/i386-windows)
endif()
set(QUILLON_WIDL_FLAGS ${QUILLON_WIDL_ARCH}
    -I/usr/include/wine/wine/windows -I${PROJECT_SOURCE_DIR}/contract
    -L${_stdole_dir})

# quillon_widl_header(<idl> <out_dir>): <name>.h and <name>_i.c in out_dir.
function(quillon_widl_header idl out_dir)
    get_filename_component(name "${idl}" NAME_WE)
    add_custom_command(
        OUTPUT ${out_dir}/${name}.h ${out_dir}/${name}_i.c
        COMMAND ${QUILLON_WIDL} ${QUILLON_WIDL_FLAGS} -h -o ${out_dir}/${name}.h ${idl}
        COMMAND ${QUILLON_WIDL} ${QUILLON_WIDL_FLAGS} -u -o ${out_dir}/${name}_i.c ${idl}
        DEPENDS ${idl}
        VERBATIM)
endfunction()

# quillon_widl_typelib(<idl> <tlb>)
function(quillon_widl_typelib idl tlb)
    add_custom_command(
        OUTPUT ${tlb}
        COMMAND ${QUILLON_WIDL} ${QUILLON_WIDL_FLAGS} -t -o ${tlb} ${idl}
        DEPENDS ${idl} ${PROJECT_SOURCE_DIR}/contract/vivifont.idl
        VERBATIM)
endfunction()

# chooser_type_library(<name> IDL <file>): compiles an interface definition with widl into
#   ${CMAKE_CURRENT_BINARY_DIR}/generated/<name>.h    C++ declarations of the interfaces, GUIDs, enums
#   ${CMAKE_CURRENT_BINARY_DIR}/<name>.tlb            the type library, to embed as resource 1 TYPELIB
# and defines the INTERFACE target <name>_idl exposing the header directory, which builds both first.

# stdole2.tlb of Wine: widl reads IUnknown, IDispatch, IFontDisp and IPictureDisp from it (importlib).
find_path(CHOOSER_STDOLE_DIR stdole2.tlb
    PATHS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows /usr/lib/i386-linux-gnu/wine/i386-windows
          /usr/lib/wine/x86_64-windows /usr/lib/wine/i386-windows
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT CHOOSER_STDOLE_DIR)
    message(FATAL_ERROR "stdole2.tlb not found: install Wine (scripts/setup)")
endif()

function(chooser_type_library name)
    cmake_parse_arguments(ARG "" "IDL" "" ${ARGN})
    set(CHOOSER_IDL_DIR ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(target_flags --win64 -m64)
    else()
        set(target_flags --win32 -m32)
    endif()
    set(header ${CMAKE_CURRENT_BINARY_DIR}/generated/${name}.h)
    set(tlb ${CMAKE_CURRENT_BINARY_DIR}/${name}.tlb)
    # run_widl.cmake takes widl's arguments as one |-separated definition.
    string(JOIN "|" common_args ${target_flags} -I ${CHOOSER_IDL_DIR} ${ARG_IDL})
    set(script ${CHOOSER_IDL_DIR}/run_widl.cmake)

    add_custom_command(OUTPUT ${header}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/generated
        COMMAND ${CMAKE_COMMAND} -DWIDL=${CHOOSER_WIDL} "-DARGS=${common_args}|-h" -DOUTPUT=${header}
                -DHEADER=ON -P ${script}
        DEPENDS ${ARG_IDL} ${CHOOSER_IDL_DIR}/ole_automation_base.idl ${CHOOSER_IDL_DIR}/run_widl.cmake
        COMMENT "widl: ${name}.h"
        VERBATIM)
    add_custom_command(OUTPUT ${tlb}
        COMMAND ${CMAKE_COMMAND} -DWIDL=${CHOOSER_WIDL} "-DARGS=${common_args}|-t|-L|${CHOOSER_STDOLE_DIR}"
                -DOUTPUT=${tlb} -P ${script}
        DEPENDS ${ARG_IDL} ${CHOOSER_IDL_DIR}/ole_automation_base.idl ${CHOOSER_IDL_DIR}/run_widl.cmake
        COMMENT "widl: ${name}.tlb"
        VERBATIM)
    add_custom_target(${name}_idl_files DEPENDS ${header} ${tlb})

    add_library(${name}_idl INTERFACE)
    target_include_directories(${name}_idl INTERFACE ${CMAKE_CURRENT_BINARY_DIR}/generated ${CHOOSER_IDL_DIR})
    add_dependencies(${name}_idl ${name}_idl_files)
    set(${name}_TLB ${tlb} PARENT_SCOPE)
endfunction()

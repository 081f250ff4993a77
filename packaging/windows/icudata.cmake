# ICU's data, cut down to what the program uses. The toolkit's icudtNN.dll carries all of it
# (31 MB) as its .rodata, byte for byte an ICU data package; ICU's icupkg (Debian's icu-devtools)
# keeps the items icu-data.txt names, and the result goes back into a DLL of the same name that
# exports the same symbol, through which icuucNN.dll finds its data. Sets LANTERNIX_ICU_DATA_DLL.
file(GLOB _whole_dll ${LANTERNIX_QT_PREFIX}/bin/icudt[0-9][0-9].dll)
if(NOT _whole_dll MATCHES "icudt([0-9]+)\\.dll$")
    message(FATAL_ERROR "No ICU data library (icudtNN.dll) in ${LANTERNIX_QT_PREFIX}/bin")
endif()
set(_package icudt${CMAKE_MATCH_1}l) # the data's own name: version, little-endian
set(_symbol icudt${CMAKE_MATCH_1}_dat)
find_program(LANTERNIX_ICUPKG icupkg REQUIRED)

set(_work ${CMAKE_BINARY_DIR}/icu-data)
set(LANTERNIX_ICU_DATA_DLL ${_work}/icudt${CMAKE_MATCH_1}.dll)
set(_list ${CMAKE_CURRENT_LIST_DIR}/icu-data.txt)
# A data-only library: no entry point, no C runtime; the data aligned as ICU expects it.
file(CONFIGURE OUTPUT ${_work}/data.s CONTENT [[
    .section .rdata,"dr"
    .balign 16
    .globl @_symbol@
@_symbol@:
    .incbin "@_work@/@_package@.dat"
    .section .drectve,"yn"
    .ascii " -export:@_symbol@,data"
]] @ONLY)
add_custom_command(OUTPUT ${LANTERNIX_ICU_DATA_DLL}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${_work}/whole ${_work}/items
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_work}/whole ${_work}/items
    COMMAND ${CMAKE_OBJCOPY} -O binary --only-section=.rodata ${_whole_dll}
        ${_work}/whole/${_package}.dat
    COMMAND ${LANTERNIX_ICUPKG} --extract ${_list} --destdir ${_work}/items
        ${_work}/whole/${_package}.dat
    COMMAND ${LANTERNIX_ICUPKG} --type l --copyright --add ${_list} --sourcedir ${_work}/items
        new ${_work}/${_package}.dat
    COMMAND ${CMAKE_CXX_COMPILER} -shared -nostdlib -s -Wl,--entry=0 -Wl,--no-insert-timestamp
        -o ${LANTERNIX_ICU_DATA_DLL} ${_work}/data.s
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${_work}/whole ${_work}/items
    DEPENDS ${_whole_dll} ${_list} ${_work}/data.s
    COMMENT "Cutting ICU's data down to ${_list}"
    VERBATIM)
add_custom_target(lanternix_icu_data ALL DEPENDS ${LANTERNIX_ICU_DATA_DLL})

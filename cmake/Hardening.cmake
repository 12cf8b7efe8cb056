# The hardening Debian expects of its binaries: fortified C library calls (where optimised),
# a stack protector, RELRO with immediate binding, position-independent executables.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
add_compile_options(
    $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>
    -fstack-protector-strong)
add_link_options(-Wl,-z,relro -Wl,-z,now)

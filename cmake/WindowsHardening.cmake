# The Windows counterparts of the ELF hardening: address-space layout randomisation with
# high-entropy addresses, data execution prevention, a stack protector; and one static .exe
# that needs no DLL but the system's.
add_compile_options(-fstack-protector-strong)
add_link_options(-static -fstack-protector-strong -Wl,--dynamicbase -Wl,--nxcompat -Wl,--high-entropy-va)

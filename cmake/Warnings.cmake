# One place for the warning set; every target of the project links quorvel_warnings.
add_library(quorvel_warnings INTERFACE)
target_compile_options(quorvel_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
    -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual -Wformat=2 -Wnull-dereference
    -Wimplicit-fallthrough -Wundef)

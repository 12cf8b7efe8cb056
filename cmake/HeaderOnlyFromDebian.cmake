# nlohmann/json is header-only: the Windows build takes Debian's headers, through a folder of
# its own that holds nothing else, so that no other Linux header reaches the mingw compiler.
set(json_include ${CMAKE_BINARY_DIR}/debian-headers)
file(MAKE_DIRECTORY ${json_include})
file(CREATE_LINK /usr/include/nlohmann ${json_include}/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${json_include})

# Each Windows program carries its manifest, the icon and a version resource.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
string(REPLACE "." "," QUORVEL_VERSION_COMMAS "${PROJECT_VERSION}")
set(QUORVEL_VERSION4 "${PROJECT_VERSION}.0")
set(windows_dir ${PROJECT_SOURCE_DIR}/packaging/windows)
set(QUORVEL_ICO ${CMAKE_BINARY_DIR}/quorvel.ico)
set(icon_pngs)
foreach(size 16 32 48 64 128 256)
    if(EXISTS ${PROJECT_SOURCE_DIR}/packaging/icons/quorvel-${size}.png)
        list(APPEND icon_pngs ${PROJECT_SOURCE_DIR}/packaging/icons/quorvel-${size}.png)
    endif()
endforeach()
add_custom_command(OUTPUT ${QUORVEL_ICO}
    COMMAND Python3::Interpreter ${windows_dir}/make_ico.py ${QUORVEL_ICO} ${icon_pngs}
    DEPENDS ${windows_dir}/make_ico.py ${icon_pngs})
add_custom_target(quorvel_ico DEPENDS ${QUORVEL_ICO})

# quorvel_windows_resources(TARGET "Description" file.exe manifest-name)
function(quorvel_windows_resources target description file_name manifest)
    set(QUORVEL_FILE_DESCRIPTION "${description}")
    set(QUORVEL_FILE_NAME "${file_name}")
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}-resources)
    configure_file(${windows_dir}/${manifest}.manifest ${out}/program.manifest @ONLY)
    configure_file(${windows_dir}/version.rc.in ${out}/version.rc @ONLY)
    file(WRITE ${out}/program.rc
        "#include <winuser.h>\n"
        "CREATEPROCESS_MANIFEST_RESOURCE_ID RT_MANIFEST \"program.manifest\"\n"
        "QUORVEL ICON \"${QUORVEL_ICO}\"\n"
        "#include \"version.rc\"\n")
    set_source_files_properties(${out}/program.rc PROPERTIES
        OBJECT_DEPENDS "${QUORVEL_ICO};${out}/program.manifest;${out}/version.rc")
    target_sources(${target} PRIVATE ${out}/program.rc)
    add_dependencies(${target} quorvel_ico)
endfunction()

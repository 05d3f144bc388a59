# What every installed library of the project shares: a name with the project's prefix, a
# version, hidden symbols when shared, and an export header for the macro on its public API.
include(GenerateExportHeader)

# TARGET's export header is INCLUDE_FOLDER/Export.h (included as "INCLUDE_FOLDER/Export.h");
# its macro is the folder's name in capitals with _EXPORT (platform/wx: PLATFORM_WX_EXPORT).
function(gridlore_installed_library target include_folder)
    # Installed beside other software in PREFIX/lib, libkor.a or libplatform.a would collide.
    if(NOT target MATCHES "^gridloreui")
        set_target_properties(${target} PROPERTIES OUTPUT_NAME gridloreui_${target})
    endif()
    # Before 1.0 every minor version may change the interface, as the package's version
    # file says; the SONAME still follows the major version alone.
    set_target_properties(${target} PROPERTIES VERSION ${PROJECT_VERSION}
                                               SOVERSION ${PROJECT_VERSION_MAJOR})
    if(BUILD_SHARED_LIBS)
        set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden
                                                   VISIBILITY_INLINES_HIDDEN ON)
    endif()

    string(MAKE_C_IDENTIFIER ${include_folder} base_name)
    string(TOUPPER ${base_name} base_name)
    set(export_root ${CMAKE_CURRENT_BINARY_DIR}/export)
    generate_export_header(${target} BASE_NAME ${base_name}
                           EXPORT_FILE_NAME ${export_root}/${include_folder}/Export.h)
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${export_root}>)
    install(FILES ${export_root}/${include_folder}/Export.h
            DESTINATION ${GRIDLORE_INSTALL_INCLUDEDIR}/${include_folder})
endfunction()

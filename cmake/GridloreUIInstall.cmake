# `cmake --install` puts the headers, the libraries, the two programs, a package
# configuration and pkg-config files in place, so that a host finds the library with
# find_package(GridloreUI) or pkg-config. Everything of ours goes below folders named after
# the project (include/gridloreui, lib/cmake/GridloreUI, share/doc/gridloreui) or carries its
# prefix (libgridloreui_*), so that it lives beside other software in /usr/local.
include(CMakePackageConfigHelpers)

set(GRIDLORE_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/GridloreUI)

# Static libraries need every layer beneath the one a host names, so all are installed.
set(installed_backends platform_headless platform_wx)
set(GRIDLORE_PACKAGE_HAS_QT OFF)
if(TARGET platform_qt)
    list(APPEND installed_backends platform_qt)
    set(GRIDLORE_PACKAGE_HAS_QT ON)
endif()
install(TARGETS shr kor gridlore korfile shrgui platform ${installed_backends}
                wx_system gridlore_shared gridloreui
        EXPORT GridloreUITargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${GRIDLORE_INSTALL_INCLUDEDIR})
if(BUILD_SHARED_LIBS)
    # The programs find the shared libraries installed beside them, in whatever prefix.
    file(RELATIVE_PATH bin_to_lib /root/${CMAKE_INSTALL_BINDIR} /root/${CMAKE_INSTALL_LIBDIR})
    set_target_properties(gridlore-host gridlore-crs PROPERTIES INSTALL_RPATH "$ORIGIN/${bin_to_lib}")
endif()
install(TARGETS gridlore-host gridlore-crs RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(DIRECTORY ${PROJECT_SOURCE_DIR}/shr/include/
                  ${PROJECT_SOURCE_DIR}/components/shrgui/include/
                  ${PROJECT_SOURCE_DIR}/components/kor/include/
                  ${PROJECT_SOURCE_DIR}/components/korfile/include/
                  ${PROJECT_SOURCE_DIR}/components/gridlore/include/
                  ${PROJECT_SOURCE_DIR}/platform/include/
                  ${PROJECT_SOURCE_DIR}/platform/headless/include/
                  ${PROJECT_SOURCE_DIR}/platform/wx/include/
                  ${PROJECT_SOURCE_DIR}/platform/qt/include/
                  ${PROJECT_SOURCE_DIR}/Subsystems/GridloreUI/include/
                  ${PROJECT_SOURCE_DIR}/Subsystems/Shared/include/
        DESTINATION ${GRIDLORE_INSTALL_INCLUDEDIR}
        FILES_MATCHING PATTERN "*.h")

install(EXPORT GridloreUITargets NAMESPACE GridloreUI:: DESTINATION ${GRIDLORE_PACKAGE_DIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/GridloreUIConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/GridloreUIConfig.cmake
                              INSTALL_DESTINATION ${GRIDLORE_PACKAGE_DIR})
# Before 1.0 a minor version may change the interface.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/GridloreUIConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/GridloreUIConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/GridloreUIConfigVersion.cmake
        DESTINATION ${GRIDLORE_PACKAGE_DIR})

include(${CMAKE_CURRENT_LIST_DIR}/GridloreUIPkgConfig.cmake)

set(GRIDLORE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/gridloreui)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/CHANGELOG.md
        DESTINATION ${GRIDLORE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${GRIDLORE_INSTALL_DOCDIR}
        FILES_MATCHING PATTERN "*.md")

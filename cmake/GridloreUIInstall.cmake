# `cmake --install` puts the headers, the static libraries and a package configuration in
# place, so that a host finds the library with find_package(GridloreUI).
include(CMakePackageConfigHelpers)

set(GRIDLORE_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/GridloreUI)

# The libraries are static, so a host links every layer beneath the one it names.
install(TARGETS shr kor gridlore korfile shrgui platform platform_headless platform_wx
                wx_system gridlore_shared gridloreui
        EXPORT GridloreUITargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

install(DIRECTORY ${PROJECT_SOURCE_DIR}/shr/include/
                  ${PROJECT_SOURCE_DIR}/components/shrgui/include/
                  ${PROJECT_SOURCE_DIR}/components/kor/include/
                  ${PROJECT_SOURCE_DIR}/components/korfile/include/
                  ${PROJECT_SOURCE_DIR}/components/gridlore/include/
                  ${PROJECT_SOURCE_DIR}/platform/include/
                  ${PROJECT_SOURCE_DIR}/platform/headless/include/
                  ${PROJECT_SOURCE_DIR}/platform/wx/include/
                  ${PROJECT_SOURCE_DIR}/Subsystems/GridloreUI/include/
                  ${PROJECT_SOURCE_DIR}/Subsystems/Shared/include/
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
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

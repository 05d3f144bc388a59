# `cpack -G DEB` in a build folder makes a Debian package of what `cmake --install` puts in
# place. Its dependencies are those the build found: dpkg-shlibdeps reads them from the
# programs (and shared libraries), and the development packages that a host linking our
# static libraries needs are the Debian packages owning the files CMake found.
set(CPACK_PACKAGE_NAME gridloreui)
set(CPACK_PACKAGE_VENDOR "GridloreUI developers")
set(CPACK_PACKAGE_CONTACT "GridloreUI developers <gridloreui@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Coordinate-reference-system dialogs for mapping applications")
set(CPACK_PACKAGE_DESCRIPTION
    "GridloreUI is a C++ library of dialogs that choose, define and convert coordinate\n"
    "systems, on real windows (wxWidgets) or headless. The package holds its headers,\n"
    "libraries, CMake package and pkg-config files, and the programs gridlore-host\n"
    "and gridlore-crs.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# cpack installs through the preinstall target; packing a build folder must not first
# build everything in it (the tests and benchmarks are not packed).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The Debian package that owns FILE, appended to the list named by OUT (nothing off Debian).
function(gridlore_debian_owner file out)
    find_program(DPKG_QUERY dpkg-query)
    if(NOT DPKG_QUERY OR NOT EXISTS "${file}")
        return()
    endif()
    file(REAL_PATH ${file} real)
    execute_process(COMMAND ${DPKG_QUERY} -S ${real} RESULT_VARIABLE failed
                    OUTPUT_VARIABLE owner ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT failed)
        string(REGEX REPLACE "[:,].*" "" owner "${owner}")
        list(APPEND ${out} ${owner})
        set(${out} ${${out}} PARENT_SCOPE)
    endif()
endfunction()

# One file of each dependency, as the build found it.
set(found_files ${PROJ_DIR}/proj-config.cmake ${SQLite3_INCLUDE_DIR}/sqlite3.h
                ${pugixml_DIR}/pugixml-config.cmake ${nlohmann_json_DIR}/nlohmann_jsonConfig.cmake
                ${wxWidgets_CONFIG_EXECUTABLE})
if(TARGET platform_qt)
    get_target_property(qt_widgets_include Qt6::Widgets INTERFACE_INCLUDE_DIRECTORIES)
    list(FILTER qt_widgets_include INCLUDE REGEX "QtWidgets$")
    list(APPEND found_files ${qt_widgets_include}/QWidget)
endif()
if(GTK3_FOUND)
    list(GET GTK3_INCLUDE_DIRS 0 gtk_include)
    list(APPEND found_files ${gtk_include}/gtk/gtk.h)
endif()
set(development_packages "")
foreach(found ${found_files})
    gridlore_debian_owner(${found} development_packages)
endforeach()
list(REMOVE_DUPLICATES development_packages)
list(JOIN development_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

include(CPack)

# pkg-config files for hosts that do not build with CMake: gridloreui (the dialogs, the model
# and the scripted backend) and gridloreui-wx (real windows). What the libraries were built
# on is named as the build found it, so `pkg-config --static --libs` links a host.
find_package(PkgConfig REQUIRED)

# The files find the prefix from where they lie, so an unpacked package works anywhere.
file(RELATIVE_PATH GRIDLORE_PC_PREFIX /root/${CMAKE_INSTALL_LIBDIR}/pkgconfig /root)
string(REGEX REPLACE "/$" "" GRIDLORE_PC_PREFIX "${GRIDLORE_PC_PREFIX}")

# Every layer, each before the layers it uses, for static links.
set(GRIDLORE_PC_LIBS "")
foreach(layer platform_headless gridloreui shrgui gridlore korfile kor platform shr)
    get_target_property(name ${layer} OUTPUT_NAME)
    if(NOT name)
        set(name ${layer})
    endif()
    string(APPEND GRIDLORE_PC_LIBS " -l${name}")
endforeach()
string(STRIP "${GRIDLORE_PC_LIBS}" GRIDLORE_PC_LIBS)

# The model's libraries, by the pkg-config names of what CMake found.
set(model_modules proj sqlite3 pugixml)
pkg_check_modules(GRIDLORE_PC_MODEL REQUIRED ${model_modules})
list(JOIN model_modules " " GRIDLORE_PC_REQUIRES)

# wxWidgets has no pkg-config file of its own: its flags are the ones the build linked with.
get_target_property(wx_libraries wx_system INTERFACE_LINK_LIBRARIES)
list(JOIN wx_libraries " " GRIDLORE_PC_WX_LIBS)
set(GRIDLORE_PC_WX_REQUIRES "")
get_target_property(wx_backend_links platform_wx LINK_LIBRARIES)
if(wx_backend_links MATCHES "gtk-3")
    set(GRIDLORE_PC_WX_REQUIRES gtk+-3.0)
endif()

set(pc_folder ${CMAKE_CURRENT_BINARY_DIR}/pkgconfig)
configure_file(${CMAKE_CURRENT_LIST_DIR}/gridloreui.pc.in ${pc_folder}/gridloreui.pc @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/gridloreui-wx.pc.in ${pc_folder}/gridloreui-wx.pc @ONLY)
install(FILES ${pc_folder}/gridloreui.pc ${pc_folder}/gridloreui-wx.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# pkg-config files for hosts that do not build with CMake: gridloreui (the dialogs, the model
# and the scripted backend), gridloreui-wx and gridloreui-qt (real windows). What the
# libraries were built on is named as the build found it, so `pkg-config --static --libs`
# links a host.
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

# The model's libraries are shared ones: their link flags, not their own private
# dependencies (which `--static` on a Requires.private would drag in).
pkg_check_modules(GRIDLORE_PC_MODEL REQUIRED proj sqlite3 pugixml)
list(JOIN GRIDLORE_PC_MODEL_LDFLAGS " " GRIDLORE_PC_MODEL_LIBS)

# wxWidgets has no pkg-config file of its own: its flags are the ones the build linked with.
get_target_property(wx_libraries wx_system INTERFACE_LINK_LIBRARIES)
list(JOIN wx_libraries " " GRIDLORE_PC_WX_LIBS)
# The GTK port's backend calls GTK itself.
get_target_property(wx_backend_links platform_wx LINK_LIBRARIES)
if(wx_backend_links MATCHES "gtk-3")
    list(JOIN GTK3_LDFLAGS " " gtk_flags)
    string(APPEND GRIDLORE_PC_WX_LIBS " ${gtk_flags}")
endif()

set(pc_folder ${CMAKE_CURRENT_BINARY_DIR}/pkgconfig)
configure_file(${CMAKE_CURRENT_LIST_DIR}/gridloreui.pc.in ${pc_folder}/gridloreui.pc @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/gridloreui-wx.pc.in ${pc_folder}/gridloreui-wx.pc @ONLY)
install(FILES ${pc_folder}/gridloreui.pc ${pc_folder}/gridloreui-wx.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
# gridloreui-qt: real windows on Qt 6, whose own .pc files name what it links.
if(TARGET platform_qt)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/gridloreui-qt.pc.in ${pc_folder}/gridloreui-qt.pc
                   @ONLY)
    install(FILES ${pc_folder}/gridloreui-qt.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endif()

# What a host outside the tree meets: installs a build of GridloreUI into a fresh prefix,
# checks that everything lies in the project's own folders, builds every example under
# examples/ against it with find_package and with pkg-config, and runs those that need no
# display (a Qt host plays its tour on a virtual display of its own).
# -DMODE=static   installs BUILD_DIR;
# -DMODE=shared   builds the library shared and in Release, as distributions ship it, in
#                 SHARED_DIR (kept between runs) and installs that, checking SONAMEs and
#                 that only the public API is exported;
# -DMODE=deb      makes the Debian package of BUILD_DIR with cpack, prints its control data
#                 and unpacks it with dpkg -x.
# -DSOURCE_DIR, -DWORK_DIR, -DCXX (the compiler), -DLAUNCHER (a compiler launcher, may be
# empty), -DWX_CONFIG, -DXVFB_RUN (may be empty), -DVERSION (the project's), -DEXPECTED (what a headless example prints), -DLINK_FLAGS (what
# linking against BUILD_DIR needs besides the package).
# A quoted word is a word, never the variable of that name (such as `static` below).
cmake_policy(SET CMP0054 NEW)

file(REMOVE_RECURSE ${WORK_DIR})

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
                    ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${output}")
    endif()
    set(output ${output} PARENT_SCOPE)
endfunction()

# Nothing outside the project's folders, and no library without the project's prefix.
function(check_layout prefix)
    file(GLOB_RECURSE installed RELATIVE ${prefix} ${prefix}/*)
    set(allowed "^(include/gridloreui/|lib/libgridloreui[^/]*$|lib/cmake/GridloreUI/"
                "|lib/pkgconfig/gridloreui[^/]*[.]pc$|bin/gridlore-(host|crs)$|share/doc/gridloreui/)")
    string(JOIN "" allowed ${allowed})
    set(strays "")
    foreach(file ${installed})
        if(NOT file MATCHES "${allowed}")
            list(APPEND strays ${file})
        endif()
    endforeach()
    if(strays)
        message(FATAL_ERROR "installed outside the project's folders: ${strays}")
    endif()
    foreach(folder shr kor korfile gridlore shrgui platform gridui Shared)
        if(NOT IS_DIRECTORY ${prefix}/include/gridloreui/${folder})
            message(FATAL_ERROR "no include/gridloreui/${folder} in ${prefix}")
        endif()
    endforeach()
    foreach(file lib/pkgconfig/gridloreui.pc lib/cmake/GridloreUI/GridloreUIConfig.cmake
                 bin/gridlore-host bin/gridlore-crs share/doc/gridloreui/README.md)
        if(NOT EXISTS ${prefix}/${file})
            message(FATAL_ERROR "${file} is not installed in ${prefix}")
        endif()
    endforeach()
    list(LENGTH installed count)
    message(STATUS "${count} files installed, all in the project's folders")
endfunction()

# The toolkit an example's windows are made with: wx, qt, or none (headless).
function(toolkit_of example out)
    file(READ ${SOURCE_DIR}/examples/${example}/CMakeLists.txt lists)
    set(${out} none PARENT_SCOPE)
    foreach(toolkit wx qt)
        string(FIND "${lists}" "platform_${toolkit}" found)
        if(NOT found EQUAL -1)
            set(${out} ${toolkit} PARENT_SCOPE)
        endif()
    endforeach()
endfunction()

# Runs a headless example (with LIBRARY_PATH for shared builds) and checks what it prints.
function(run_example program library_path)
    run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${library_path} ${program} ${ARGN})
    string(STRIP "${output}" output)
    if(NOT output STREQUAL EXPECTED)
        message(FATAL_ERROR "${program} printed '${output}', not '${EXPECTED}'")
    endif()
    message(STATUS "${program} chose: ${output}")
endfunction()

# Plays a Qt example's tour into FOLDER on a virtual display of its own (the shared one
# belongs to the GUI tests, and Qt's offscreen platform complains of what it cannot do),
# checks what it chose and that it shot every step, and fails on anything Qt complained of.
function(run_tour program library_path folder)
    if(NOT XVFB_RUN)
        message(STATUS "${program} built; no xvfb-run to play its tour on")
        return()
    endif()
    # Qt wants a private runtime folder, as a desktop session gives one, and says so when
    # there is none.
    set(runtime ${folder}-runtime)
    file(MAKE_DIRECTORY ${runtime})
    file(CHMOD ${runtime} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_RUNTIME_DIR=${runtime}
                            LD_LIBRARY_PATH=${library_path}
                            ${XVFB_RUN} -a -s "-screen 0 1280x1024x24" ${program} --tour ${folder}
                    RESULT_VARIABLE result OUTPUT_VARIABLE chosen ERROR_VARIABLE complaints
                    TIMEOUT 300)
    string(STRIP "${chosen}" chosen)
    if(NOT result EQUAL 0 OR NOT chosen STREQUAL EXPECTED OR complaints)
        message(FATAL_ERROR "${program} --tour (${result}) chose '${chosen}', not "
                            "'${EXPECTED}'; on stderr:\n${complaints}")
    endif()
    file(GLOB shots ${folder}/*.png)
    list(LENGTH shots count)
    if(NOT count EQUAL 8)
        message(FATAL_ERROR "${program} --tour saved ${count} screenshots, not 8: ${shots}")
    endif()
    message(STATUS "${program} toured and chose: ${chosen}")
endfunction()

# Builds every example against PREFIX both ways; runs the headless ones and the Qt tour.
function(build_examples prefix label)
    file(GLOB examples RELATIVE ${SOURCE_DIR}/examples ${SOURCE_DIR}/examples/*/CMakeLists.txt)
    list(TRANSFORM examples REPLACE "/CMakeLists.txt$" "")
    if(NOT examples)
        message(FATAL_ERROR "no examples under ${SOURCE_DIR}/examples")
    endif()
    set(library_path ${prefix}/lib)
    foreach(example ${examples})
        toolkit_of(${example} toolkit)
        # Qt hosts are built and run against the static install alone: the shared and
        # Debian installs hold the same Qt backend, and another build of it costs minutes.
        if(toolkit STREQUAL "qt" AND (NOT label STREQUAL "static"
                                      OR NOT EXISTS ${prefix}/lib/pkgconfig/gridloreui-qt.pc))
            message(STATUS "${example} left out: the ${label} install is not the static one "
                           "or has no Qt backend")
            continue()
        endif()
        set(cmake_build ${WORK_DIR}/${label}-cmake-${example})
        set(launcher "")
        if(LAUNCHER)
            set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
        endif()
        run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/${example} -B ${cmake_build}
            -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release ${launcher}
            -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_EXE_LINKER_FLAGS=${LINK_FLAGS}")
        run(${CMAKE_COMMAND} --build ${cmake_build})

        # pkg-config: the compiler alone, with what the .pc files give.
        set(module gridloreui)
        set(wx_flags "")
        if(toolkit STREQUAL "qt")
            set(module gridloreui-qt)
        elseif(toolkit STREQUAL "wx")
            set(module gridloreui-wx)
            run(${WX_CONFIG} --cxxflags --libs std,propgrid)
            separate_arguments(wx_flags UNIX_COMMAND "${output}")
        endif()
        set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)
        set(static "")
        if(NOT label STREQUAL "shared")
            set(static --static)
        endif()
        run(pkg-config --cflags --libs ${static} ${module})
        message(STATUS "pkg-config ${static} ${module}: ${output}")
        separate_arguments(package_flags UNIX_COMMAND "${output}")
        separate_arguments(extra_flags UNIX_COMMAND "${LINK_FLAGS}")
        file(GLOB sources ${SOURCE_DIR}/examples/${example}/*.cpp)
        set(pkg_program ${WORK_DIR}/${label}-pkg-config-${example})
        run(${LAUNCHER} ${CXX} -std=c++20 ${sources} -o ${pkg_program} ${package_flags}
            ${wx_flags} ${extra_flags})

        if(toolkit STREQUAL "none")
            run_example(${cmake_build}/${example} ${library_path})
            run_example(${pkg_program} ${library_path})
        elseif(toolkit STREQUAL "qt")
            run_tour(${cmake_build}/${example} ${library_path} ${WORK_DIR}/${label}-tour)
        endif()
        message(STATUS "${example} builds against the ${label} install with find_package "
                       "and with pkg-config")
    endforeach()
endfunction()

# Each shared library is named for its major version, and exports the public API alone.
function(check_shared_libraries prefix)
    file(GLOB libraries ${prefix}/lib/libgridloreui*.so.*.*.*)
    if(NOT libraries)
        message(FATAL_ERROR "no versioned shared library in ${prefix}/lib")
    endif()
    string(REGEX MATCH "^[0-9]+" major "${VERSION}")
    foreach(library ${libraries})
        run(readelf -d ${library})
        get_filename_component(name ${library} NAME)
        string(REGEX REPLACE "[.]so[.].*" ".so.${major}" expected ${name})
        if(NOT output MATCHES "SONAME\\)[^\n]*\\[${expected}\\]")
            message(FATAL_ERROR "${name} has no SONAME ${expected}:\n${output}")
        endif()
    endforeach()
    run(nm -D -C --defined-only ${prefix}/lib/libgridloreui.so)
    if(NOT output MATCHES "gridui::CRSDialog::CRSDialog")
        message(FATAL_ERROR "libgridloreui.so does not export gridui::CRSDialog")
    endif()
    if(output MATCHES "gridui::CRSDlgImpl::")
        message(FATAL_ERROR "libgridloreui.so exports the browser's hidden implementation")
    endif()
    message(STATUS "shared libraries carry SONAME .so.${major} and hide their internals")
endfunction()

if(MODE STREQUAL "static")
    run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
    check_layout(${WORK_DIR}/prefix)
    build_examples(${WORK_DIR}/prefix static)
elseif(MODE STREQUAL "shared")
    set(launcher "")
    if(LAUNCHER)
        set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
    endif()
    run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${SHARED_DIR} -DBUILD_SHARED_LIBS=ON
        -DGRIDLORE_BUILD_TESTS=OFF -DGRIDLORE_BUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_CXX_COMPILER=${CXX} ${launcher})
    run(${CMAKE_COMMAND} --build ${SHARED_DIR} -j2)
    run(${CMAKE_COMMAND} --install ${SHARED_DIR} --prefix ${WORK_DIR}/prefix)
    check_layout(${WORK_DIR}/prefix)
    check_shared_libraries(${WORK_DIR}/prefix)
    set(LINK_FLAGS "")
    build_examples(${WORK_DIR}/prefix shared)
elseif(MODE STREQUAL "deb")
    run(cpack --config ${BUILD_DIR}/CPackConfig.cmake -G DEB -B ${WORK_DIR}/package)
    file(GLOB packages ${WORK_DIR}/package/*.deb)
    list(LENGTH packages count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "cpack made ${count} packages, not one: ${packages}")
    endif()
    run(dpkg-deb -I ${packages})
    message(STATUS "dpkg-deb -I ${packages}:\n${output}")
    # The runtime libraries come from dpkg-shlibdeps, the development packages from the build.
    foreach(dependency "libproj[0-9]+ " "libwxgtk3[.]2-[0-9]+ " "libproj-dev" "libwxgtk3[.]2-dev")
        if(NOT output MATCHES "Depends:[^\n]*${dependency}")
            message(FATAL_ERROR "the package's Depends has no ${dependency}")
        endif()
    endforeach()
    run(dpkg -x ${packages} ${WORK_DIR}/root)
    check_layout(${WORK_DIR}/root/usr)
    build_examples(${WORK_DIR}/root/usr deb)
else()
    message(FATAL_ERROR "MODE must be static, shared or deb, not '${MODE}'")
endif()

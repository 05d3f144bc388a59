# Installs the built tree into a fresh prefix, builds examples/minimal-host against the
# installed package alone and runs it: what a host outside the tree meets.
# -DBUILD_DIR, -DSOURCE_DIR, -DWORK_DIR, -DEXPECTED (a line the example must print),
# -DLINK_FLAGS (what linking against this build needs besides the package).
file(REMOVE_RECURSE ${WORK_DIR})

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
                    ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${output}")
    endif()
    set(output ${output} PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/minimal-host -B ${WORK_DIR}/example
    -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix -DCMAKE_BUILD_TYPE=Release
    "-DCMAKE_EXE_LINKER_FLAGS=${LINK_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/example)
run(${WORK_DIR}/example/minimal-host)
string(STRIP "${output}" output)
if(NOT output STREQUAL EXPECTED)
    message(FATAL_ERROR "the example printed '${output}', not '${EXPECTED}'")
endif()
message(STATUS "the example host chose: ${output}")

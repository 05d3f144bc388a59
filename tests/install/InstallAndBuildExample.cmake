# Installs the built tree into a fresh prefix, builds an example host against the
# installed package alone and runs it: what a host outside the tree meets.
# -DBUILD_DIR, -DSOURCE_DIR, -DWORK_DIR, -DEXAMPLE (a folder of examples/, minimal-host
# when not given), -DEXPECTED (a line the example must print; without it the example is
# only built), -DLINK_FLAGS (what linking against this build needs besides the package).
if(NOT EXAMPLE)
    set(EXAMPLE minimal-host)
endif()
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
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/${EXAMPLE} -B ${WORK_DIR}/example
    -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix -DCMAKE_BUILD_TYPE=Release
    "-DCMAKE_EXE_LINKER_FLAGS=${LINK_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/example)
if(NOT DEFINED EXPECTED)
    message(STATUS "the example host ${EXAMPLE} builds")
    return()
endif()
run(${WORK_DIR}/example/${EXAMPLE})
string(STRIP "${output}" output)
if(NOT output STREQUAL EXPECTED)
    message(FATAL_ERROR "the example printed '${output}', not '${EXPECTED}'")
endif()
message(STATUS "the example host chose: ${output}")

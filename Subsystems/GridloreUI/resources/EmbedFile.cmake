# Writes a C++ source whose function FUNCTION (namespace gridui, declared in HEADER) returns
# the bytes of INPUT, so the library carries its images without reading files at run time.
# Run with: cmake -DINPUT=... -DOUTPUT=... -DHEADER=... -DFUNCTION=... -P EmbedFile.cmake
foreach(variable INPUT OUTPUT HEADER FUNCTION)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "EmbedFile.cmake needs -D${variable}=...")
    endif()
endforeach()

file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Sixteen bytes a line; CMake's regular expressions have no counted repetition.
string(REPEAT "0x[0-9a-f][0-9a-f]," 16 line)
string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
string(STRIP "${bytes}" bytes)
get_filename_component(source_name "${INPUT}" NAME)

if(bytes STREQUAL "")
    # An array cannot be empty; an empty file gives an empty span.
    file(WRITE "${OUTPUT}" "// Generated from ${source_name} (empty) by EmbedFile.cmake.
#include \"${HEADER}\"

namespace gridui {

std::span<unsigned char const> ${FUNCTION}() {
    return {};
}

} // namespace gridui
")
    return()
endif()

file(WRITE "${OUTPUT}" "// Generated from ${source_name} by EmbedFile.cmake.
#include \"${HEADER}\"

namespace gridui {

namespace {
unsigned char const bytes[] = {
    ${bytes}
};
} // namespace

std::span<unsigned char const> ${FUNCTION}() {
    return bytes;
}

} // namespace gridui
")

# Writes OUTPUT, a C++ source defining `extern const std::span<const unsigned char> NAME` in
# namespace ductora::resources over the bytes of INPUT, so the program carries the file in itself.
# Usage: cmake -DINPUT=file -DOUTPUT=file.cpp -DNAME=identifier -P embed_file.cmake
foreach(arg INPUT OUTPUT NAME)
  if(NOT DEFINED ${arg})
    message(FATAL_ERROR "embed_file.cmake: ${arg} is not set")
  endif()
endforeach()

file(READ "${INPUT}" hex HEX)
if(hex STREQUAL "")
  message(FATAL_ERROR "embed_file.cmake: ${INPUT} is empty")
endif()
# Sixteen bytes to a line keeps the generated file readable in a diff or a debugger.
string(REPEAT "[0-9a-f]" 32 sixteen_bytes)
string(REGEX REPLACE "(${sixteen_bytes})" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
cmake_path(GET INPUT FILENAME source_name)

file(WRITE "${OUTPUT}" "// Generated from ${source_name} by embed_file.cmake; do not edit.
#include <span>

namespace ductora::resources {
namespace {
constexpr unsigned char kBytes[] = {
${bytes}
};
}  // namespace

extern const std::span<const unsigned char> ${NAME}{kBytes};

}  // namespace ductora::resources
")

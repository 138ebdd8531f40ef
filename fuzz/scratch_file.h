#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace ductora::fuzz {

// Writes the input to a file in a folder private to this process (removed with its contents when
// the process ends) and returns its path: the loaders under test
// read from a path, as they do in the program.
const std::string& writeScratchFile(const std::uint8_t* data, std::size_t size);

// Stops the run with a message when a property of the result does not hold.
void require(bool holds, const char* what);

}  // namespace ductora::fuzz

// The list file reader on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "data/format/pipe_file.h"
#include "data/strings/list_file.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using ductora::fuzz::require;
  const std::string& path = ductora::fuzz::writeScratchFile(data, size);
  const ductora::ListFileResult result = ductora::readListFile(path);
  require(result.ok, "a readable file always reads");
  require(result.names.size() <= ductora::kMaxStringNames, "at most the names a string holds");
  for (const std::string& name : result.names) {
    // Relative names are resolved against the scratch file's folder.
    require(!name.empty() && name.size() <= path.size() + 1 + ductora::kMaxPathLength, "name length");
    require(name.find('\0') == std::string::npos, "no NUL in a name");
  }
  require(result.warnings.size() <= 12, "the warnings are summed up");
  return 0;
}

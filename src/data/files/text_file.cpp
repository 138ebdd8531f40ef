#include "data/files/text_file.h"

#include <cstdint>
#include <span>

#include "data/files/atomic_file.h"

namespace ductora {

SaveResult writeTextFile(const std::string& path, std::string_view text) {
  SaveResult result;
  auto file = AtomicFile::create(path, result.error);
  if (!file) {
    return result;
  }
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  if (!file->sink().write(bytes)) {
    result.error = "cannot write the file";
    return result;
  }
  result.ok = file->commit(result.error);
  return result;
}

}  // namespace ductora

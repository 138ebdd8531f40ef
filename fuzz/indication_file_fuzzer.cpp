// Both readings of an indication file, the dialog's list and the records of the circles.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "data/indications/indication_file.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using ductora::fuzz::require;
  const std::string& path = ductora::fuzz::writeScratchFile(data, size);

  const ductora::IndicationListResult list = ductora::readIndicationList(path);
  require(list.opened, "a readable file always opens");
  require(list.lines.size() <= ductora::kMaxIndications, "at most 3000 lines");
  require(list.lines.size() * 7 <= size, "no more lines than records of seven fields");
  for (const std::string& line : list.lines) {
    // Seven fields of at most kMaxIndicationFieldLength, the number, and the separators.
    require(line.size() <= 7 * ductora::kMaxIndicationFieldLength + 64 + 12, "line length bounded");
  }

  const ductora::IndicationRecords records = ductora::readIndicationRecords(path);
  require(records.opened, "a readable file always opens");
  require(records.count <= ductora::kMaxIndications, "at most 3000 records counted");
  require((records.count + records.ignored) * 14 <= size, "no more records than the bytes hold");
  return 0;
}

#include "data/format/block_file.h"

#include "data/files/atomic_file.h"
#include "data/format/pipe_blocks.h"

namespace ductora {

std::optional<std::string> writeChainedBlock(ByteSink& sink, std::uint64_t& offset, std::uint8_t tag,
                                             std::span<const std::uint8_t> payload, bool last) {
  const auto next = nextBlockOffset(offset, payload.size(), last);
  if (!next) {
    return std::string("the pipe does not fit the 4 GiB a pipe file can address");
  }
  const auto head = encodeBlockHead(tag, *next);
  if (!sink.write(head) || !sink.write(payload)) {
    return std::string("cannot write the file");
  }
  offset += kBlockHeadBytes + payload.size();
  return std::nullopt;
}

SaveResult writeBlockFile(const std::string& path, const std::vector<Block>& blocks) {
  SaveResult result;
  if (blocks.empty()) {
    result.error = "no blocks to write";
    return result;
  }
  auto file = AtomicFile::create(path, result.error);
  if (!file) {
    return result;
  }
  std::uint64_t offset = 0;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (auto problem = writeChainedBlock(file->sink(), offset, blocks[i].tag, blocks[i].payload,
                                         i + 1 == blocks.size())) {
      result.error = *problem;
      return result;
    }
  }
  result.ok = file->commit(result.error);
  return result;
}

}  // namespace ductora

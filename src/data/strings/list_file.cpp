#include "data/strings/list_file.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "data/format/pipe_file.h"

namespace ductora {

namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;
// Further skipped lines are summed up in one warning, so a broken file cannot flood the report.
constexpr std::size_t kMaxDetailedWarnings = 10;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Splits the bytes of a list file into lines and keeps the names. Of each line it holds at
// most one character more than a name may have: enough to tell a line that is too long.
class ListScanner {
 public:
  explicit ListScanner(ListFileResult& result) : result_(result) {}

  // Returns false once nothing further can change the result.
  bool feed(std::string_view bytes) {
    for (const char c : bytes) {
      if (c == '\n') {
        endLine();
        if (done_) {
          return false;
        }
        continue;
      }
      ++length_;
      if (line_.size() <= kMaxPathLength) {
        line_.push_back(c);
      }
      hasNul_ = hasNul_ || c == '\0';
      blank_ = blank_ && (c == ' ' || c == '\t' || c == '\r');
    }
    return true;
  }

  void finish() {
    if (length_ > 0 && !done_) {
      endLine();
    }
    if (skippedLines_ > kMaxDetailedWarnings) {
      result_.warnings.push_back(std::to_string(skippedLines_ - kMaxDetailedWarnings) +
                                 " more lines were skipped");
    }
  }

 private:
  void endLine() {
    if (!blank_) {
      takeLine();
    }
    line_.clear();
    length_ = 0;
    blank_ = true;
    hasNul_ = false;
    ++lineNumber_;
  }

  void takeLine() {
    if (result_.names.size() == kMaxStringNames) {
      result_.warnings.push_back("only the first " + std::to_string(kMaxStringNames) + " names are used");
      done_ = true;
      return;
    }
    if (hasNul_) {
      skipLine("holds a NUL byte");
      return;
    }
    std::string_view name = line_;
    const bool cut = length_ > line_.size();
    if (!cut && name.ends_with('\r')) {
      name.remove_suffix(1);
    }
    if (cut || name.size() > kMaxPathLength) {
      skipLine("is longer than " + std::to_string(kMaxPathLength) + " characters");
      return;
    }
    result_.names.emplace_back(name);
  }

  void skipLine(const std::string& why) {
    ++skippedLines_;
    if (skippedLines_ <= kMaxDetailedWarnings) {
      result_.warnings.push_back("line " + std::to_string(lineNumber_) + " " + why + ", skipped");
    }
  }

  ListFileResult& result_;
  std::string line_;
  std::size_t length_ = 0;  // characters of the current line, also those not kept
  bool blank_ = true;
  bool hasNul_ = false;
  bool done_ = false;
  std::uint64_t lineNumber_ = 1;
  std::size_t skippedLines_ = 0;
};

// A list names its pipes relative to its own folder, wherever the program was started from.
void resolveAgainstFolder(std::vector<std::string>& names, const std::filesystem::path& folder) {
  for (std::string& name : names) {
    const std::filesystem::path pipePath(name);
    if (pipePath.is_relative()) {
      name = (folder / pipePath).string();
    }
  }
}

ListFileResult failure(std::string error) {
  ListFileResult result;
  result.error = std::move(error);
  return result;
}

}  // namespace

ListFileResult readListFile(const std::string& path) {
  if (path.find('\0') != std::string::npos) {
    return failure("cannot open list file: the name holds a NUL byte");
  }
  errno = 0;
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    return failure("cannot open list file \"" + path + "\": " + std::strerror(errno));
  }
  ListFileResult result;
  ListScanner scanner(result);
  std::vector<char> buffer(kChunkBytes);
  bool first = true;
  for (;;) {
    const std::size_t count = std::fread(buffer.data(), 1, buffer.size(), file.get());
    std::string_view bytes(buffer.data(), count);
    // Editors on some systems start a text file with a byte order mark.
    if (first && bytes.starts_with(kUtf8Bom)) {
      bytes.remove_prefix(kUtf8Bom.size());
    }
    first = false;
    if (!scanner.feed(bytes)) {
      break;
    }
    if (count < buffer.size()) {
      if (std::ferror(file.get()) != 0) {
        return failure("cannot read list file \"" + path + "\": " + std::strerror(errno));
      }
      break;
    }
  }
  scanner.finish();
  resolveAgainstFolder(result.names, std::filesystem::path(path).parent_path());
  result.ok = true;
  return result;
}

}  // namespace ductora

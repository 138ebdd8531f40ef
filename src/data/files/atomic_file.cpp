#include "data/files/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace ductora {

namespace {

class StdioSink final : public ByteSink {
 public:
  explicit StdioSink(std::FILE* file) : file_(file) {}
  bool write(std::span<const std::uint8_t> bytes) override {
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
  }

 private:
  std::FILE* file_;
};

bool syncToDisk(std::FILE* file) {
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

std::string describe(int error) { return std::strerror(error); }

}  // namespace

AtomicFile::AtomicFile(Key, std::filesystem::path target, std::filesystem::path temporary, FilePointer file)
    : target_(std::move(target)),
      temporary_(std::move(temporary)),
      file_(std::move(file)),
      sink_(std::make_unique<StdioSink>(file_.get())) {}

std::unique_ptr<AtomicFile> AtomicFile::create(const std::filesystem::path& target, std::string& error) {
  if (target.filename().empty()) {
    error = "no file name given";
    return nullptr;
  }
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto temporary = target.parent_path() / (".ductora-save-" + std::to_string(random()) + "-" +
                                                   std::to_string(attempt) + ".tmp");
    // "x": never reuse a file that already exists.
    FilePointer file(std::fopen(temporary.string().c_str(), "wbx"));
    if (file) {
      return std::make_unique<AtomicFile>(Key{}, target, temporary, std::move(file));
    }
    if (errno != EEXIST) {
      error = "cannot create a temporary file in the target folder: " + describe(errno);
      return nullptr;
    }
  }
  error = "cannot find a free temporary file name in the target folder";
  return nullptr;
}

AtomicFile::~AtomicFile() {
  if (!committed_) {
    discard();
  }
}

ByteSink& AtomicFile::sink() { return *sink_; }

void AtomicFile::discard() {
  file_.reset();
  std::error_code ignored;
  std::filesystem::remove(temporary_, ignored);
}

bool AtomicFile::commit(std::string& error) {
  if (std::fflush(file_.get()) != 0 || !syncToDisk(file_.get())) {
    error = "cannot write the file: " + describe(errno);
    return false;
  }
  const int closed = std::fclose(file_.release());
  if (closed != 0) {
    error = "cannot write the file: " + describe(errno);
    return false;
  }
  std::error_code code;
  std::filesystem::rename(temporary_, target_, code);
  if (code) {
    error = "cannot replace the file: " + code.message();
    return false;
  }
  committed_ = true;
  return true;
}

}  // namespace ductora

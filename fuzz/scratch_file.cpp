#include "scratch_file.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace ductora::fuzz {

namespace {

class ScratchFolder {
 public:
  ScratchFolder()
      : folder_(std::filesystem::temp_directory_path() / ("ductora-fuzz-" + std::to_string(::getpid()))),
        input_((folder_ / "input").string()) {
    std::filesystem::create_directories(folder_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& write(const std::uint8_t* data, std::size_t size) {
    std::ofstream out(input_, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    require(static_cast<bool>(out), "the scratch file could not be written");
    return input_;
  }

 private:
  std::filesystem::path folder_;
  std::string input_;
};

ScratchFolder& scratch() {
  static ScratchFolder folder;
  return folder;
}

}  // namespace

const std::string& writeScratchFile(const std::uint8_t* data, std::size_t size) {
  return scratch().write(data, size);
}

void require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
  }
}

}  // namespace ductora::fuzz

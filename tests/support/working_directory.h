#pragma once

#include <filesystem>

namespace ductora::testing {

// Makes a folder the working directory for the object's lifetime, so that files the code under
// test writes there (EncoderCount.tab) land in a temporary folder and not in the source tree.
class ScopedWorkingDirectory {
 public:
  explicit ScopedWorkingDirectory(const std::filesystem::path& folder);
  ~ScopedWorkingDirectory();
  ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
  ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

 private:
  std::filesystem::path previous_;
};

}  // namespace ductora::testing

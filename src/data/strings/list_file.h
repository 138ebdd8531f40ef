#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ductora {

// A string holds at most this many pipe names.
constexpr std::size_t kMaxStringNames = 2000;

struct ListFileResult {
  bool ok = false;
  std::vector<std::string> names;     // at most kMaxStringNames, each at most kMaxPathLength characters
  std::string error;                  // why the file could not be read; names is then empty
  std::vector<std::string> warnings;  // lines that were skipped, names beyond the limit
};

// Reads a list file: one pipe file name per line. Lines that are empty or hold only blanks
// (a trailing carriage return is ignored) are skipped and do not count. A line longer than
// kMaxPathLength characters, or one holding a NUL byte, is skipped whole and reported. Names
// after the first kMaxStringNames are ignored and reported. Relative names are taken relative to
// the list file's folder. The file is read in chunks, so a
// huge file or line costs no more memory than one chunk and the names kept.
ListFileResult readListFile(const std::string& path);

}  // namespace ductora

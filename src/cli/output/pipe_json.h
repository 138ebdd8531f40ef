#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "data/format/pipe_file.h"
#include "data/format/pipe_file_io.h"

namespace ductora::cli {

struct PipeJsonDetail {
  bool series = false;    // per-revolution arrays and revolution metric records
  bool matrices = false;  // matrix values, row-major
};

// The record after opening, measures included, with the keys scripts rely on.
nlohmann::ordered_json pipeToJson(const PipeFile& pipe, const PipeReadResult& read,
                                  const PipeJsonDetail& detail);

// Text fields come from files and may hold any bytes: invalid UTF-8 is replaced, not thrown on.
std::string dumpJson(const nlohmann::ordered_json& value);

}  // namespace ductora::cli

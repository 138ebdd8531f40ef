#include "data/indications/indication_file.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

#include "data/indications/indication_tokens.h"

namespace ductora {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;
using Record = std::array<IndicationToken, 7>;

FilePointer openText(const std::string& path) {
  std::error_code error;
  if (path.find('\0') != std::string::npos || !std::filesystem::is_regular_file(path, error)) {
    return nullptr;
  }
  return FilePointer(std::fopen(path.c_str(), "rb"));
}

void appendRight(std::string& line, std::string_view text, std::size_t width) {
  if (text.size() < width) {
    line.append(width - text.size(), ' ');
  }
  line.append(text);
}

// " %12s %15s  %25s  %20.2f  %23s  %20s  %20s" of fields 1-3, field 4 in inches, fields 5-7.
std::string formatLine(const Record& fields, float positionFeet) {
  char number[64];
  const auto [end, error] =
      std::to_chars(std::begin(number), std::end(number), positionFeet * 12.0, std::chars_format::fixed, 2);
  const std::string_view inches(number, error == std::errc() ? end - number : 0);
  std::string line;
  const std::array<std::pair<std::string_view, std::size_t>, 7> columns = {
      {{" ", 12}, {" ", 15}, {"  ", 25}, {"  ", 20}, {"  ", 23}, {"  ", 20}, {"  ", 20}}};
  for (std::size_t i = 0; i < columns.size(); ++i) {
    line.append(columns[i].first);
    appendRight(line, i == 3 ? inches : std::string_view(fields[i].text), columns[i].second);
  }
  return line;
}

// Reads the fields of the next record; returns how many were there before the end of the file.
std::size_t readRecord(IndicationTokens& tokens, Record& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    auto token = tokens.next();
    if (!token) {
      return i;
    }
    fields[i] = std::move(*token);
  }
  return fields.size();
}

}  // namespace

IndicationFileNames indicationFileNames(const std::string& pipePath) {
  // Made absolute so that a pipe named relative to the working folder still has a parent folder.
  std::error_code error;
  std::filesystem::path pipe = std::filesystem::absolute(pipePath, error);
  if (error) {
    pipe = pipePath;
  }
  pipe = pipe.lexically_normal();
  std::string name = pipe.filename().string();
  const auto dot = name.rfind('.');
  name = (dot == std::string::npos ? name + "." : name.substr(0, dot + 1)) + "ind";
  const std::filesystem::path folder = pipe.parent_path();
  return {(folder.parent_path() / "RDAQ" / name).string(), (folder / name).string()};
}

std::optional<std::string> findIndicationFile(const std::string& pipePath) {
  IndicationFileNames names = indicationFileNames(pipePath);
  for (std::string* name : {&names.primary, &names.alternative}) {
    std::error_code error;
    if (std::filesystem::is_regular_file(*name, error)) {
      return std::move(*name);
    }
  }
  return std::nullopt;
}

IndicationListResult readIndicationList(const std::string& path) {
  IndicationListResult result;
  const FilePointer file = openText(path);
  if (!file) {
    return result;
  }
  result.opened = true;
  IndicationTokens tokens(file.get(), kMaxIndicationFieldLength);
  tokens.skipLine();
  Record fields;
  for (;;) {
    const std::size_t read = readRecord(tokens, fields);
    if (read < fields.size()) {
      result.stoppedEarly = read > 0;
      return result;
    }
    const auto position = indicationFloat(fields[3]);
    if (!position || result.lines.size() == kMaxIndications) {
      result.stoppedEarly = true;
      return result;
    }
    result.lines.push_back(formatLine(fields, *position));
  }
}

IndicationRecords readIndicationRecords(const std::string& path) {
  IndicationRecords result;
  const FilePointer file = openText(path);
  if (!file) {
    return result;
  }
  result.opened = true;
  IndicationTokens tokens(file.get(), kMaxIndicationFieldLength);
  tokens.skipLine();
  Record fields;
  while (readRecord(tokens, fields) == fields.size()) {
    const auto number = indicationInteger(fields[0]);
    const auto position = indicationFloat(fields[3]);
    const auto angle = indicationFloat(fields[5]);
    if (!number || !position || !angle) {
      break;
    }
    if (*number < 1 || *number > static_cast<long long>(kMaxIndications)) {
      ++result.ignored;
      continue;
    }
    const auto index = static_cast<std::size_t>(*number - 1);
    result.positionsInches[index] = *position * 12.0F;
    result.anglesDegrees[index] = *angle;
    result.count = std::min(result.count + 1, kMaxIndications);
  }
  return result;
}

}  // namespace ductora

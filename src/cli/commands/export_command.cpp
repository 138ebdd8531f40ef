#include "cli/commands/export_command.h"

#include <functional>
#include <iostream>
#include <memory>

#include "analysis/placement/placed_exports.h"
#include "cli/options/load_pipe.h"
#include "data/files/text_file.h"

namespace ductora::cli {

namespace {

struct ExportOptions {
  std::string file;
  std::string out;
  double angle = 0.0;
  double position = 0.0;
};

using Exporter = std::function<TextExport(const PipeFile&, const ExportOptions&)>;

// What each export reads, for the messages.
struct ExportKind {
  const char* name;
  const char* help;
  const char* matrix;  // the matrix it needs
  const char* cursor;  // the option that places it, or null
  double ExportOptions::*cursorValue;
};

int runExport(const ExportKind& kind, const ExportOptions& options, const Exporter& exporter) {
  PipeFile pipe;
  if (!loadPipe(pipe, options.file)) {
    return kFileError;
  }
  const TextExport result = exporter(pipe, options);
  switch (result.status) {
    case ExportStatus::kOutsideMatrix:
      std::cerr << "ductora-cli: " << kind.cursor << ' ' << options.*kind.cursorValue << " lies outside the "
                << kind.matrix << " of " << options.file << '\n';
      return kUsageError;
    case ExportStatus::kNoMatrix:
      if (kind.cursor != nullptr) {
        reportFileError(options.file, std::string("no ") + kind.matrix);
        return kFileError;
      }
      // Without its matrix the Halden export is an empty file.
      reportWarning(options.file, std::string("no ") + kind.matrix + ", " + options.out + " is empty");
      break;
    case ExportStatus::kWritten:
    case ExportStatus::kNoPipe:
      break;
  }
  const SaveResult saved = writeTextFile(options.out, result.text);
  if (!saved.ok) {
    reportFileError(options.out, saved.error);
    return kFileError;
  }
  return kSuccess;
}

CLI::App* addExport(CLI::App& parent, const ExportKind& kind, ExportOptions& options) {
  CLI::App* command = parent.add_subcommand(kind.name, kind.help);
  command->add_option("FILE", options.file, "Pipe file (.kqvw)")->required();
  command->add_option("-o,--output", options.out, "Text file to write")->required();
  return command;
}

}  // namespace

Command addExportCommand(CLI::App& app) {
  static constexpr ExportKind kLengthAtY{"length-at-y", "The wall along the pipe at an angle", "wall matrix",
                                         "--angle", &ExportOptions::angle};
  static constexpr ExportKind kRevAtX{"rev-at-x", "The wall around the pipe at a position", "wall matrix",
                                      "--position", &ExportOptions::position};
  static constexpr ExportKind kHalden{"halden", "Inner and outer radius point list", "OD matrix", nullptr,
                                      nullptr};

  auto options = std::make_shared<ExportOptions>();
  CLI::App* command = app.add_subcommand("export", "Write a text export of a pipe");
  command->require_subcommand(1);

  CLI::App* lengthAtY = addExport(*command, kLengthAtY, *options);
  lengthAtY->add_option("--angle", options->angle, "Degrees around the pipe")->required();
  CLI::App* revAtX = addExport(*command, kRevAtX, *options);
  revAtX->add_option("--position", options->position, "Inches along the pipe")->required();
  CLI::App* halden = addExport(*command, kHalden, *options);

  auto run = [options, lengthAtY, revAtX, halden] {
    if (lengthAtY->parsed()) {
      return runExport(kLengthAtY, *options, [](const PipeFile& pipe, const ExportOptions& o) {
        return ExportLengthAtY(&pipe, o.angle);
      });
    }
    if (revAtX->parsed()) {
      return runExport(kRevAtX, *options, [](const PipeFile& pipe, const ExportOptions& o) {
        return ExportRevAtX(&pipe, o.position);
      });
    }
    if (halden->parsed()) {
      return runExport(kHalden, *options,
                       [](const PipeFile& pipe, const ExportOptions&) { return ExportHalden(&pipe); });
    }
    return static_cast<int>(kUsageError);
  };
  return {command, run};
}

}  // namespace ductora::cli

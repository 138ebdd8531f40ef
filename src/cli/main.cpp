#include <CLI/CLI.hpp>
#include <iostream>
#include <vector>

#include "cli/commands/command.h"
#include "cli/commands/export_command.h"
#include "cli/commands/info_command.h"
#include "cli/commands/map_command.h"
#include "cli/commands/pressures_command.h"
#include "cli/commands/range_command.h"
#include "cli/commands/rebuild_command.h"
#include "cli/commands/render_command.h"
#include "cli/commands/report_command.h"

#ifdef __SANITIZE_ADDRESS__
// Mesa's offscreen driver keeps a record for every colour buffer it has drawn into until the
// process ends, and fontconfig (under pango, for the PDF report) its font cache; neither is ours
// to free.
extern "C" const char* __lsan_default_suppressions() { return "leak:libOSMesa.so\nleak:libfontconfig.so\n"; }
// Nor is that said on stderr, which callers read.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif

int main(int argc, char** argv) {
  using namespace ductora::cli;
  CLI::App app{"ductora-cli: batch and scripting tool for pipe inspection files"};
  app.require_subcommand(1);

  std::vector<Command> commands;
  commands.push_back(addInfoCommand(app));
  commands.push_back(addPressuresCommand(app));
  commands.push_back(addExportCommand(app));
  commands.push_back(addRangeCommand(app));
  commands.push_back(addReportCommand(app));
  commands.push_back(addRebuildCommand(app));
  commands.push_back(addMapCommand(app));
  commands.push_back(addRenderCommand(app));

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kUsageError;
  }

  for (const auto& command : commands) {
    if (command.app->parsed()) {
      return command.run();
    }
  }
  return kUsageError;
}

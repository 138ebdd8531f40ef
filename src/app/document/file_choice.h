#pragma once

#include <string>

#include "app/state/app_state.h"

namespace ductora {

// The filters of the one file dialog caption "Select a data file.".
extern const platform::FileFilter kPipeFilter;
extern const platform::FileFilter kStringFilter;
extern const platform::FileFilter kTextFilter;

// A file to read; "" when cancelled.
std::string askForFile(AppState& app, const platform::FileFilter& filter);
// The filter's extension (".kqvw" of "*.kqvw") appended when the path does not contain it
// anywhere, so "p1.kqvw.bak" stays as it is.
std::string withFilterExtension(const std::string& path, const platform::FileFilter& filter);
// A file to write, from the save dialog, with the extension rule applied. The dialog confirmed
// replacing the name typed; a name the rule lengthened to an existing file is confirmed here.
// "" when cancelled or not confirmed.
std::string askForFileToWrite(AppState& app, const platform::FileFilter& filter);
// The "Error" box of a file that could not be read or written.
void reportFileError(AppState& app, const std::string& text);

}  // namespace ductora

#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

#include "platform/dialog.h"

namespace ductora {

// The modeless dialogs of the shell, one of each kind.
enum class Modeless : std::size_t {
  // Kept for the run.
  kPleaseWait,
  kNavigator,  // made at the first open
  // Made again, hidden, with every open.
  kGoto,
  kDrawChannels,
  kCollapse,  // Collapse Pressure
  kBurst,
  kDataDisplay,
  kIndication,
  // Made again with every open in the layout the data allow, in place of the one before.
  kStatistics,
  kPipeWindow,
};
constexpr std::size_t kModelessCount = 10;

// How long a kind of dialog lives: the run, or one open (destroyed as the next open begins, or
// replaced by the one it makes).
enum class DialogLife { kRun, kOpen, kReplacedByOpen };
DialogLife lifeOf(Modeless kind);

// Owns the modeless dialogs and the help windows, so each has one life cycle whatever its kind.
class ModelessDialogs {
 public:
  // Null when that dialog was not made, or could not be.
  platform::Dialog* get(Modeless kind) const { return dialogs_[index(kind)].get(); }
  // Keeps a dialog of that kind in place of the one before; returns it.
  platform::Dialog* keep(Modeless kind, std::unique_ptr<platform::Dialog> dialog);
  void destroy(Modeless kind) { dialogs_[index(kind)].reset(); }
  void show(Modeless kind) const;
  void hide(Modeless kind) const;
  bool isVisible(Modeless kind) const;

  // The help windows, in the order they were made; they live one open.
  const std::vector<std::unique_ptr<platform::Dialog>>& helpWindows() const { return help_; }
  void keepHelpWindow(std::unique_ptr<platform::Dialog> dialog) { help_.push_back(std::move(dialog)); }

  // As an open begins: destroys what lives one open and is not replaced by what it makes.
  void destroyOpenDialogs();

 private:
  static std::size_t index(Modeless kind) { return static_cast<std::size_t>(kind); }

  std::array<std::unique_ptr<platform::Dialog>, kModelessCount> dialogs_;
  std::vector<std::unique_ptr<platform::Dialog>> help_;
};

}  // namespace ductora

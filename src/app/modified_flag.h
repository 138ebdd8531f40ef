#pragma once

namespace ductora {

// Whether a dialog changed the pipe. Read as a bool it stays set for the rest of the run, as
// the exit prompt wants; unsaved() is the title's marker: changes made since the last save or
// open.
class ModifiedFlag {
 public:
  ModifiedFlag& operator=(bool changed) {
    changed_ = changed;
    unsaved_ = changed;
    return *this;
  }
  operator bool() const { return changed_; }  // NOLINT(google-explicit-constructor): read as a bool
  bool unsaved() const { return unsaved_; }
  // The current pipe is as on disk: just saved, or just opened.
  void markSaved() { unsaved_ = false; }

 private:
  bool changed_ = false;
  bool unsaved_ = false;
};

}  // namespace ductora

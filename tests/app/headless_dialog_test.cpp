#include "platform/headless/headless_dialog.h"

#include "contracts/dialog_contract.h"

namespace ductora::testing {
namespace {

// The user's actions through the headless dialog's test hooks.
class HeadlessDriver {
 public:
  HeadlessDriver(const resources::DialogTable& table, platform::DialogProc procedure)
      : dialog_(table, std::move(procedure), nullptr) {}

  platform::Dialog& dialog() { return dialog_; }
  void drag(int id, int position) { dialog_.dragSlider(id, position); }
  void doubleClick(int id, int line) { dialog_.doubleClickListLine(id, line); }
  int tickFrequency(int id) const { return dialog_.slider(id)->tickFrequency; }
  int pageSize(int id) const { return dialog_.slider(id)->pageSize; }

 private:
  platform::headless::HeadlessDialog dialog_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Headless, DialogContract, HeadlessDriver);

}  // namespace
}  // namespace ductora::testing

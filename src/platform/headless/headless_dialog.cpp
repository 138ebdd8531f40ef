#include "platform/headless/headless_dialog.h"

#include <algorithm>

#include "platform/headless/headless_platform.h"

namespace ductora::platform::headless {

HeadlessDialog::HeadlessDialog(const resources::DialogTable& table, DialogProc procedure,
                               HeadlessPlatform* registry)
    : table_(table), registry_(registry), procedure_(std::move(procedure)) {
  for (const resources::ControlEntry& control : table.controls) {
    if (control.id == resources::kNoControlId) continue;
    texts_[control.id] = std::string(control.text);
    if (control.kind == resources::ControlKind::kSlider ||
        control.kind == resources::ControlKind::kVerticalSlider) {
      sliders_[control.id] = {};
    }
    if (control.kind == resources::ControlKind::kListBox) lists_[control.id] = {};
  }
}

HeadlessDialog::~HeadlessDialog() {
  if (registry_ != nullptr) registry_->forget(*this);
}

std::string HeadlessDialog::text(int id) const {
  const auto found = texts_.find(id);
  return found == texts_.end() ? std::string() : found->second;
}

bool HeadlessDialog::isChecked(int id) const {
  const auto found = checks_.find(id);
  return found != checks_.end() && found->second;
}

void HeadlessDialog::move(int x, int y) {
  x_ = x;
  y_ = y;
}

void HeadlessDialog::end(int result) {
  ended_ = true;
  result_ = result;
  visible_ = false;
}

SliderState* HeadlessDialog::findSlider(int id) {
  const auto found = sliders_.find(id);
  return found == sliders_.end() ? nullptr : &found->second;
}

const SliderState* HeadlessDialog::slider(int id) const {
  const auto found = sliders_.find(id);
  return found == sliders_.end() ? nullptr : &found->second;
}

void HeadlessDialog::setSliderRange(int id, int minimum, int maximum) {
  if (SliderState* state = findSlider(id)) {
    state->minimum = minimum;
    state->maximum = std::max(minimum, maximum);
    state->position = std::clamp(state->position, state->minimum, state->maximum);
  }
}

void HeadlessDialog::setSliderPosition(int id, int position) {
  if (SliderState* state = findSlider(id))
    state->position = std::clamp(position, state->minimum, state->maximum);
}

int HeadlessDialog::sliderPosition(int id) const {
  const SliderState* state = slider(id);
  return state == nullptr ? 0 : state->position;
}

void HeadlessDialog::setSliderTickFrequency(int id, int frequency) {
  if (SliderState* state = findSlider(id)) state->tickFrequency = frequency;
}

void HeadlessDialog::setSliderPageSize(int id, int pageSize) {
  if (SliderState* state = findSlider(id)) state->pageSize = pageSize;
}

HeadlessDialog::ListState* HeadlessDialog::findList(int id) {
  const auto found = lists_.find(id);
  return found == lists_.end() ? nullptr : &found->second;
}

const HeadlessDialog::ListState* HeadlessDialog::findList(int id) const {
  const auto found = lists_.find(id);
  return found == lists_.end() ? nullptr : &found->second;
}

void HeadlessDialog::clearList(int id) {
  if (ListState* list = findList(id)) *list = {};
}

void HeadlessDialog::addListLine(int id, const std::string& line) {
  if (ListState* list = findList(id)) list->lines.push_back(line);
}

void HeadlessDialog::selectListLine(int id, int index) {
  ListState* list = findList(id);
  if (list != nullptr && index >= -1 && index < static_cast<int>(list->lines.size())) list->selected = index;
}

int HeadlessDialog::selectedListIndex(int id) const {
  const ListState* list = findList(id);
  return list == nullptr ? -1 : list->selected;
}

int HeadlessDialog::listLineCount(int id) const {
  const ListState* list = findList(id);
  return list == nullptr ? 0 : static_cast<int>(list->lines.size());
}

std::string HeadlessDialog::listLine(int id, int index) const {
  const ListState* list = findList(id);
  if (list == nullptr || index < 0 || index >= static_cast<int>(list->lines.size())) return {};
  return list->lines[static_cast<std::size_t>(index)];
}

std::vector<std::string> HeadlessDialog::listLines(int id) const {
  const ListState* list = findList(id);
  return list == nullptr ? std::vector<std::string>() : list->lines;
}

void HeadlessDialog::send(const DialogEvent& event) {
  if (procedure_) procedure_(*this, event);
}

void HeadlessDialog::dragSlider(int id, int position) {
  if (findSlider(id) == nullptr) return;
  setSliderPosition(id, position);
  send({DialogEvent::Kind::kSliderMoved, id});
  send({DialogEvent::Kind::kSliderReleased, id});
}

void HeadlessDialog::doubleClickListLine(int id, int index) {
  if (index < 0 || index >= listLineCount(id)) return;
  selectListLine(id, index);
  send({DialogEvent::Kind::kListDoubleClick, id});
}

}  // namespace ductora::platform::headless

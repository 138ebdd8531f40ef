#pragma once

#include <functional>
#include <string>

namespace ductora::platform {

struct DialogEvent {
  enum class Kind {
    kCommand,
    kClose,
    kKeyDown,
    kKeyUp,
    kSliderMoved,     // the user moved a slider: dragging, clicking beside the thumb or a key
    kSliderReleased,  // the mouse button pressed on a slider went up
    kPaint,           // the dialog was drawn
    kListDoubleClick  // a list line was double-clicked; it is the selection by now
  };
  Kind kind;
  int id = 0;  // control id, or virtual-key code for keys; 0 for paint and close
};

class Dialog;
using DialogProc = std::function<void(Dialog&, const DialogEvent&)>;

// A dialog built from its resource table and driven by control id.
class Dialog {
 public:
  virtual ~Dialog() = default;

  virtual int resourceId() const = 0;
  virtual void setText(int id, const std::string& text) = 0;
  virtual std::string text(int id) const = 0;
  virtual void setChecked(int id, bool checked) = 0;
  virtual bool isChecked(int id) const = 0;
  virtual void show() = 0;
  virtual void hide() = 0;
  virtual bool isVisible() const = 0;
  virtual void move(int x, int y) = 0;
  virtual void focus() = 0;
  // Ends a modal dialog; its run returns result.
  virtual void end(int result) = 0;

  // Slider and list operations on an id that is no control of that kind do nothing, and their
  // reads give 0, -1 or "".

  // Sliders keep their position inside the range: setting either clamps it. A maximum below the
  // minimum is taken as the minimum. Changes made here notify nobody; only the user's do.
  virtual void setSliderRange(int id, int minimum, int maximum) = 0;
  virtual void setSliderPosition(int id, int position) = 0;
  virtual int sliderPosition(int id) const = 0;
  virtual void setSliderTickFrequency(int id, int frequency) = 0;
  virtual void setSliderPageSize(int id, int pageSize) = 0;

  // List boxes hold lines in the order added; line -1 is no selection. Selecting a line that
  // does not exist leaves the selection as it was.
  virtual void clearList(int id) = 0;
  virtual void addListLine(int id, const std::string& line) = 0;
  virtual void selectListLine(int id, int index) = 0;
  virtual int selectedListIndex(int id) const = 0;
  virtual int listLineCount(int id) const = 0;
  // "" for a line that does not exist.
  virtual std::string listLine(int id, int index) const = 0;

  void setInt(int id, int value) { setText(id, std::to_string(value)); }
  // The leading decimal number of the text; text that is not a number gives 0.
  int intValue(int id) const;
  // The leading decimal number of the text, fraction and exponent included, whatever the
  // locale; text that is not a finite number gives 0.
  double numberValue(int id) const;
  // "" when no line is selected.
  std::string selectedListText(int id) const { return listLine(id, selectedListIndex(id)); }
};

}  // namespace ductora::platform

#pragma once
// A recording stand-in for the control around the text edit's model: it logs
// every event, notification and painting call in order, formats the text on
// each repaint as the control's painting does, and measures text with a fixed
// width per character.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "klvctl32/textedit/textedit_model.h"
#include "platform/base/text.h"
#include "platform/com/error.h"

namespace kelvo::klvctl32::testing {

class FakeView final : public TextEditView {
 public:
  void Attach(TextEditModel& model) { model_ = &model; }

  // Every call, in order: "KeyPress(49)", "Changed", "Mark(Text)", "Beep"...
  std::vector<std::string> log;

  // Answers the view gives.
  std::u16string clipboard;
  bool enabled = true;
  bool holdsFocus = false;
  bool shadow = false;
  double charWidth = 100;       // twips per character
  double innerWidth = 6000;     // twips
  float twipsPerPixel = 15;
  bool failRedraw = false;      // RedrawText throws a runtime error

  // What the container's event handlers do with by-reference arguments.
  std::function<void(std::int16_t&)> onKeyPress;
  std::function<void(std::int16_t&, std::int16_t&)> onKeyDown;

  int Count(std::string_view entry) const {
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
  }
  void Clear() { log.clear(); }

  void Beep() override { log.emplace_back("Beep"); }
  void RaiseKeyDown(std::int16_t& keyCode, std::int16_t& shift) override {
    log.push_back("KeyDown(" + std::to_string(keyCode) + "," + std::to_string(shift) + ")");
    if (onKeyDown) onKeyDown(keyCode, shift);
  }
  void RaiseKeyPress(std::int16_t& keyAscii) override {
    log.push_back("KeyPress(" + std::to_string(keyAscii) + ")");
    if (onKeyPress) onKeyPress(keyAscii);
  }
  void RaiseKeyUp(std::int16_t& keyCode, std::int16_t& shift) override {
    log.push_back("KeyUp(" + std::to_string(keyCode) + "," + std::to_string(shift) + ")");
  }
  void RaiseChanged() override { log.emplace_back("Changed"); }
  void RaiseDblClick() override { log.emplace_back("DblClick"); }
  void MarkChanged(std::u16string_view property) override {
    log.push_back("Mark(" + text::ToUtf8(property) + ")");
  }
  std::u16string ClipboardText() override { return clipboard; }
  void SetClipboardText(const std::u16string& value) override {
    log.push_back("SetClipboard(" + text::ToUtf8(value) + ")");
    clipboard = value;
  }
  bool Enabled() override { return enabled; }
  bool HoldsFocus() override { return holdsFocus; }
  double TextWidth(std::u16string_view value) override { return static_cast<double>(value.size()) * charWidth; }
  double InnerWidth() override { return innerWidth; }
  float TwipsPerPixelX() override { return twipsPerPixel; }
  bool Shadow() override { return shadow; }

  void RedrawText() override {
    log.emplace_back("RedrawText");
    if (failRedraw) throw com::Error(com::err::kInvalidCall);
    model_->FormatText();
  }
  void FormatAndPrint() override {
    log.push_back(model_->State().Pasting ? "FormatAndPrint(pasting)" : "FormatAndPrint");
    model_->FormatText();
  }
  std::int16_t PlaceCaret() override {
    log.emplace_back("PlaceCaret");
    const int caret = model_->State().CursorPos;
    const double px = caret <= 0 ? 3 : static_cast<double>(caret) * charWidth / twipsPerPixel + 3;
    return static_cast<std::int16_t>(px * twipsPerPixel);
  }
  void DrawSelectionRange(std::int16_t start, std::int16_t len) override {
    log.push_back("DrawSelectionRange(" + std::to_string(start) + "," + std::to_string(len) + ")");
  }

 private:
  TextEditModel* model_ = nullptr;
};

// A model wired to a fake view, with shortcuts for typing and keys.
struct Edit {
  FakeView view;
  TextEditModel model{view};
  TextEditState& s = model.State();

  Edit() { view.Attach(model); }
  // A control showing text against mask, caret at caret.
  Edit(std::u16string_view mask, std::int16_t maxLength, std::u16string_view text, std::int16_t caret = 0) : Edit() {
    s.Mask = std::u16string(mask);
    s.MaxLength = maxLength;
    s.StoredText = std::u16string(text);
    model.FormatText();
    s.CursorPos = caret;
  }

  void Type(std::u16string_view chars) {
    for (const char16_t c : chars) {
      std::int16_t keyAscii = text::ToAnsi(c);
      model.KeyPress(keyAscii);
    }
  }
  void Key(std::int16_t keyCode, std::int16_t shift = 0) {
    model.KeyDown(keyCode, shift);
  }
};

namespace vk {
inline constexpr std::int16_t kBack = 8;
inline constexpr std::int16_t kShift = 16;
inline constexpr std::int16_t kEnd = 35;
inline constexpr std::int16_t kHome = 36;
inline constexpr std::int16_t kLeft = 37;
inline constexpr std::int16_t kUp = 38;
inline constexpr std::int16_t kRight = 39;
inline constexpr std::int16_t kInsert = 45;
inline constexpr std::int16_t kDelete = 46;
}  // namespace vk

}  // namespace kelvo::klvctl32::testing

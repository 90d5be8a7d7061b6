// The number edit's model under random key sequences, pastes, focus changes
// and property assignments: it never crashes, and while only keys, pastes and
// focus steps change Text it keeps at most one decimal separator, a minus
// sign only in front, and no more integer digits than IntMaxLength allows (a
// lone "0", which the separator key and completion put there, aside).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "klvctl32/numberedit/numberedit_model.h"

namespace {

using kelvo::klvctl32::NumberEditModel;
using kelvo::klvctl32::NumberEditState;

class QuietView final : public kelvo::klvctl32::NumberEditView {
 public:
  void Attach(NumberEditModel& model) { model_ = &model; }
  std::u16string clipboard;

  void Beep() override {}
  void RaiseKeyDown(std::int16_t&, std::int16_t&) override {}
  void RaiseKeyPress(std::int16_t&) override {}
  void RaiseKeyUp(std::int16_t&, std::int16_t&) override {}
  void RaiseChanged() override {}
  void RaiseDblClick() override {}
  void MarkChanged(std::u16string_view) override {}
  std::u16string ClipboardText() override { return clipboard; }
  void SetClipboardText(const std::u16string& text) override { clipboard = text; }
  bool Enabled() override { return true; }
  void RedrawNumber(bool normalize) override {
    NumberEditState& s = model_->State();
    kelvo::klvctl32::FormatNumberForDisplay(s, s.Text, normalize);
  }
  void DrawSelection() override { RedrawNumber(false); }
  void ShowNumber() override { RedrawNumber(true); }
  void ProcessPending() override {}

 private:
  NumberEditModel* model_ = nullptr;
};

bool WellFormed(const NumberEditState& s, const std::u16string& text) {
  const std::u16string& sep = s.DecSepChar;
  const std::size_t p = text.find(sep);
  if (p != std::u16string::npos && text.find(sep, p + sep.size()) != std::u16string::npos) return false;
  const std::size_t minus = text.rfind(u'-');
  if (minus != std::u16string::npos && minus != 0) return false;
  std::u16string integer = text.substr(0, p);
  if (!integer.empty() && integer[0] == u'-') integer.erase(0, 1);
  if (integer == u"0") return true;
  return static_cast<int>(integer.size()) <= kelvo::klvctl32::IntDigits(s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QuietView view;
  NumberEditModel model(view);
  view.Attach(model);
  NumberEditState& s = model.State();
  s.IntMaxLength = 5;
  s.AllowNegative = true;
  s.AutoSelect = true;
  s.ThSeparator = true;
  bool armed = true;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    const std::uint8_t op = data[i];
    const std::uint8_t arg = data[i + 1];
    bool assigned = false;
    switch (op % 8) {
      case 0:
      case 1: {
        std::int16_t k = arg;
        model.KeyPress(k);
        break;
      }
      case 2: {
        std::int16_t code = arg;
        std::int16_t shift = static_cast<std::int16_t>(op >> 5);
        model.KeyDown(code, shift);
        break;
      }
      case 3:
        view.clipboard.assign(1, static_cast<char16_t>(arg));
        if (op & 0x80) view.clipboard += u"12,5.-";
        model.Menu_Click(static_cast<std::int16_t>((op >> 3) % 7));
        break;
      case 4:
        if (op & 0x10) {
          model.EnterField();
        } else {
          model.LeaveField();
        }
        break;
      case 5:
        model.LetIntMaxLength(static_cast<std::int16_t>(static_cast<std::int8_t>(arg)));
        model.LetDecMaxLength(static_cast<std::int16_t>(static_cast<std::int8_t>(op) >> 3));
        assigned = true;
        break;
      case 6:
        model.LetNumberFormat(static_cast<std::int16_t>(arg % 3));
        model.LetLocked(op & 0x80);
        model.LetAllowNegative(op & 0x40);
        assigned = true;
        break;
      default:
        if (op & 0x80) {
          model.LetValue(static_cast<double>(static_cast<std::int8_t>(arg)) * std::pow(10.0, (op >> 3) % 40 - 20));
        } else {
          model.LetText(std::u16string(1, static_cast<char16_t>(arg)) + u"1.5,2-");
        }
        assigned = true;
        break;
    }
    if (assigned) {
      armed = WellFormed(s, s.Text) && WellFormed(s, s.SavedText);
    } else if (armed && !WellFormed(s, s.Text)) {
      std::abort();
    }
  }
  return 0;
}

// Random masks, texts, properties and keystroke sequences through the text
// edit's model, with a view that answers like a control of random width.
//
// Checked on every input:
//  - nothing crashes, and the only error that escapes is IsValidChar's
//    invalid call (com::Error 5) for a position below 1;
//  - whenever the text is formatted against a non-empty mask, it holds at
//    most max(MaxLength, 0) characters;
//  - the Text property returns at most max(MaxLength, 0) characters;
//  - a character typed at the caret without a selection and accepted (one
//    Changed) leaves the raw text, without trailing spaces, at most MaxLength
//    minus the mask's literal count characters long.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

#include "klvctl32/textedit/mask.h"
#include "klvctl32/textedit/string_slices.h"
#include "klvctl32/textedit/textedit_model.h"
#include "platform/base/text.h"
#include "platform/com/error.h"

namespace {

using kelvo::klvctl32::TextEditModel;
using kelvo::klvctl32::TextEditState;

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::int16_t Int16() {
    const auto hi = static_cast<unsigned>(Byte());
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(hi << 8U | Byte()));
  }
  // Mostly small numbers, sometimes any 16-bit value.
  std::int16_t Count() {
    const std::uint8_t b = Byte();
    return (b & 0x80U) != 0 ? Int16() : static_cast<std::int16_t>(b % 48);
  }
  std::u16string Text(std::size_t maxLength) {
    const std::size_t n = Byte() % (maxLength + 1);
    std::u16string s;
    for (std::size_t i = 0; i < n; ++i) s += kelvo::text::FromAnsi(Byte());
    return s;
  }
  std::u16string Mask() {
    static constexpr std::u16string_view kAlphabet = u"#9XAaCc/-(). :,";
    const std::size_t n = Byte() % 20;
    std::u16string s;
    for (std::size_t i = 0; i < n; ++i) s += kAlphabet[Byte() % kAlphabet.size()];
    return s;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

void Require(bool condition) {
  if (!condition) std::abort();
}

int Limit(const TextEditState& s) { return std::max<int>(s.MaxLength, 0); }

class FuzzView final : public kelvo::klvctl32::TextEditView {
 public:
  void Attach(TextEditModel& model) { model_ = &model; }

  std::u16string clipboard;
  double innerWidth = 6000;
  bool enabled = true;
  bool shadow = false;
  int changed = 0;

  void Beep() override {}
  void RaiseKeyDown(std::int16_t&, std::int16_t&) override {}
  void RaiseKeyPress(std::int16_t&) override {}
  void RaiseKeyUp(std::int16_t&, std::int16_t&) override {}
  void RaiseChanged() override { ++changed; }
  void RaiseDblClick() override {}
  void MarkChanged(std::u16string_view) override {}
  std::u16string ClipboardText() override { return clipboard; }
  void SetClipboardText(const std::u16string& value) override { clipboard = value; }
  bool Enabled() override { return enabled; }
  bool HoldsFocus() override { return true; }
  double TextWidth(std::u16string_view value) override { return static_cast<double>(value.size()) * 90; }
  double InnerWidth() override { return innerWidth; }
  float TwipsPerPixelX() override { return 15; }
  bool Shadow() override { return shadow; }
  void RedrawText() override { Format(); }
  void FormatAndPrint() override { Format(); }
  std::int16_t PlaceCaret() override {
    const auto caret = static_cast<double>(std::max<int>(model_->State().CursorPos, 0));
    return static_cast<std::int16_t>(std::min(caret * 90 + 45, 32767.0));
  }
  void DrawSelectionRange(std::int16_t, std::int16_t) override {}

 private:
  void Format() {
    model_->FormatText();
    const TextEditState& s = model_->State();
    if (!s.Mask.empty()) Require(kelvo::klvctl32::Len(s.StoredText) <= Limit(s));
  }

  TextEditModel* model_ = nullptr;
};

void SetUp(Input& in, FuzzView& view, TextEditModel& model) {
  TextEditState& s = model.State();
  s.Mask = in.Mask();
  s.MaxLength = in.Count();
  s.StoredText = in.Text(40);
  s.TextStyle = static_cast<kelvo::klvctl32::kcTextStyle>(in.Byte() % 5);
  s.FillChar = in.Text(1);
  const std::uint8_t flags = in.Byte();
  s.AllowSpaceChar = (flags & 1U) != 0;
  s.IncludeLiterals = (flags & 2U) != 0;
  s.Locked = (flags & 4U) != 0;
  s.AutoSelect = (flags & 8U) != 0;
  view.shadow = (flags & 16U) != 0;
  view.enabled = (flags & 32U) != 0;
  view.innerWidth = 90.0 * in.Byte();
  view.clipboard = in.Text(20);
}

void TypeAndCheck(Input& in, FuzzView& view, TextEditModel& model) {
  const TextEditState& s = model.State();
  const bool selected = s.SelLength != 0;
  const int before = view.changed;
  std::int16_t keyAscii = in.Byte();
  model.KeyPress(keyAscii);
  if (!selected && view.changed == before + 1) {
    const int allowed = s.MaxLength - kelvo::klvctl32::LiteralCount(s.Mask);
    Require(kelvo::klvctl32::RTrimLen(kelvo::klvctl32::StripLiterals(s)) <= allowed);
  }
}

void CheckValidChar(Input& in, TextEditModel& model) {
  std::u16string ch = in.Text(3);
  const std::int16_t position = in.Count();
  try {
    model.IsValidChar(ch, position);
    Require(position >= 1);
  } catch (const kelvo::com::Error& error) {
    Require(position < 1 && error.number() == kelvo::com::err::kInvalidCall);
  }
}

void RunStep(Input& in, FuzzView& view, TextEditModel& model) {
  static constexpr std::int16_t kKeys[] = {0, 8, 16, 35, 36, 37, 38, 39, 45, 46, 65, 300};
  std::int16_t keyCode = kKeys[in.Byte() % std::size(kKeys)];
  std::int16_t shift = static_cast<std::int16_t>(in.Byte() % 8);
  switch (in.Byte() % 20) {
    case 0: TypeAndCheck(in, view, model); break;
    case 1: model.KeyDown(keyCode, shift); break;
    case 2: model.KeyUp(keyCode, shift); break;
    case 3: model.LetText(in.Text(60)); break;
    case 4: model.LetMask(in.Mask()); break;
    case 5: model.LetMaxLength(in.Count()); break;
    case 6: {
      const std::int16_t start = in.Count();
      model.SetSelectedText(start, in.Count());
      break;
    }
    case 7: model.SelectAll(); model.DblClick(); model.AutoSelectOnFocus(); break;
    case 8: model.PrepareContextMenu(); model.SubItemMenu_Click(static_cast<std::int16_t>(in.Byte() % 8)); break;
    case 9: model.LetTextStyle(static_cast<kelvo::klvctl32::kcTextStyle>(in.Byte() % 6)); break;
    case 10: model.LetFillChar(in.Text(2)); break;
    case 11: model.CompleteOnLeave(); break;
    case 12: model.LetdcDataValue(in.Text(60)); break;
    case 13: Require(kelvo::klvctl32::Len(model.Text()) <= Limit(model.State())); break;
    case 14: CheckValidChar(in, model); break;
    case 15: model.SetPosition(in.Count()); break;
    case 16: model.LetSelText(in.Text(8)); break;
    case 17: model.MoveCaret(static_cast<std::int8_t>(in.Byte()), (in.Byte() & 1U) != 0); break;
    case 18: view.clipboard = in.Text(60); break;
    default: model.DeleteForward(); break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  FuzzView view;
  TextEditModel model(view);
  view.Attach(model);
  SetUp(in, view, model);
  for (int step = 0; step < 256 && !in.empty(); ++step) RunStep(in, view, model);
  return 0;
}

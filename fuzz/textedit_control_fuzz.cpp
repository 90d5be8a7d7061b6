// A real KelvoTextEdit on a headless form fed random masks, texts, sizes,
// fonts and sequences of keystrokes, mouse events, clipboard pastes and
// property assignments. Only runtime errors (com::Error) may come out of an
// assignment; nothing crashes, and the text never holds more than MaxLength
// allows once formatted.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "klvctl32/textedit/textedit.h"
#include "platform/com/error.h"
#include "platform/forms/application.h"
#include "platform/gfx/font.h"
#include "platform/win/window_system.h"

namespace {

using namespace kelvo;

// Characters drawn mostly from the mask language, then any 8-bit code.
std::u16string MaskText(FuzzInput& in, std::size_t maxLen) {
  return in.Text(maxLen, u"9#AaCcX/-.,( )0123456789abcXYZ", 128);
}

void Let(forms::Control& c, std::u16string_view name, com::Variant value) {
  std::vector<com::Variant> args{std::move(value)};
  try {
    c.Extender()->Invoke(name, com::InvokeKind::Let, args);
  } catch (const com::Error&) {
    // A refused value is a runtime error the form would see.
  }
}

// The formatted text holds at most MaxLength characters (none for 0 or less).
void CheckLength(forms::Control& c) {
  auto& edit = static_cast<klvctl32::KelvoTextEdit&>(*c.Instance());
  const klvctl32::TextEditState& s = edit.State();
  const std::u16string text = c.Extender()->Invoke(u"Text", com::InvokeKind::Get, {}).ToString();
  const std::size_t limit = s.MaxLength > 0 ? static_cast<std::size_t>(s.MaxLength) : 0;
  if (text.size() > limit) std::abort();
  if (!s.Mask.empty() && s.StoredText.size() > limit) std::abort();
}

void RunOne(FuzzInput& in, forms::Control& c) {
  std::int16_t a = 0;
  std::int16_t b = 0;
  switch (in.Byte() % 12) {
    case 0:
    case 1:
    case 2:
      a = static_cast<std::int16_t>(in.Byte());
      c.KeyPress(a);
      break;
    case 3:
      a = static_cast<std::int16_t>(in.Byte());
      b = static_cast<std::int16_t>(in.Byte() % 8);
      c.KeyDown(a, b);
      break;
    case 4:
      c.MouseDown(static_cast<std::int16_t>(in.Byte() % 3), 0, in.Short(), in.Short());
      break;
    case 5:
      c.MouseMove(static_cast<std::int16_t>(in.Byte() % 3), 0, in.Short(), in.Short());
      break;
    case 6:
      win::WindowSystem::Get().SetClipboardText(MaskText(in, 40));
      a = 45;
      b = 1;
      c.KeyDown(a, b);
      break;
    case 7:
      Let(c, u"Text", com::Variant::String(MaskText(in, 60)));
      break;
    case 8:
      Let(c, u"Mask", com::Variant::String(MaskText(in, 20)));
      break;
    case 9:
      Let(c, u"MaxLength", com::Variant::Integer(static_cast<std::int16_t>(in.Short() % 80)));
      break;
    case 10:
      Let(c, u"TextStyle", com::Variant::Long(in.Byte() % 5));
      Let(c, u"FillChar", com::Variant::String(MaskText(in, 2)));
      break;
    default:
      c.DblClick();
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool registered = [] {
    forms::RegisterControlClass(u"KLVCTL32.KelvoTextEdit",
                                [] { return com::MakeObject<klvctl32::KelvoTextEdit>(); });
    gfx::SetFontSource(gfx::FontSource::Builtin);
    return true;
  }();
  (void)registered;
  FuzzInput in(std::span(data, size));
  forms::Application app;
  forms::Form& form = app.CreateForm(u"frm");
  const double width = 15.0 * (in.Byte() % 200 + 1);
  const double height = 15.0 * (in.Byte() % 40 + 1);
  forms::Control& c = form.AddControl(u"KLVCTL32.KelvoTextEdit", u"t", {0, 0, width, height});
  Let(c, u"MaxLength", com::Variant::Integer(static_cast<std::int16_t>(in.Short() % 80)));
  Let(c, u"Mask", com::Variant::String(MaskText(in, 20)));
  Let(c, u"Text", com::Variant::String(MaskText(in, 60)));
  c.Focus();
  while (!in.empty()) {
    RunOne(in, c);
    CheckLength(c);
  }
  return 0;
}

// Both buttons on a headless form fed random captions with "&", sizes,
// margins, distances, picture positions and sizes, styles and pictures,
// mixed with presses, moves and focus-engine ticks. Only runtime errors
// (com::Error) may come out of an assignment; nothing crashes or overflows
// (the sanitizers watch the layout arithmetic).
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "klvctl32/buttons/activecommand.h"
#include "klvctl32/buttons/tbbutton.h"
#include "klvctl32/host/enginer.h"
#include "platform/com/error.h"
#include "platform/forms/application.h"
#include "platform/forms/stdobjects.h"
#include "platform/gfx/font.h"
#include "platform/win/window_system.h"

namespace {

using namespace kelvo;

// Mostly letters, "&" and line breaks, then any 8-bit code.
std::u16string Caption(FuzzInput& in) { return in.Text(11, u"&&&ab CDE\r\n", 200); }

void Assign(forms::Control& c, std::u16string_view name, com::Variant value, com::InvokeKind kind) {
  std::vector<com::Variant> args{std::move(value)};
  try {
    c.Extender()->Invoke(name, kind, args);
  } catch (const com::Error&) {
    // A refused value is a runtime error the form would see.
  }
}

void Let(forms::Control& c, std::u16string_view name, com::Variant value) {
  Assign(c, name, std::move(value), com::InvokeKind::Let);
}

com::Variant SomePicture(std::uint8_t size) {
  if (size % 4 == 0) return com::Variant::Object({});
  return com::Variant::Object(forms::CreatePictureObject(gfx::Image(size % 40 + 1, size % 23 + 1, 0xFF336699u)));
}

void RunOne(FuzzInput& in, forms::Control& c) {
  static constexpr const char16_t* kPictures[] = {u"Picture", u"DisabledPicture", u"DownPicture", u"FocusedPicture"};
  std::int16_t key = 32;
  std::int16_t shift = static_cast<std::int16_t>(in.Byte() % 2);
  switch (in.Byte() % 12) {
    case 0:
      Let(c, u"Caption", com::Variant::String(Caption(in)));
      break;
    case 1:
      Let(c, u"Margin", com::Variant::Integer(in.Short()));
      break;
    case 2:
      Let(c, u"Distance", com::Variant::Integer(in.Short()));
      break;
    case 3:
      Let(c, u"PictPosition", com::Variant::Integer(in.Short()));
      break;
    case 4:
      Let(c, u"PictSize", com::Variant::Integer(static_cast<std::int16_t>(in.Byte() % 3)));
      break;
    case 5:
      Assign(c, kPictures[in.Byte() % 4], SomePicture(in.Byte()), com::InvokeKind::Set);
      break;
    case 6:
      Let(c, u"Style", com::Variant::Integer(static_cast<std::int16_t>(in.Byte() % 3)));
      break;
    case 7:
      Let(c, u"Enabled", com::Variant::Boolean(in.Byte() % 2 == 0));
      break;
    case 8:  // up to 3000 pixels wide: past the 16-bit range of twips
      c.Move({0, 0, 15.0 * (in.Short() & 0xFFF) * 3000 / 0xFFF, 15.0 * (in.Byte() % 200)});
      break;
    case 9:
      c.MouseMove(static_cast<std::int16_t>(in.Byte() % 3), 0, in.Short(), in.Short());
      break;
    case 10:
      c.KeyDown(key, shift);
      c.KeyUp(key, shift);
      break;
    default:
      win::WindowSystem::Get().AdvanceClock(175);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool registered = [] {
    forms::RegisterControlClass(u"KLVCTL32.KelvoActiveCommand",
                                [] { return com::MakeObject<klvctl32::KelvoActiveCommand>(); });
    forms::RegisterControlClass(u"KLVCTL32.KelvoTBButton", [] { return com::MakeObject<klvctl32::KelvoTBButton>(); });
    forms::RegisterControlClass(u"KLVCTL32.KelvoEnginer", [] { return com::MakeObject<klvctl32::KelvoEnginer>(); });
    gfx::SetFontSource(gfx::FontSource::Builtin);
    return true;
  }();
  (void)registered;
  FuzzInput in(std::span(data, size));
  forms::Application app;
  forms::Form& form = app.CreateForm(u"frm");
  const double width = 15.0 * (in.Byte() % 200 + 1);
  const double height = 15.0 * (in.Byte() % 60 + 1);
  forms::Control& c = form.AddControl(in.Byte() % 2 == 0 ? u"KLVCTL32.KelvoActiveCommand" : u"KLVCTL32.KelvoTBButton",
                                      u"b", {0, 0, width, height});
  form.AddControl(u"KLVCTL32.KelvoEnginer", u"e", {0, 0, 100, 100});
  Let(c, u"Caption", com::Variant::String(Caption(in)));
  c.Focus();
  while (!in.empty()) RunOne(in, c);
  return 0;
}

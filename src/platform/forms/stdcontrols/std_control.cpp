// Shared behaviour of the standard controls.

#include "platform/forms/stdcontrols/std_control.h"

#include <algorithm>

#include "platform/gfx/color.h"
#include "platform/win/window_system.h"

namespace kelvo::forms::stdcontrols {

IControlSite& ControlCore::Site() const {
  if (site_ == nullptr) throw com::Error(com::err::kObjectNotSet, u"The control has no site yet");
  return *site_;
}

void ControlCore::Raise(std::u16string_view event, std::span<com::Variant> args) const {
  Site().RaiseEvent(event, args);
}

void ControlCore::RaiseMouse(std::u16string_view event, std::int16_t button, std::int16_t shift, float x,
                             float y) const {
  std::vector<com::Variant> args{com::Variant::Integer(button), com::Variant::Integer(shift), com::Variant::Single(x),
                                 com::Variant::Single(y)};
  Raise(event, args);
}

void ControlCore::RaiseKey(std::u16string_view event, std::int16_t& keyCode, std::int16_t& shift) const {
  std::vector<com::Variant> args{com::Variant::Integer(keyCode), com::Variant::Integer(shift)};
  Raise(event, args);
  keyCode = args[0].ToInteger();
  shift = args[1].ToInteger();
}

void ControlCore::RaiseKeyPress(std::int16_t& keyAscii) const {
  com::Variant arg = com::Variant::Integer(keyAscii);
  Raise(u"KeyPress", std::span<com::Variant>(&arg, 1));
  keyAscii = arg.ToInteger();
}

gfx::Surface& ControlCore::BeginDraw(const gfx::FontDesc& font, gfx::OleColor back) const {
  gfx::Surface& s = Surface();
  s.SetFont(font);
  s.SetBackColor(back);
  s.Clear();
  return s;
}

void ControlCore::PaintParentBackground() const {
  win::WindowSystem& ws = win::WindowSystem::Get();
  const win::HWND hwnd = Site().Hwnd();
  const win::HWND parent = ws.Parent(hwnd);
  gfx::Surface& own = Surface();
  if (parent == 0) return own.Clear();
  const gfx::Image& under = ws.SurfaceOf(parent).image();
  const win::RECT at = ws.ClientRect(hwnd);
  for (int y = 0; y < own.heightPx(); ++y) {
    for (int x = 0; x < own.widthPx(); ++x) {
      const int px = at.left + x;
      const int py = at.top + y;
      const gfx::Rgb c = under.Contains(px, py) ? under.RgbAt(px, py) : gfx::ResolveColor(own.BackColor());
      own.FillRectPx({x, y, x + 1, y + 1}, c);
    }
  }
}

void ControlCore::FillPx(int left, int top, int right, int bottom, gfx::OleColor color) const {
  Surface().FillRectPx({left, top, right, bottom}, gfx::ResolveColor(color));
}

void ControlCore::OutlinePx(int left, int top, int right, int bottom, gfx::OleColor color) const {
  FillPx(left, top, right + 1, top + 1, color);
  FillPx(left, bottom, right + 1, bottom + 1, color);
  FillPx(left, top, left + 1, bottom + 1, color);
  FillPx(right, top, right + 1, bottom + 1, color);
}

void ControlCore::EnableWindow(bool enabled) const { win::WindowSystem::Get().Enable(Site().Hwnd(), enabled); }

bool ControlCore::WindowEnabled() const { return win::WindowSystem::Get().IsEnabled(Site().Hwnd()); }

com::Variant ColorValue(gfx::OleColor c) { return com::Variant::Long(static_cast<std::int32_t>(c)); }

gfx::OleColor ToColor(const com::Variant& v) { return static_cast<gfx::OleColor>(v.ToLong()); }

com::ComPtr<IFontObject> ToFont(const com::Variant& v) {
  auto font = AsFont(v);
  if (!font) throw com::Error(com::err::kTypeMismatch);
  return font;
}

com::ComPtr<IPictureObject> ToPicture(const com::Variant& v) {
  if (v.IsObject() && !v.ToObject()) return {};
  auto picture = AsPicture(v);
  if (!picture) throw com::Error(com::err::kTypeMismatch);
  return picture;
}

std::int16_t ToIntegerIn(const com::Variant& v, std::int16_t low, std::int16_t high) {
  const std::int16_t i = v.ToInteger();
  if (i < low || i > high) throw com::Error(com::err::kInvalidPropertyValue);
  return i;
}

}  // namespace kelvo::forms::stdcontrols

// KelvoTextEdit's members by name, in the slot order of _KelvoTextEdit.
#include "klvctl32/host/property_values.h"
#include "klvctl32/textedit/textedit.h"

namespace kelvo::klvctl32 {

namespace {

using Map = com::DispatchMap<KelvoTextEdit>;
using V = com::Variant;

V Str(std::u16string s) { return V::String(std::move(s)); }

// A Null text is taken as "".
std::u16string TextValue(const V& v) { return v.IsNull() ? std::u16string() : v.ToString(); }

V NoResult() { return V(); }

}  // namespace

const Map& KelvoTextEdit::Members() {
  static const Map map{
      Map::Get(u"TopText", [](KelvoTextEdit& c) { return V::Integer(c.TopText); }),
      Map::Let(u"TopText", [](KelvoTextEdit& c, const V& v) { c.TopText = v.ToInteger(); }),
      Map::Get(u"LeftText", [](KelvoTextEdit& c) { return V::Integer(c.LeftText); }),
      Map::Let(u"LeftText", [](KelvoTextEdit& c, const V& v) { c.LeftText = v.ToInteger(); }),
      Map::Get(u"Border3D", [](KelvoTextEdit& c) { return V::Boolean(c.Border3D()); }),
      Map::Let(u"Border3D", [](KelvoTextEdit& c, const V& v) { c.SetBorder3D(v.ToBoolean()); }),
      Map::Get(u"Shadow", [](KelvoTextEdit& c) { return V::Boolean(c.Shadow()); }),
      Map::Let(u"Shadow", [](KelvoTextEdit& c, const V& v) { c.SetShadow(v.ToBoolean()); }),
      Map::Get(u"ShadowColor", [](KelvoTextEdit& c) { return FromColor(c.ShadowColor()); }),
      Map::Let(u"ShadowColor", [](KelvoTextEdit& c, const V& v) { c.SetShadowColor(ToColor(v)); }),
      Map::Get(u"BackColor", [](KelvoTextEdit& c) { return FromColor(c.BackColor()); }),
      Map::Let(u"BackColor", [](KelvoTextEdit& c, const V& v) { c.SetBackColor(ToColor(v)); }),
      Map::Get(u"ForeColor", [](KelvoTextEdit& c) { return FromColor(c.ForeColor()); }),
      Map::Let(u"ForeColor", [](KelvoTextEdit& c, const V& v) { c.SetForeColor(ToColor(v)); }),
      Map::Get(u"SelectColor", [](KelvoTextEdit& c) { return FromColor(c.SelectColor()); }),
      Map::Let(u"SelectColor", [](KelvoTextEdit& c, const V& v) { c.SetSelectColor(ToColor(v)); }),
      Map::Get(u"LockedColor", [](KelvoTextEdit& c) { return FromColor(c.LockedColor()); }),
      Map::Let(u"LockedColor", [](KelvoTextEdit& c, const V& v) { c.SetLockedColor(ToColor(v)); }),
      Map::Get(u"DisabledColor", [](KelvoTextEdit& c) { return FromColor(c.DisabledColor()); }),
      Map::Let(u"DisabledColor", [](KelvoTextEdit& c, const V& v) { c.SetDisabledColor(ToColor(v)); }),
      Map::Get(u"Text", [](KelvoTextEdit& c) { return Str(c.Model().Text()); }),
      Map::Let(u"Text", [](KelvoTextEdit& c, const V& v) { c.Model().LetText(TextValue(v)); }),
      Map::Get(u"DefaultValue", [](KelvoTextEdit& c) { return Str(c.State().DefaultValue); }),
      Map::Let(u"DefaultValue", [](KelvoTextEdit& c, const V& v) { c.Model().LetDefaultValue(v.ToString()); }),
      Map::Get(u"Mask", [](KelvoTextEdit& c) { return Str(c.State().Mask); }),
      Map::Let(u"Mask", [](KelvoTextEdit& c, const V& v) { c.Model().LetMask(v.ToString()); }),
      Map::Get(u"MaxLength", [](KelvoTextEdit& c) { return V::Integer(c.State().MaxLength); }),
      Map::Let(u"MaxLength", [](KelvoTextEdit& c, const V& v) { c.Model().LetMaxLength(v.ToInteger()); }),
      Map::Get(u"IncludeLiterals", [](KelvoTextEdit& c) { return V::Boolean(c.State().IncludeLiterals); }),
      Map::Let(u"IncludeLiterals",
               [](KelvoTextEdit& c, const V& v) { c.Model().LetIncludeLiterals(v.ToBoolean()); }),
      Map::Get(u"TextStyle", [](KelvoTextEdit& c) { return V::Long(c.State().TextStyle); }),
      Map::Let(u"TextStyle",
               [](KelvoTextEdit& c, const V& v) { c.Model().LetTextStyle(static_cast<kcTextStyle>(v.ToLong())); }),
      Map::Get(u"Font", [](KelvoTextEdit& c) { return V::Object(c.Font()); }),
      Map::Set(u"Font", [](KelvoTextEdit& c, const V& v) { c.SetFont(forms::AsFont(v)); }),
      Map::Get(u"FillChar", [](KelvoTextEdit& c) { return Str(c.State().FillChar); }),
      Map::Let(u"FillChar", [](KelvoTextEdit& c, const V& v) { c.Model().LetFillChar(v.ToString()); }),
      Map::Get(u"Enabled", [](KelvoTextEdit& c) { return V::Boolean(c.IsEnabled()); }),
      Map::Let(u"Enabled", [](KelvoTextEdit& c, const V& v) { c.SetEnabled(v.ToBoolean()); }),
      Map::Get(u"Selection3D", [](KelvoTextEdit& c) { return V::Boolean(c.Selection3D()); }),
      Map::Let(u"Selection3D", [](KelvoTextEdit& c, const V& v) { c.SetSelection3D(v.ToBoolean()); }),
      Map::Get(u"AutoSelect", [](KelvoTextEdit& c) { return V::Boolean(c.State().AutoSelect); }),
      Map::Let(u"AutoSelect", [](KelvoTextEdit& c, const V& v) { c.Model().LetAutoSelect(v.ToBoolean()); }),
      Map::Get(u"Locked", [](KelvoTextEdit& c) { return V::Boolean(c.State().Locked); }),
      Map::Let(u"Locked", [](KelvoTextEdit& c, const V& v) { c.Model().LetLocked(v.ToBoolean()); }),
      Map::Get(u"hDC", [](KelvoTextEdit& c) { return V::Long(static_cast<std::int32_t>(c.DeviceContext())); }),
      Map::Get(u"hwnd", [](KelvoTextEdit& c) { return V::Long(static_cast<std::int32_t>(c.WindowHandle())); }),
      Map::Get(u"SelStart", [](KelvoTextEdit& c) { return V::Integer(c.State().SelStart); }),
      Map::Get(u"CursorPos", [](KelvoTextEdit& c) { return V::Integer(c.State().CursorPos); }),
      Map::Get(u"SelLength", [](KelvoTextEdit& c) { return V::Integer(c.State().SelLength); }),
      Map::Let(u"SelText", [](KelvoTextEdit& c, const V& v) { c.Model().LetSelText(v.ToString()); }),
      Map::Get(u"IsEmpty", [](KelvoTextEdit& c) { return V::Boolean(c.Model().IsEmpty()); }),
      Map::Get(u"TextWithoutMask", [](KelvoTextEdit& c) { return Str(c.Model().TextWithoutMask()); }),
      Map::Method(u"SetPosition", 1,
                  [](KelvoTextEdit& c, Map::Args a) {
                    c.Model().SetPosition(a[0].ToInteger());
                    return NoResult();
                  }),
      // Both arguments by reference: the tested character comes back as the
      // mask stores it.
      Map::Method(u"IsValidChar", 2,
                  [](KelvoTextEdit& c, Map::Args a) {
                    std::u16string ch = a[0].ToString();
                    const std::int16_t position = a[1].ToInteger();
                    const bool valid = c.Model().IsValidChar(ch, position);
                    a[0] = V::String(std::move(ch));
                    a[1] = V::Integer(position);
                    return V::Boolean(valid);
                  }),
      Map::Method(u"SetSelectedText", 2,
                  [](KelvoTextEdit& c, Map::Args a) {
                    c.Model().SetSelectedText(a[0].ToInteger(), a[1].ToInteger());
                    return NoResult();
                  }),
      Map::Method(u"SelectAll", 0,
                  [](KelvoTextEdit& c, Map::Args) {
                    c.Model().SelectAll();
                    return NoResult();
                  }),
      Map::Get(u"dcDataValue", [](KelvoTextEdit& c) { return Str(c.Model().dcDataValue()); }),
      Map::Let(u"dcDataValue", [](KelvoTextEdit& c, const V& v) { c.Model().LetdcDataValue(TextValue(v)); }),
      Map::Method(u"ToKelvoEnginer", 0,
                  [](KelvoTextEdit& c, Map::Args) {
                    c.ToKelvoEnginer();
                    return NoResult();
                  }),
      Map::Method(u"XFocus", 0,
                  [](KelvoTextEdit& c, Map::Args) {
                    c.XFocus();
                    return NoResult();
                  }),
  };
  return map;
}

}  // namespace kelvo::klvctl32

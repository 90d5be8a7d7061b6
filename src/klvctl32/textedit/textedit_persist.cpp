// KelvoTextEdit's persisted set: 22 keys written in a fixed order on every
// save; loading reads 21 of them (not "dcDataValue") with defaults that differ
// from a new instance's for ForeColor, MaxLength and AutoSelect.
#include "klvctl32/host/property_values.h"
#include "klvctl32/textedit/textedit.h"
#include "platform/com/error.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

namespace {

using V = com::Variant;

std::u16string ReadString(forms::IPropertyBag& bag, std::u16string_view key) {
  return bag.Read(key, V::String({})).ToString();
}

void WriteString(forms::IPropertyBag& bag, std::u16string_view key, const std::u16string& value) {
  bag.Write(key, V::String(value), V());
}

// A stored font, or the surface's own when the key holds none.
com::ComPtr<forms::IFontObject> ReadFont(forms::IPropertyBag& bag, const gfx::FontDesc& current) {
  const com::ComPtr<forms::IFontObject> fallback = forms::CreateFontObject(current);
  const V value = bag.Read(u"Font", V::Object(fallback));
  if (!value.IsObject()) throw com::Error(com::err::kTypeMismatch, u"Font: a font object is expected");
  const com::ComPtr<forms::IFontObject> font = forms::AsFont(value);
  return font ? font : fallback;
}

}  // namespace

// Each value is stored as read, without running its setter.
void KelvoTextEdit::ReadProperties(forms::IPropertyBag& bag) {
  TextEditState& s = model_.State();
  font_ = ReadFont(bag, Surface().Font());
  border3D_ = ReadBoolean(bag, u"Border3D", true);
  shadow_ = ReadBoolean(bag, u"Shadow", false);
  shadowColor_ = ReadColor(bag, u"ShadowColor", 0);
  backColor_ = ReadColor(bag, u"BackColor", 0x80000005u);
  foreColor_ = ReadColor(bag, u"ForeColor", 0x80000008u);
  selectColor_ = ReadColor(bag, u"SelectColor", 0x8000000Du);
  s.StoredText = ReadString(bag, u"Text");
  s.Mask = ReadString(bag, u"Mask");
  s.MaxLength = ReadInteger(bag, u"MaxLength", 10);
  s.IncludeLiterals = ReadBoolean(bag, u"IncludeLit", true);
  s.TextStyle = static_cast<kcTextStyle>(bag.Read(u"TextStyle", V::Integer(0)).ToLong());
  s.FillChar = ReadString(bag, u"FillChar");
  enabled_ = ReadBoolean(bag, u"Enabled", true);
  selection3D_ = ReadBoolean(bag, u"Selection3D", false);
  s.AutoSelect = ReadBoolean(bag, u"AutoSelect", false);
  s.AllowSpaceChar = ReadBoolean(bag, u"AllowSpaceChar", true);
  s.DefaultValue = ReadString(bag, u"DefaultValue");
  s.Locked = ReadBoolean(bag, u"Locked", false);
  disabledColor_ = ReadColor(bag, u"DisabledColor", 0x80000011u);
  lockedColor_ = ReadColor(bag, u"LockedColor", 0x80000012u);
  user32::EnableWindow(Window(), enabled_ ? 1 : 0);
  Surface().SetFont(font_->Desc());
}

// Every key on every save, with no default.
void KelvoTextEdit::WriteProperties(forms::IPropertyBag& bag) {
  const TextEditState& s = model_.State();
  bag.Write(u"dcDataValue", V::String(s.StoredText), V());
  WriteBoolean(bag, u"Border3D", border3D_);
  WriteBoolean(bag, u"Shadow", shadow_);
  WriteColor(bag, u"ShadowColor", shadowColor_);
  WriteColor(bag, u"BackColor", backColor_);
  WriteColor(bag, u"ForeColor", foreColor_);
  WriteColor(bag, u"SelectColor", selectColor_);
  bag.Write(u"Text", V::String(s.StoredText), V());
  WriteString(bag, u"Mask", s.Mask);
  WriteInteger(bag, u"MaxLength", s.MaxLength);
  WriteBoolean(bag, u"IncludeLit", s.IncludeLiterals);
  bag.Write(u"TextStyle", V::Long(s.TextStyle), V());
  WriteString(bag, u"FillChar", s.FillChar);
  WriteBoolean(bag, u"Enabled", enabled_);
  bag.Write(u"Font", V::Object(font_), V());
  WriteBoolean(bag, u"Selection3D", selection3D_);
  WriteBoolean(bag, u"AutoSelect", s.AutoSelect);
  WriteBoolean(bag, u"AllowSpaceChar", s.AllowSpaceChar);
  WriteString(bag, u"DefaultValue", s.DefaultValue);
  WriteBoolean(bag, u"Locked", s.Locked);
  WriteColor(bag, u"DisabledColor", disabledColor_);
  WriteColor(bag, u"LockedColor", lockedColor_);
}

}  // namespace kelvo::klvctl32

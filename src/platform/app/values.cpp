#include "platform/app/values.h"

#include "platform/com/error.h"

namespace kelvo::app {
namespace {

// An object variant's font or picture face: 424 when it holds no object at
// all, 13 when it holds an object of another kind.
template <class Face>
Face ObjectOfKind(const com::Variant& value, Face (*as)(const com::Variant&)) {
  if (!value.ToObject()) return nullptr;
  Face face = as(value);
  if (!face) throw com::Error(com::err::kTypeMismatch);
  return face;
}

}  // namespace

Picture LoadPicture(const std::filesystem::path& file) { return forms::LoadPictureObject(file); }

com::Variant Value<std::u16string>::To(const std::u16string& v) { return com::Variant::String(v); }
std::u16string Value<std::u16string>::From(const com::Variant& v) { return v.ToString(); }

com::Variant Value<std::int16_t>::To(const std::int16_t& v) { return com::Variant::Integer(v); }
std::int16_t Value<std::int16_t>::From(const com::Variant& v) { return v.ToInteger(); }

com::Variant Value<std::int32_t>::To(const std::int32_t& v) { return com::Variant::Long(v); }
std::int32_t Value<std::int32_t>::From(const com::Variant& v) { return v.ToLong(); }

com::Variant Value<float>::To(const float& v) { return com::Variant::Single(v); }
float Value<float>::From(const com::Variant& v) { return v.ToSingle(); }

com::Variant Value<double>::To(const double& v) { return com::Variant::Double(v); }
double Value<double>::From(const com::Variant& v) { return v.ToDouble(); }

com::Variant Value<bool>::To(const bool& v) { return com::Variant::Boolean(v); }
bool Value<bool>::From(const com::Variant& v) { return v.ToBoolean(); }

// A colour travels as the Long holding its 32 bits.
com::Variant Value<Color>::To(const Color& v) { return com::Variant::Long(static_cast<std::int32_t>(v.value)); }
Color Value<Color>::From(const com::Variant& v) { return Color{static_cast<gfx::OleColor>(v.ToLong())}; }

com::Variant Value<gfx::FontDesc>::To(const gfx::FontDesc& v) {
  return com::Variant::Object(forms::CreateFontObject(v));
}
// A font value needs a font: Nothing is no font.
gfx::FontDesc Value<gfx::FontDesc>::From(const com::Variant& v) {
  const com::ComPtr<forms::IFontObject> font = ObjectOfKind(v, &forms::AsFont);
  if (!font) throw com::Error(com::err::kObjectNotSet);
  return font->Desc();
}

com::Variant Value<Picture>::To(const Picture& v) { return com::Variant::Object(v); }
Picture Value<Picture>::From(const com::Variant& v) { return ObjectOfKind(v, &forms::AsPicture); }

com::Variant Value<com::ComPtr<com::IDispatch>>::To(const com::ComPtr<com::IDispatch>& v) {
  return com::Variant::Object(v);
}
com::ComPtr<com::IDispatch> Value<com::ComPtr<com::IDispatch>>::From(const com::Variant& v) { return v.ToObject(); }

com::Variant Value<com::Variant>::To(const com::Variant& v) { return v; }
com::Variant Value<com::Variant>::From(const com::Variant& v) { return v; }

std::u16string_view KindName(ValueKind kind) {
  // In ValueKind's order.
  constexpr std::u16string_view kNames[] = {u"String", u"Integer", u"Long",    u"Single", u"Double", u"Boolean",
                                            u"Color",  u"Font",    u"Picture", u"Object", u"Variant"};
  return kNames[static_cast<std::size_t>(kind)];
}

}  // namespace kelvo::app

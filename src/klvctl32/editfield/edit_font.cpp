#include "klvctl32/editfield/edit_font.h"

#include "platform/com/error.h"

namespace kelvo::klvctl32 {

com::ComPtr<forms::IFontObject> ReadFontKey(forms::IPropertyBag& bag, std::u16string_view key,
                                            const gfx::Surface& surface) {
  const com::ComPtr<forms::IFontObject> fallback = forms::CreateFontObject(surface.Font());
  const com::Variant value = bag.Read(key, com::Variant::Object(fallback));
  if (!value.IsObject()) throw com::Error(com::err::kTypeMismatch, u"Font: a font object is expected");
  const com::ComPtr<forms::IFontObject> font = forms::AsFont(value);
  return font ? font : fallback;
}

}  // namespace kelvo::klvctl32

// The standard colour page: the value of a colour member, written as
// &H followed by eight hex digits and & (an OLE colour: 0x80000000 + n is system colour n).

#include <array>
#include <cstdio>

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/forms/stdpages.h"
#include "platform/forms/stdpages/standard_page.h"

namespace kelvo::forms::stdpages {
namespace {

const com::CoClassInfo& ColorPageInfo() {
  static const com::CoClassInfo info = [] {
    com::CoClassInfo c;
    c.name = u"StandardColor";
    c.clsid = CLSID_StandardColorPage;
    c.isPropertyPage = true;
    return c;
  }();
  return info;
}

std::u16string HexColor(std::int32_t v) {
  std::array<char, 16> buf{};
  std::snprintf(buf.data(), buf.size(), "&H%08X&", static_cast<unsigned>(static_cast<std::uint32_t>(v)));
  return text::FromUtf8(buf.data());
}

class ColorPage final : public StandardPage {
 public:
  ColorPage() : StandardPage(ColorPageInfo(), u"Color", com::TypeKind::Color) {}

 protected:
  void BuildFields() override {
    AddLabel(u"lblColor", {120, 540, 1200, 255}, u"Color:");
    AddTextBox(u"txtColor", {1440, 510, 2400, 315});
  }

  void LoadFields(const com::Variant& value) override { SetText(u"txtColor", HexColor(value.ToLong())); }

  // &H hexadecimal (the trailing & optional) or a decimal number.
  com::Variant FieldValue() override {
    std::u16string t = Text(u"txtColor");
    if (t.ends_with(u'&') && t.size() > 2) t.pop_back();
    const double v = com::ParseNumber(t);
    if (v < -2147483648.0 || v > 4294967295.0 || v != static_cast<double>(static_cast<std::int64_t>(v))) {
      throw com::Error(com::err::kInvalidPropertyValue);
    }
    return com::Variant::Long(static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(v))));
  }

  bool AssignsObject() const override { return false; }
};

}  // namespace

com::ComPtr<IPropertyPage> CreateColorPage() { return com::MakeObject<ColorPage>(); }

}  // namespace kelvo::forms::stdpages

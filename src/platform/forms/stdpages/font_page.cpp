// The standard font page: name, size and style of a font member.

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/forms/stdobjects.h"
#include "platform/forms/stdpages.h"
#include "platform/forms/stdpages/standard_page.h"

namespace kelvo::forms::stdpages {
namespace {

const com::CoClassInfo& FontPageInfo() {
  static const com::CoClassInfo info = [] {
    com::CoClassInfo c;
    c.name = u"StandardFont";
    c.clsid = CLSID_StandardFontPage;
    c.isPropertyPage = true;
    return c;
  }();
  return info;
}

class FontPage final : public StandardPage {
 public:
  FontPage() : StandardPage(FontPageInfo(), u"Font", com::TypeKind::Font) {}

 protected:
  void BuildFields() override {
    AddLabel(u"lblName", {120, 540, 1200, 255}, u"Font:");
    AddTextBox(u"txtName", {1440, 510, 2400, 315});
    AddLabel(u"lblSize", {120, 960, 1200, 255}, u"Size:");
    AddTextBox(u"txtSize", {1440, 930, 900, 315});
    AddCheckBox(u"chkBold", {1440, 1380, 2400, 285}, u"Bold");
    AddCheckBox(u"chkItalic", {1440, 1680, 2400, 285}, u"Italic");
    AddCheckBox(u"chkUnderline", {1440, 1980, 2400, 285}, u"Underline");
    AddCheckBox(u"chkStrikethrough", {1440, 2280, 2400, 285}, u"Strikethrough");
  }

  void LoadFields(const com::Variant& value) override {
    const auto font = AsFont(value);
    const gfx::FontDesc d = font ? font->Desc() : gfx::FontDesc{};
    SetText(u"txtName", d.name);
    SetText(u"txtSize", com::FormatDouble(d.size));
    SetCheck(u"chkBold", d.bold);
    SetCheck(u"chkItalic", d.italic);
    SetCheck(u"chkUnderline", d.underline);
    SetCheck(u"chkStrikethrough", d.strikethrough);
  }

  com::Variant FieldValue() override {
    gfx::FontDesc d;
    d.name = Text(u"txtName");
    d.size = com::Variant::String(Text(u"txtSize")).ToDouble();
    if (d.name.empty() || !(d.size > 0 && d.size <= 2048)) throw com::Error(com::err::kInvalidPropertyValue);
    d.bold = Check(u"chkBold");
    d.italic = Check(u"chkItalic");
    d.underline = Check(u"chkUnderline");
    d.strikethrough = Check(u"chkStrikethrough");
    return com::Variant::Object(CreateFontObject(d));
  }

  bool AssignsObject() const override { return true; }
};

}  // namespace

com::ComPtr<IPropertyPage> CreateFontPage() { return com::MakeObject<FontPage>(); }

}  // namespace kelvo::forms::stdpages

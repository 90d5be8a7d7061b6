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
    Let(AddField(u"Label", u"lblName", {120, 540, 1200, 255}), u"Caption", com::Variant::String(u"Font:"));
    name_ = &AddField(u"TextBox", u"txtName", {1440, 510, 2400, 315});
    Let(AddField(u"Label", u"lblSize", {120, 960, 1200, 255}), u"Caption", com::Variant::String(u"Size:"));
    size_ = &AddField(u"TextBox", u"txtSize", {1440, 930, 900, 315});
    bold_ = &Check(u"chkBold", u"Bold", 1380);
    italic_ = &Check(u"chkItalic", u"Italic", 1680);
    underline_ = &Check(u"chkUnderline", u"Underline", 1980);
    strikethrough_ = &Check(u"chkStrikethrough", u"Strikethrough", 2280);
  }

  void LoadFields(const com::Variant& value) override {
    const auto font = AsFont(value);
    const gfx::FontDesc d = font ? font->Desc() : gfx::FontDesc{};
    Let(*name_, u"Text", com::Variant::String(d.name));
    Let(*size_, u"Text", com::Variant::String(com::FormatDouble(d.size)));
    Let(*bold_, u"Value", com::Variant::Integer(d.bold ? 1 : 0));
    Let(*italic_, u"Value", com::Variant::Integer(d.italic ? 1 : 0));
    Let(*underline_, u"Value", com::Variant::Integer(d.underline ? 1 : 0));
    Let(*strikethrough_, u"Value", com::Variant::Integer(d.strikethrough ? 1 : 0));
  }

  com::Variant FieldValue() override {
    gfx::FontDesc d;
    d.name = Get(*name_, u"Text").ToString();
    d.size = Get(*size_, u"Text").ToDouble();
    if (d.name.empty() || !(d.size > 0 && d.size <= 2048)) throw com::Error(com::err::kInvalidPropertyValue);
    d.bold = Get(*bold_, u"Value").ToInteger() == 1;
    d.italic = Get(*italic_, u"Value").ToInteger() == 1;
    d.underline = Get(*underline_, u"Value").ToInteger() == 1;
    d.strikethrough = Get(*strikethrough_, u"Value").ToInteger() == 1;
    return com::Variant::Object(CreateFontObject(d));
  }

  com::InvokeKind AssignKind() const override { return com::InvokeKind::Set; }

 private:
  Control& Check(std::u16string_view name, std::u16string_view caption, double top) {
    Control& c = AddField(u"CheckBox", name, {1440, top, 2400, 285});
    Let(c, u"Caption", com::Variant::String(std::u16string(caption)));
    return c;
  }

  Control* name_ = nullptr;
  Control* size_ = nullptr;
  Control* bold_ = nullptr;
  Control* italic_ = nullptr;
  Control* underline_ = nullptr;
  Control* strikethrough_ = nullptr;
};

}  // namespace

com::ComPtr<IPropertyPage> CreateFontPage() { return com::MakeObject<FontPage>(); }

}  // namespace kelvo::forms::stdpages

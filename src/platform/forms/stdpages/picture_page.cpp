// The standard picture page: the file of a picture member; an empty path
// clears the picture.

#include <filesystem>

#include "platform/base/text.h"
#include "platform/forms/stdobjects.h"
#include "platform/forms/stdpages.h"
#include "platform/forms/stdpages/standard_page.h"

namespace kelvo::forms::stdpages {
namespace {

const com::CoClassInfo& PicturePageInfo() {
  static const com::CoClassInfo info = [] {
    com::CoClassInfo c;
    c.name = u"StandardPicture";
    c.clsid = CLSID_StandardPicturePage;
    c.isPropertyPage = true;
    return c;
  }();
  return info;
}

class PicturePage final : public StandardPage {
 public:
  PicturePage() : StandardPage(PicturePageInfo(), u"Picture", com::TypeKind::Picture) {}

 protected:
  void BuildFields() override {
    AddLabel(u"lblPath", {120, 540, 1200, 255}, u"File:");
    AddTextBox(u"txtPath", {1440, 510, 3600, 315});
  }

  void LoadFields(const com::Variant& value) override {
    const auto picture = AsPicture(value);
    const std::string path = picture ? picture->Source().string() : std::string();
    SetText(u"txtPath", text::FromUtf8(path));
  }

  com::Variant FieldValue() override {
    const std::u16string path = Text(u"txtPath");
    if (path.empty()) return com::Variant::Object(nullptr);
    return com::Variant::Object(LoadPictureObject(std::filesystem::path(text::ToUtf8(path))));
  }

  bool AssignsObject() const override { return true; }
};

}  // namespace

com::ComPtr<IPropertyPage> CreatePicturePage() { return com::MakeObject<PicturePage>(); }

}  // namespace kelvo::forms::stdpages

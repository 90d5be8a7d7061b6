// The standard picture object: a decoded image with its HIMETRIC size.

#include <atomic>
#include <cmath>
#include <system_error>
#include <utility>

#include "platform/base/text.h"
#include "platform/com/dispatch_map.h"
#include "platform/com/error.h"
#include "platform/com/object.h"
#include "platform/forms/interface_ids.h"
#include "platform/forms/stdobjects.h"
#include "platform/gfx/picture.h"

namespace kelvo::forms {
namespace {

constexpr std::int16_t kPictureTypeBitmap = 1;
constexpr double kHimetricPerInch = 2540.0;
constexpr double kPixelsPerInch = 96.0;

std::int32_t Himetric(int pixels) {
  return static_cast<std::int32_t>(std::lround(pixels * kHimetricPerInch / kPixelsPerInch));
}

// Handles are process-wide numbers, distinct for every picture.
std::int32_t NextHandle() {
  static std::atomic<std::int32_t> next{0x1000};
  return next.fetch_add(1);
}

const com::InterfaceInfo& PictureInterface() {
  using com::MemberKind;
  using com::TypeKind;
  static const com::InterfaceInfo info = [] {
    com::InterfaceInfo i;
    i.name = u"Picture";
    i.iid = IID_IPictureObject;
    for (auto [name, type] : {std::pair{u"Width", TypeKind::Long}, std::pair{u"Height", TypeKind::Long},
                              std::pair{u"Handle", TypeKind::Long}, std::pair{u"Type", TypeKind::Integer}}) {
      i.members.push_back({name, MemberKind::PropGet, {type, {}}, {}, {}, 0, 0});
    }
    return i;
  }();
  return info;
}

class PictureObject final : public com::Object<IPictureObject> {
 public:
  PictureObject(gfx::Image image, std::filesystem::path source)
      : image_(std::move(image)), source_(std::move(source)), handle_(NextHandle()) {}

  const gfx::Image& Picture() const override { return image_; }
  const std::filesystem::path& Source() const override { return source_; }
  const com::InterfaceInfo* GetTypeInfo() override { return &PictureInterface(); }
  com::Variant Invoke(std::u16string_view name, com::InvokeKind kind, std::span<com::Variant> args) override {
    return Members().Invoke(*this, name, kind, args);
  }

 private:
  using Map = com::DispatchMap<PictureObject>;
  static const Map& Members() {
    static const Map map{
        Map::Get(u"Width", [](PictureObject& p) { return com::Variant::Long(Himetric(p.image_.width())); }),
        Map::Get(u"Height", [](PictureObject& p) { return com::Variant::Long(Himetric(p.image_.height())); }),
        Map::Get(u"Handle", [](PictureObject& p) { return com::Variant::Long(p.handle_); }),
        Map::Get(u"Type", [](PictureObject&) { return com::Variant::Integer(kPictureTypeBitmap); }),
    };
    return map;
  }

  gfx::Image image_;
  std::filesystem::path source_;
  std::int32_t handle_;
};

std::u16string PathText(const std::filesystem::path& file) { return text::FromUtf8(file.string()); }

}  // namespace

com::ComPtr<IPictureObject> LoadPictureObject(const std::filesystem::path& file) {
  std::error_code ec;
  if (file.empty() || !std::filesystem::is_regular_file(file, ec)) {
    throw com::Error(com::err::kFileNotFound, u"File not found: " + PathText(file));
  }
  try {
    return com::MakeObject<PictureObject>(gfx::LoadPicture(file), file);
  } catch (const gfx::PictureError& e) {
    throw com::Error(com::err::kInvalidPicture, u"Invalid picture: " + text::FromUtf8(e.what()));
  }
}

com::ComPtr<IPictureObject> CreatePictureObject(gfx::Image image) {
  return com::MakeObject<PictureObject>(std::move(image), std::filesystem::path{});
}

com::ComPtr<IPictureObject> AsPicture(const com::Variant& v) {
  if (!v.IsObject()) return {};
  return com::QueryAs<IPictureObject>(v.ToObject(), IID_IPictureObject);
}

}  // namespace kelvo::forms

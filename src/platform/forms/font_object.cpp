// The standard font object: a font description behind late binding.

#include <utility>

#include "platform/com/dispatch_map.h"
#include "platform/com/object.h"
#include "platform/forms/interface_ids.h"
#include "platform/forms/stdobjects.h"

namespace kelvo::forms {
namespace {

constexpr std::int16_t kNormalWeight = 400;
constexpr std::int16_t kBoldWeight = 700;
constexpr std::int16_t kBoldFromWeight = 550;

const com::InterfaceInfo& FontInterface() {
  using com::MemberKind;
  using com::TypeKind;
  static const com::InterfaceInfo info = [] {
    com::InterfaceInfo i;
    i.name = u"Font";
    i.iid = IID_IFontObject;
    auto prop = [&i](std::u16string name, TypeKind type) {
      i.members.push_back({name, MemberKind::PropGet, {type, {}}, {}, {}, 0, 0});
      i.members.push_back({std::move(name), MemberKind::PropLet, {type, {}}, {}, {}, 0, 0});
    };
    prop(u"Name", TypeKind::String);
    prop(u"Size", TypeKind::Double);
    prop(u"Bold", TypeKind::Boolean);
    prop(u"Italic", TypeKind::Boolean);
    prop(u"Underline", TypeKind::Boolean);
    prop(u"Strikethrough", TypeKind::Boolean);
    prop(u"Weight", TypeKind::Integer);
    return i;
  }();
  return info;
}

class FontObject final : public com::Object<IFontObject> {
 public:
  explicit FontObject(gfx::FontDesc desc) : desc_(std::move(desc)) {}

  gfx::FontDesc Desc() const override { return desc_; }
  void SetDesc(const gfx::FontDesc& desc) override { desc_ = desc; }
  const com::InterfaceInfo* GetTypeInfo() override { return &FontInterface(); }
  com::Variant Invoke(std::u16string_view name, com::InvokeKind kind, std::span<com::Variant> args) override {
    return Members().Invoke(*this, name, kind, args);
  }

 private:
  using Map = com::DispatchMap<FontObject>;
  static com::Variant Flag(bool b) { return com::Variant::Boolean(b); }

  static const Map& Members() {
    using V = const com::Variant&;
    static const Map map{
        Map::Get(u"Name", [](FontObject& f) { return com::Variant::String(f.desc_.name); }),
        Map::Let(u"Name", [](FontObject& f, V v) { f.desc_.name = v.ToString(); }),
        Map::Get(u"Size", [](FontObject& f) { return com::Variant::Double(f.desc_.size); }),
        Map::Let(u"Size", [](FontObject& f, V v) { f.desc_.size = ValidSize(v.ToDouble()); }),
        Map::Get(u"Bold", [](FontObject& f) { return Flag(f.desc_.bold); }),
        Map::Let(u"Bold", [](FontObject& f, V v) { f.desc_.bold = v.ToBoolean(); }),
        Map::Get(u"Italic", [](FontObject& f) { return Flag(f.desc_.italic); }),
        Map::Let(u"Italic", [](FontObject& f, V v) { f.desc_.italic = v.ToBoolean(); }),
        Map::Get(u"Underline", [](FontObject& f) { return Flag(f.desc_.underline); }),
        Map::Let(u"Underline", [](FontObject& f, V v) { f.desc_.underline = v.ToBoolean(); }),
        Map::Get(u"Strikethrough", [](FontObject& f) { return Flag(f.desc_.strikethrough); }),
        Map::Let(u"Strikethrough", [](FontObject& f, V v) { f.desc_.strikethrough = v.ToBoolean(); }),
        Map::Get(u"Weight",
                 [](FontObject& f) { return com::Variant::Integer(f.desc_.bold ? kBoldWeight : kNormalWeight); }),
        Map::Let(u"Weight", [](FontObject& f, V v) { f.desc_.bold = v.ToInteger() >= kBoldFromWeight; }),
    };
    return map;
  }

  // Sizes outside what a font can be are an invalid property value.
  static double ValidSize(double size) {
    if (!(size > 0 && size <= 2048)) throw com::Error(com::err::kInvalidPropertyValue);
    return size;
  }

  gfx::FontDesc desc_;
};

}  // namespace

com::ComPtr<IFontObject> CreateFontObject(const gfx::FontDesc& desc) {
  return com::MakeObject<FontObject>(desc);
}

com::ComPtr<IFontObject> AsFont(const com::Variant& v) {
  if (!v.IsObject()) return {};
  return com::QueryAs<IFontObject>(v.ToObject(), IID_IFontObject);
}

}  // namespace kelvo::forms

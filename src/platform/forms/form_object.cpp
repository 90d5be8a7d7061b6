// The form's members and its Controls collection, by name.

#include "platform/forms/form_object.h"

#include <cmath>

#include "platform/com/dispatch_map.h"
#include "platform/com/error.h"
#include "platform/forms/extender.h"
#include "platform/forms/form_impl.h"
#include "platform/forms/stdobjects.h"
#include "platform/win/window_system.h"

namespace kelvo::forms {
namespace {

using V = const com::Variant&;

constexpr std::int32_t kControlArrayElementMissing = 340;

// The Controls collection: Count and Item (0-based index or name), Item being
// the default member; it reads the form's controls at every call.
class ControlsCollection final : public com::Object<com::IDispatch> {
 public:
  explicit ControlsCollection(com::ComPtr<FormObject> form) : owner_(std::move(form)) {}

  const com::InterfaceInfo* GetTypeInfo() override { return nullptr; }
  com::Variant Invoke(std::u16string_view name, com::InvokeKind kind, std::span<com::Variant> args) override {
    if (name.empty()) name = u"Item";
    return Members().Invoke(*this, name, kind, args);
  }

 private:
  using Map = com::DispatchMap<ControlsCollection>;
  static const Map& Members() {
    static const Map map{
        Map::Get(u"Count",
                 [](ControlsCollection& c) {
                   return com::Variant::Long(static_cast<std::int32_t>(c.owner_->Live().Sites().size()));
                 }),
        Map::Get(u"Item", 1, [](ControlsCollection& c, Map::Args a) { return c.Item(a[0]); }),
    };
    return map;
  }

  com::Variant Item(const com::Variant& key) {
    FormImpl& form = owner_->Live();
    const auto& controls = form.Sites();  // not copied: a sweep reads every item
    if (key.IsString()) {
      if (Control* c = form.FindRef(key.ToString())) return com::Variant::Object(c->Extender());
      throw com::Error(com::err::kSubscript);
    }
    const std::int32_t i = key.ToLong();
    if (i < 0 || static_cast<std::size_t>(i) >= controls.size()) throw com::Error(com::err::kSubscript);
    return com::Variant::Object(controls[static_cast<std::size_t>(i)]->Extender());
  }

  com::ComPtr<FormObject> owner_;
};

com::Variant Twips(double v) { return com::Variant::Single(static_cast<float>(v)); }

using Map = com::DispatchMap<FormImpl>;

const Map& FormMembers() {
  static const Map map{
      Map::Get(u"Name", [](FormImpl& f) { return com::Variant::String(f.Name()); }),
      Map::Get(u"Caption", [](FormImpl& f) { return com::Variant::String(f.Caption()); }),
      Map::Let(u"Caption", [](FormImpl& f, V v) { f.SetCaption(v.ToString()); }),
      Map::Get(u"hwnd", [](FormImpl& f) { return com::Variant::Long(static_cast<std::int32_t>(f.Hwnd())); }),
      Map::Get(u"MDIChild", [](FormImpl& f) { return com::Variant::Boolean(f.IsMDIChild()); }),
      Map::Get(u"Controls",
               [](FormImpl& f) { return com::Variant::Object(com::MakeObject<ControlsCollection>(f.Object())); }),
      Map::Get(u"ActiveControl",
               [](FormImpl& f) {
                 Control* c = f.ActiveControl();
                 return com::Variant::Object(c != nullptr ? c->Extender() : nullptr);
               }),
      Map::Get(u"ClientWidth", [](FormImpl& f) { return Twips(f.ClientWidth()); }),
      Map::Let(u"ClientWidth", [](FormImpl& f, V v) { f.SetClientSize(v.ToDouble(), f.ClientHeight()); }),
      Map::Get(u"ClientHeight", [](FormImpl& f) { return Twips(f.ClientHeight()); }),
      Map::Let(u"ClientHeight", [](FormImpl& f, V v) { f.SetClientSize(f.ClientWidth(), v.ToDouble()); }),
      Map::Get(u"Width", [](FormImpl& f) { return Twips(f.ClientWidth()); }),
      Map::Let(u"Width", [](FormImpl& f, V v) { f.SetClientSize(v.ToDouble(), f.ClientHeight()); }),
      Map::Get(u"Height", [](FormImpl& f) { return Twips(f.ClientHeight()); }),
      Map::Let(u"Height", [](FormImpl& f, V v) { f.SetClientSize(f.ClientWidth(), v.ToDouble()); }),
      Map::Get(u"ScaleWidth", [](FormImpl& f) { return Twips(f.ClientWidth()); }),
      Map::Get(u"ScaleHeight", [](FormImpl& f) { return Twips(f.ClientHeight()); }),
      Map::Get(u"BackColor", [](FormImpl& f) { return com::Variant::Long(static_cast<std::int32_t>(f.BackColor())); }),
      Map::Let(u"BackColor", [](FormImpl& f, V v) { f.SetBackColor(static_cast<gfx::OleColor>(v.ToLong())); }),
      Map::Get(u"Font", [](FormImpl& f) { return com::Variant::Object(CreateFontObject(f.AmbientFontDesc())); }),
      Map::Set(u"Font",
               [](FormImpl& f, V v) {
                 const auto font = AsFont(v);
                 if (!font) throw com::Error(com::err::kTypeMismatch);
                 f.SetFontDesc(font->Desc());
               }),
      Map::Get(u"Visible",
               [](FormImpl& f) { return com::Variant::Boolean(win::WindowSystem::Get().IsVisible(f.Hwnd())); }),
      Map::Let(u"Visible",
               [](FormImpl& f, V v) {
                 if (v.ToBoolean()) {
                   f.Show();
                 } else {
                   f.Hide();
                 }
               }),
      Map::Method(u"Show", 0, 2,
                  [](FormImpl& f, Map::Args) {
                    f.Show();
                    f.Activate();
                    return com::Variant();
                  }),
      Map::Method(u"Hide", 0,
                  [](FormImpl& f, Map::Args) {
                    f.Hide();
                    return com::Variant();
                  }),
  };
  return map;
}

// A control of the form by name: its extender, or an element of a control
// array by its index.
com::Variant ControlByName(FormImpl& f, std::u16string_view name, std::span<com::Variant> args) {
  if (args.empty()) {
    if (Control* c = f.Find(name, std::nullopt)) return com::Variant::Object(c->Extender());
  } else if (args.size() == 1) {
    if (Control* c = f.Find(name, args[0].ToInteger())) return com::Variant::Object(c->Extender());
    for (Control* c : f.Controls()) {
      if (com::NamesEqual(c->Name(), name)) throw com::Error(kControlArrayElementMissing);
    }
  }
  throw com::Error(com::err::kNoSuchMember);
}

}  // namespace

const com::InterfaceInfo& FormInterface() {
  using com::MemberKind;
  using com::TypeKind;
  static const com::InterfaceInfo info = [] {
    com::InterfaceInfo i;
    i.name = u"Form";
    auto get = [&i](std::u16string name, TypeKind type) {
      i.members.push_back({std::move(name), MemberKind::PropGet, {type, {}}, {}, {}, 0, 0});
    };
    auto prop = [&i, &get](std::u16string name, TypeKind type) {
      get(name, type);
      i.members.push_back({std::move(name), MemberKind::PropLet, {type, {}}, {}, {}, 0, 0});
    };
    get(u"Name", TypeKind::String);
    prop(u"Caption", TypeKind::String);
    get(u"hwnd", TypeKind::Handle);
    get(u"MDIChild", TypeKind::Boolean);
    get(u"Controls", TypeKind::Object);
    get(u"ActiveControl", TypeKind::Object);
    prop(u"ClientWidth", TypeKind::Single);
    prop(u"ClientHeight", TypeKind::Single);
    prop(u"Width", TypeKind::Single);
    prop(u"Height", TypeKind::Single);
    get(u"ScaleWidth", TypeKind::Single);
    get(u"ScaleHeight", TypeKind::Single);
    prop(u"BackColor", TypeKind::Color);
    get(u"Font", TypeKind::Font);
    prop(u"Visible", TypeKind::Boolean);
    return i;
  }();
  return info;
}

FormImpl& FormObject::Live() const {
  if (form_ == nullptr) ThrowUnloaded();
  return *form_;
}

com::Variant FormObject::Invoke(std::u16string_view name, com::InvokeKind kind, std::span<com::Variant> args) {
  FormImpl& form = Live();
  try {
    return FormMembers().Invoke(form, name, kind, args);
  } catch (const com::Error& e) {
    if (e.number() != com::err::kNoSuchMember || kind != com::InvokeKind::Get) throw;
  }
  return ControlByName(form, name, args);
}

}  // namespace kelvo::forms

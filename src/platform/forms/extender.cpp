// The extender: the form's properties of a control, then the control's own members.

#include "platform/forms/extender.h"

#include <array>
#include <cmath>

#include "platform/com/dispatch_map.h"
#include "platform/com/error.h"
#include "platform/forms/form_impl.h"

namespace kelvo::forms {

// {D683332C-A839-414C-B589-25C509D62922}
const com::IID IID_IExtender{0xD683332C, 0xA839, 0x414C, {0xB5, 0x89, 0x25, 0xC5, 0x09, 0xD6, 0x29, 0x22}};

namespace {

constexpr std::int32_t kObjectUnloaded = 364;
constexpr std::int32_t kNotAnArray = 343;

constexpr std::array<std::u16string_view, 13> kExtenderKeys{
    u"Left", u"Top", u"Width", u"Height", u"TabIndex", u"TabStop", u"Visible",
    u"ToolTipText", u"Align", u"Default", u"Cancel", u"Tag", u"Index"};

// Twips as the container reports them.
com::Variant Twips(double v) { return com::Variant::Single(static_cast<float>(v)); }

double FiniteTwips(const com::Variant& v) {
  const double d = v.ToDouble();
  if (!std::isfinite(d) || std::abs(d) > 1e7) throw com::Error(com::err::kInvalidPropertyValue);
  return d;
}

Align ToAlign(const com::Variant& v) {
  const std::int16_t a = v.ToInteger();
  if (a < 0 || a > 4) throw com::Error(com::err::kInvalidPropertyValue);
  return static_cast<Align>(a);
}

using Map = com::DispatchMap<ControlSite>;
using V = const com::Variant&;

const Map& ExtenderMembers() {
  static const Map map{
      Map::Get(u"Name", [](ControlSite& s) { return com::Variant::String(s.Name()); }),
      Map::Get(u"Left", [](ControlSite& s) { return Twips(s.Rect().left); }),
      Map::Let(u"Left",
               [](ControlSite& s, V v) {
                 TwipsRect r = s.Rect();
                 r.left = FiniteTwips(v);
                 s.Move(r);
               }),
      Map::Get(u"Top", [](ControlSite& s) { return Twips(s.Rect().top); }),
      Map::Let(u"Top",
               [](ControlSite& s, V v) {
                 TwipsRect r = s.Rect();
                 r.top = FiniteTwips(v);
                 s.Move(r);
               }),
      Map::Get(u"Width", [](ControlSite& s) { return Twips(s.Rect().width); }),
      Map::Let(u"Width",
               [](ControlSite& s, V v) {
                 TwipsRect r = s.Rect();
                 r.width = FiniteTwips(v);
                 if (r.width < 0) throw com::Error(com::err::kInvalidPropertyValue);
                 s.Move(r);
               }),
      Map::Get(u"Height", [](ControlSite& s) { return Twips(s.Rect().height); }),
      Map::Let(u"Height",
               [](ControlSite& s, V v) {
                 TwipsRect r = s.Rect();
                 r.height = FiniteTwips(v);
                 if (r.height < 0) throw com::Error(com::err::kInvalidPropertyValue);
                 s.Move(r);
               }),
      Map::Get(u"Visible", [](ControlSite& s) { return com::Variant::Boolean(s.Visible()); }),
      Map::Let(u"Visible", [](ControlSite& s, V v) { s.SetVisible(v.ToBoolean()); }),
      Map::Get(u"TabIndex", [](ControlSite& s) { return com::Variant::Integer(s.TabIndex()); }),
      Map::Let(u"TabIndex",
               [](ControlSite& s, V v) {
                 const std::int16_t i = v.ToInteger();
                 if (i < 0) throw com::Error(com::err::kInvalidPropertyValue);
                 s.SetTabIndex(i);
               }),
      Map::Get(u"TabStop", [](ControlSite& s) { return com::Variant::Boolean(s.TabStop()); }),
      Map::Let(u"TabStop", [](ControlSite& s, V v) { s.SetTabStop(v.ToBoolean()); }),
      Map::Get(u"ToolTipText", [](ControlSite& s) { return com::Variant::String(s.ToolTipText()); }),
      Map::Let(u"ToolTipText", [](ControlSite& s, V v) { s.SetToolTipText(v.ToString()); }),
      Map::Get(u"Default", [](ControlSite& s) { return com::Variant::Boolean(s.Default()); }),
      Map::Let(u"Default", [](ControlSite& s, V v) { s.SetDefault(v.ToBoolean()); }),
      Map::Get(u"Cancel", [](ControlSite& s) { return com::Variant::Boolean(s.Cancel()); }),
      Map::Let(u"Cancel", [](ControlSite& s, V v) { s.SetCancel(v.ToBoolean()); }),
      Map::Get(u"Tag", [](ControlSite& s) { return com::Variant::String(s.Tag()); }),
      Map::Let(u"Tag", [](ControlSite& s, V v) { s.SetTag(v.ToString()); }),
      Map::Get(u"Index",
               [](ControlSite& s) {
                 if (!s.Index()) throw com::Error(kNotAnArray, u"Object not an array");
                 return com::Variant::Integer(static_cast<std::int16_t>(*s.Index()));
               }),
      Map::Get(u"Parent", [](ControlSite& s) { return com::Variant::Object(s.OwnerForm().Dispatch()); }),
      Map::Get(u"Container",
               [](ControlSite& s) {
                 ControlSite* c = s.ContainerSite();
                 return com::Variant::Object(c != nullptr ? c->Extender() : s.OwnerForm().Dispatch());
               }),
      Map::Get(u"Object", [](ControlSite& s) { return com::Variant::Object(s.Object()); }),
  };
  return map;
}

// Align exists only on the extender of an alignable control.
const Map& AlignMembers() {
  static const Map map{
      Map::Get(u"Align",
               [](ControlSite& s) { return com::Variant::Integer(static_cast<std::int16_t>(s.Alignment())); }),
      Map::Let(u"Align", [](ControlSite& s, V v) { s.SetAlignment(ToAlign(v)); }),
  };
  return map;
}

bool IsExtenderMember(std::u16string_view name) {
  for (const std::u16string_view n : {u"Name", u"Parent", u"Container", u"Object"}) {
    if (com::NamesEqual(n, name)) return true;
  }
  return IsExtenderKey(name) && !com::NamesEqual(name, u"Align");
}

}  // namespace

void ThrowUnloaded() { throw com::Error(kObjectUnloaded, u"Object was unloaded"); }

std::span<const std::u16string_view> ExtenderKeys() { return kExtenderKeys; }

bool IsExtenderKey(std::u16string_view key) {
  for (const std::u16string_view k : kExtenderKeys) {
    if (com::NamesEqual(k, key)) return true;
  }
  return false;
}

ControlSite& ExtenderObject::Live() const {
  if (site_ == nullptr || site_->Stopped()) ThrowUnloaded();
  return *site_;
}

const com::InterfaceInfo* ExtenderObject::GetTypeInfo() {
  if (site_ == nullptr) return nullptr;
  return site_->ClassInfo().defaultInterface;
}

com::Variant ExtenderObject::Invoke(std::u16string_view name, com::InvokeKind kind, std::span<com::Variant> args) {
  ControlSite& site = Live();
  if (IsExtenderMember(name)) return ExtenderMembers().Invoke(site, name, kind, args);
  if (com::NamesEqual(name, u"Align") && site.IsAlignable()) return AlignMembers().Invoke(site, name, kind, args);
  const com::ComPtr<com::IDispatch> object = site.Object();
  if (!object) throw com::Error(com::err::kNoSuchMember);
  return object->Invoke(name, kind, args);
}

}  // namespace kelvo::forms

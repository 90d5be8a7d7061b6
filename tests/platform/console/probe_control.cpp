#include "probe_control.h"

#include <vector>

#include "platform/com/dispatch_map.h"
#include "platform/com/object.h"
#include "platform/forms/application.h"
#include "platform/forms/interface_ids.h"
#include "platform/forms/stdobjects.h"
#include "platform/win/window_system.h"

namespace kelvo::console::testing {
namespace {

using com::TypeKind;

com::ParamInfo Param(std::u16string name, TypeKind kind) { return {std::move(name), {kind, {}}, true, false}; }

com::MemberInfo Member(std::u16string name, com::MemberKind kind, TypeKind type, std::vector<com::ParamInfo> params = {}) {
  com::MemberInfo m;
  m.name = std::move(name);
  m.kind = kind;
  m.type = {type, {}};
  m.params = std::move(params);
  return m;
}

const com::InterfaceInfo& Members() {
  using K = com::MemberKind;
  static const com::InterfaceInfo info{
      u"_Probe", com::GUID{0x0C0501E0, 1, 1, {}}, 0,
      {Member(u"Caption", K::PropGet, TypeKind::String), Member(u"Caption", K::PropLet, TypeKind::String),
       Member(u"BackColor", K::PropGet, TypeKind::Color), Member(u"BackColor", K::PropLet, TypeKind::Color),
       Member(u"Ticks", K::PropGet, TypeKind::Long), Member(u"Picked", K::PropGet, TypeKind::Integer),
       Member(u"Answer", K::PropGet, TypeKind::Integer),
       Member(u"Echo", K::Method, TypeKind::Color, {Param(u"Text", TypeKind::String), Param(u"Count", TypeKind::Integer)}),
       Member(u"Ping", K::Method, TypeKind::Void), Member(u"ShowTip", K::Method, TypeKind::Void, {Param(u"Text", TypeKind::String)}),
       Member(u"HideTip", K::Method, TypeKind::Void), Member(u"Run", K::Method, TypeKind::Void, {Param(u"CommandLine", TypeKind::String)})}};
  return info;
}

const com::EventInterfaceInfo& Events() {
  static const com::EventInterfaceInfo info{
      u"__Probe", com::GUID{0x0C0501E0, 2, 2, {}}, 0,
      {{u"KeyDown", {Param(u"KeyCode", TypeKind::Integer), Param(u"Shift", TypeKind::Integer)}},
       {u"KeyPress", {Param(u"KeyAscii", TypeKind::Integer)}},
       {u"KeyUp", {Param(u"KeyCode", TypeKind::Integer), Param(u"Shift", TypeKind::Integer)}},
       {u"Changed", {}},
       {u"Tinted", {Param(u"Color", TypeKind::Color)}},
       {u"Validate", {Param(u"Cancel", TypeKind::Boolean)}}}};
  return info;
}

const com::CoClassInfo& Class() {
  static const com::CoClassInfo info{u"Probe", kProbeClsid, true, false, &Members(), &Events(),
                                     u"Changed", 0, {}, 0};
  return info;
}

class Probe final : public com::Object<forms::IControl, com::IDispatch> {
 public:
  Probe() = default;
  explicit Probe(com::ModuleCounter& module) : Object(module) {}

  const com::CoClassInfo& ClassInfo() const override { return Class(); }
  void SetSite(forms::IControlSite* site) override { site_ = site; }

  void Initialize() override {
    timer_ = Windows().SetTimer(100, [this] { ++ticks_; });
  }
  void Terminate() override {
    Windows().KillTimer(timer_);
    HideTip();
  }
  void ReadProperties(forms::IPropertyBag& bag) override {
    caption_ = bag.Read(u"Caption", com::Variant::String(caption_)).ToString();
    backColor_ = static_cast<std::uint32_t>(bag.Read(u"BackColor", com::Variant::Long(Signed(backColor_))).ToLong());
  }
  void WriteProperties(forms::IPropertyBag& bag) override {
    bag.Write(u"Caption", com::Variant::String(caption_), com::Variant::String(u""));
    bag.Write(u"BackColor", com::Variant::Long(Signed(backColor_)), com::Variant::Long(Signed(0x8000000Fu)));
    bag.Write(u"Font", com::Variant::Object(forms::CreateFontObject(gfx::FontDesc{})), com::Variant::Object(nullptr));
  }
  void Paint() override {
    gfx::Surface& surface = site_->Surface();
    surface.SetBackColor(backColor_);
    surface.SetForeColor(0x80000012u);
    surface.SetCurrentX(30);
    surface.SetCurrentY(15);
    if (!caption_.empty()) surface.Print(caption_);
  }
  void GotFocus() override {
    Windows().CreateCaret(site_->Hwnd(), 1, 13);
    Windows().SetCaretPos(2, 3);
    Windows().ShowCaret(site_->Hwnd());
  }
  void LostFocus() override { Windows().DestroyCaret(); }

  void KeyDown(std::int16_t& keyCode, std::int16_t& shift) override { RaiseKey(u"KeyDown", keyCode, shift); }
  void KeyUp(std::int16_t& keyCode, std::int16_t& shift) override { RaiseKey(u"KeyUp", keyCode, shift); }
  void KeyPress(std::int16_t& keyAscii) override {
    std::vector<com::Variant> args{com::Variant::Integer(keyAscii)};
    site_->RaiseEvent(u"KeyPress", args);
    keyAscii = args[0].ToInteger();
    if (keyAscii == 0) {
      site_->Beep();
      return;
    }
    caption_ += static_cast<char16_t>(keyAscii);
    site_->PropertyChanged(u"Caption");
    site_->RaiseEvent(u"Changed", {});
    Paint();
  }
  void MouseUp(std::int16_t button, std::int16_t, float, float) override {
    if (button != 2) return;
    picked_ = static_cast<std::int16_t>(site_->PopupMenu({{u"Copiar", true, false}, {u"-", true, false}, {u"Colar", false, false}}, true));
  }
  void Click() override {
    std::vector<com::Variant> args{com::Variant::Boolean(false)};
    site_->RaiseEvent(u"Validate", args);
    if (args[0].ToBoolean()) return;
    answer_ = static_cast<std::int16_t>(Windows().MessageBox(site_->Hwnd(), u"Gravar \"" + caption_ + u"\"?", u"Probe",
                                                             win::MsgBoxButtons::YesNo, win::MsgBoxIcon::Question));
  }

  const com::InterfaceInfo* GetTypeInfo() override { return &Members(); }
  com::Variant Invoke(std::u16string_view name, com::InvokeKind kind, std::span<com::Variant> args) override {
    return Map().Invoke(*this, name, kind, args);
  }

 private:
  using DMap = com::DispatchMap<Probe>;
  static win::WindowSystem& Windows() { return win::WindowSystem::Get(); }
  static std::int32_t Signed(std::uint32_t v) { return static_cast<std::int32_t>(v); }

  void RaiseKey(std::u16string_view event, std::int16_t& keyCode, std::int16_t& shift) {
    std::vector<com::Variant> args{com::Variant::Integer(keyCode), com::Variant::Integer(shift)};
    site_->RaiseEvent(event, args);
    keyCode = args[0].ToInteger();
    shift = args[1].ToInteger();
  }

  void ShowTip(const std::u16string& text) {
    HideTip();
    const win::POINT at = Windows().CursorPos();
    win::WindowCreate params;
    params.kind = win::WindowKind::Tool;
    params.rect = {at.x, at.y + 19, at.x + 40, at.y + 19 + 17};
    params.caption = text;
    tip_ = Windows().Create(params);
  }
  void HideTip() {
    if (tip_ != 0) Windows().Destroy(tip_);
    tip_ = 0;
  }

  static const DMap& Map() {
    static const DMap map{
        DMap::Get(u"Caption", [](Probe& p) { return com::Variant::String(p.caption_); }),
        DMap::Let(u"Caption", [](Probe& p, const com::Variant& v) {
          p.caption_ = v.ToString();
          p.site_->PropertyChanged(u"Caption");
          p.Paint();
        }),
        DMap::Get(u"BackColor", [](Probe& p) { return com::Variant::Long(Signed(p.backColor_)); }),
        DMap::Let(u"BackColor", [](Probe& p, const com::Variant& v) {
          p.backColor_ = static_cast<std::uint32_t>(v.ToLong());
          p.Paint();
        }),
        DMap::Get(u"Ticks", [](Probe& p) { return com::Variant::Long(p.ticks_); }),
        DMap::Get(u"Picked", [](Probe& p) { return com::Variant::Integer(p.picked_); }),
        DMap::Get(u"Answer", [](Probe& p) { return com::Variant::Integer(p.answer_); }),
        DMap::Method(u"Echo", 2, [](Probe& p, DMap::Args a) {
          a[0] = com::Variant::String(a[0].ToString() + u"!");
          a[1] = com::Variant::Integer(static_cast<std::int16_t>(a[1].ToInteger() + 1));
          return com::Variant::Long(Signed(p.backColor_));
        }),
        DMap::Method(u"Ping", 0, [](Probe& p, DMap::Args) {
          std::vector<com::Variant> args{com::Variant::Long(Signed(p.backColor_))};
          p.site_->RaiseEvent(u"Tinted", args);
          return com::Variant();
        }),
        DMap::Method(u"ShowTip", 1, [](Probe& p, DMap::Args a) {
          p.ShowTip(a[0].ToString());
          return com::Variant();
        }),
        DMap::Method(u"HideTip", 0, [](Probe& p, DMap::Args) {
          p.HideTip();
          return com::Variant();
        }),
        DMap::Method(u"Run", 1, [](Probe&, DMap::Args a) {
          Windows().RecordShell({a[0].ToString(), win::ShowMode::Minimized});
          return com::Variant();
        }),
    };
    return map;
  }

  forms::IControlSite* site_ = nullptr;
  std::u16string caption_;
  std::uint32_t backColor_ = 0x8000000Fu;
  std::int32_t ticks_ = 0;
  std::int16_t picked_ = -2;
  std::int16_t answer_ = 0;
  win::TimerId timer_ = 0;
  win::HWND tip_ = 0;
};

}  // namespace

com::ComPtr<forms::IControl> CreateProbe(com::ModuleCounter* module) {
  if (module != nullptr) return com::MakeObject<Probe>(*module);
  return com::MakeObject<Probe>();
}

void RegisterProbe() {
  forms::RegisterControlClass(std::u16string(kProbeProgId), [] { return CreateProbe(); });
}

}  // namespace kelvo::console::testing

#include "probe_page.h"

#include <vector>

#include "platform/com/error.h"
#include "platform/com/object.h"
#include "platform/forms/application.h"
#include "platform/forms/designer.h"
#include "platform/forms/interface_ids.h"

namespace kelvo::console::testing {
namespace {

const com::CoClassInfo& PageClass() {
  static const com::CoClassInfo info{u"ProbePage", com::GUID{0x0C0501E0, 4, 4, {}}, false, true, nullptr, nullptr,
                                     {}, 0, {}, 0};
  return info;
}

com::Variant Property(const com::ComPtr<com::IDispatch>& object, std::u16string_view name) {
  return object->Invoke(name, com::InvokeKind::Get, {});
}

void Assign(const com::ComPtr<com::IDispatch>& object, std::u16string_view name, com::Variant value) {
  std::vector<com::Variant> args{std::move(value)};
  object->Invoke(name, com::InvokeKind::Let, args);
}

class ProbePage final : public com::Object<forms::IPropertyPage>, private forms::EventListener {
 public:
  const com::CoClassInfo& ClassInfo() const override { return PageClass(); }
  std::u16string Caption() const override { return u"Probe"; }

  void Create(win::HWND parent, forms::IPropertyPageSite* site) override {
    site_ = site;
    area_ = forms::Application::Current()->FormOf(parent);
    area_->AddControl(u"TextBox", u"txtCaption", {120, 120, 2400, 300});
    area_->AddControl(u"CheckBox", u"chkBold", {120, 600, 2400, 300});
    area_->AddControl(u"OptionButton", u"optSize", {120, 1080, 1200, 300}, nullptr, 0);
    area_->AddControl(u"OptionButton", u"optSize", {1440, 1080, 1200, 300}, nullptr, 1);
    forms::Control& style = area_->AddControl(u"ComboBox", u"cboStyle", {120, 1560, 2400, 300});
    for (const char16_t* item : {u"Flat", u"3D"}) {
      std::vector<com::Variant> args{com::Variant::String(item)};
      style.Extender()->Invoke(u"AddItem", com::InvokeKind::Method, args);
    }
    area_->SetHandler(this);
  }

  void SelectionChanged(std::span<const com::ComPtr<com::IDispatch>> selected) override {
    selected_.assign(selected.begin(), selected.end());
    if (selected_.empty()) return;
    Assign(Field(u"txtCaption"), u"Text", Property(selected_.front(), u"Caption"));
    site_->SetChanged(false);
  }

  void ApplyChanges() override {
    if (!selected_.empty()) Assign(selected_.front(), u"Caption", Property(Field(u"txtCaption"), u"Text"));
  }

  com::ComPtr<com::IDispatch> Field(std::u16string_view name) override {
    forms::Control* field = area_->FindRef(name);
    return field == nullptr ? nullptr : field->Extender();
  }

 private:
  void OnEvent(forms::Control&, std::u16string_view event, std::span<com::Variant>) override {
    if (event == u"Click" || event == u"Change") site_->SetChanged(true);
  }

  forms::IPropertyPageSite* site_ = nullptr;
  forms::Form* area_ = nullptr;
  std::vector<com::ComPtr<com::IDispatch>> selected_;
};

}  // namespace

void RegisterProbePage() {
  forms::RegisterPropertyPageClass(std::u16string(kProbePageProgId),
                                   [] { return com::ComPtr<forms::IPropertyPage>(com::MakeObject<ProbePage>()); });
}

}  // namespace kelvo::console::testing

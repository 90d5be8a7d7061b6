// The frame the standard pages share.

#include "platform/forms/stdpages/standard_page.h"

#include "platform/com/error.h"
#include "platform/com/typeinfo.h"

namespace kelvo::forms::stdpages {
namespace {

constexpr double kLabelTop = 120;
constexpr double kListTop = 90;

}  // namespace

StandardPage::StandardPage(const com::CoClassInfo& info, std::u16string caption, com::TypeKind memberType)
    : info_(info), caption_(std::move(caption)), memberType_(memberType) {}

Control& StandardPage::AddField(std::u16string_view progid, std::u16string_view name, const TwipsRect& rect) {
  return form_->AddControl(progid, name, rect);
}

com::Variant StandardPage::Get(Control& field, std::u16string_view member) {
  std::vector<com::Variant> none;
  return field.Extender()->Invoke(member, com::InvokeKind::Get, none);
}

void StandardPage::Let(Control& field, std::u16string_view member, com::Variant value) {
  std::vector<com::Variant> args{std::move(value)};
  field.Extender()->Invoke(member, com::InvokeKind::Let, args);
}

void StandardPage::Create(win::HWND parent, IPropertyPageSite* site) {
  Application* app = Application::Current();
  form_ = app != nullptr ? app->FormOf(parent) : nullptr;
  if (form_ == nullptr) throw com::Error(com::err::kInvalidCall, u"A property page needs a form to build on");
  site_ = site;
  form_->SetHandler(this);
  Control& label = AddField(u"Label", u"lblProperty", {120, kLabelTop, 1200, 255});
  Let(label, u"Caption", com::Variant::String(u"Property:"));
  members_ = &AddField(u"ComboBox", u"cmbProperty", {1440, kListTop, 2400, 315});
  Let(*members_, u"Style", com::Variant::Integer(2));
  BuildFields();
}

// Members of the page's type that the first selected control can read.
void StandardPage::SelectionChanged(std::span<const com::ComPtr<com::IDispatch>> selected) {
  selected_.assign(selected.begin(), selected.end());
  loading_ = true;
  std::vector<com::Variant> none;
  members_->Extender()->Invoke(u"Clear", com::InvokeKind::Method, none);
  const com::InterfaceInfo* info = selected_.empty() ? nullptr : selected_[0]->GetTypeInfo();
  if (info != nullptr) {
    for (const com::MemberInfo& m : info->members) {
      if (m.kind != com::MemberKind::PropGet || m.type.kind != memberType_) continue;
      std::vector<com::Variant> item{com::Variant::String(m.name)};
      members_->Extender()->Invoke(u"AddItem", com::InvokeKind::Method, item);
    }
  }
  if (Get(*members_, u"ListCount").ToInteger() > 0) Let(*members_, u"ListIndex", com::Variant::Integer(0));
  LoadCurrentMember();
  loading_ = false;
  site_->SetChanged(false);
}

std::u16string StandardPage::CurrentMember() { return Get(*members_, u"Text").ToString(); }

void StandardPage::LoadCurrentMember() {
  const std::u16string member = CurrentMember();
  if (member.empty() || selected_.empty()) return;
  std::vector<com::Variant> none;
  LoadFields(selected_[0]->Invoke(member, com::InvokeKind::Get, none));
}

void StandardPage::ApplyChanges() {
  const std::u16string member = CurrentMember();
  if (member.empty()) return;
  const com::Variant value = FieldValue();
  for (const auto& control : selected_) {
    const com::InterfaceInfo* info = control->GetTypeInfo();
    if (info == nullptr || info->Find(member, com::MemberKind::PropGet) == nullptr) continue;
    std::vector<com::Variant> args{value};
    control->Invoke(member, AssignKind(), args);
  }
}

com::ComPtr<com::IDispatch> StandardPage::Field(std::u16string_view name) {
  Control* c = form_ != nullptr ? form_->FindRef(name) : nullptr;
  return c != nullptr ? c->Extender() : nullptr;
}

void StandardPage::OnEvent(Control& control, std::u16string_view event, std::span<com::Variant>) {
  if (loading_) return;
  if (&control == members_) {
    if (event != u"Click") return;
    loading_ = true;
    LoadCurrentMember();
    loading_ = false;
    return;
  }
  if (event == u"Click" || event == u"Change") site_->SetChanged(true);
}

}  // namespace kelvo::forms::stdpages

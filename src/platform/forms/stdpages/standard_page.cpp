// The frame the standard pages share.

#include "platform/forms/stdpages/standard_page.h"

#include "platform/com/typeinfo.h"

namespace kelvo::forms::stdpages {
namespace {

constexpr std::u16string_view kMemberList = u"cmbProperty";

}  // namespace

StandardPage::StandardPage(const com::CoClassInfo& info, std::u16string caption, com::TypeKind memberType)
    : PageBase(info, std::move(caption)), memberType_(memberType) {}

void StandardPage::Build() {
  AddLabel(u"lblProperty", {120, 120, 1200, 255}, u"Property:");
  AddDropDownList(kMemberList, {1440, 90, 2400, 315}, {});
  BuildFields();
}

// Members of the page's type that the first selected control can read.
void StandardPage::Load() {
  loading_ = true;
  const com::ComPtr<com::IDispatch> members = RequireField(kMemberList);
  Call(members, u"Clear", {});
  const com::InterfaceInfo* info = Selected().empty() ? nullptr : Selected()[0]->GetTypeInfo();
  if (info != nullptr) {
    for (const com::MemberInfo& m : info->members) {
      if (m.kind != com::MemberKind::PropGet || m.type.kind != memberType_) continue;
      Call(members, u"AddItem", {com::Variant::String(m.name)});
    }
  }
  if (Property(members, u"ListCount").ToInteger() > 0) SetListIndex(kMemberList, 0);
  LoadCurrentMember();
  loading_ = false;
  SetChanged(false);
}

std::u16string StandardPage::CurrentMember() { return Text(kMemberList); }

void StandardPage::LoadCurrentMember() {
  const std::u16string member = CurrentMember();
  if (member.empty() || Selected().empty()) return;
  LoadFields(Property(Selected()[0], member));
}

void StandardPage::ApplyChanges() {
  const std::u16string member = CurrentMember();
  if (member.empty()) return;
  const com::Variant value = FieldValue();
  for (const auto& control : Selected()) {
    const com::InterfaceInfo* info = control->GetTypeInfo();
    if (info == nullptr || info->Find(member, com::MemberKind::PropGet) == nullptr) continue;
    if (AssignsObject()) {
      AssignObject(control, member, value);
    } else {
      Assign(control, member, value);
    }
  }
}

void StandardPage::FieldClick(std::u16string_view name, std::optional<int> index) {
  if (loading_) return;
  if (name == kMemberList) {
    loading_ = true;
    LoadCurrentMember();
    loading_ = false;
    return;
  }
  PageBase::FieldClick(name, index);
}

void StandardPage::FieldChange(std::u16string_view name, std::optional<int> index) {
  if (loading_ || name == kMemberList) return;
  PageBase::FieldChange(name, index);
}

}  // namespace kelvo::forms::stdpages

// The common part of a property page, over the page site.

#include "platform/forms/page_base.h"

#include "platform/com/error.h"

namespace kelvo::forms {
namespace {

PageField Field(PageFieldKind kind, std::u16string_view name, const PageRect& at, std::u16string_view caption) {
  PageField f;
  f.kind = kind;
  f.name = name;
  f.rect = at;
  f.caption = caption;
  return f;
}

}  // namespace

PageBase::PageBase(const com::CoClassInfo& info, std::u16string caption) : info_(info), caption_(std::move(caption)) {}

PageBase::PageBase(com::ModuleCounter& module, const com::CoClassInfo& info, std::u16string caption)
    : Object(module), info_(info), caption_(std::move(caption)) {}

com::Variant PageBase::Invoke(std::u16string_view, com::InvokeKind, std::span<com::Variant>) {
  throw com::Error(com::err::kNoSuchMember);
}

void PageBase::Create(win::HWND, IPropertyPageSite* site) {
  site_ = site;
  site_->SetFieldEvents(this);
  Build();
}

void PageBase::SelectionChanged(std::span<const com::ComPtr<com::IDispatch>> selected) {
  selected_.assign(selected.begin(), selected.end());
  Load();
}

com::ComPtr<com::IDispatch> PageBase::Field(std::u16string_view ref) { return site_->FindField(ref); }

void PageBase::FieldClick(std::u16string_view, std::optional<int>) { SetChanged(true); }

void PageBase::FieldChange(std::u16string_view, std::optional<int>) { SetChanged(true); }

com::ComPtr<com::IDispatch> PageBase::AddField(const PageField& field) { return site_->AddField(field); }

com::ComPtr<com::IDispatch> PageBase::AddLabel(std::u16string_view name, const PageRect& at,
                                               std::u16string_view caption) {
  return AddField(forms::Field(PageFieldKind::Label, name, at, caption));
}

com::ComPtr<com::IDispatch> PageBase::AddCheckBox(std::u16string_view name, const PageRect& at,
                                                  std::u16string_view caption) {
  return AddField(forms::Field(PageFieldKind::CheckBox, name, at, caption));
}

com::ComPtr<com::IDispatch> PageBase::AddTextBox(std::u16string_view name, const PageRect& at, std::u16string_view text,
                                                 std::int32_t maxLength) {
  PageField f = forms::Field(PageFieldKind::TextBox, name, at, text);
  f.maxLength = maxLength;
  return AddField(f);
}

com::ComPtr<com::IDispatch> PageBase::AddDropDownList(std::u16string_view name, const PageRect& at,
                                                      std::vector<std::u16string> items) {
  PageField f = forms::Field(PageFieldKind::DropDownList, name, at, {});
  f.items = std::move(items);
  return AddField(f);
}

com::ComPtr<com::IDispatch> PageBase::AddFrame(std::u16string_view name, const PageRect& at,
                                               std::u16string_view caption) {
  return AddField(forms::Field(PageFieldKind::Frame, name, at, caption));
}

com::ComPtr<com::IDispatch> PageBase::AddOptionButton(std::u16string_view name, int index, const PageRect& at,
                                                      std::u16string_view caption, std::u16string_view frame) {
  PageField f = forms::Field(PageFieldKind::OptionButton, name, at, caption);
  f.index = index;
  f.frame = frame;
  return AddField(f);
}

com::ComPtr<com::IDispatch> PageBase::RequireField(std::u16string_view ref) {
  com::ComPtr<com::IDispatch> field = site_->FindField(ref);
  if (!field) throw com::Error(com::err::kNoSuchMember, u"The page has no field " + std::u16string(ref));
  return field;
}

bool PageBase::Check(std::u16string_view ref) { return Property(RequireField(ref), u"Value").ToInteger() == 1; }

void PageBase::SetCheck(std::u16string_view ref, bool checked) {
  Assign(RequireField(ref), u"Value", com::Variant::Integer(checked ? 1 : 0));
}

std::u16string PageBase::Text(std::u16string_view ref) { return Property(RequireField(ref), u"Text").ToString(); }

void PageBase::SetText(std::u16string_view ref, std::u16string text) {
  Assign(RequireField(ref), u"Text", com::Variant::String(std::move(text)));
}

std::int16_t PageBase::ListIndex(std::u16string_view ref) {
  return Property(RequireField(ref), u"ListIndex").ToInteger();
}

void PageBase::SetListIndex(std::u16string_view ref, std::int16_t index) {
  Assign(RequireField(ref), u"ListIndex", com::Variant::Integer(index));
}

bool PageBase::OptionValue(std::u16string_view ref) { return Property(RequireField(ref), u"Value").ToBoolean(); }

void PageBase::SetOptionValue(std::u16string_view ref, bool selected) {
  Assign(RequireField(ref), u"Value", com::Variant::Boolean(selected));
}

const com::ComPtr<com::IDispatch>& PageBase::First() const {
  if (selected_.empty()) throw com::Error(com::err::kInvalidCall, u"No control is selected");
  return selected_.front();
}

com::Variant PageBase::Property(const com::ComPtr<com::IDispatch>& object, std::u16string_view member) {
  std::vector<com::Variant> none;
  return object->Invoke(member, com::InvokeKind::Get, none);
}

void PageBase::Assign(const com::ComPtr<com::IDispatch>& object, std::u16string_view member, com::Variant value) {
  std::vector<com::Variant> args{std::move(value)};
  object->Invoke(member, com::InvokeKind::Let, args);
}

void PageBase::AssignObject(const com::ComPtr<com::IDispatch>& object, std::u16string_view member, com::Variant value) {
  std::vector<com::Variant> args{std::move(value)};
  object->Invoke(member, com::InvokeKind::Set, args);
}

void PageBase::Call(const com::ComPtr<com::IDispatch>& object, std::u16string_view method,
                    std::vector<com::Variant> args) {
  object->Invoke(method, com::InvokeKind::Method, args);
}

void PageBase::SetChanged(bool changed) { site_->SetChanged(changed); }

bool PageBase::Changed() const { return site_->Changed(); }

}  // namespace kelvo::forms

// The designer's page site.

#include "platform/forms/page_site.h"

#include <vector>

#include "platform/com/error.h"

namespace kelvo::forms {
namespace {

std::u16string_view ProgIdOf(PageFieldKind kind) {
  switch (kind) {
    case PageFieldKind::Label:
      return u"Label";
    case PageFieldKind::CheckBox:
      return u"CheckBox";
    case PageFieldKind::TextBox:
      return u"TextBox";
    case PageFieldKind::DropDownList:
      return u"ComboBox";
    case PageFieldKind::Frame:
      return u"Frame";
    case PageFieldKind::OptionButton:
      return u"OptionButton";
  }
  throw com::Error(com::err::kInvalidCall, u"Unknown kind of page field");
}

void Let(const com::ComPtr<com::IDispatch>& field, std::u16string_view member, com::Variant value) {
  std::vector<com::Variant> args{std::move(value)};
  field->Invoke(member, com::InvokeKind::Let, args);
}

// Caption or text, items, limit and state, as the field asks.
void Fill(const com::ComPtr<com::IDispatch>& field, const PageField& layout) {
  switch (layout.kind) {
    case PageFieldKind::TextBox:
      if (layout.maxLength > 0) Let(field, u"MaxLength", com::Variant::Long(layout.maxLength));
      if (!layout.caption.empty()) Let(field, u"Text", com::Variant::String(layout.caption));
      break;
    case PageFieldKind::DropDownList:
      Let(field, u"Style", com::Variant::Integer(2));
      for (const std::u16string& item : layout.items) {
        std::vector<com::Variant> args{com::Variant::String(item)};
        field->Invoke(u"AddItem", com::InvokeKind::Method, args);
      }
      break;
    default:
      Let(field, u"Caption", com::Variant::String(layout.caption));
  }
  if (!layout.enabled) Let(field, u"Enabled", com::Variant::Boolean(false));
}

}  // namespace

Control* PageSite::FrameOf(const PageField& field) const {
  if (field.frame.empty()) return nullptr;
  Control* frame = area_.FindRef(field.frame);
  if (frame == nullptr) throw com::Error(com::err::kInvalidCall, u"The page has no frame " + field.frame);
  return frame;
}

com::ComPtr<com::IDispatch> PageSite::AddField(const PageField& field) {
  const PageRect& r = field.rect;
  building_ = true;
  try {
    Control& control = area_.AddControl(ProgIdOf(field.kind), field.name, {r.left, r.top, r.width, r.height},
                                        FrameOf(field), field.index);
    Fill(control.Extender(), field);
    building_ = false;
    return control.Extender();
  } catch (...) {
    building_ = false;
    throw;
  }
}

com::ComPtr<com::IDispatch> PageSite::FindField(std::u16string_view ref) {
  Control* control = area_.FindRef(ref);
  return control != nullptr ? control->Extender() : nullptr;
}

void PageSite::SetFieldEvents(IPageFieldEvents* events) {
  events_ = events;
  area_.SetHandler(this);
}

void PageSite::OnEvent(Control& control, std::u16string_view event, std::span<com::Variant>) {
  if (building_ || events_ == nullptr) return;
  if (event == u"Click") events_->FieldClick(control.Name(), control.Index());
  if (event == u"Change") events_->FieldChange(control.Name(), control.Index());
}

}  // namespace kelvo::forms

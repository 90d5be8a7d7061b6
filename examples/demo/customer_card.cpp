#include "customer_card.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include "backup_window.h"
#include "members.h"
#include "platform/base/text.h"

namespace kelvo::demo {
namespace {

std::string Quoted(const std::u16string& value) { return "\"" + text::ToUtf8(value) + "\""; }

// Eight digits: day, month and year of a "99/99/9999" field, none left blank.
bool IsWholeDate(std::u16string_view digits) {
  if (digits.size() != 8) return false;
  for (char16_t ch : digits) {
    if (ch < u'0' || ch > u'9') return false;
  }
  return true;
}

}  // namespace

CustomerCard::CustomerCard(forms::Form& form, std::function<void(std::string_view)> saved)
    : form_(form), saved_(std::move(saved)) {}

void CustomerCard::OnEvent(forms::Control& control, std::u16string_view event, std::span<com::Variant> /*args*/) {
  if (event != u"Click") return;
  const std::u16string& name = control.Name();
  if (name == u"cmdNew") NewClick();
  else if (name == u"cmdSave") SaveClick();
  else if (name == u"cmdClose") CloseClick();
  else if (name == u"cmdBackup") OpenBackupWindow(form_.App());
}

void CustomerCard::NewClick() {
  for (std::u16string_view name : kEditableFields) SetText(name, u"");
  ShowStatus(u"New customer");
  Field(kEditableFields[0]).Focus();
}

// A record needs a code, a name and a whole birth date; the phone is optional.
void CustomerCard::SaveClick() {
  const std::u16string code = Text(u"txtCode");
  const std::u16string name = Text(u"txtName");
  const std::u16string birth = Text(u"txtBirth");
  const std::u16string phone = Text(u"txtPhone");
  if (code.empty() || name.empty()) {
    ShowStatus(u"Give the customer a code and a name");
    Field(code.empty() ? u"txtCode" : u"txtName").Focus();
    return;
  }
  if (!IsWholeDate(GetMember(Field(u"txtBirth"), u"TextWithoutMask").ToString())) {
    ShowStatus(u"The birth date is incomplete");
    Field(u"txtBirth").Focus();
    return;
  }
  ShowStatus(u"Saved customer " + code + u" " + name);
  if (saved_) {
    saved_("saved code=" + Quoted(code) + " name=" + Quoted(name) + " birth=" + Quoted(birth) +
           " phone=" + Quoted(phone));
  }
}

void CustomerCard::CloseClick() { form_.App().End(); }

forms::Control& CardControl(const forms::Form& card, std::u16string_view name) {
  forms::Control* control = card.Find(name);
  if (control == nullptr) throw std::runtime_error("the customer card has no control " + text::ToUtf8(name));
  return *control;
}

forms::Control& CustomerCard::Field(std::u16string_view name) const { return CardControl(form_, name); }

std::u16string CustomerCard::Text(std::u16string_view name) const {
  return GetMember(Field(name), u"Text").ToString();
}

void CustomerCard::SetText(std::u16string_view name, std::u16string value) const {
  LetMember(Field(name), u"Text", com::Variant::String(std::move(value)));
}

void CustomerCard::ShowStatus(std::u16string message) const {
  LetMember(Field(u"lblStatus"), u"Caption", com::Variant::String(std::move(message)));
}

}  // namespace kelvo::demo

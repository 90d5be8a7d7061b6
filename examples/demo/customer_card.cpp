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

int Number(std::u16string_view digits) {
  int n = 0;
  for (char16_t ch : digits) n = n * 10 + (ch - u'0');
  return n;
}

// The whole date's day, month and year name a day of the calendar.
bool IsCalendarDate(std::u16string_view digits) {
  const int day = Number(digits.substr(0, 2));
  const int month = Number(digits.substr(2, 2));
  const int year = Number(digits.substr(4, 4));
  if (year < 1 || month < 1 || month > 12 || day < 1) return false;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool IsBlank(std::u16string_view text) { return text.find_first_not_of(u' ') == std::u16string_view::npos; }

}  // namespace

CustomerCard::CustomerCard(forms::Form& form, std::function<void(std::string_view)> saved)
    : form_(form), saved_(std::move(saved)) {}

void CustomerCard::OnEvent(forms::Control& control, std::u16string_view event, std::span<com::Variant> /*args*/) {
  if (event != u"Click") return;
  const std::u16string& name = control.Name();
  if (name == u"cmdNew") NewClick();
  else if (name == u"cmdSave" || name == u"tbnSave") SaveClick();
  else if (name == u"cmdClose" || name == u"tbnClose") CloseClick();
  else if (name == u"cmdBackup") OpenBackupWindow(form_.App());
}

void CustomerCard::NewClick() {
  for (std::u16string_view name : kEditableFields) SetText(name, u"");
  for (const NumberField& field : kNumberFields) SetText(field.name, u"");
  ShowStatus(u"New customer");
  Field(kEditableFields[0]).Focus();
}

// A record needs a code, a name and a whole birth date; the phone is optional.
void CustomerCard::SaveClick() {
  const std::u16string code = Text(u"txtCode");
  const std::u16string name = Text(u"txtName");
  const std::u16string birth = Text(u"txtBirth");
  const std::u16string phone = Text(u"txtPhone");
  const std::u16string birthDigits = GetMember(Field(u"txtBirth"), u"TextWithoutMask").ToString();
  if (code.empty() || name.empty()) {
    ShowStatus(u"Give the customer a code and a name");
    Field(code.empty() ? u"txtCode" : u"txtName").Focus();
    return;
  }
  if (!IsWholeDate(birthDigits)) {
    ShowStatus(u"The birth date is incomplete");
    Field(u"txtBirth").Focus();
    return;
  }
  if (!IsCalendarDate(birthDigits)) {
    ShowStatus(u"The birth date is not a valid date");
    Field(u"txtBirth").Focus();
    return;
  }
  const std::u16string amounts = Amounts();
  ShowStatus(u"Saved customer " + code + u" " + name + u" (" + amounts + u")");
  if (saved_) {
    saved_("saved code=" + Quoted(code) + " name=" + Quoted(name) + " birth=" + Quoted(birth) +
           " phone=" + Quoted(phone));
    saved_("saved amounts " + text::ToUtf8(amounts));
  }
}

void CustomerCard::CloseClick() { form_.App().End(); }

forms::Control& CardControl(const forms::Form& card, std::u16string_view name) {
  forms::Control* control = card.Find(name);
  if (control == nullptr) throw std::runtime_error("the customer card has no control " + text::ToUtf8(name));
  return *control;
}

forms::Control& CustomerCard::Field(std::u16string_view name) const { return CardControl(form_, name); }

// A masked field nobody typed into shows only its literals ("(  )     -"):
// its text is empty.
std::u16string CustomerCard::Text(std::u16string_view name) const {
  forms::Control& field = Field(name);
  if (IsBlank(GetMember(field, u"TextWithoutMask").ToString())) return {};
  return GetMember(field, u"Text").ToString();
}

void CustomerCard::SetText(std::u16string_view name, std::u16string value) const {
  LetMember(Field(name), u"Text", com::Variant::String(std::move(value)));
}

std::u16string CustomerCard::Amounts() const {
  std::u16string amounts;
  for (const NumberField& field : kNumberFields) {
    if (!amounts.empty()) amounts += u' ';
    amounts += std::u16string(field.word) + u"=" + GetMember(Field(field.name), u"Text").ToString();
  }
  return amounts;
}

void CustomerCard::ShowStatus(std::u16string message) const {
  LetMember(Field(u"lblStatus"), u"Caption", com::Variant::String(std::move(message)));
}

}  // namespace kelvo::demo

#include "customer_card.h"

#include <string>
#include <utility>

#include "backup_window.h"
#include "platform/base/text.h"

namespace kelvo::demo {
namespace {

// The fields a user types into, in tab order, then the number fields, each
// with the word Save reports it under.
constexpr std::u16string_view kEditableFields[] = {u"txtCode", u"txtName", u"txtBirth", u"txtPhone"};
struct NumberField {
  std::u16string_view word;
  std::u16string_view name;
};
constexpr NumberField kNumberFields[] = {
    {u"credit", u"numCredit"}, {u"quantity", u"numQuantity"}, {u"amount", u"numAmount"}};

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

// A masked field nobody typed into shows only its literals ("(  )     -"):
// its text is empty.
std::u16string Text(const app::Form& card, std::u16string_view name) {
  const app::Control field = card(name);
  if (IsBlank(field.Get<std::u16string>(u"TextWithoutMask"))) return {};
  return field.Get<std::u16string>(u"Text");
}

void ShowStatus(const app::Form& card, const std::u16string& message) { card(u"lblStatus").Set(u"Caption", message); }

// "credit=1234,50 quantity=3 amount=19.90": each number's text as stored.
std::u16string Amounts(const app::Form& card) {
  std::u16string amounts;
  for (const NumberField& field : kNumberFields) {
    if (!amounts.empty()) amounts += u' ';
    amounts += std::u16string(field.word) + u"=" + card(field.name).Get<std::u16string>(u"Text");
  }
  return amounts;
}

void NewClick(const app::Form& card) {
  for (std::u16string_view name : kEditableFields) card(name).Set(u"Text", u"");
  for (const NumberField& field : kNumberFields) card(field.name).Set(u"Text", u"");
  ShowStatus(card, u"New customer");
  card(kEditableFields[0]).Focus();
}

// A record needs a code, a name and a whole birth date; the phone is optional.
void SaveClick(const app::Form& card, const std::function<void(std::string_view)>& saved) {
  const std::u16string code = Text(card, u"txtCode");
  const std::u16string name = Text(card, u"txtName");
  const std::u16string birth = Text(card, u"txtBirth");
  const std::u16string phone = Text(card, u"txtPhone");
  const std::u16string birthDigits = card(u"txtBirth").Get<std::u16string>(u"TextWithoutMask");
  if (code.empty() || name.empty()) {
    ShowStatus(card, u"Give the customer a code and a name");
    card(code.empty() ? u"txtCode" : u"txtName").Focus();
    return;
  }
  if (!IsWholeDate(birthDigits) || !IsCalendarDate(birthDigits)) {
    ShowStatus(card,
               IsWholeDate(birthDigits) ? u"The birth date is not a valid date" : u"The birth date is incomplete");
    card(u"txtBirth").Focus();
    return;
  }
  const std::u16string amounts = Amounts(card);
  ShowStatus(card, u"Saved customer " + code + u" " + name + u" (" + amounts + u")");
  if (saved) {
    saved("saved code=" + Quoted(code) + " name=" + Quoted(name) + " birth=" + Quoted(birth) +
          " phone=" + Quoted(phone));
    saved("saved amounts " + text::ToUtf8(amounts));
  }
}

}  // namespace

void AttachCustomerCard(app::App& app, app::Form card, std::function<void(std::string_view)> saved) {
  const auto save = [card, saved = std::move(saved)] { SaveClick(card, saved); };
  const auto close = [&app] { app.End(); };
  card(u"cmdNew").On(u"Click", [card] { NewClick(card); });
  card(u"cmdSave").On(u"Click", save);
  card(u"tbnSave").On(u"Click", save);
  card(u"cmdClose").On(u"Click", close);
  card(u"tbnClose").On(u"Click", close);
  card(u"cmdBackup").On(u"Click", [&app] { OpenBackupWindow(app); });
}

}  // namespace kelvo::demo

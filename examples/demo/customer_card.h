#pragma once
// The code behind the customer card: New clears the editable fields, Save
// checks the birth date (complete, and a day of the calendar) and reports the
// record and its amounts in the status bar, Close (or Escape) ends the
// program. A field with nothing typed in is saved empty, not as its mask's
// literals.

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "platform/forms/application.h"

namespace kelvo::demo {

// The card's control of that name; throws std::runtime_error when the form
// file lacks it.
forms::Control& CardControl(const forms::Form& card, std::u16string_view name);

class CustomerCard : public forms::EventListener {
 public:
  // Each saved record is also passed to `saved` as one line, when it is set.
  CustomerCard(forms::Form& form, std::function<void(std::string_view)> saved);

  void OnEvent(forms::Control& control, std::u16string_view event, std::span<com::Variant> args) override;

  // The fields a user types into, in tab order.
  static constexpr std::u16string_view kEditableFields[] = {u"txtCode", u"txtName", u"txtBirth", u"txtPhone"};

  // The number fields, each with the word Save reports it under.
  struct NumberField {
    std::u16string_view word;
    std::u16string_view name;
  };
  static constexpr NumberField kNumberFields[] = {
      {u"credit", u"numCredit"}, {u"quantity", u"numQuantity"}, {u"amount", u"numAmount"}};

 private:
  void NewClick();
  void SaveClick();
  void CloseClick();

  forms::Control& Field(std::u16string_view name) const;
  std::u16string Text(std::u16string_view name) const;
  void SetText(std::u16string_view name, std::u16string value) const;
  void ShowStatus(std::u16string message) const;
  // "credit=1234,50 quantity=3 amount=19.90": each number's text as stored.
  std::u16string Amounts() const;

  forms::Form& form_;
  std::function<void(std::string_view)> saved_;
};

}  // namespace kelvo::demo

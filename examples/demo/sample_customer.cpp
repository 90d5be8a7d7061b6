#include "sample_customer.h"

#include <stdexcept>
#include <string_view>

#include "platform/base/text.h"

namespace kelvo::demo {
namespace {

forms::Control& Named(forms::Form& card, std::u16string_view name) {
  forms::Control* control = card.Find(name);
  if (control == nullptr) throw std::runtime_error("the customer card has no control " + text::ToUtf8(name));
  return *control;
}

// Focus moves in, then each character arrives as the container delivers it.
void TypeInto(forms::Form& card, std::u16string_view name, std::u16string_view keys) {
  forms::Control& field = Named(card, name);
  field.Focus();
  for (char16_t ch : keys) {
    std::int16_t code = static_cast<std::int16_t>(text::ToAnsi(ch));
    field.KeyPress(code);
  }
}

}  // namespace

void TypeSampleCustomer(forms::Form& card) {
  TypeInto(card, u"txtCode", u"42");
  TypeInto(card, u"txtName", u"ada lovelace");
  TypeInto(card, u"txtBirth", u"10121815");
  TypeInto(card, u"txtPhone", u"2079460000");
  Named(card, u"cmdSave").Click();
  Named(card, u"txtBirth").Focus();
}

}  // namespace kelvo::demo

#include "sample_customer.h"

#include <string_view>

#include "customer_card.h"
#include "platform/base/text.h"

namespace kelvo::demo {
namespace {

// Focus moves in, then each character arrives as the container delivers it.
void TypeInto(forms::Form& card, std::u16string_view name, std::u16string_view keys) {
  forms::Control& field = CardControl(card, name);
  field.Focus();
  for (char16_t ch : keys) {
    std::int16_t code = static_cast<std::int16_t>(text::ToAnsi(ch));
    field.KeyPress(code);
  }
}

}  // namespace

void TypeSampleCustomer(forms::Form& card) {
  TypeInto(card, u"txtCode", u"42");
  TypeInto(card, u"txtName", u"joana prado");
  TypeInto(card, u"txtBirth", u"10121985");
  TypeInto(card, u"txtPhone", u"2079460000");
  TypeInto(card, u"numCredit", u"2500,5");
  CardControl(card, u"cmdSave").AccessKeyPress('S');
  CardControl(card, u"txtBirth").Focus();
}

}  // namespace kelvo::demo

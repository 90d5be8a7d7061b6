#include "sample_customer.h"

#include <string_view>

#include "platform/base/text.h"

namespace kelvo::demo {
namespace {

// Focus moves in, then each character arrives as the container delivers it.
void TypeInto(const app::Form& card, std::u16string_view name, std::u16string_view keys) {
  const app::Control field = card(name);
  field.Focus();
  for (char16_t ch : keys) {
    std::int16_t code = static_cast<std::int16_t>(text::ToAnsi(ch));
    field.Raw().KeyPress(code);
  }
}

}  // namespace

void TypeSampleCustomer(const app::Form& card) {
  TypeInto(card, u"txtCode", u"42");
  TypeInto(card, u"txtName", u"joana prado");
  TypeInto(card, u"txtBirth", u"10121985");
  TypeInto(card, u"txtPhone", u"2079460000");
  TypeInto(card, u"numCredit", u"2500,5");
  card(u"cmdSave").Raw().AccessKeyPress('S');
  card(u"txtBirth").Focus();
}

}  // namespace kelvo::demo

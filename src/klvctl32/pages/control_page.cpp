#include "klvctl32/pages/control_page.h"

#include <string>

#include "klvctl32/host/module.h"
#include "platform/base/text.h"

namespace kelvo::klvctl32 {

ControlPage::ControlPage(const com::CoClassInfo& info, std::u16string caption)
    : PageBase(Module(), info, std::move(caption)) {}

void ControlPage::LoadCheck(std::u16string_view box, std::u16string_view member) {
  SetCheck(box, Property(First(), member).ToBoolean());
}

void ControlPage::StoreCheck(std::u16string_view box, std::u16string_view member) {
  Assign(First(), member, com::Variant::Boolean(Check(box)));
}

void ControlPage::LoadText(std::u16string_view box, std::u16string_view member) {
  SetText(box, Property(First(), member).ToString());
}

void ControlPage::StoreText(std::u16string_view box, std::u16string_view member) {
  Assign(First(), member, com::Variant::String(Text(box)));
}

void ControlPage::LoadListIndex(std::u16string_view list, std::u16string_view member) {
  SetListIndex(list, Property(First(), member).ToInteger());
}

void ControlPage::StoreListIndex(std::u16string_view list, std::u16string_view member) {
  Assign(First(), member, com::Variant::Integer(ListIndex(list)));
}

std::u16string ControlPage::Element(std::u16string_view name, int index) {
  return std::u16string(name) + u"(" + text::FromUtf8(std::to_string(index)) + u")";
}

}  // namespace kelvo::klvctl32

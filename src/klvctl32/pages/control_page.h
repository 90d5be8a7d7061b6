#pragma once
// The library's property pages share this base: a page counted among the
// library's live objects, with the moves every page makes between a field and
// a member of the first selected control, by member name.

#include <string>
#include <string_view>

#include "platform/forms/page_base.h"

namespace kelvo::klvctl32 {

class ControlPage : public forms::PageBase {
 protected:
  ControlPage(const com::CoClassInfo& info, std::u16string caption);

  // A check box ticked when the member is true; the member set from the tick.
  void LoadCheck(std::u16string_view box, std::u16string_view member);
  void StoreCheck(std::u16string_view box, std::u16string_view member);
  // A text box holding the member as text; the member set from the text.
  void LoadText(std::u16string_view box, std::u16string_view member);
  void StoreText(std::u16string_view box, std::u16string_view member);
  // A drop-down list's index from the member; the member set from the index.
  void LoadListIndex(std::u16string_view list, std::u16string_view member);
  void StoreListIndex(std::u16string_view list, std::u16string_view member);

  // "name(index)", a control array's element.
  static std::u16string Element(std::u16string_view name, int index);
};

}  // namespace kelvo::klvctl32

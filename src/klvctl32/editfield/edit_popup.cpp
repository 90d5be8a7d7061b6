#include "klvctl32/editfield/edit_popup.h"

#include <vector>

namespace kelvo::klvctl32 {

int ShowEditMenu(forms::IControlSite& site, const std::function<const EditMenu&()>& prepare) {
  site.SetFocus();
  const EditMenu& items = prepare();
  std::vector<win::MenuItem> menu;
  menu.reserve(items.size());
  for (const EditMenuItem& item : items) menu.push_back({item.Caption, item.Enabled, false});
  return site.PopupMenu(menu, true);
}

}  // namespace kelvo::klvctl32

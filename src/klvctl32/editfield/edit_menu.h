#pragma once
// The edits' Portuguese context menu: six items (cut, copy, paste, delete, a
// separator line, select all), all enabled until the menu first opens; each
// edit computes their state when it opens the menu and its keyboard
// shortcuts test that state.

#include <array>
#include <functional>
#include <string>

namespace kelvo::klvctl32 {

struct EditMenuItem {
  std::u16string Caption;
  bool Enabled = true;
};

namespace menu {
inline constexpr int kCut = 0;
inline constexpr int kCopy = 1;
inline constexpr int kPaste = 2;
inline constexpr int kDelete = 3;
inline constexpr int kSeparator = 4;
inline constexpr int kSelectAll = 5;
inline constexpr int kItemCount = 6;
}  // namespace menu

using EditMenu = std::array<EditMenuItem, menu::kItemCount>;

inline EditMenu NewEditMenu() {
  return {{{u"&Recortar", true},
           {u"&Copiar", true},
           {u"Co&lar", true},
           {u"&Excluir", true},
           {u"-", true},
           {u"&Selecionar Tudo", true}}};
}

// What each item does when picked; the separator line and an index outside
// the menu do nothing.
struct EditMenuActions {
  std::function<void()> cut, copy, paste, erase, selectAll;
};

inline void RunEditMenuItem(int index, const EditMenuActions& actions) {
  switch (index) {
    case menu::kCut:
      actions.cut();
      break;
    case menu::kCopy:
      actions.copy();
      break;
    case menu::kPaste:
      actions.paste();
      break;
    case menu::kDelete:
      actions.erase();
      break;
    case menu::kSelectAll:
      actions.selectAll();
      break;
    default:
      break;
  }
}

// Sets a flag for as long as the scope lasts, also when an event handler
// fails on the way: a paste suppresses printing until its last character is in.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace kelvo::klvctl32

#include "platform/win/sdl/popup_menu_model.h"

#include <algorithm>

#include "platform/base/text.h"
#include "platform/gfx/draw_text.h"
#include "platform/win/sdl/dialog_drawing.h"

namespace kelvo::win::sdl {
namespace {

constexpr int kBorder = 3;        // the raised edge and one pixel of padding
constexpr int kCheckColumn = 17;  // room for the check mark left of the text
constexpr int kRightMargin = 17;
constexpr int kShortcutGap = 16;  // between the text and a shortcut after a tab
constexpr int kItemPadding = 6;   // added to the font's line height
constexpr int kSeparatorHeight = 9;

constexpr int kVkReturn = 0x0D, kVkEscape = 0x1B, kVkEnd = 0x23, kVkHome = 0x24, kVkUp = 0x26, kVkDown = 0x28;

bool IsSeparator(const MenuItem& item) { return item.caption == u"-"; }

// The caption's text and the shortcut written after a tab.
std::u16string_view TextPart(const std::u16string& caption) {
  return std::u16string_view(caption).substr(0, caption.find(u'\t'));
}
std::u16string_view ShortcutPart(const std::u16string& caption) {
  const std::size_t tab = caption.find(u'\t');
  return tab == std::u16string::npos ? std::u16string_view() : std::u16string_view(caption).substr(tab + 1);
}

int TextWidth(gfx::Surface& surface, std::u16string_view text, unsigned format) {
  gfx::RectPx r{0, 0, 0, 0};
  gfx::DrawTextOn(surface, text, r, format | gfx::textformat::kCalcRect | gfx::textformat::kSingleLine);
  return r.right;
}

// The upper-case character after a single '&', or 0.
char16_t AccessLetterOf(const std::u16string& caption) {
  const std::u16string_view text = TextPart(caption);
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] != u'&') return text::UpperAnsi(text[i + 1]);
    ++i;
  }
  return 0;
}

void DrawCheckMark(gfx::Surface& surface, int x, int y, gfx::Rgb color) {
  // A tick seven pixels wide, three pixels thick.
  const int rise[] = {2, 3, 4, 3, 2, 1, 0};
  for (int i = 0; i < 7; ++i) surface.FillRectPx({x + i, y + rise[i], x + i + 1, y + rise[i] + 3}, color);
}

}  // namespace

PopupMenuModel::PopupMenuModel(std::vector<MenuItem> items, gfx::Surface& measure) : items_(std::move(items)) {
  const int itemHeight = measure.Face().Height() + kItemPadding;
  int textWidth = 0, shortcutWidth = 0;
  int y = kBorder;
  for (const MenuItem& item : items_) {
    const int h = IsSeparator(item) ? kSeparatorHeight : itemHeight;
    rows_.push_back({y, y + h});
    y += h;
    if (IsSeparator(item)) continue;
    textWidth = std::max(textWidth, TextWidth(measure, TextPart(item.caption), 0));
    const std::u16string_view shortcut = ShortcutPart(item.caption);
    if (!shortcut.empty()) shortcutWidth = std::max(shortcutWidth, TextWidth(measure, shortcut, 0));
  }
  const int shortcutColumn = shortcutWidth > 0 ? kShortcutGap + shortcutWidth : 0;
  width_ = 2 * kBorder + kCheckColumn + textWidth + shortcutColumn + kRightMargin;
  height_ = y + kBorder;
}

int PopupMenuModel::ItemAt(int x, int y) const {
  if (x < kBorder || x >= width_ - kBorder) return -1;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (y >= rows_[i].top && y < rows_[i].bottom) return IsSeparator(items_[i]) ? -1 : static_cast<int>(i);
  }
  return -1;
}

bool PopupMenuModel::Selectable(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) return false;
  const MenuItem& item = items_[static_cast<std::size_t>(index)];
  return item.enabled && !IsSeparator(item);
}

void PopupMenuModel::Pick(int index) {
  done_ = true;
  answer_ = Selectable(index) ? index : -1;
}

void PopupMenuModel::Dismiss() {
  done_ = true;
  answer_ = -1;
}

void PopupMenuModel::PointerAt(int x, int y) {
  const int item = ItemAt(x, y);
  highlighted_ = Selectable(item) ? item : -1;
}

void PopupMenuModel::ButtonUp(int x, int y) {
  const int item = ItemAt(x, y);
  if (Selectable(item)) Pick(item);
}

void PopupMenuModel::MoveHighlight(int step) {
  const int n = static_cast<int>(items_.size());
  int at = highlighted_ >= 0 ? highlighted_ : (step > 0 ? -1 : n);
  for (int tries = 0; tries < n; ++tries) {
    at = ((at + step) % n + n) % n;
    if (Selectable(at)) {
      highlighted_ = at;
      return;
    }
  }
}

void PopupMenuModel::AccessLetter(char16_t letter) {
  std::vector<int> matches;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (Selectable(static_cast<int>(i)) && AccessLetterOf(items_[i].caption) == letter) {
      matches.push_back(static_cast<int>(i));
    }
  }
  if (matches.size() == 1) return Pick(matches.front());
  if (matches.empty()) return;
  const auto next = std::upper_bound(matches.begin(), matches.end(), highlighted_);
  highlighted_ = next == matches.end() ? matches.front() : *next;
}

void PopupMenuModel::KeyDown(int vk) {
  switch (vk) {
    case kVkEscape:
      return Dismiss();
    case kVkReturn:
      if (highlighted_ >= 0) Pick(highlighted_);
      return;
    case kVkUp:
      return MoveHighlight(-1);
    case kVkDown:
      return MoveHighlight(1);
    case kVkHome:
      highlighted_ = -1;
      return MoveHighlight(1);
    case kVkEnd:
      highlighted_ = -1;
      return MoveHighlight(-1);
    default:
      if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) AccessLetter(static_cast<char16_t>(vk));
  }
}

void PopupMenuModel::DrawItem(gfx::Surface& surface, int index) const {
  using namespace syscolor;
  const MenuItem& item = items_[static_cast<std::size_t>(index)];
  const Row& row = rows_[static_cast<std::size_t>(index)];
  if (IsSeparator(item)) {
    const int mid = (row.top + row.bottom) / 2;
    surface.FillRectPx({kBorder, mid - 1, width_ - kBorder, mid}, SysColor(kButtonShadow));
    surface.FillRectPx({kBorder, mid, width_ - kBorder, mid + 1}, SysColor(kButtonHighlight));
    return;
  }
  const bool lit = index == highlighted_;
  if (lit) surface.FillRectPx({kBorder, row.top, width_ - kBorder, row.bottom}, SysColor(kHighlight));
  const int textColor = lit ? kHighlightText : item.enabled ? kMenuText : kGrayText;
  gfx::RectPx text{kBorder + kCheckColumn, row.top, width_ - kBorder - kRightMargin, row.bottom};
  const unsigned format = gfx::textformat::kSingleLine | gfx::textformat::kVCenter;
  auto drawText = [&](int dx, int dy, int color) {
    surface.SetForeColor(SysOleColor(color));
    gfx::RectPx left{text.left + dx, text.top + dy, text.right + dx, text.bottom + dy};
    gfx::DrawTextOn(surface, TextPart(item.caption), left, format);
    gfx::RectPx right = left;
    gfx::DrawTextOn(surface, ShortcutPart(item.caption), right, format | gfx::textformat::kRight);
  };
  // A disabled item is grey, embossed with a light copy below and right of it.
  if (!item.enabled && !lit) drawText(1, 1, kButtonHighlight);
  drawText(0, 0, textColor);
  if (item.checked) {
    const int checkY = (row.top + row.bottom) / 2 - 3;
    DrawCheckMark(surface, kBorder + (kCheckColumn - 7) / 2, checkY, SysColor(textColor));
  }
}

void PopupMenuModel::Draw(gfx::Surface& surface) const {
  surface.FillRectPx({0, 0, width_, height_}, SysColor(syscolor::kMenu));
  DrawEdge(surface, {0, 0, width_, height_}, true);
  for (std::size_t i = 0; i < items_.size(); ++i) DrawItem(surface, static_cast<int>(i));
  surface.TakePrints();  // the backend's own windows keep no record of their text
}

RECT PlaceMenu(POINT at, int width, int height, const RECT& screen) {
  int left = at.x, top = at.y;
  if (left + width > screen.right) left = at.x - width;
  if (top + height > screen.bottom) top = at.y - height;
  left = std::max(left, screen.left);
  top = std::max(top, screen.top);
  return {left, top, left + width, top + height};
}

}  // namespace kelvo::win::sdl

#include "platform/win/sdl/message_box_model.h"

#include <algorithm>

#include "platform/gfx/draw_text.h"
#include "platform/win/sdl/dialog_drawing.h"
#include "platform/win/sdl/message_box_icons.h"

namespace kelvo::win::sdl {
namespace {

constexpr int kMargin = 12;
constexpr int kIconGap = 12;
constexpr int kMaxTextWidth = 420;
constexpr int kButtonWidth = 75, kButtonHeight = 23, kButtonGap = 6;
constexpr int kButtonRowGap = 16;  // between the text and the buttons

constexpr int kVkTab = 0x09, kVkReturn = 0x0D, kVkEscape = 0x1B, kVkSpace = 0x20;
constexpr int kVkLeft = 0x25, kVkUp = 0x26, kVkRight = 0x27, kVkDown = 0x28;
constexpr int kShiftMask = 1;

struct ButtonSpec {
  MsgBoxResult result;
  const char16_t* caption;
};

std::vector<ButtonSpec> ButtonsOf(MsgBoxButtons buttons) {
  switch (buttons) {
    case MsgBoxButtons::OK:
      return {{MsgBoxResult::OK, u"OK"}};
    case MsgBoxButtons::OKCancel:
      return {{MsgBoxResult::OK, u"OK"}, {MsgBoxResult::Cancel, u"Cancel"}};
    case MsgBoxButtons::YesNo:
      return {{MsgBoxResult::Yes, u"&Yes"}, {MsgBoxResult::No, u"&No"}};
  }
  return {{MsgBoxResult::OK, u"OK"}};
}

constexpr unsigned kTextFormat = gfx::textformat::kWordBreak | gfx::textformat::kNoPrefix;

bool Inside(const gfx::RectPx& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

}  // namespace

MessageBoxModel::MessageBoxModel(MessageBoxRecord box, gfx::Surface& measure) : box_(std::move(box)) {
  const bool hasIcon = box_.icon != MsgBoxIcon::None;
  gfx::RectPx text{0, 0, kMaxTextWidth, 0};
  gfx::DrawTextOn(measure, box_.text, text, kTextFormat | gfx::textformat::kCalcRect);
  const int textWidth = text.right, textHeight = text.bottom;
  const int contentHeight = std::max(hasIcon ? kMessageBoxIconSize : 0, textHeight);
  const int textLeft = kMargin + (hasIcon ? kMessageBoxIconSize + kIconGap : 0);
  // Text shorter than the icon is centred against it.
  const int textTop = kMargin + (contentHeight - textHeight) / 2;
  textRect_ = {textLeft, textTop, textLeft + textWidth, textTop + textHeight};

  const std::vector<ButtonSpec> row = ButtonsOf(box_.buttons);
  const int count = static_cast<int>(row.size());
  const int rowWidth = count * kButtonWidth + (count - 1) * kButtonGap;
  width_ = std::max(textRect_.right + kMargin, rowWidth + 2 * kMargin);
  const int rowTop = kMargin + contentHeight + kButtonRowGap;
  height_ = rowTop + kButtonHeight + kMargin;
  int x = (width_ - rowWidth) / 2;
  for (const ButtonSpec& face : row) {
    buttons_.push_back({face.result, face.caption, {x, rowTop, x + kButtonWidth, rowTop + kButtonHeight}});
    x += kButtonWidth + kButtonGap;
  }
}

int MessageBoxModel::ButtonAt(int x, int y) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (Inside(buttons_[i].rect, x, y)) return static_cast<int>(i);
  }
  return -1;
}

void MessageBoxModel::AnswerWith(MsgBoxResult result) { answer_ = result; }

std::optional<MsgBoxResult> MessageBoxModel::EscapeAnswer() const {
  switch (box_.buttons) {
    case MsgBoxButtons::OK:
      return MsgBoxResult::OK;
    case MsgBoxButtons::OKCancel:
      return MsgBoxResult::Cancel;
    case MsgBoxButtons::YesNo:
      return std::nullopt;
  }
  return std::nullopt;
}

void MessageBoxModel::MoveFocus(int step) {
  const int n = static_cast<int>(buttons_.size());
  focused_ = ((focused_ + step) % n + n) % n;
}

void MessageBoxModel::KeyDown(int vk, int shift) {
  switch (vk) {
    case kVkReturn:
    case kVkSpace:
      return AnswerWith(buttons_[static_cast<std::size_t>(focused_)].result);
    case kVkEscape:
      return CloseRequested();
    case kVkTab:
      return MoveFocus((shift & kShiftMask) != 0 ? -1 : 1);
    case kVkLeft:
    case kVkUp:
      return MoveFocus(-1);
    case kVkRight:
    case kVkDown:
      return MoveFocus(1);
    default:
      if (box_.buttons != MsgBoxButtons::YesNo) return;
      if (vk == 'Y') AnswerWith(MsgBoxResult::Yes);
      if (vk == 'N') AnswerWith(MsgBoxResult::No);
  }
}

void MessageBoxModel::CloseRequested() {
  if (const auto answer = EscapeAnswer()) AnswerWith(*answer);
}

void MessageBoxModel::ButtonDown(int x, int y) {
  pressed_ = ButtonAt(x, y);
  pressedInside_ = pressed_ >= 0;
  if (pressed_ >= 0) focused_ = pressed_;
}

void MessageBoxModel::PointerAt(int x, int y) {
  if (pressed_ >= 0) pressedInside_ = ButtonAt(x, y) == pressed_;
}

void MessageBoxModel::ButtonUp(int x, int y) {
  const int released = ButtonAt(x, y);
  if (pressed_ >= 0 && released == pressed_) AnswerWith(buttons_[static_cast<std::size_t>(released)].result);
  pressed_ = -1;
  pressedInside_ = false;
}

void MessageBoxModel::DrawButton(gfx::Surface& surface, int index) const {
  const Button& button = buttons_[static_cast<std::size_t>(index)];
  const bool focused = index == focused_;
  const bool down = index == pressed_ && pressedInside_;
  gfx::RectPx face = button.rect;
  // The focused button is the default one: a black frame around its edge.
  if (focused) {
    DrawFrame(surface, face, SysColor(syscolor::kDarkShadow));
    face = {face.left + 1, face.top + 1, face.right - 1, face.bottom - 1};
  }
  if (down) {
    DrawFrame(surface, face, SysColor(syscolor::kButtonShadow));
  } else {
    DrawEdge(surface, face, true);
  }
  const int shift = down ? 1 : 0;
  gfx::RectPx caption{face.left + shift, face.top + shift, face.right + shift, face.bottom + shift};
  surface.SetForeColor(SysOleColor(syscolor::kButtonText));
  gfx::DrawTextOn(surface, button.caption, caption,
                  gfx::textformat::kCenter | gfx::textformat::kVCenter | gfx::textformat::kSingleLine);
  if (focused) gfx::DrawFocusRectOn(surface, {face.left + 3, face.top + 3, face.right - 3, face.bottom - 3});
}

void MessageBoxModel::Draw(gfx::Surface& surface) const {
  surface.FillRectPx({0, 0, width_, height_}, SysColor(syscolor::kButtonFace));
  const int contentTop = kMargin;
  DrawMessageBoxIcon(surface, box_.icon, kMargin, contentTop);
  surface.SetForeColor(SysOleColor(syscolor::kWindowText));
  gfx::RectPx text = textRect_;
  gfx::DrawTextOn(surface, box_.text, text, kTextFormat);
  for (std::size_t i = 0; i < buttons_.size(); ++i) DrawButton(surface, static_cast<int>(i));
  surface.TakePrints();  // the backend's own windows keep no record of their text
}

}  // namespace kelvo::win::sdl

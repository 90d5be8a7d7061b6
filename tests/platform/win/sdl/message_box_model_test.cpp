// The message box the SDL backend shows: which answer each key and click
// gives, its layout and its picture.

#include <gtest/gtest.h>

#include <map>

#include "platform/win/sdl/dialog_drawing.h"
#include "platform/win/sdl/message_box_icons.h"
#include "platform/win/sdl/message_box_model.h"

namespace kelvo::win::sdl {
namespace {

constexpr int kTab = 0x09, kReturn = 0x0D, kEscape = 0x1B, kSpace = 0x20, kRight = 0x27;

gfx::Surface FixedFontSurface() {
  gfx::Surface surface(1, 1, 15, 15);
  surface.SetFont({.name = std::u16string(gfx::kBuiltinFontName)});
  return surface;
}

class MessageBoxModelTest : public ::testing::Test {
 protected:
  MessageBoxModel Box(MsgBoxButtons buttons, MsgBoxIcon icon = MsgBoxIcon::None, std::u16string text = u"Continuar?") {
    return MessageBoxModel({.title = u"Setup", .text = std::move(text), .buttons = buttons, .icon = icon}, surface);
  }
  // The middle of a button, found by scanning the box.
  static POINT ButtonMiddle(const MessageBoxModel& box, int index) {
    for (int y = 0; y < box.Height(); ++y) {
      for (int x = 0; x < box.Width(); ++x) {
        if (box.ButtonAt(x, y) == index) return {x + 10, y + 10};
      }
    }
    ADD_FAILURE() << "no button " << index;
    return {};
  }
  gfx::Surface surface = FixedFontSurface();
};

TEST_F(MessageBoxModelTest, EnterAnswersTheFirstButton) {
  MessageBoxModel ok = Box(MsgBoxButtons::OK);
  EXPECT_EQ(ok.Answer(), std::nullopt);
  ok.KeyDown(kReturn, 0);
  EXPECT_EQ(ok.Answer(), MsgBoxResult::OK);
  MessageBoxModel yesNo = Box(MsgBoxButtons::YesNo);
  yesNo.KeyDown(kSpace, 0);
  EXPECT_EQ(yesNo.Answer(), MsgBoxResult::Yes);
}

TEST_F(MessageBoxModelTest, TabAndArrowsMoveTheFocusBetweenTheButtons) {
  MessageBoxModel box = Box(MsgBoxButtons::OKCancel);
  box.KeyDown(kTab, 0);
  EXPECT_EQ(box.Focused(), 1);
  box.KeyDown(kRight, 0);  // wraps
  EXPECT_EQ(box.Focused(), 0);
  box.KeyDown(kTab, 1);  // Shift+Tab
  EXPECT_EQ(box.Focused(), 1);
  box.KeyDown(kReturn, 0);
  EXPECT_EQ(box.Answer(), MsgBoxResult::Cancel);
}

TEST_F(MessageBoxModelTest, EscapeAndClosingAnswerWhatTheBoxAllows) {
  MessageBoxModel ok = Box(MsgBoxButtons::OK);
  ok.KeyDown(kEscape, 0);
  EXPECT_EQ(ok.Answer(), MsgBoxResult::OK);
  MessageBoxModel okCancel = Box(MsgBoxButtons::OKCancel);
  okCancel.CloseRequested();
  EXPECT_EQ(okCancel.Answer(), MsgBoxResult::Cancel);
  // A Yes/No box must be answered with one of its buttons.
  MessageBoxModel yesNo = Box(MsgBoxButtons::YesNo);
  yesNo.KeyDown(kEscape, 0);
  yesNo.CloseRequested();
  EXPECT_EQ(yesNo.Answer(), std::nullopt);
}

TEST_F(MessageBoxModelTest, YAndNAnswerOnlyAYesNoBox) {
  MessageBoxModel yesNo = Box(MsgBoxButtons::YesNo);
  yesNo.KeyDown('N', 0);
  EXPECT_EQ(yesNo.Answer(), MsgBoxResult::No);
  MessageBoxModel okCancel = Box(MsgBoxButtons::OKCancel);
  okCancel.KeyDown('N', 0);
  okCancel.KeyDown('Y', 4);
  EXPECT_EQ(okCancel.Answer(), std::nullopt);
}

TEST_F(MessageBoxModelTest, AClickAnswersWhenPressedAndReleasedOnTheSameButton) {
  MessageBoxModel box = Box(MsgBoxButtons::YesNo);
  const POINT yes = ButtonMiddle(box, 0), no = ButtonMiddle(box, 1);
  box.ButtonDown(yes.x, yes.y);
  box.ButtonUp(no.x, no.y);  // slid off: no answer
  box.ButtonDown(2, 2);
  box.ButtonUp(no.x, no.y);  // pressed outside any button
  EXPECT_EQ(box.Answer(), std::nullopt);
  box.ButtonDown(no.x, no.y);
  EXPECT_EQ(box.Focused(), 1);
  box.ButtonUp(no.x, no.y);
  EXPECT_EQ(box.Answer(), MsgBoxResult::No);
}

TEST_F(MessageBoxModelTest, ButtonsSitCentredBelowTheText) {
  const MessageBoxModel box = Box(MsgBoxButtons::OKCancel, MsgBoxIcon::None, u"Uma linha\nDuas linhas\nTres");
  const POINT ok = ButtonMiddle(box, 0), cancel = ButtonMiddle(box, 1);
  EXPECT_EQ(ok.y, cancel.y);
  EXPECT_GT(ok.y, 3 * surface.Face().Height());
  // As far from the left edge as the right one from the right edge.
  int right = cancel.x;
  while (box.ButtonAt(right, cancel.y) == 1) ++right;
  int left = ok.x;
  while (box.ButtonAt(left - 1, ok.y) == 0) --left;
  EXPECT_LE(std::abs(left - (box.Width() - right)), 1);
}

TEST_F(MessageBoxModelTest, LongTextWrapsAndAnIconTakesRoomBesideIt) {
  const std::u16string longText(200, u'x');
  const MessageBoxModel plain = Box(MsgBoxButtons::OK, MsgBoxIcon::None, u"curto");
  const MessageBoxModel withIcon = Box(MsgBoxButtons::OK, MsgBoxIcon::Stop, u"curto");
  EXPECT_GE(withIcon.Height(), plain.Height());
  std::u16string words;
  for (int i = 0; i < 60; ++i) words += u"palavra ";
  const MessageBoxModel wrapped = Box(MsgBoxButtons::OK, MsgBoxIcon::None, words);
  EXPECT_LT(wrapped.Width(), surface.Face().Width(words));
  EXPECT_GT(wrapped.Height(), plain.Height() + surface.Face().Height());
}

TEST_F(MessageBoxModelTest, TheFocusedButtonIsFramedAsTheDefault) {
  MessageBoxModel box = Box(MsgBoxButtons::YesNo, MsgBoxIcon::Question);
  surface.Resize(box.Width(), box.Height());
  box.Draw(surface);
  auto frameColourLeftOf = [&](int index) {
    POINT p = ButtonMiddle(box, index);
    while (box.ButtonAt(p.x - 1, p.y) == index) --p.x;
    return surface.PixelAt(p.x, p.y);
  };
  EXPECT_EQ(frameColourLeftOf(0), SysColor(syscolor::kDarkShadow));
  EXPECT_EQ(frameColourLeftOf(1), SysColor(syscolor::kLight));
  EXPECT_EQ(surface.PixelAt(box.Width() - 1, 0), SysColor(syscolor::kButtonFace));
}

// Colours counted in the icon's square, drawn on a grey surface.
std::map<std::uint32_t, int> IconColours(MsgBoxIcon icon) {
  gfx::Surface s(40, 40, 15, 15);
  s.FillRectPx({0, 0, 40, 40}, {0x80, 0x80, 0x80});
  DrawMessageBoxIcon(s, icon, 4, 4);
  std::map<std::uint32_t, int> counts;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool inSquare = x >= 4 && x < 4 + kMessageBoxIconSize && y >= 4 && y < 4 + kMessageBoxIconSize;
      const gfx::Rgb c = s.PixelAt(x, y);
      if (!inSquare) {
        EXPECT_EQ(c, (gfx::Rgb{0x80, 0x80, 0x80})) << "drawn outside at " << x << "," << y;
      }
      ++counts[gfx::ToArgb(c)];
    }
  }
  return counts;
}

// The colour that covers most of the icon, grey background aside.
std::uint32_t MainColour(MsgBoxIcon icon) {
  std::uint32_t best = 0;
  int most = 0;
  for (const auto& [colour, count] : IconColours(icon)) {
    if (colour != 0xFF808080u && count > most) {
      best = colour;
      most = count;
    }
  }
  return best;
}

TEST(MessageBoxIcons, EachIconHasItsOwnLook) {
  EXPECT_EQ(IconColours(MsgBoxIcon::None).size(), 1u);  // nothing drawn
  const std::uint32_t stop = MainColour(MsgBoxIcon::Stop);
  const std::uint32_t warn = MainColour(MsgBoxIcon::Exclamation);
  EXPECT_GT((stop >> 16) & 0xFF, 0xC0u);  // red
  EXPECT_LT((stop >> 8) & 0xFF, 0x40u);
  EXPECT_GT((warn >> 8) & 0xFF, 0xC0u);   // yellow
  EXPECT_LT(warn & 0xFF, 0x40u);
  EXPECT_EQ(MainColour(MsgBoxIcon::Question), 0xFFFFFFFFu);  // white bubbles with blue marks
  EXPECT_EQ(MainColour(MsgBoxIcon::Information), 0xFFFFFFFFu);
  EXPECT_NE(IconColours(MsgBoxIcon::Question), IconColours(MsgBoxIcon::Information));
}

}  // namespace
}  // namespace kelvo::win::sdl

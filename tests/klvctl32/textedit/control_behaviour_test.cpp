// KelvoTextEdit as a form sees it: creation values against load defaults, the
// persisted keys, focus and mouse selection, the context menu, and the caret.
#include <algorithm>

#include "control_fixture.h"

namespace kelvo::klvctl32 {
namespace {

using testing::TextEditTest;

std::vector<std::string> Keys(const forms::OrderedBag& bag) {
  std::vector<std::string> keys;
  for (const auto& [key, value] : bag.Items()) keys.push_back(text::ToUtf8(key));
  return keys;
}

TEST_F(TextEditTest, SavesAllTwentyTwoKeysInOrder) {
  forms::Form& f = NewForm();
  forms::Control& t = AddEdit(f);
  const forms::OrderedBag bag = t.WriteProperties();
  const std::vector<std::string> own(Keys(bag));
  const std::vector<std::string> expected{
      "dcDataValue", "Border3D",   "Shadow",      "ShadowColor", "BackColor",      "ForeColor",
      "SelectColor", "Text",       "Mask",        "MaxLength",   "IncludeLit",     "TextStyle",
      "FillChar",    "Enabled",    "Font",        "Selection3D", "AutoSelect",     "AllowSpaceChar",
      "DefaultValue", "Locked",    "DisabledColor", "LockedColor"};
  // The container adds its extender keys around the control's own.
  std::vector<std::string> mine;
  std::copy_if(own.begin(), own.end(), std::back_inserter(mine),
               [](const std::string& k) { return !forms::IsExtenderKey(text::FromUtf8(k)); });
  EXPECT_EQ(mine, expected);
  EXPECT_EQ(bag.Find(u"Text")->ToString(), u"t");
  EXPECT_EQ(bag.Find(u"TextStyle")->type(), com::Variant::Type::Long);
  EXPECT_EQ(bag.Find(u"MaxLength")->type(), com::Variant::Type::Integer);
}

TEST_F(TextEditTest, NewInstanceAndMissingKeysDifferInThreeDefaults) {
  forms::Form& f = NewForm();
  forms::Control& added = AddEdit(f, u"a");
  forms::Control& read = f.ReadControl(u"KLVCTL32.KelvoTextEdit", u"r", {0, 300, 1500, 300}, forms::OrderedBag());
  EXPECT_EQ(Get(added, u"ForeColor").ToLong(), static_cast<std::int32_t>(0x80000012u));
  EXPECT_EQ(Get(read, u"ForeColor").ToLong(), static_cast<std::int32_t>(0x80000008u));
  EXPECT_EQ(Get(added, u"MaxLength").ToInteger(), 30);
  EXPECT_EQ(Get(read, u"MaxLength").ToInteger(), 10);
  EXPECT_TRUE(Get(added, u"AutoSelect").ToBoolean());
  EXPECT_FALSE(Get(read, u"AutoSelect").ToBoolean());
  EXPECT_EQ(Get(added, u"CursorPos").ToInteger(), -1);
  EXPECT_EQ(Get(read, u"CursorPos").ToInteger(), 0);
}

TEST_F(TextEditTest, AllowSpaceCharSurvivesAReload) {
  forms::Form& f = NewForm();
  forms::OrderedBag bag;
  bag.Set(u"AllowSpaceChar", com::Variant::Boolean(false));
  bag.Set(u"Text", com::Variant::String(u"123456789012"));
  bag.Set(u"MaxLength", com::Variant::Integer(5));
  bag.Set(u"Mask", com::Variant::String(u"9999"));
  forms::Control& t = f.ReadControl(u"KLVCTL32.KelvoTextEdit", u"t", {0, 0, 3000, 300}, bag);
  EXPECT_FALSE(t.WriteProperties().Find(u"AllowSpaceChar")->ToBoolean());
  // A stored text longer than MaxLength is cut on the first repaint.
  EXPECT_EQ(Get(t, u"dcDataValue").ToString(), u"12345");
}

TEST_F(TextEditTest, ClickIntoAutoSelectedTextKeepsTheSelectionAndPutsTheCaretAtTheEnd) {
  forms::Form& f = NewForm();
  forms::Control& t = AddEdit(f, u"t", {0, 0, 3000, 300});
  Let(t, u"Text", com::Variant::String(u"abc"));
  // The press comes before the container moves the focus.
  t.MouseDown(1, 0, 30, 30);
  t.Focus();
  EXPECT_EQ(Get(t, u"SelLength").ToInteger(), 3);
  t.MouseUp(1, 0, 30, 30);
  EXPECT_EQ(Get(t, u"SelLength").ToInteger(), 3);
  EXPECT_EQ(Get(t, u"CursorPos").ToInteger(), 3);
  t.MouseDown(1, 0, 30, 30);
  EXPECT_EQ(Get(t, u"SelLength").ToInteger(), 0);
}

TEST_F(TextEditTest, DragSelectsFromTheAnchorToTheCharacterUnderThePointer) {
  forms::Form& f = NewForm();
  forms::Control& t = AddEdit(f, u"t", {0, 0, 3000, 300});
  Let(t, u"AutoSelect", com::Variant::Boolean(false));
  Let(t, u"Text", com::Variant::String(u"abcdef"));
  t.Focus();
  const double two = t.Surface().TextWidth(u"ab");
  t.MouseDown(1, 0, 1, 30);
  t.MouseMove(1, 0, 1, 30);
  t.MouseMove(1, 0, static_cast<float>(two), 30);
  events.Take();
  t.MouseUp(1, 0, static_cast<float>(two), 30);
  EXPECT_EQ(Get(t, u"SelStart").ToInteger(), 0);
  EXPECT_EQ(Get(t, u"SelLength").ToInteger(), 1);
  EXPECT_EQ(events.Take(), "t.MouseUp(1, 0, " + std::to_string(static_cast<int>(two)) + ", 30) t.KeyDown(0, 1)");
}

TEST_F(TextEditTest, RightClickOnALockedControlOffersOnlyCopyAndSelectAll) {
  forms::Form& f = NewForm();
  forms::Control& t = AddEdit(f, u"t", {0, 0, 3000, 300});
  Let(t, u"Text", com::Variant::String(u"abc"));
  Let(t, u"Locked", com::Variant::Boolean(true));
  Ws().SetClipboardText(u"xyz");
  t.Focus();
  Headless().QueueMenuAnswer(1);
  t.MouseUp(2, 0, 30, 30);
  const auto menu = Ws().TakeLastMenu();
  ASSERT_TRUE(menu.has_value());
  std::string enabled;
  for (const win::MenuItem& item : *menu) enabled += item.enabled ? '1' : '0';
  EXPECT_EQ(enabled, "010011");
  EXPECT_EQ(Ws().ClipboardText(), u"abc");
}

TEST_F(TextEditTest, CaretOfABoldFontStandsTwoPixelsAfterTheText) {
  forms::Form& f = NewForm();
  forms::Control& t = AddEdit(f, u"t", {0, 0, 3000, 300});
  Let(t, u"AutoSelect", com::Variant::Boolean(false));
  Let(t, u"Text", com::Variant::String(u"ab"));
  t.Focus();
  Key(t, 35);
  const int width = static_cast<int>(t.Surface().TextWidth(u"ab")) / 15;
  EXPECT_EQ(Ws().Caret().x, width + 3);
  gfx::FontDesc bold = t.Surface().Font();
  bold.bold = true;
  std::vector<com::Variant> font{com::Variant::Object(forms::CreateFontObject(bold))};
  t.Extender()->Invoke(u"Font", com::InvokeKind::Set, font);
  Key(t, 36);
  Key(t, 35);
  EXPECT_EQ(Ws().Caret().x, static_cast<int>(t.Surface().TextWidth(u"ab")) / 15 + 2);
  EXPECT_EQ(Ws().Caret().y, 3);
}

TEST_F(TextEditTest, LeavingAnEmptyControlPutsInTheDefaultValue) {
  forms::Form& f = NewForm();
  forms::Control& t = AddEdit(f, u"t");
  forms::Control& u = AddEdit(f, u"u");
  Let(t, u"Text", com::Variant::String(u""));
  Let(t, u"DefaultValue", com::Variant::String(u"n/a"));
  t.Focus();
  u.Focus();
  EXPECT_EQ(Text(t), u"n/a");
}

TEST_F(TextEditTest, IsValidCharBelowPositionOneIsAnInvalidCall) {
  forms::Form& f = NewForm();
  forms::Control& t = AddEdit(f);
  std::vector<com::Variant> args{com::Variant::String(u"1"), com::Variant::Integer(0)};
  try {
    t.Extender()->Invoke(u"IsValidChar", com::InvokeKind::Method, args);
    ADD_FAILURE() << "no error";
  } catch (const com::Error& e) {
    EXPECT_EQ(e.number(), com::err::kInvalidCall);
  }
}

}  // namespace
}  // namespace kelvo::klvctl32

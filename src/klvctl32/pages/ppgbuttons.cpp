#include "klvctl32/pages/ppgbuttons.h"

#include "klvctl32/pages/ppgbuttons_typeinfo.h"
#include "platform/com/error.h"

namespace kelvo::klvctl32 {
namespace {

constexpr std::int16_t kFlat = 1;

// Runs one step; a failing read or write of a member leaves it as it was.
template <class Step>
void Skipping(Step step) {
  try {
    step();
  } catch (const com::Error&) {
  }
}

constexpr std::u16string_view kChecks[][2] = {{u"chkEnabled", u"Enabled"},
                                              {u"chkFlat", u"Flat Button"},
                                              {u"chkActiveBorder", u"Active Border"},
                                              {u"chkFocusedUnderline", u"FocusedUnderline"},
                                              {u"chkFocusedBold", u"FocusedBold"}};
constexpr std::u16string_view kPositions[] = {u"Top", u"Bottom", u"Left", u"Right"};
constexpr std::u16string_view kSizes[] = {u"16x16 pixels", u"32x32 pixels"};

constexpr double kLeft = 120, kRight = 3360, kRow = 300, kWidth = 2800;

}  // namespace

ButtonsPage::ButtonsPage() : ControlPage(ppgButtonsInfo(), u"General") {}

// Caption, margin and distance on top left, check boxes under them, the two
// option frames on the right.
void ButtonsPage::Build() {
  AddLabel(u"Label1", {kLeft, 120, 1200, 255}, u"Caption");
  AddTextBox(u"txtCaption", {kLeft, 375, kWidth, 315}, u"Text1", 64);
  AddLabel(u"Label3", {kLeft, 840, 840, 255}, u"Margin:");
  AddTextBox(u"txtMargin", {kLeft + 840, 810, 480, 315}, u"0", 2);
  AddLabel(u"Label4", {1560, 840, 900, 255}, u"Distance:");
  AddTextBox(u"txtDistance", {2460, 810, 480, 315}, u"0", 2);
  double top = 1320;
  for (const auto& [name, caption] : kChecks) {
    AddCheckBox(name, {kLeft, top, kWidth, 285}, caption);
    top += kRow;
  }
  AddFrame(u"Frame2", {kRight, 120, kWidth, 1560}, u" Picture Position ");
  for (int i = 0; i < 4; ++i) {
    AddOptionButton(u"optPosition", i, {kLeft, 300 + i * kRow, 2400, 285}, kPositions[i], u"Frame2");
  }
  AddFrame(u"Frame3", {kRight, 1860, kWidth, 960}, u" Picture Size ");
  for (int i = 0; i < 2; ++i) {
    AddOptionButton(u"optSize", i, {kLeft, 300 + i * kRow, 2400, 285}, kSizes[i], u"Frame3");
  }
}

void ButtonsPage::Load() {
  Skipping([&] { SetText(u"txtCaption", Property(First(), u"Caption").ToString()); });
  Skipping([&] { LoadCheck(u"chkEnabled", u"Enabled"); });
  Skipping([&] { SetCheck(u"chkFlat", Property(First(), u"Style").ToInteger() == kFlat); });
  Skipping([&] { LoadCheck(u"chkActiveBorder", u"ActiveBorder"); });
  Skipping([&] { LoadCheck(u"chkFocusedUnderline", u"FocusedUnderline"); });
  Skipping([&] { LoadCheck(u"chkFocusedBold", u"FocusedBold"); });
  Skipping([&] { LoadText(u"txtDistance", u"Distance"); });
  Skipping([&] { LoadText(u"txtMargin", u"Margin"); });
  Skipping([&] { SelectedSize = Property(First(), u"PictSize").ToInteger(); });
  Skipping([&] { SelectedPosition = Property(First(), u"PictPosition").ToInteger(); });
  Skipping([&] { SetOptionValue(Element(u"optSize", SelectedSize), true); });
  Skipping([&] { SetOptionValue(Element(u"optPosition", SelectedPosition), true); });
}

void ButtonsPage::FieldClick(std::u16string_view name, std::optional<int> index) {
  if (index && name == u"optPosition") SelectedPosition = static_cast<std::int16_t>(*index);
  if (index && name == u"optSize") SelectedSize = static_cast<std::int16_t>(*index);
  ControlPage::FieldClick(name, index);
}

void ButtonsPage::ApplyChanges() {
  Skipping([&] { StoreCheck(u"chkEnabled", u"Enabled"); });
  Skipping([&] { StoreCheck(u"chkActiveBorder", u"ActiveBorder"); });
  Skipping([&] { Assign(First(), u"Style", com::Variant::Integer(Check(u"chkFlat") ? kFlat : 0)); });
  Skipping([&] { StoreCheck(u"chkFocusedUnderline", u"FocusedUnderline"); });
  Skipping([&] { StoreCheck(u"chkFocusedBold", u"FocusedBold"); });
  Skipping([&] { StoreText(u"txtDistance", u"Distance"); });
  Skipping([&] { StoreText(u"txtMargin", u"Margin"); });
  Skipping([&] { StoreText(u"txtCaption", u"Caption"); });
  Skipping([&] { Assign(First(), u"PictPosition", com::Variant::Integer(SelectedPosition)); });
  Skipping([&] { Assign(First(), u"PictSize", com::Variant::Integer(SelectedSize)); });
}

}  // namespace kelvo::klvctl32

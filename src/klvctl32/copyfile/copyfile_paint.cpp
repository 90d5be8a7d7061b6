// KelvoCopyFile's picture: DrawProgress, the bar over its centred caption.
#include <cmath>
#include <string>

#include "klvctl32/copyfile/copyfile.h"

namespace kelvo::klvctl32 {

namespace {
constexpr gfx::OleColor kWindowBackground = 0x80000005u;
}  // namespace

void KelvoCopyFile::DrawProgress(std::int64_t copied) {
  const double exact = std::floor(static_cast<double>(copied) * 100.0 / static_cast<double>(progressTotal_));
  const auto percent = static_cast<std::int32_t>(exact);
  const DrawnPicture wanted{percent, foreColor_, Surface().version()};
  if (wanted != drawn_) {
    PaintProgress(percent);
    Site().Refresh();
    drawn_ = {percent, foreColor_, Surface().version()};
  }
  com::Variant args[] = {com::Variant::Integer(static_cast<std::int16_t>(percent)), com::Variant::Integer(cancel_)};
  RaiseEvent(u"Progress", args);
  cancel_ = args[1].ToInteger();
}

// The caption in the foreground colour, then the bar filled in not-xor pen:
// on the window background the bar shows in ForeColor and the part of the
// caption under it in inverted colours.
void KelvoCopyFile::PaintProgress(std::int32_t percent) {
  gfx::Surface& surface = Surface();
  surface.SetForeColor(foreColor_);
  surface.SetBackColor(kWindowBackground);
  surface.SetDrawMode(gfx::DrawMode::CopyPen);
  const double outerWidth = Site().Width();
  const double outerHeight = Site().Height();
  surface.FilledBox(0, 0, outerWidth, outerHeight, surface.BackColor());
  std::u16string caption;
  for (char c : std::to_string(percent)) caption += static_cast<char16_t>(c);
  caption += u'%';
  surface.SetCurrentX((surface.ScaleWidth() - surface.TextWidth(caption)) / 2);
  surface.SetCurrentY((surface.ScaleHeight() - surface.TextHeight(caption)) / 2);
  surface.Print(caption);
  surface.SetDrawMode(gfx::DrawMode::NotXorPen);
  surface.FilledBox(0, 0, surface.ScaleWidth() / 100 * percent, outerHeight, surface.ForeColor());
  surface.SetDrawMode(gfx::DrawMode::CopyPen);
}

}  // namespace kelvo::klvctl32

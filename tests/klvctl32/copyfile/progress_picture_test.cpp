// The progress picture at 0 %, 50 % and 100 %, at 96 and 120 dpi: the
// caption centred in the foreground colour, and the bar filled in not-xor pen
// over it, so that the part of the caption under the bar shows inverted. The
// expected picture is the caption alone, drawn on a fresh surface through the
// surface's own text measures, with every pixel up to the bar's end inverted
// against the foreground colour.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "hosted.h"
#include "klvctl32/copyfile/copyfile.h"
#include "platform/base/text.h"
#include "support/temp_dir.h"

namespace kelvo::klvctl32 {
namespace {

constexpr gfx::OleColor kBackground = 0x80000005u;
constexpr gfx::OleColor kHighlight = 0x8000000Du;
constexpr int kWidth = 120;
constexpr int kHeight = 18;

gfx::Rgb NotXor(gfx::Rgb pen, gfx::Rgb screen) {
  auto channel = [](std::uint8_t a, std::uint8_t b) { return static_cast<std::uint8_t>(~(a ^ b)); };
  return {channel(pen.r, screen.r), channel(pen.g, screen.g), channel(pen.b, screen.b)};
}

// Counts the pixels that differ from the expectation; the caption's pixels
// under the bar (shown inverted) are counted in `inverted`.
int Differences(const gfx::Surface& drawn, int percent, int& inverted) {
  const int tpp = drawn.twipsPerPixelX();
  gfx::Surface caption(kWidth, kHeight, tpp, tpp);
  caption.SetBackColor(kBackground);
  caption.SetForeColor(kHighlight);
  const std::u16string text = text::FromUtf8(std::to_string(percent) + "%");
  caption.SetCurrentX((caption.ScaleWidth() - caption.TextWidth(text)) / 2);
  caption.SetCurrentY((caption.ScaleHeight() - caption.TextHeight(text)) / 2);
  caption.Print(text);
  const int barEnd = caption.ToPixelX(caption.ScaleWidth() / 100 * percent);
  const gfx::Rgb fore = gfx::ResolveColor(kHighlight);
  const gfx::Rgb background = gfx::ResolveColor(kBackground);
  int differences = 0;
  inverted = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const gfx::Rgb plain = caption.PixelAt(x, y);
      const gfx::Rgb want = x <= barEnd ? NotXor(fore, plain) : plain;
      if (!(drawn.PixelAt(x, y) == want)) ++differences;
      if (x <= barEnd && !(plain == background)) ++inverted;
    }
  }
  return differences;
}

class ProgressPicture : public ::testing::TestWithParam<int> {
 protected:
  testing::Hosted<KelvoCopyFile> h{kWidth, kHeight, GetParam()};
};

TEST_P(ProgressPicture, StartPictureAtRunTime) {
  h.control->Show();
  int inverted = 0;
  EXPECT_EQ(Differences(h.site.surface(), 0, inverted), 0);
}

TEST_P(ProgressPicture, HalfFilledPreviewWhileDesigning) {
  h.site.userMode = false;
  h.control->Show();
  int inverted = 0;
  EXPECT_EQ(Differences(h.site.surface(), 50, inverted), 0);
  EXPECT_GT(inverted, 0) << "the caption straddles the bar's end";
}

TEST_P(ProgressPicture, FullAfterACopy) {
  kelvo::testing::TempDir dir;
  std::ofstream(dir.path() / "a") << "some bytes";
  h.Let(u"SourceFile", com::Variant::String(text::FromUtf8((dir.path() / "a").string())));
  h.Let(u"NewFile", com::Variant::String(text::FromUtf8((dir.path() / "b").string())));
  h.control->Invoke(u"BeginCopyFile", com::InvokeKind::Method, {});
  int inverted = 0;
  EXPECT_EQ(Differences(h.site.surface(), 100, inverted), 0);
  EXPECT_GT(inverted, 0);
}

INSTANTIATE_TEST_SUITE_P(Dpi, ProgressPicture, ::testing::Values(15, 12));

}  // namespace
}  // namespace kelvo::klvctl32

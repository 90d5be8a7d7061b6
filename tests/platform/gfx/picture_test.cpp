// Decoding pictures built by the tests, refusing damaged ones, and PNG output.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "picture_bytes.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/picture_formats.h"
#include "support/temp_dir.h"

namespace kelvo::gfx {
namespace {

using testing::Bytes;

constexpr std::uint32_t kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu, kWhite = 0xFFFFFFFFu;

Image Quad() {
  Image image(3, 2);
  image.Set(0, 0, kRed);
  image.Set(1, 0, kGreen);
  image.Set(2, 0, kBlue);
  image.Set(0, 1, kWhite);
  image.Set(1, 1, 0xFF000000u);
  image.Set(2, 1, 0xFF808080u);
  return image;
}

Image Decode(const Bytes& bytes) { return DecodePicture(bytes); }

void ExpectRefused(const Bytes& bytes, const std::string& fragment) {
  try {
    Decode(bytes);
    ADD_FAILURE() << "accepted, expected a refusal mentioning '" << fragment << "'";
  } catch (const PictureError& e) {
    EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();
  }
}

Bytes Cut(Bytes bytes, std::size_t keep) {
  bytes.resize(keep);
  return bytes;
}

class TempDir : public ::testing::Test {
 protected:
  kelvo::testing::TempDir temp;
  const std::filesystem::path& dir = temp.path();
};

TEST(Bmp, DecodesBottomUpAndTopDownRows) {
  EXPECT_EQ(Decode(testing::Bmp24(Quad())), Quad());
  EXPECT_EQ(Decode(testing::Bmp24(Quad(), true)), Quad());
}

TEST(Bmp, DecodesPalettedPictures) {
  const Image image = Decode(testing::Bmp8(3, 1, {0xFF0000, 0x00FF00}, {1, 0, 1}));
  ASSERT_EQ(image.width(), 3);
  EXPECT_EQ(image.At(0, 0), kGreen);
  EXPECT_EQ(image.At(1, 0), kRed);
}

TEST(Bmp, RefusesMissingRowsAndBadHeaders) {
  const Bytes good = testing::Bmp24(Quad());
  ExpectRefused(Cut(good, good.size() - 1), "truncated");
  ExpectRefused(Cut(good, 20), "truncated");
  Bytes badHeader = good;
  badHeader[14] = 41;
  ExpectRefused(badHeader, "header");
  Bytes rle = good;
  rle[30] = 1;
  ExpectRefused(rle, "run-length");
}

TEST(Bmp, RefusesHugeDimensionsBeforeAllocating) {
  Bytes huge = testing::Bmp24(Quad());
  for (int i = 0; i < 4; ++i) huge[18 + i] = i == 3 ? 0x00 : 0x7F;  // width 0x007F7F7F
  ExpectRefused(huge, "too large");
  Bytes tall = testing::Bmp24(Quad());
  for (int i = 0; i < 4; ++i) tall[22 + i] = i == 3 ? 0x80 : 0x00;  // height INT_MIN
  ExpectRefused(tall, "too large");
}

TEST(Picture, TheSizeRefusalStatesTheLimitBroken) {
  const auto message = [](std::int64_t w, std::int64_t h) {
    try {
      CheckPictureSize(w, h);
    } catch (const PictureError& e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  EXPECT_EQ(message(20000, 10), "the picture is too large (20000x10 pixels; at most 16384 pixels on a side)");
  EXPECT_EQ(message(16000, 16000), "the picture is too large (16000x16000 pixels take 977 MiB; at most 256 MiB)");
  EXPECT_EQ(message(8000, 8000), "accepted");
}

TEST(Gif, DecodesTheFirstImage) {
  const Image image = Decode(testing::Gif(2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}, {0, 1, 2, 3}));
  ASSERT_EQ(image.width(), 2);
  ASSERT_EQ(image.height(), 2);
  EXPECT_EQ(image.At(0, 0), kRed);
  EXPECT_EQ(image.At(1, 0), kGreen);
  EXPECT_EQ(image.At(0, 1), kBlue);
  EXPECT_EQ(image.At(1, 1), kWhite);
}

TEST(Gif, RefusesACutOffImage) {
  const Bytes good = testing::Gif(2, 2, {0xFF0000, 0x00FF00}, {0, 1, 1, 0});
  for (std::size_t keep = 6; keep < good.size() - 1; ++keep) {
    EXPECT_THROW(Decode(Cut(good, keep)), PictureError) << keep;
  }
}

TEST(Gif, RefusesAFileWithoutAnImage) {
  Bytes empty{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B};
  ExpectRefused(empty, "no image");
}

TEST(Jpeg, DecodesCloseToTheOriginal) {
  Image image(16, 16, 0xFFC04020u);
  const Image decoded = Decode(testing::Jpeg(image));
  ASSERT_EQ(decoded.width(), 16);
  const Rgb c = decoded.RgbAt(8, 8);
  EXPECT_NEAR(c.r, 0xC0, 4);
  EXPECT_NEAR(c.g, 0x40, 4);
  EXPECT_NEAR(c.b, 0x20, 4);
  EXPECT_EQ(decoded.At(8, 8) >> 24, 0xFFu);
}

TEST(Jpeg, RefusesACutOffFile) {
  Image image(32, 32, 0xFF336699u);
  const Bytes good = testing::Jpeg(image);
  ExpectRefused(Cut(good, good.size() / 2), "JPEG");
  ExpectRefused(Cut(good, 3), "JPEG");
}

TEST_F(TempDir, PngRoundTripsThroughWritePng) {
  Image image = Quad();
  image.Set(2, 1, 0x40123456u);  // partly transparent
  const auto file = dir / "quad.png";
  WritePng(image, file);
  EXPECT_EQ(LoadPicture(file), image);
}

TEST_F(TempDir, PngRefusesCutOffData) {
  const auto file = dir / "quad.png";
  WritePng(Quad(), file);
  std::ifstream in(file, std::ios::binary);
  const Bytes good((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ExpectRefused(Cut(good, good.size() / 2), "PNG");
  ExpectRefused(Cut(good, 10), "PNG");
}

TEST_F(TempDir, WritePngReportsFailures) {
  EXPECT_THROW(WritePng(Quad(), dir / "missing" / "x.png"), PictureError);
  EXPECT_THROW(WritePng(Image(), dir / "empty.png"), PictureError);
  EXPECT_FALSE(std::filesystem::exists(dir / "empty.png"));
}

TEST_F(TempDir, LoadPictureNamesTheFileInItsErrors) {
  const auto missing = dir / "nothing.bmp";
  try {
    LoadPicture(missing);
    ADD_FAILURE() << "accepted a missing file";
  } catch (const PictureError& e) {
    EXPECT_NE(std::string(e.what()).find("nothing.bmp"), std::string::npos);
  }
  const auto garbage = dir / "garbage.gif";
  std::ofstream(garbage) << "this is not a picture";
  try {
    LoadPicture(garbage);
    ADD_FAILURE() << "accepted garbage";
  } catch (const PictureError& e) {
    EXPECT_NE(std::string(e.what()).find("garbage.gif"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("not a BMP"), std::string::npos);
  }
}

TEST(Picture, RefusesEmptyAndUnknownData) {
  ExpectRefused({}, "empty");
  ExpectRefused({'h', 'e', 'l', 'l', 'o'}, "not a BMP");
  ExpectRefused({'B', 'M'}, "truncated");
  ExpectRefused({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, "PNG");
}

Image Checker() {
  Image image(2, 2);
  image.Set(0, 0, kRed);
  image.Set(1, 0, kGreen);
  image.Set(0, 1, kBlue);
  image.Set(1, 1, kWhite);
  return image;
}

TEST(Ico, DecodesABitmapWithItsMaskAsTransparency) {
  const Bytes ico = testing::Ico({{2, 2, testing::IconDib32(Checker(), {false, true, true, false})}});
  const Image image = Decode(ico);
  ASSERT_EQ(image.width(), 2);
  ASSERT_EQ(image.height(), 2);
  EXPECT_EQ(image.At(0, 0), kRed);
  EXPECT_EQ(image.At(1, 0) >> 24, 0u);
  EXPECT_EQ(image.At(0, 1) >> 24, 0u);
  EXPECT_EQ(image.At(1, 1), kWhite);
}

TEST(Ico, PicksTheLargestImage) {
  const Image big(3, 3, kGreen);
  const Bytes ico = testing::Ico({{2, 2, testing::IconDib32(Checker(), std::vector<bool>(4))},
                                  {3, 3, testing::IconDib32(big, std::vector<bool>(9))},
                                  {1, 1, testing::IconDib32(Image(1, 1, kRed), {false})}});
  EXPECT_EQ(Decode(ico), big);
}

TEST_F(TempDir, IcoDecodesAPngPayload) {
  const auto file = dir / "inner.png";
  WritePng(Checker(), file);
  std::ifstream in(file, std::ios::binary);
  const Bytes png((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(Decode(testing::Ico({{2, 2, png}})), Checker());
}

TEST(Ico, RefusesDamagedDirectoriesAndImages) {
  const Bytes good = testing::Ico({{2, 2, testing::IconDib32(Checker(), std::vector<bool>(4))}});
  ExpectRefused(Cut(good, good.size() - 1), "truncated");  // the last mask row
  ExpectRefused(Cut(good, 10), "truncated");
  Bytes noImages = good;
  noImages[4] = 0;
  ExpectRefused(noImages, "no image");
  Bytes farOffset = good;
  farOffset[6 + 12 + 3] = 0x7F;
  ExpectRefused(farOffset, "truncated");
  Bytes hugeSize = good;
  hugeSize[6 + 8 + 3] = 0xFF;
  ExpectRefused(hugeSize, "truncated");
  Bytes badHeader = good;
  badHeader[22] = 13;
  ExpectRefused(badHeader, "header");
  Bytes tall = good;
  tall[22 + 8 + 2] = 0x7F;  // height 0x7F0004
  ExpectRefused(tall, "too large");
}

}  // namespace
}  // namespace kelvo::gfx

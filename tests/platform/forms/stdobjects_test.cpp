// The standard font and picture objects and the bag's picture loading.

#include "platform/forms/stdobjects.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/com/error.h"
#include "platform/forms/property_bag.h"
#include "platform/gfx/picture.h"
#include "support/temp_dir.h"

namespace kelvo::forms {
namespace {

namespace fs = std::filesystem;

com::Variant Get(com::IDispatch& d, std::u16string_view name) {
  std::vector<com::Variant> none;
  return d.Invoke(name, com::InvokeKind::Get, none);
}

int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const com::Error& e) {
    return e.number();
  }
  return 0;
}

class StdObjects : public ::testing::Test {
 protected:
  kelvo::testing::TempDir temp;
  const fs::path& dir = temp.path();
};

TEST_F(StdObjects, FontMembersByNameChangeTheDescription) {
  const auto font = CreateFontObject({});
  EXPECT_EQ(Get(*font, u"Name").ToString(), u"MS Sans Serif");
  EXPECT_EQ(Get(*font, u"Size").ToDouble(), 8.25);
  std::vector<com::Variant> bold{com::Variant::Boolean(true)};
  font->Invoke(u"bold", com::InvokeKind::Let, bold);
  EXPECT_TRUE(font->Desc().bold);
  EXPECT_EQ(Get(*font, u"Weight").ToInteger(), 700);
  std::vector<com::Variant> size{com::Variant::Double(-3)};
  EXPECT_EQ(ErrorOf([&] { font->Invoke(u"Size", com::InvokeKind::Let, size); }), com::err::kInvalidPropertyValue);
  EXPECT_TRUE(AsFont(com::Variant::Object(font)));
  EXPECT_FALSE(AsFont(com::Variant::String(u"Arial")));
}

TEST_F(StdObjects, PictureSizeIsInHimetric) {
  const auto picture = CreatePictureObject(gfx::Image(48, 10));
  EXPECT_EQ(Get(*picture, u"Width").ToLong(), 1270);  // 48 * 2540 / 96
  EXPECT_EQ(Get(*picture, u"Height").ToLong(), 265);  // 264.58 rounded
  EXPECT_EQ(Get(*picture, u"Type").ToInteger(), 1);
  EXPECT_NE(Get(*picture, u"Handle").ToLong(), Get(*CreatePictureObject(gfx::Image(1, 1)), u"Handle").ToLong());
  EXPECT_EQ(ErrorOf([&] {
              std::vector<com::Variant> v{com::Variant::Long(1)};
              picture->Invoke(u"Width", com::InvokeKind::Let, v);
            }),
            com::err::kReadOnlyProperty);
}

TEST_F(StdObjects, LoadingAPictureReportsMissingAndInvalidFiles) {
  EXPECT_EQ(ErrorOf([&] { LoadPictureObject(dir / "none.png"); }), com::err::kFileNotFound);
  std::ofstream(dir / "junk.png") << "not a picture";
  EXPECT_EQ(ErrorOf([&] { LoadPictureObject(dir / "junk.png"); }), com::err::kInvalidPicture);
  gfx::WritePng(gfx::Image(2, 2, 0xFFFF0000u), dir / "red.png");
  const auto picture = LoadPictureObject(dir / "red.png");
  EXPECT_EQ(picture->Picture().width(), 2);
  EXPECT_EQ(picture->Source(), dir / "red.png");
}

TEST_F(StdObjects, BagReadsConvertToTheDefaultsTypeAndStringsToPictures) {
  gfx::WritePng(gfx::Image(3, 1), dir / "p.png");
  OrderedBag bag({{u"Flag", com::Variant::Integer(-1)},
                  {u"Count", com::Variant::String(u"12")},
                  {u"Picture", com::Variant::String(u"p.png")},
                  {u"NoPicture", com::Variant::String(u"")}},
                 dir);
  EXPECT_EQ(bag.Read(u"flag", com::Variant::Boolean(false)), com::Variant::Boolean(true));
  EXPECT_EQ(bag.Read(u"Count", com::Variant::Long(0)), com::Variant::Long(12));
  EXPECT_EQ(bag.Read(u"Missing", com::Variant::Integer(4)), com::Variant::Integer(4));
  const auto picture = AsPicture(bag.Read(u"Picture", com::Variant::Object(nullptr)));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Picture().width(), 3);
  EXPECT_FALSE(bag.Read(u"NoPicture", com::Variant::Object(nullptr)).ToObject());
  EXPECT_EQ(ErrorOf([&] { bag.Read(u"Count", com::Variant::Boolean(false)); }), 0);
  bag.Set(u"Text", com::Variant::String(u"abc"));
  EXPECT_EQ(ErrorOf([&] { bag.Read(u"Text", com::Variant::Integer(0)); }), com::err::kTypeMismatch);
}

TEST_F(StdObjects, BagKeepsFirstPositionWhenAKeyIsWrittenAgain) {
  OrderedBag bag;
  bag.Write(u"A", com::Variant::Integer(1), com::Variant());
  bag.Write(u"B", com::Variant::Integer(2), com::Variant());
  bag.Write(u"a", com::Variant::Integer(3), com::Variant());
  ASSERT_EQ(bag.size(), 2u);
  EXPECT_EQ(bag.Items()[0].first, u"A");
  EXPECT_EQ(bag.Items()[0].second, com::Variant::Integer(3));
}

}  // namespace
}  // namespace kelvo::forms

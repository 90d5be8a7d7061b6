#include <gtest/gtest.h>

#include <limits>

#include "error_number.h"
#include "platform/base/environment.h"
#include "platform/com/object.h"
#include "platform/com/variant.h"

namespace kelvo::com {
namespace {

using testing::ErrorNumberOf;

// Every test starts and ends with "." as the system decimal separator.
class VariantTest : public ::testing::Test {
 protected:
  void SetUp() override { env::SetDecimalSeparator(u'.'); }
  void TearDown() override { env::SetDecimalSeparator(u'.'); }
};

class Thing final : public Object<IDispatch> {
 public:
  const InterfaceInfo* GetTypeInfo() override { return nullptr; }
  Variant Invoke(std::u16string_view, InvokeKind, std::span<Variant>) override { return {}; }
};

TEST_F(VariantTest, SixteenBitOverflowIsError6) {
  EXPECT_EQ(ErrorNumberOf([] { Variant::Long(32768).ToInteger(); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { Variant::String(u"40000").ToInteger(); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { Variant::Long(-32769).ToInteger(); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { Variant::Double(32767.5).ToInteger(); }), err::kOverflow);  // rounds to 32768
  EXPECT_EQ(Variant::Long(-32768).ToInteger(), -32768);
  EXPECT_EQ(Variant::Double(-32768.5).ToInteger(), -32768);  // the half goes to the even neighbour
}

TEST_F(VariantTest, LongAndSingleOverflow) {
  EXPECT_EQ(ErrorNumberOf([] { Variant::Double(2147483647.5).ToLong(); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { Variant::String(u"3000000000").ToLong(); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { Variant::Double(1e39).ToSingle(); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { Variant::Double(std::numeric_limits<double>::quiet_NaN()).ToInteger(); }),
            err::kOverflow);
  EXPECT_EQ(Variant::Double(-2147483648.0).ToLong(), std::numeric_limits<std::int32_t>::min());
}

TEST_F(VariantTest, NonNumericStringIsTypeMismatch) {
  for (const char16_t* s : {u"abc", u"", u"  ", u"12abc", u"1,5", u"--1", u"1 2", u"inf", u"nan", u"1e", u"."}) {
    EXPECT_EQ(ErrorNumberOf([s] { Variant::String(s).ToInteger(); }), err::kTypeMismatch);
  }
}

TEST_F(VariantTest, RoundingIsToNearestWithHalvesToEven) {
  EXPECT_EQ(Variant::Double(2.5).ToInteger(), 2);
  EXPECT_EQ(Variant::Double(3.5).ToInteger(), 4);
  EXPECT_EQ(Variant::Double(-2.5).ToInteger(), -2);
  EXPECT_EQ(Variant::Double(0.5).ToInteger(), 0);
  EXPECT_EQ(Variant::Double(2.4999).ToInteger(), 2);
  EXPECT_EQ(Variant::Double(2.5001).ToInteger(), 3);
  EXPECT_EQ(Variant::Single(1.5f).ToLong(), 2);
  EXPECT_EQ(Variant::String(u"2.5").ToInteger(), 2);
  EXPECT_EQ(Variant::String(u"-3.5").ToLong(), -4);
}

TEST_F(VariantTest, BooleanIsMinusOneAndPrintsAsWords) {
  EXPECT_EQ(Variant::Boolean(true).ToInteger(), -1);
  EXPECT_EQ(Variant::Boolean(false).ToLong(), 0);
  EXPECT_EQ(Variant::Boolean(true).ToDouble(), -1.0);
  EXPECT_EQ(Variant::Boolean(true).ToString(), u"True");
  EXPECT_EQ(Variant::Boolean(false).ToString(), u"False");
}

TEST_F(VariantTest, StringsBecomeBooleans) {
  EXPECT_TRUE(Variant::String(u"tRUE").ToBoolean());
  EXPECT_FALSE(Variant::String(u" False ").ToBoolean());
  EXPECT_FALSE(Variant::String(u"0").ToBoolean());
  EXPECT_TRUE(Variant::String(u"-1").ToBoolean());
  EXPECT_TRUE(Variant::String(u"0.5").ToBoolean());
  EXPECT_EQ(ErrorNumberOf([] { Variant::String(u"yes").ToBoolean(); }), err::kTypeMismatch);
  EXPECT_TRUE(Variant::Double(0.1).ToBoolean());
  EXPECT_FALSE(Variant::Integer(0).ToBoolean());
}

TEST_F(VariantTest, EmptyIsZeroEmptyStringAndFalse) {
  const Variant empty;
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_EQ(empty.ToInteger(), 0);
  EXPECT_EQ(empty.ToLong(), 0);
  EXPECT_EQ(empty.ToDouble(), 0.0);
  EXPECT_EQ(empty.ToString(), u"");
  EXPECT_FALSE(empty.ToBoolean());
  EXPECT_EQ(empty.ConvertTo(Variant::Type::Long), Variant::Long(0));
}

TEST_F(VariantTest, NullWhereAValueIsNeededIsError94) {
  const Variant null = Variant::Null();
  EXPECT_EQ(ErrorNumberOf([&] { null.ToInteger(); }), err::kInvalidNull);
  EXPECT_EQ(ErrorNumberOf([&] { null.ToString(); }), err::kInvalidNull);
  EXPECT_EQ(ErrorNumberOf([&] { null.ToBoolean(); }), err::kInvalidNull);
  EXPECT_EQ(ErrorNumberOf([&] { null.ConvertTo(Variant::Type::Double); }), err::kInvalidNull);
  EXPECT_EQ(ErrorNumberOf([&] { null.ToObject(); }), err::kObjectRequired);
  EXPECT_EQ(null.ConvertTo(Variant::Type::Null), null);
}

TEST_F(VariantTest, EmptyAndNullAreReachedOnlyFromThemselves) {
  EXPECT_EQ(ErrorNumberOf([] { Variant::Integer(0).ConvertTo(Variant::Type::Empty); }), err::kTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { Variant().ConvertTo(Variant::Type::Null); }), err::kTypeMismatch);
}

TEST_F(VariantTest, ConvertToChangesTheType) {
  EXPECT_EQ(Variant::Integer(5).ConvertTo(Variant::Type::String), Variant::String(u"5"));
  EXPECT_EQ(Variant::String(u" 7 ").ConvertTo(Variant::Type::Integer), Variant::Integer(7));
  EXPECT_EQ(Variant::Long(-1).ConvertTo(Variant::Type::Boolean), Variant::Boolean(true));
  EXPECT_EQ(Variant::Double(0.25).ConvertTo(Variant::Type::Single), Variant::Single(0.25f));
  EXPECT_EQ(ErrorNumberOf([] { Variant::Integer(1).ConvertTo(Variant::Type::Object); }), err::kObjectRequired);
}

TEST_F(VariantTest, EqualityNeedsTheSameType) {
  EXPECT_NE(Variant::Integer(1), Variant::Long(1));
  EXPECT_NE(Variant::Boolean(true), Variant::Integer(-1));
  EXPECT_EQ(Variant::String(u"a"), Variant::String(u"a"));
  EXPECT_NE(Variant(), Variant::Null());
  EXPECT_TRUE(Variant::Double(1).IsNumeric());
  EXPECT_FALSE(Variant::String(u"1").IsNumeric());
}

TEST_F(VariantTest, ObjectsCompareByIdentityAndAreNotValues) {
  const ComPtr<IDispatch> a = MakeObject<Thing>();
  const ComPtr<IDispatch> b = MakeObject<Thing>();
  EXPECT_EQ(Variant::Object(a), Variant::Object(a));
  EXPECT_NE(Variant::Object(a), Variant::Object(b));
  EXPECT_EQ(Variant::Object(a).ToObject(), a);
  EXPECT_EQ(ErrorNumberOf([&] { Variant::Object(a).ToString(); }), err::kTypeMismatch);
  const Variant nothing = Variant::Object(nullptr);
  EXPECT_TRUE(nothing.IsObject());
  EXPECT_FALSE(nothing.ToObject());
  EXPECT_EQ(ErrorNumberOf([&] { nothing.ToLong(); }), err::kObjectNotSet);
}

TEST_F(VariantTest, HexStringsFollowTheLiteralRules) {
  EXPECT_EQ(Variant::String(u"&HFFFF").ToInteger(), -1);
  EXPECT_EQ(Variant::String(u"&HFFFF").ToLong(), -1);
  EXPECT_EQ(Variant::String(u"&HFFFF&").ToLong(), 65535);
  EXPECT_EQ(Variant::String(u"&H8000000F&").ToLong(), -2147483633);
  EXPECT_EQ(Variant::String(u"&H10000").ToLong(), 65536);
  EXPECT_EQ(ErrorNumberOf([] { Variant::String(u"&H10000").ToInteger(); }), err::kOverflow);
}

TEST_F(VariantTest, DoubleToStringUsesTheSystemSeparator) {
  EXPECT_EQ(Variant::Double(1234.5).ToString(), u"1234.5");
  EXPECT_EQ(Variant::Double(1.0 / 3.0).ToString(), u"0.333333333333333");
  env::SetDecimalSeparator(u',');
  EXPECT_EQ(Variant::Double(1234.5).ToString(), u"1234,5");
  EXPECT_EQ(Variant::Double(1.5e-7).ToString(), u"1,5E-07");
  EXPECT_EQ(Variant::Single(0.25f).ToString(), u"0,25");
}

TEST_F(VariantTest, StringToNumberUsesTheSystemSeparator) {
  env::SetDecimalSeparator(u',');
  EXPECT_EQ(Variant::String(u"1234,5").ToDouble(), 1234.5);
  EXPECT_EQ(ErrorNumberOf([] { Variant::String(u"1234.5").ToDouble(); }), err::kTypeMismatch);
  EXPECT_EQ(Variant::String(u"2,5").ToInteger(), 2);
}

TEST_F(VariantTest, SingleKeepsItsOwnPrecision) {
  EXPECT_EQ(Variant::Single(0.1f).ToString(), u"0.1");
  EXPECT_EQ(Variant::Double(Variant::Single(0.1f).ToDouble()).ToString(), u"0.100000001490116");
}

}  // namespace
}  // namespace kelvo::com

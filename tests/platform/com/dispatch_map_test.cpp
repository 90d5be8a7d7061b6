#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "error_number.h"
#include "platform/com/dispatch_map.h"
#include "platform/com/object.h"

namespace kelvo::com {
namespace {

using testing::ErrorNumberOf;

// A small scriptable object exercising every kind of table row.
class Gadget final : public Object<IDispatch> {
 public:
  const InterfaceInfo* GetTypeInfo() override { return nullptr; }
  Variant Invoke(std::u16string_view name, InvokeKind kind, std::span<Variant> args) override {
    return Members().Invoke(*this, name, kind, args);
  }

  std::u16string caption = u"Gadget";
  std::int32_t password = 0;
  std::vector<std::u16string> items{u"a", u"b", u"c"};
  Variant picture;

 private:
  using Map = DispatchMap<Gadget>;
  static const Map& Members() {
    static const Map map{
        Map::Get(u"Caption", [](Gadget& g) { return Variant::String(g.caption); }),
        Map::Let(u"Caption", [](Gadget& g, const Variant& v) { g.caption = v.ToString(); }),
        Map::Get(u"Version", [](Gadget&) { return Variant::Integer(3); }),
        Map::Let(u"Password", [](Gadget& g, const Variant& v) { g.password = v.ToLong(); }),
        Map::Set(u"Picture", [](Gadget& g, const Variant& v) { g.picture = v; }),
        Map::Get(u"Item", 1, [](Gadget& g, Map::Args a) { return Variant::String(g.items.at(Index(a[0]))); }),
        Map::Let(u"Item", 1, [](Gadget& g, Map::Args a) { g.items.at(Index(a[0])) = a[1].ToString(); }),
        Map::Method(u"Swap", 2, [](Gadget&, Map::Args a) {
          std::swap(a[0], a[1]);
          return Variant();
        }),
        Map::Method(u"Sum", 1, 2, [](Gadget&, Map::Args a) {
          std::int32_t total = 0;
          for (const Variant& v : a) total += v.ToLong();
          return Variant::Long(total);
        }),
    };
    return map;
  }
  static std::size_t Index(const Variant& v) { return static_cast<std::size_t>(v.ToLong()); }
};

class DispatchMapTest : public ::testing::Test {
 protected:
  Variant Call(std::u16string_view name, InvokeKind kind, std::vector<Variant> args = {}) {
    return gadget_->Invoke(name, kind, args);
  }
  std::int32_t ErrorOf(std::u16string_view name, InvokeKind kind, std::vector<Variant> args = {}) {
    return ErrorNumberOf([&] { gadget_->Invoke(name, kind, args); });
  }
  ComPtr<Gadget> gadget_ = MakeObject<Gadget>();
};

TEST_F(DispatchMapTest, GetsAndLetsByCaseInsensitiveName) {
  EXPECT_EQ(Call(u"caption", InvokeKind::Get), Variant::String(u"Gadget"));
  Call(u"CAPTION", InvokeKind::Let, {Variant::String(u"Hello")});
  EXPECT_EQ(gadget_->caption, u"Hello");
}

TEST_F(DispatchMapTest, UnknownMemberIs438) {
  EXPECT_EQ(ErrorOf(u"Colour", InvokeKind::Get), err::kNoSuchMember);
  EXPECT_EQ(ErrorOf(u"Colour", InvokeKind::Let, {Variant::Long(1)}), err::kNoSuchMember);
  EXPECT_EQ(ErrorOf(u"Colour", InvokeKind::Method), err::kNoSuchMember);
}

TEST_F(DispatchMapTest, AssigningAGetOnlyPropertyIs383) {
  EXPECT_EQ(ErrorOf(u"Version", InvokeKind::Let, {Variant::Integer(4)}), err::kReadOnlyProperty);
  EXPECT_EQ(ErrorOf(u"Version", InvokeKind::Set, {Variant::Object(nullptr)}), err::kReadOnlyProperty);
}

TEST_F(DispatchMapTest, ReadingALetOnlyPropertyIs451) {
  EXPECT_EQ(ErrorOf(u"Password", InvokeKind::Get), err::kWriteOnlyProperty);
  EXPECT_EQ(ErrorOf(u"Picture", InvokeKind::Get), err::kWriteOnlyProperty);
  EXPECT_EQ(ErrorOf(u"Password", InvokeKind::Method), err::kWriteOnlyProperty);
}

TEST_F(DispatchMapTest, LetAndSetAreNotInterchangeable) {
  EXPECT_EQ(ErrorOf(u"Picture", InvokeKind::Let, {Variant::Long(1)}), err::kWrongArguments);
  EXPECT_EQ(ErrorOf(u"Password", InvokeKind::Set, {Variant::Object(nullptr)}), err::kWrongArguments);
  Call(u"Picture", InvokeKind::Set, {Variant::Object(nullptr)});
  EXPECT_TRUE(gadget_->picture.IsObject());
}

TEST_F(DispatchMapTest, WrongArgumentCountIs450) {
  EXPECT_EQ(ErrorOf(u"Caption", InvokeKind::Get, {Variant::Long(1)}), err::kWrongArguments);
  EXPECT_EQ(ErrorOf(u"Caption", InvokeKind::Let), err::kWrongArguments);
  EXPECT_EQ(ErrorOf(u"Swap", InvokeKind::Method, {Variant::Long(1)}), err::kWrongArguments);
  EXPECT_EQ(ErrorOf(u"Sum", InvokeKind::Method), err::kWrongArguments);
  EXPECT_EQ(ErrorOf(u"Sum", InvokeKind::Method, {Variant(), Variant(), Variant(), Variant()}),
            err::kWrongArguments);
}

TEST_F(DispatchMapTest, OptionalArgumentsMayBeLeftOut) {
  EXPECT_EQ(Call(u"Sum", InvokeKind::Method, {Variant::Long(2)}), Variant::Long(2));
  EXPECT_EQ(Call(u"Sum", InvokeKind::Method, {Variant::Long(2), Variant::String(u"3")}), Variant::Long(5));
}

TEST_F(DispatchMapTest, IndexedPropertiesTakeIndicesBeforeTheValue) {
  EXPECT_EQ(Call(u"Item", InvokeKind::Get, {Variant::Integer(1)}), Variant::String(u"b"));
  Call(u"Item", InvokeKind::Let, {Variant::Integer(2), Variant::String(u"z")});
  EXPECT_EQ(gadget_->items[2], u"z");
  EXPECT_EQ(ErrorOf(u"Item", InvokeKind::Get), err::kWrongArguments);
}

TEST_F(DispatchMapTest, MethodsSeeArgumentsByReference) {
  std::vector<Variant> args{Variant::Long(1), Variant::String(u"x")};
  gadget_->Invoke(u"swap", InvokeKind::Method, args);
  EXPECT_EQ(args[0], Variant::String(u"x"));
  EXPECT_EQ(args[1], Variant::Long(1));
}

TEST_F(DispatchMapTest, GetAndMethodStandInForEachOther) {
  EXPECT_EQ(Call(u"Sum", InvokeKind::Get, {Variant::Long(7)}), Variant::Long(7));
  EXPECT_EQ(Call(u"Version", InvokeKind::Method), Variant::Integer(3));
}

TEST_F(DispatchMapTest, ConversionErrorsFromHandlersPassThrough) {
  EXPECT_EQ(ErrorOf(u"Password", InvokeKind::Let, {Variant::String(u"abc")}), err::kTypeMismatch);
  EXPECT_EQ(ErrorOf(u"Caption", InvokeKind::Let, {Variant::Null()}), err::kInvalidNull);
}

struct Plain {};

TEST(DispatchMapTable, RefusesTheSameNameAndKindTwice) {
  using Map = DispatchMap<Plain>;
  auto get = [](Plain&) { return Variant(); };
  EXPECT_THROW((Map{Map::Get(u"Value", get), Map::Get(u"VALUE", get)}), std::logic_error);
  EXPECT_NO_THROW((Map{Map::Get(u"Value", get), Map::Method(u"Value", 0, [](Plain&, Map::Args) {
                         return Variant();
                       })}));
}

}  // namespace
}  // namespace kelvo::com

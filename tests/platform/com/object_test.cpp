#include <gtest/gtest.h>

#include "platform/com/object.h"
#include "platform/com/variant.h"

namespace kelvo::testing {

// Interfaces of the tests' own, each with its id found by InterfaceIdOf.
class IGreeter : public com::IUnknown {
 public:
  virtual int Greet() = 0;

 protected:
  ~IGreeter() = default;
};
const com::IID IID_IGreeter = com::MakeGuid("{3F2A0C11-0000-4000-8000-000000000001}");
inline const com::IID& InterfaceIdOf(std::type_identity<IGreeter>) { return IID_IGreeter; }

class IShape : public com::IDispatch {
 public:
  virtual int Sides() = 0;

 protected:
  ~IShape() = default;
};
const com::IID IID_IShape = com::MakeGuid("{3F2A0C11-0000-4000-8000-000000000002}");
inline const com::IID& InterfaceIdOf(std::type_identity<IShape>) { return IID_IShape; }

namespace {

class Square final : public com::Object<IShape, IGreeter> {
 public:
  Square(com::ModuleCounter& module, bool& destroyed) : Object(module), destroyed_(destroyed) {}
  ~Square() override { destroyed_ = true; }
  const com::InterfaceInfo* GetTypeInfo() override { return nullptr; }
  com::Variant Invoke(std::u16string_view, com::InvokeKind, std::span<com::Variant>) override { return {}; }
  int Sides() override { return 4; }
  int Greet() override { return 42; }

 private:
  bool& destroyed_;
};

class ObjectTest : public ::testing::Test {
 protected:
  com::ModuleCounter module_;
  bool destroyed_ = false;
};

void* Query(com::IUnknown* unknown, const com::IID& iid) {
  void* out = nullptr;
  EXPECT_EQ(unknown->QueryInterface(iid, &out), com::S_OK);
  static_cast<com::IUnknown*>(out)->Release();
  return out;
}

TEST_F(ObjectTest, AnswersEveryListedInterfaceAndItsDispatchBase) {
  const auto square = com::MakeObject<Square>(module_, destroyed_);
  const auto shape = com::QueryAs<IShape>(square, IID_IShape);
  ASSERT_TRUE(shape);
  EXPECT_EQ(shape->Sides(), 4);
  const auto greeter = com::QueryAs<IGreeter>(square, IID_IGreeter);
  ASSERT_TRUE(greeter);
  EXPECT_EQ(greeter->Greet(), 42);
  const auto dispatch = com::QueryAs<com::IDispatch>(square, com::IID_IDispatch);
  EXPECT_EQ(dispatch.get(), static_cast<com::IDispatch*>(square.get()));
}

TEST_F(ObjectTest, IUnknownIsTheSameFromEveryInterface) {
  const auto square = com::MakeObject<Square>(module_, destroyed_);
  const auto greeter = com::QueryAs<IGreeter>(square, IID_IGreeter);
  EXPECT_EQ(Query(greeter.get(), com::IID_IUnknown), Query(static_cast<IShape*>(square.get()), com::IID_IUnknown));
}

TEST_F(ObjectTest, RefusesUnknownInterfacesAndNullOutput) {
  const auto square = com::MakeObject<Square>(module_, destroyed_);
  void* out = &out;
  EXPECT_EQ(square->QueryInterface(com::IID_IClassFactory, &out), com::E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(square->QueryInterface(IID_IGreeter, nullptr), com::E_POINTER);
}

TEST_F(ObjectTest, LastReleaseDeletesAndUncountsTheObject) {
  com::ComPtr<com::IDispatch> held;
  {
    const auto square = com::MakeObject<Square>(module_, destroyed_);
    EXPECT_EQ(module_.Objects(), 1);
    held = square;
    EXPECT_FALSE(module_.CanUnload());
  }
  EXPECT_FALSE(destroyed_);
  held.Reset();
  EXPECT_TRUE(destroyed_);
  EXPECT_EQ(module_.Objects(), 0);
  EXPECT_TRUE(module_.CanUnload());
}

}  // namespace
}  // namespace kelvo::testing

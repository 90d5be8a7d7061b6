// The class factory and the module count behind DllCanUnloadNow.
#include "klvctl32/host/class_factory.h"

#include <gtest/gtest.h>

#include "klvctl32/decor/panel3d/panel3d.h"
#include "klvctl32/host/module.h"
#include "platform/forms/interface_ids.h"

namespace kelvo::klvctl32 {
namespace {

com::ComPtr<com::IClassFactory> PanelFactory() {
  return com::ComPtr<com::IClassFactory>::Adopt(NewClassFactory<KelvoPanel3D>());
}

TEST(ClassFactory, CreatesAControlAnsweringIControlAndIDispatch) {
  const auto factory = PanelFactory();
  void* out = nullptr;
  ASSERT_EQ(factory->CreateInstance(nullptr, forms::IID_IControl, &out), com::S_OK);
  const auto control = com::ComPtr<forms::IControl>::Adopt(static_cast<forms::IControl*>(out));
  EXPECT_EQ(control->ClassInfo().name, u"KelvoPanel3D");
  const auto dispatch = com::QueryAs<com::IDispatch>(control, com::IID_IDispatch);
  ASSERT_TRUE(dispatch);
  EXPECT_EQ(dispatch->GetTypeInfo(), control->ClassInfo().defaultInterface);
}

TEST(ClassFactory, RefusesAggregationAndUnknownInterfaces) {
  const auto factory = PanelFactory();
  void* out = &out;
  EXPECT_EQ(factory->CreateInstance(factory.get(), forms::IID_IControl, &out), com::CLASS_E_NOAGGREGATION);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(factory->CreateInstance(nullptr, com::IID_IClassFactory, &out), com::E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(factory->CreateInstance(nullptr, forms::IID_IControl, nullptr), com::E_POINTER);
}

TEST(ClassFactory, ObjectsAndLocksKeepTheModuleLoaded) {
  ASSERT_TRUE(Module().CanUnload());
  {
    const auto factory = PanelFactory();
    EXPECT_FALSE(Module().CanUnload());
    void* out = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, com::IID_IUnknown, &out), com::S_OK);
    EXPECT_EQ(Module().Objects(), 2);
    static_cast<com::IUnknown*>(out)->Release();
    EXPECT_EQ(factory->LockServer(true), com::S_OK);
  }
  EXPECT_FALSE(Module().CanUnload());
  Module().Lock(false);
  EXPECT_TRUE(Module().CanUnload());
}

}  // namespace
}  // namespace kelvo::klvctl32

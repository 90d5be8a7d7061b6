#include <dlfcn.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/com/loader.h"
#include "platform/com/registry.h"
#include "platform/com/variant.h"
#include "support/temp_dir.h"

namespace kelvo::com {
namespace {

const CLSID kCounterClsid = MakeGuid("{6B3C1D20-4A5E-4F11-9C2B-112233445566}");
const CLSID kOtherClsid = MakeGuid("{6B3C1D20-4A5E-4F11-9C2B-000000000001}");

// The fixture server's own registration entry points, called the way the
// registration tool calls them.
HRESULT CallServerEntry(const char* entry) {
  void* library = ::dlopen(KELVO_FIXTURE_SERVER, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return E_FAIL;
  const auto fn = reinterpret_cast<DllRegisterServerFn>(::dlsym(library, entry));
  const HRESULT hr = fn != nullptr ? fn() : E_FAIL;
  ::dlclose(library);
  return hr;
}

void RegisterServer(const CLSID& clsid, const std::string& path) {
  SystemRegistry().Update([&](RegistryTree& t) {
    t.SetValue("HKEY_CLASSES_ROOT\\CLSID\\" + clsid.ToString() + "\\InprocServer32", "", RegValue::Str(path));
  });
}

// The description of the com::Error the call throws, checked to be 429.
template <class Call>
std::string CantCreateReason(Call&& call) {
  try {
    call();
  } catch (const Error& e) {
    EXPECT_EQ(e.number(), err::kCantCreateObject);
    return text::ToUtf8(e.description());
  }
  ADD_FAILURE() << "no error";
  return {};
}

std::string PlatformLibraryPath() {
  Dl_info info{};
  ::dladdr(reinterpret_cast<void*>(&LoadedLibraryCount), &info);
  return info.dli_fname;
}

class Loader : public ::testing::Test {
 protected:
  void TearDown() override { FreeUnusedLibraries(); }
  kelvo::testing::TempRoot root_;
};

TEST_F(Loader, UnknownProgIdIs429NamingIt) {
  EXPECT_EQ(CantCreateReason([] { CreateObject(u"Kelvo.Nothing"); }),
            "Can't create object: ProgID Kelvo.Nothing is not registered");
  EXPECT_FALSE(CLSIDFromProgID(u"Kelvo.Nothing"));
  EXPECT_FALSE(CLSIDFromProgID(u"CLSID\\Kelvo"));
}

TEST_F(Loader, UnknownClassIs429NamingIt) {
  EXPECT_EQ(CantCreateReason([] { CreateObject(kOtherClsid); }),
            "Can't create object: class {6B3C1D20-4A5E-4F11-9C2B-000000000001} is not registered");
  EXPECT_EQ(CantCreateReason([] { GetClassObject(kOtherClsid); }),
            "Can't create object: class {6B3C1D20-4A5E-4F11-9C2B-000000000001} is not registered");
}

TEST_F(Loader, MissingServerFileIsNamed) {
  const std::string path = (root_.dir() / "gone" / "KLVCTL32.OCX").string();
  RegisterServer(kOtherClsid, path);
  EXPECT_EQ(CantCreateReason([] { CreateObject(kOtherClsid); }),
            "Can't create object: class {6B3C1D20-4A5E-4F11-9C2B-000000000001}: server file " + path + " not found");
}

TEST_F(Loader, RelativeServerPathsAreInTheSystemDirectory) {
  RegisterServer(kOtherClsid, "KLVCTL32.OCX");
  EXPECT_NE(CantCreateReason([] { CreateObject(kOtherClsid); })
                .find("server file " + (root_.dir() / "system32" / "KLVCTL32.OCX").string() + " not found"),
            std::string::npos);
}

TEST_F(Loader, AFileThatIsNotALibraryCannotBeLoaded) {
  const auto path = root_.dir() / "fake.ocx";
  std::ofstream(path) << "not a library";
  RegisterServer(kOtherClsid, path.string());
  EXPECT_NE(CantCreateReason([] { CreateObject(kOtherClsid); }).find(": cannot load " + path.string() + ": "),
            std::string::npos);
}

// The system loader would map the missing pages and die of a bus error.
TEST_F(Loader, ATruncatedLibraryIsRefusedNamingTheFile) {
  const auto path = root_.dir() / "cut.ocx";
  std::filesystem::copy_file(KELVO_FIXTURE_SERVER, path);
  std::filesystem::resize_file(path, 5000);
  RegisterServer(kCounterClsid, path.string());
  EXPECT_NE(CantCreateReason([] { CreateObject(kCounterClsid); }).find(": cannot load " + path.string() + ": truncated"),
            std::string::npos);
}

TEST_F(Loader, ALibraryWithoutTheEntryPointIsNamed) {
  RegisterServer(kOtherClsid, PlatformLibraryPath());
  EXPECT_EQ(CantCreateReason([] { GetClassObject(kOtherClsid); }),
            "Can't create object: class {6B3C1D20-4A5E-4F11-9C2B-000000000001}: " + PlatformLibraryPath() +
                " has no DllGetClassObject");
}

TEST_F(Loader, AClassTheServerDoesNotServeIsNotAvailable) {
  RegisterServer(kOtherClsid, KELVO_FIXTURE_SERVER);
  EXPECT_EQ(CantCreateReason([] { CreateObject(kOtherClsid); }),
            "Can't create object: class {6B3C1D20-4A5E-4F11-9C2B-000000000001}: class not available (0x80040111)");
}

TEST_F(Loader, CorruptRegistryIs429) {
  std::ofstream(root_.dir() / "registry") << "[A\n";
  EXPECT_NE(CantCreateReason([] { CreateObject(u"Kelvo.TestCounter"); }).find("the registry cannot be read"),
            std::string::npos);
}

TEST_F(Loader, SelfRegisteredServerCreatesWorkingObjects) {
  ASSERT_EQ(CallServerEntry("DllRegisterServer"), S_OK);
  EXPECT_EQ(CLSIDFromProgID(u"kelvo.testcounter"), kCounterClsid);
  const ComPtr<IDispatch> counter = CreateObject(u"Kelvo.TestCounter");
  std::vector<Variant> args{Variant::Integer(5)};
  EXPECT_EQ(counter->Invoke(u"Add", InvokeKind::Method, args), Variant::Long(5));
  EXPECT_EQ(counter->Invoke(u"value", InvokeKind::Get, {}), Variant::Long(5));

  ASSERT_EQ(CallServerEntry("DllUnregisterServer"), S_OK);
  EXPECT_FALSE(CLSIDFromProgID(u"Kelvo.TestCounter"));
  EXPECT_EQ(CantCreateReason([] { CreateObject(u"Kelvo.TestCounter"); }),
            "Can't create object: ProgID Kelvo.TestCounter is not registered");
}

TEST_F(Loader, ServerStaysLoadedWhileItsObjectsLive) {
  ASSERT_EQ(CallServerEntry("DllRegisterServer"), S_OK);
  FreeUnusedLibraries();
  const int before = LoadedLibraryCount();
  ComPtr<IDispatch> counter = CreateObject(kCounterClsid);
  ComPtr<IDispatch> second = CreateObject(u"Kelvo.TestCounter");
  EXPECT_EQ(LoadedLibraryCount(), before + 1);  // one library for both objects
  EXPECT_EQ(FreeUnusedLibraries(), 0);
  counter.Reset();
  EXPECT_EQ(FreeUnusedLibraries(), 0);
  EXPECT_EQ(LoadedLibraryCount(), before + 1);
  second.Reset();
  EXPECT_EQ(FreeUnusedLibraries(), 1);
  EXPECT_EQ(LoadedLibraryCount(), before);
}

TEST_F(Loader, AHeldClassFactoryKeepsItsServerLoaded) {
  ASSERT_EQ(CallServerEntry("DllRegisterServer"), S_OK);
  FreeUnusedLibraries();
  const int before = LoadedLibraryCount();
  ComPtr<IClassFactory> factory = GetClassObject(kCounterClsid);
  EXPECT_EQ(FreeUnusedLibraries(), 0);
  void* out = nullptr;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, &out), S_OK);
  const auto object = ComPtr<IDispatch>::Adopt(static_cast<IDispatch*>(out));
  EXPECT_EQ(factory->CreateInstance(object.get(), IID_IDispatch, &out), CLASS_E_NOAGGREGATION);
  factory.Reset();
  EXPECT_EQ(FreeUnusedLibraries(), 0);
  EXPECT_EQ(LoadedLibraryCount(), before + 1);
}

}  // namespace
}  // namespace kelvo::com

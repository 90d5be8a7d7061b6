// The built KLVCTL32.OCX through its four exported entry points, loaded with
// dlopen the way the component loader does, in a temporary KELVO_ROOT.
#include <dlfcn.h>
#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/text.h"
#include "platform/com/classfactory.h"
#include "platform/com/registry.h"
#include "platform/forms/control.h"
#include "platform/forms/interface_ids.h"
#include "platform/forms/property_page.h"
#include "support/temp_dir.h"

namespace kelvo::klvctl32 {
namespace {

const std::filesystem::path kLibrary = KLVCTL32_PATH;

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Library {
 public:
  Library() : handle_(dlopen(kLibrary.c_str(), RTLD_NOW | RTLD_LOCAL)) {}
  ~Library() {
    if (handle_ != nullptr) dlclose(handle_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  bool loaded() const { return handle_ != nullptr; }
  template <class Fn>
  Fn Entry(const char* name) const {
    return reinterpret_cast<Fn>(dlsym(handle_, name));
  }

  com::HRESULT Register() const { return Entry<com::DllRegisterServerFn>("DllRegisterServer")(); }
  com::HRESULT Unregister() const { return Entry<com::DllUnregisterServerFn>("DllUnregisterServer")(); }
  com::HRESULT CanUnloadNow() const { return Entry<com::DllCanUnloadNowFn>("DllCanUnloadNow")(); }
  com::HRESULT GetClassObject(const com::CLSID& clsid, const com::IID& iid, void** out) const {
    return Entry<com::DllGetClassObjectFn>("DllGetClassObject")(&clsid, &iid, out);
  }

 private:
  void* handle_;
};

class EntryPoints : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(lib.loaded()) << dlerror(); }

  // The class id registration wrote for a ProgID.
  com::CLSID RegisteredClsid(const std::string& progid) const {
    const auto value = com::SystemRegistry().Read().GetValue("HKEY_CLASSES_ROOT\\" + progid + "\\CLSID", "");
    if (!value) return {};
    return com::GUID::Parse(value->text).value_or(com::GUID{});
  }

  kelvo::testing::TempRoot root;
  Library lib;
};

TEST_F(EntryPoints, RegistrationPointsAtTheLibraryFile) {
  ASSERT_EQ(lib.Register(), com::S_OK);
  const com::CLSID panel = RegisteredClsid("KLVCTL32.KelvoPanel3D");
  ASSERT_FALSE(panel.IsNull());
  const auto path =
      com::SystemRegistry().Read().GetValue("HKEY_CLASSES_ROOT\\CLSID\\" + panel.ToString() + "\\InprocServer32", "");
  ASSERT_TRUE(path);
  EXPECT_TRUE(std::filesystem::path(path->text).is_absolute());
  EXPECT_TRUE(std::filesystem::equivalent(path->text, kLibrary));
}

TEST_F(EntryPoints, UnregistrationLeavesTheRegistryFileByteIdentical) {
  com::Registry(root.registry()).Update([](com::RegistryTree& tree) {
    tree.SetValue("HKEY_CLASSES_ROOT\\CLSID\\{11111111-2222-3333-4444-555555555555}", "", com::RegValue::Str("Other"));
    tree.SetValue("HKEY_CLASSES_ROOT\\TypeLib\\{11111111-2222-3333-4444-666666666666}\\2.0", "",
                  com::RegValue::Str("Other library"));
    tree.SetValue("HKEY_CURRENT_USER\\Software\\Kelvo", "Answer", com::RegValue::Dword(42));
  });
  const std::string before = ReadFile(root.registry());
  ASSERT_EQ(lib.Register(), com::S_OK);
  EXPECT_NE(ReadFile(root.registry()), before);
  ASSERT_EQ(lib.Unregister(), com::S_OK);
  EXPECT_EQ(ReadFile(root.registry()), before);
}

TEST_F(EntryPoints, CorruptRegistryIsRefusedAndLeftUntouched) {
  std::filesystem::create_directories(root.dir());
  std::ofstream(root.registry()) << "[HKEY_CLASSES_ROOT\n@=broken\n";
  const std::string before = ReadFile(root.registry());
  EXPECT_TRUE(com::Failed(lib.Register()));
  EXPECT_TRUE(com::Failed(lib.Unregister()));
  EXPECT_EQ(ReadFile(root.registry()), before);
}

TEST_F(EntryPoints, BuiltClassesHaveAFactory) {
  ASSERT_EQ(lib.Register(), com::S_OK);
  for (const char* progid : {"KLVCTL32.KelvoPanel3D", "KLVCTL32.KelvoLine3D", "KLVCTL32.KelvoTBBar",
                             "KLVCTL32.KelvoTBSeparator", "KLVCTL32.KelvoTextEdit", "KLVCTL32.KelvoEnginer"}) {
    SCOPED_TRACE(progid);
    void* out = nullptr;
    ASSERT_EQ(lib.GetClassObject(RegisteredClsid(progid), com::IID_IClassFactory, &out), com::S_OK);
    const auto factory = com::ComPtr<com::IClassFactory>::Adopt(static_cast<com::IClassFactory*>(out));
    void* object = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, forms::IID_IControl, &object), com::S_OK);
    const auto control = com::ComPtr<forms::IControl>::Adopt(static_cast<forms::IControl*>(object));
    EXPECT_EQ("KLVCTL32." + std::string(control->ClassInfo().name.begin(), control->ClassInfo().name.end()), progid);
  }
}

TEST_F(EntryPoints, PropertyPagesHaveAFactory) {
  ASSERT_EQ(lib.Register(), com::S_OK);
  for (const char* progid : {"KLVCTL32.ppgTextEdit", "KLVCTL32.ppgNumberEdit", "KLVCTL32.ppgButtons"}) {
    SCOPED_TRACE(progid);
    void* out = nullptr;
    ASSERT_EQ(lib.GetClassObject(RegisteredClsid(progid), com::IID_IClassFactory, &out), com::S_OK);
    const auto factory = com::ComPtr<com::IClassFactory>::Adopt(static_cast<com::IClassFactory*>(out));
    void* object = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, forms::IID_IPropertyPage, &object), com::S_OK);
    const auto page = com::ComPtr<forms::IPropertyPage>::Adopt(static_cast<forms::IPropertyPage*>(object));
    EXPECT_EQ("KLVCTL32." + text::ToUtf8(page->ClassInfo().name), progid);
    EXPECT_EQ(page->Caption(), u"General");
  }
}

TEST_F(EntryPoints, UnknownClassesAreNotAvailable) {
  ASSERT_EQ(lib.Register(), com::S_OK);
  void* out = &out;
  EXPECT_EQ(
      lib.GetClassObject(*com::GUID::Parse("{11111111-2222-3333-4444-555555555555}"), com::IID_IClassFactory, &out),
      com::CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(lib.Entry<com::DllGetClassObjectFn>("DllGetClassObject")(nullptr, &com::IID_IClassFactory, &out),
            com::E_INVALIDARG);
  EXPECT_EQ(lib.GetClassObject(RegisteredClsid("KLVCTL32.KelvoPanel3D"), com::IID_IClassFactory, nullptr),
            com::E_POINTER);
  EXPECT_EQ(lib.GetClassObject(RegisteredClsid("KLVCTL32.KelvoPanel3D"), com::IID_IDispatch, &out), com::E_NOINTERFACE);
}

TEST_F(EntryPoints, CanUnloadOnlyWithoutObjectsAndLocks) {
  ASSERT_EQ(lib.Register(), com::S_OK);
  EXPECT_EQ(lib.CanUnloadNow(), com::S_OK);
  void* out = nullptr;
  ASSERT_EQ(lib.GetClassObject(RegisteredClsid("KLVCTL32.KelvoLine3D"), com::IID_IClassFactory, &out), com::S_OK);
  auto factory = com::ComPtr<com::IClassFactory>::Adopt(static_cast<com::IClassFactory*>(out));
  EXPECT_EQ(lib.CanUnloadNow(), com::S_FALSE);
  void* object = nullptr;
  ASSERT_EQ(factory->CreateInstance(nullptr, com::IID_IUnknown, &object), com::S_OK);
  ASSERT_EQ(factory->LockServer(true), com::S_OK);
  factory.Reset();
  EXPECT_EQ(lib.CanUnloadNow(), com::S_FALSE);
  static_cast<com::IUnknown*>(object)->Release();
  EXPECT_EQ(lib.CanUnloadNow(), com::S_FALSE);
  ASSERT_EQ(lib.GetClassObject(RegisteredClsid("KLVCTL32.KelvoLine3D"), com::IID_IClassFactory, &out), com::S_OK);
  static_cast<com::IClassFactory*>(out)->LockServer(false);
  static_cast<com::IClassFactory*>(out)->Release();
  EXPECT_EQ(lib.CanUnloadNow(), com::S_OK);
}

// The contents of a named section of a 64-bit ELF file, or nothing.
std::optional<std::string> ElfSection(const std::string& file, const std::string& name) {
  if (file.size() < sizeof(Elf64_Ehdr) || std::memcmp(file.data(), ELFMAG, SELFMAG) != 0) return std::nullopt;
  Elf64_Ehdr header;
  std::memcpy(&header, file.data(), sizeof header);
  const auto sectionAt = [&](std::size_t index) -> std::optional<Elf64_Shdr> {
    const std::size_t offset = header.e_shoff + index * sizeof(Elf64_Shdr);
    if (offset + sizeof(Elf64_Shdr) > file.size()) return std::nullopt;
    Elf64_Shdr s;
    std::memcpy(&s, file.data() + offset, sizeof s);
    return s;
  };
  const auto names = sectionAt(header.e_shstrndx);
  if (!names || names->sh_offset >= file.size()) return std::nullopt;
  for (std::size_t i = 0; i < header.e_shnum; ++i) {
    const auto s = sectionAt(i);
    if (!s || names->sh_offset + s->sh_name >= file.size()) return std::nullopt;
    if (std::strcmp(file.c_str() + names->sh_offset + s->sh_name, name.c_str()) != 0) continue;
    if (s->sh_offset + s->sh_size > file.size()) return std::nullopt;
    return file.substr(s->sh_offset, s->sh_size);
  }
  return std::nullopt;
}

TEST(VersionBlock, IsInItsOwnSectionOfTheLibraryFile) {
  const auto block = ElfSection(ReadFile(kLibrary), ".kelvo_version");
  ASSERT_TRUE(block);
  EXPECT_EQ(std::string(block->c_str()),
            "FileVersion=1.01.0001\n"
            "FileVersionNumber=1.1.0.1\n"
            "ProductName=KelvoControls 32Bits\n"
            "InternalName=KLVCTL32\n"
            "OLESelfRegister=\n");
}

}  // namespace
}  // namespace kelvo::klvctl32

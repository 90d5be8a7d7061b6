// The type library as the container reads it: the catalogue, the interfaces'
// names and flags, misc status, pages, enumerations, identifiers.
#include "klvctl32/server/typelib.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "klvctl32/server/catalogue.h"
#include "platform/base/text.h"
#include "platform/forms/stdpages.h"

namespace kelvo::klvctl32 {
namespace {

using namespace com::olemisc;

constexpr std::uint32_t kCommon = kSetClientSiteFirst | kActivateWhenVisible | kRecomposeOnResize | kCantLinkInside;

TEST(TypeLibrary, Header) {
  const com::TypeLibInfo& lib = TypeLibrary();
  EXPECT_EQ(lib.name, u"KLVCTL32");
  EXPECT_EQ(lib.help, u"KelvoControls 32Bits");
  EXPECT_EQ(lib.majorVersion, 1);
  EXPECT_EQ(lib.minorVersion, 0);
  EXPECT_EQ(lib.lcid, 0x409u);
  EXPECT_FALSE(lib.libid.IsNull());
}

TEST(TypeLibrary, CatalogueInOrder) {
  std::vector<std::u16string> names;
  for (const com::CoClassInfo* c : TypeLibrary().classes) names.push_back(c->name);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"KelvoNumberEdit", u"KelvoTextEdit", u"KelvoActiveCommand",
                                                u"KelvoTBButton", u"KelvoTBBar", u"KelvoTBSeparator", u"KelvoPanel3D",
                                                u"KelvoLine3D", u"KelvoCopyFile", u"KelvoEnginer", u"ppgTextEdit",
                                                u"ppgNumberEdit", u"ppgButtons"}));
}

TEST(TypeLibrary, MiscStatusAndDefaultEvents) {
  const std::map<std::u16string, std::pair<std::uint32_t, std::u16string>> expected = {
      {u"KelvoNumberEdit", {kCommon, u"Changed"}},
      {u"KelvoTextEdit", {kCommon, u"Changed"}},
      {u"KelvoActiveCommand", {kCommon | kActsLikeButton, u"Click"}},
      {u"KelvoTBButton", {kCommon | kNoUIActivate, u"Click"}},
      {u"KelvoTBBar", {kCommon | kSimpleFrame | kAlignable, u"LeftLinesClick"}},
      {u"KelvoTBSeparator", {kCommon | kNoUIActivate, u""}},
      {u"KelvoPanel3D", {kCommon | kSimpleFrame | kNoUIActivate, u""}},
      {u"KelvoLine3D", {kCommon | kNoUIActivate, u""}},
      {u"KelvoCopyFile", {kCommon | kNoUIActivate, u"Progress"}},
      {u"KelvoEnginer", {kCommon | kNoUIActivate | kInvisibleAtRuntime, u"CheckKelvoControls"}},
  };
  for (const com::CoClassInfo* c : TypeLibrary().classes) {
    if (!c->isControl) continue;
    SCOPED_TRACE(text::ToUtf8(c->name));
    ASSERT_EQ(expected.count(c->name), 1u);
    EXPECT_EQ(c->miscStatus, expected.at(c->name).first);
    EXPECT_EQ(c->defaultEvent, expected.at(c->name).second);
  }
}

TEST(TypeLibrary, ControlInterfacesAreNamedAndFlaggedAsTheCatalogueSays) {
  for (const com::CoClassInfo* c : TypeLibrary().classes) {
    SCOPED_TRACE(text::ToUtf8(c->name));
    ASSERT_NE(c->defaultInterface, nullptr);
    EXPECT_EQ(c->defaultInterface->name, u"_" + c->name);
    EXPECT_EQ(c->defaultInterface->flags, com::interface_flags::kHidden | com::interface_flags::kDual |
                                              com::interface_flags::kNonExtensible |
                                              com::interface_flags::kOleAutomation);
    EXPECT_NE(c->isControl, c->isPropertyPage);
    if (c->isPropertyPage) {
      EXPECT_EQ(c->eventInterface, nullptr);
      EXPECT_EQ(c->miscStatus, 0u);
      continue;
    }
    ASSERT_NE(c->eventInterface, nullptr);
    EXPECT_EQ(c->eventInterface->name, u"__" + c->name);
    EXPECT_EQ(c->eventInterface->flags, com::interface_flags::kHidden | com::interface_flags::kDispatchOnly);
    if (!c->defaultEvent.empty()) {
      EXPECT_NE(c->eventInterface->Find(c->defaultEvent), nullptr);
    }
    EXPECT_NE(c->toolboxBitmap, 0);
  }
}

TEST(TypeLibrary, EveryIdentifierIsFixedAndDistinct) {
  std::set<com::GUID> seen = {TypeLibrary().libid, forms::CLSID_StandardFontPage, forms::CLSID_StandardColorPage,
                              forms::CLSID_StandardPicturePage};
  std::size_t count = seen.size();
  for (const com::CoClassInfo* c : TypeLibrary().classes) {
    seen.insert(c->clsid);
    seen.insert(c->defaultInterface->iid);
    count += 2;
    if (c->eventInterface != nullptr) {
      seen.insert(c->eventInterface->iid);
      ++count;
    }
  }
  EXPECT_EQ(seen.size(), count);
  EXPECT_EQ(seen.count(com::GUID{}), 0u);
}

TEST(TypeLibrary, PropertyPagesAreKnownPages) {
  std::set<com::CLSID> pages = {forms::CLSID_StandardFontPage, forms::CLSID_StandardColorPage,
                                forms::CLSID_StandardPicturePage};
  for (const com::CoClassInfo* c : TypeLibrary().classes) {
    if (c->isPropertyPage) pages.insert(c->clsid);
  }
  for (const com::CoClassInfo* c : TypeLibrary().classes) {
    for (const com::CLSID& page : c->propertyPages) EXPECT_EQ(pages.count(page), 1u) << text::ToUtf8(c->name);
  }
  const com::CoClassInfo* button = TypeLibrary().FindClass(u"KelvoActiveCommand");
  ASSERT_NE(button, nullptr);
  ASSERT_EQ(button->propertyPages.size(), 4u);
  EXPECT_EQ(button->propertyPages[0], TypeLibrary().FindClass(u"ppgButtons")->clsid);
}

TEST(TypeLibrary, EnumerationsInOrderAndEveryEnumTypeIsOne) {
  std::vector<std::u16string> names;
  for (const com::EnumInfo* e : TypeLibrary().enums) names.push_back(e->name);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"eNumberFormat", u"kcTextStyle", u"kcSizeBar", u"kcPictSize",
                                                u"kcPictPosition", u"kcStyle", u"KLV_BorderStyle", u"KLV_LineStyle",
                                                u"KLV_LineOrientation", u"KC_BlockSize"}));
  const std::set<std::u16string> known(names.begin(), names.end());
  for (const com::CoClassInfo* c : TypeLibrary().classes) {
    for (const com::MemberInfo& m : c->defaultInterface->members) {
      if (m.type.kind == com::TypeKind::Enum) {
        EXPECT_EQ(known.count(m.type.name), 1u) << text::ToUtf8(m.name);
      }
    }
  }
}

// Property help strings read "English sentence. (Portuguese gloss)"; a get
// and its let carry the same one and share a dispatch id.
TEST(TypeLibrary, HelpStringsAreBilingualAndAccessorsAgree) {
  for (const com::CoClassInfo* c : TypeLibrary().classes) {
    const auto& members = c->defaultInterface->members;
    for (const com::MemberInfo& m : members) {
      SCOPED_TRACE(text::ToUtf8(c->name + u"." + m.name));
      if (!m.help.empty()) {
        EXPECT_NE(m.help.find(u" ("), std::u16string::npos);
        EXPECT_EQ(m.help.back(), u')');
      }
      if (m.kind != com::MemberKind::PropGet) continue;
      for (const com::MemberInfo& other : members) {
        if (&other == &m || other.name != m.name) continue;
        EXPECT_EQ(other.help, m.help);
        EXPECT_EQ(other.dispid, m.dispid);
      }
    }
  }
}

TEST(TypeLibrary, DecorationMembersInSlotOrder) {
  const auto slots = [](std::u16string_view cls) {
    std::vector<std::u16string> out;
    for (const com::MemberInfo& m : TypeLibrary().FindClass(cls)->defaultInterface->members) {
      if (m.kind == com::MemberKind::PropGet) out.push_back(m.name);
    }
    return out;
  };
  EXPECT_EQ(slots(u"KelvoPanel3D"), (std::vector<std::u16string>{u"Light3DColor", u"Shadow3DColor", u"BackColor",
                                                                 u"BorderOut", u"BorderIn", u"BorderWidth"}));
  EXPECT_EQ(slots(u"KelvoLine3D"),
            (std::vector<std::u16string>{u"Light3DColor", u"Shadow3DColor", u"LineStyle", u"LineOrientation"}));
  EXPECT_EQ(slots(u"KelvoTBBar"), (std::vector<std::u16string>{u"Light3DColor", u"Shadow3DColor", u"BackColor",
                                                               u"ShowLeftLines", u"ShowTwoLeftLines", u"AutoHeight"}));
  EXPECT_EQ(slots(u"KelvoTBSeparator"),
            (std::vector<std::u16string>{u"Light3DColor", u"Shadow3DColor", u"BackColor", u"AutoHeight"}));
}

TEST(TypeLibrary, ToolbarBarEventsInOrderWithByReferenceMouseDownAndUp) {
  const com::EventInterfaceInfo* events = TypeLibrary().FindClass(u"KelvoTBBar")->eventInterface;
  std::vector<std::u16string> names;
  for (const com::EventInfo& e : events->events) names.push_back(e.name);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"LeftLinesClick", u"LeftLinesMouseMove", u"Click", u"DblClick",
                                                u"MouseMove", u"MouseDown", u"MouseUp", u"Resize"}));
  for (const com::EventInfo& e : events->events) {
    const bool byRef = e.name == u"MouseDown" || e.name == u"MouseUp";
    for (const com::ParamInfo& p : e.params) EXPECT_EQ(p.byRef, byRef) << text::ToUtf8(e.name);
  }
}

TEST(TypeLibrary, EditControlsRaiseTheSameNineEventsWithByReferenceArguments) {
  for (const std::u16string_view name : {u"KelvoTextEdit", u"KelvoNumberEdit"}) {
    const com::EventInterfaceInfo* events = TypeLibrary().FindClass(name)->eventInterface;
    std::vector<std::u16string> names;
    for (const com::EventInfo& e : events->events) {
      names.push_back(e.name);
      for (const com::ParamInfo& p : e.params)
        EXPECT_TRUE(p.byRef) << text::ToUtf8(name) << "." << text::ToUtf8(e.name);
    }
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Click", u"DblClick", u"Changed", u"KeyDown", u"KeyPress", u"KeyUp",
                                                  u"MouseDown", u"MouseMove", u"MouseUp"}))
        << text::ToUtf8(name);
  }
}

TEST(Catalogue, TheBuiltClassesHaveFactories) {
  std::vector<std::u16string> built;
  for (const CatalogueEntry& entry : Catalogue()) {
    if (entry.makeFactory != nullptr) built.push_back(entry.info().name);
  }
  EXPECT_EQ(built, (std::vector<std::u16string>{u"KelvoNumberEdit", u"KelvoTextEdit", u"KelvoActiveCommand",
                                                u"KelvoTBButton", u"KelvoTBBar", u"KelvoTBSeparator", u"KelvoPanel3D",
                                                u"KelvoLine3D", u"KelvoCopyFile", u"KelvoEnginer", u"ppgTextEdit",
                                                u"ppgNumberEdit", u"ppgButtons"}));
  for (const CatalogueEntry& entry : Catalogue()) EXPECT_EQ(FindCatalogueEntry(entry.info().clsid), &entry);
  EXPECT_EQ(FindCatalogueEntry(TypeLibrary().libid), nullptr);
}

}  // namespace
}  // namespace kelvo::klvctl32

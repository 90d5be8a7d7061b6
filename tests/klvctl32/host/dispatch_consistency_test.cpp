// Every built control answers, by name, exactly what its type information
// publishes, and publishes everything its dispatch answers: both come from
// one member table, and a row that yields only one of them is caught here.
#include <gtest/gtest.h>

#include <set>

#include "hosted.h"
#include "klvctl32/buttons/activecommand.h"
#include "klvctl32/buttons/tbbutton.h"
#include "klvctl32/copyfile/copyfile.h"
#include "klvctl32/decor/line3d/line3d.h"
#include "klvctl32/decor/panel3d/panel3d.h"
#include "klvctl32/decor/tbbar/tbbar.h"
#include "klvctl32/decor/tbseparator/tbseparator.h"
#include "klvctl32/host/enginer.h"
#include "klvctl32/numberedit/numberedit.h"
#include "klvctl32/pages/ppgbuttons.h"
#include "klvctl32/pages/ppgnumberedit.h"
#include "klvctl32/pages/ppgtextedit.h"
#include "klvctl32/server/catalogue.h"
#include "klvctl32/textedit/textedit.h"
#include "platform/base/text.h"
#include "platform/com/error.h"

namespace kelvo::klvctl32 {
namespace {

// The errors that say a name or its shape is missing from the dispatch.
bool IsDispatchShapeError(std::int32_t number) {
  return number == com::err::kNoSuchMember || number == com::err::kWrongArguments ||
         number == com::err::kReadOnlyProperty || number == com::err::kWriteOnlyProperty;
}

com::InvokeKind InvokeKindOf(com::MemberKind kind) {
  switch (kind) {
    case com::MemberKind::PropGet:
      return com::InvokeKind::Get;
    case com::MemberKind::PropLet:
      return com::InvokeKind::Let;
    case com::MemberKind::PropSet:
      return com::InvokeKind::Set;
    case com::MemberKind::Method:
      break;
  }
  return com::InvokeKind::Method;
}

// Each published slot is invoked with arguments of the published count (a
// property's current value for an assignment); whatever the member then
// does, it must not be the dispatch saying it lacks that slot.
template <class T>
void ExpectEveryPublishedMemberAnswers() {
  testing::Hosted<T> h(40, 40, 15);
  const com::InterfaceInfo* info = h.control->GetTypeInfo();
  ASSERT_NE(info, nullptr);
  for (const com::MemberInfo& m : info->members) {
    SCOPED_TRACE(text::ToUtf8(m.name));
    std::vector<com::Variant> args(m.params.size());
    if (m.kind == com::MemberKind::PropLet || m.kind == com::MemberKind::PropSet) {
      args.push_back(info->Find(m.name, com::MemberKind::PropGet) ? h.Get(m.name) : com::Variant());
    }
    try {
      h.control->Invoke(m.name, InvokeKindOf(m.kind), args);
    } catch (const com::Error& e) {
      EXPECT_FALSE(IsDispatchShapeError(e.number())) << e.number();
    }
  }
}

// Each name and kind the dispatch answers is a published slot.
template <class T>
void ExpectEveryAnsweredMemberIsPublished() {
  const com::InterfaceInfo& info = *T::Info().defaultInterface;
  for (const auto& [name, kind] : T::Table().DispatchNames()) {
    SCOPED_TRACE(text::ToUtf8(name));
    bool published = false;
    for (const com::MemberInfo& m : info.members)
      published |= com::NamesEqual(m.name, name) && InvokeKindOf(m.kind) == kind;
    EXPECT_TRUE(published);
  }
}

template <class T>
void ExpectUnpublishedNamesAreError438() {
  testing::Hosted<T> h(40, 40, 15);
  try {
    h.Get(u"NoSuchMember");
    ADD_FAILURE() << "no error";
  } catch (const com::Error& e) {
    EXPECT_EQ(e.number(), com::err::kNoSuchMember);
  }
}

template <class T>
void ExpectConsistent() {
  ExpectEveryPublishedMemberAnswers<T>();
  ExpectEveryAnsweredMemberIsPublished<T>();
  ExpectUnpublishedNamesAreError438<T>();
}

TEST(DispatchConsistency, Panel3D) { ExpectConsistent<KelvoPanel3D>(); }
TEST(DispatchConsistency, Line3D) { ExpectConsistent<KelvoLine3D>(); }
TEST(DispatchConsistency, TBBar) { ExpectConsistent<KelvoTBBar>(); }
TEST(DispatchConsistency, TBSeparator) { ExpectConsistent<KelvoTBSeparator>(); }
TEST(DispatchConsistency, TextEdit) { ExpectConsistent<KelvoTextEdit>(); }
TEST(DispatchConsistency, NumberEdit) { ExpectConsistent<KelvoNumberEdit>(); }
TEST(DispatchConsistency, Enginer) { ExpectConsistent<KelvoEnginer>(); }
TEST(DispatchConsistency, ActiveCommand) { ExpectConsistent<KelvoActiveCommand>(); }
TEST(DispatchConsistency, TBButton) { ExpectConsistent<KelvoTBButton>(); }
TEST(DispatchConsistency, CopyFile) { ExpectConsistent<KelvoCopyFile>(); }

// A page publishes its memberless interface and answers no name.
template <class T>
void ExpectMemberlessPage() {
  const com::ComPtr<T> page = com::MakeObject<T>();
  EXPECT_EQ(page->GetTypeInfo(), page->ClassInfo().defaultInterface);
  EXPECT_THROW(page->Invoke(u"Caption", com::InvokeKind::Get, {}), com::Error);
}

TEST(DispatchConsistency, Pages) {
  ExpectMemberlessPage<TextEditPage>();
  ExpectMemberlessPage<NumberEditPage>();
  ExpectMemberlessPage<ButtonsPage>();
}

// A class that gains a factory must be added above.
TEST(DispatchConsistency, CoversEveryClassWithAFactory) {
  const std::set<std::u16string> checked{u"KelvoPanel3D",  u"KelvoLine3D",     u"KelvoTBBar",   u"KelvoTBSeparator",
                                         u"KelvoTextEdit", u"KelvoNumberEdit", u"KelvoEnginer", u"KelvoActiveCommand",
                                         u"KelvoTBButton", u"KelvoCopyFile",   u"ppgTextEdit",  u"ppgNumberEdit",
                                         u"ppgButtons"};
  for (const CatalogueEntry& entry : Catalogue()) {
    if (entry.makeFactory == nullptr) continue;
    EXPECT_TRUE(checked.contains(entry.info().name)) << text::ToUtf8(entry.info().name);
  }
}

TEST(DispatchConsistency, NamesAreCaseInsensitive) {
  testing::Hosted<KelvoPanel3D> h(40, 40, 15);
  h.Let(u"borderwidth", com::Variant::Integer(7));
  EXPECT_EQ(h.Get(u"BORDERWIDTH"), com::Variant::Integer(7));
}

}  // namespace
}  // namespace kelvo::klvctl32

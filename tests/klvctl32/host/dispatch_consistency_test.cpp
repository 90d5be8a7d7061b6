// Every built control answers, by name, exactly what its type information
// publishes: a typo in either table is caught here.
#include <gtest/gtest.h>

#include "hosted.h"
#include "klvctl32/decor/line3d/line3d.h"
#include "klvctl32/decor/panel3d/panel3d.h"
#include "klvctl32/decor/tbbar/tbbar.h"
#include "klvctl32/decor/tbseparator/tbseparator.h"
#include "platform/base/text.h"
#include "platform/com/error.h"

namespace kelvo::klvctl32 {
namespace {

template <class T>
void ExpectEveryPublishedMemberAnswers() {
  testing::Hosted<T> h(40, 40, 15);
  const com::InterfaceInfo* info = h.control->GetTypeInfo();
  ASSERT_NE(info, nullptr);
  for (const com::MemberInfo& m : info->members) {
    SCOPED_TRACE(text::ToUtf8(m.name));
    switch (m.kind) {
      case com::MemberKind::PropGet:
        EXPECT_NO_THROW(h.Get(m.name));
        break;
      case com::MemberKind::PropLet: {
        const com::Variant value = info->Find(m.name, com::MemberKind::PropGet) ? h.Get(m.name) : com::Variant();
        EXPECT_NO_THROW(h.Let(m.name, value));
        break;
      }
      case com::MemberKind::PropSet:
      case com::MemberKind::Method:
        ADD_FAILURE() << "a decoration publishes no methods and no object properties";
        break;
    }
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

TEST(DispatchConsistency, Panel3D) {
  ExpectEveryPublishedMemberAnswers<KelvoPanel3D>();
  ExpectUnpublishedNamesAreError438<KelvoPanel3D>();
}

TEST(DispatchConsistency, Line3D) {
  ExpectEveryPublishedMemberAnswers<KelvoLine3D>();
  ExpectUnpublishedNamesAreError438<KelvoLine3D>();
}

TEST(DispatchConsistency, TBBar) {
  ExpectEveryPublishedMemberAnswers<KelvoTBBar>();
  ExpectUnpublishedNamesAreError438<KelvoTBBar>();
}

TEST(DispatchConsistency, TBSeparator) {
  ExpectEveryPublishedMemberAnswers<KelvoTBSeparator>();
  ExpectUnpublishedNamesAreError438<KelvoTBSeparator>();
}

TEST(DispatchConsistency, NamesAreCaseInsensitive) {
  testing::Hosted<KelvoPanel3D> h(40, 40, 15);
  h.Let(u"borderwidth", com::Variant::Integer(7));
  EXPECT_EQ(h.Get(u"BORDERWIDTH"), com::Variant::Integer(7));
}

}  // namespace
}  // namespace kelvo::klvctl32

#include <gtest/gtest.h>

#include <string>

#include "platform/com/error.h"

namespace kelvo::com {
namespace {

TEST(Error, WhatIsNumberThenDescription) {
  EXPECT_STREQ(Error(err::kOverflow).what(), "6 Overflow");
  EXPECT_STREQ(Error(err::kTypeMismatch).what(), "13 Type mismatch");
  const Error e(err::kCantCreateObject, u"Can't create object: ProgID X is not registered");
  EXPECT_EQ(e.number(), 429);
  EXPECT_STREQ(e.what(), "429 Can't create object: ProgID X is not registered");
  EXPECT_STREQ(Error(380, u"Máscara inválida").what(), "380 M\xC3\xA1scara inv\xC3\xA1lida");
}

TEST(Error, StandardDescriptionsAreExact) {
  EXPECT_EQ(StandardDescription(75), u"Path/File access error");
  EXPECT_EQ(StandardDescription(91), u"Object variable or With block variable not set");
  EXPECT_EQ(StandardDescription(383), u"Can't set read-only property");
  EXPECT_EQ(StandardDescription(438), u"Object doesn't support this property or method");
  EXPECT_EQ(StandardDescription(450), u"Wrong number of arguments or invalid property assignment");
  EXPECT_EQ(StandardDescription(451),
            u"Property let procedure not defined and property get procedure did not return an object");
  EXPECT_EQ(Error(481).description(), u"Invalid picture");
  EXPECT_EQ(Error(31000).description(), u"Application-defined or object-defined error");
}

}  // namespace
}  // namespace kelvo::com

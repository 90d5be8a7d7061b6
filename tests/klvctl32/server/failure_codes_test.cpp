// The HRESULT an entry point returns for the exception that ended it.
#include "klvctl32/server/failure_codes.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "platform/com/error.h"

namespace kelvo::klvctl32 {
namespace {

template <class E>
com::HRESULT CodeFor(E e) {
  return FailureCode(std::make_exception_ptr(std::move(e)));
}

TEST(FailureCodes, EachKindOfFailureGetsItsOwnCode) {
  EXPECT_EQ(CodeFor(std::bad_alloc()), com::E_OUTOFMEMORY);
  EXPECT_EQ(CodeFor(com::Error(com::err::kOutOfMemory)), com::E_OUTOFMEMORY);
  EXPECT_EQ(CodeFor(com::Error(com::E_NOINTERFACE, u"no such interface")), com::E_NOINTERFACE);
  EXPECT_EQ(CodeFor(com::Error(com::err::kInvalidCall)), com::E_FAIL);
  EXPECT_EQ(CodeFor(std::runtime_error("broken")), com::E_UNEXPECTED);
  EXPECT_EQ(CodeFor(42), com::E_UNEXPECTED);
}

}  // namespace
}  // namespace kelvo::klvctl32

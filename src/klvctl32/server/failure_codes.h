#pragma once
// The HRESULT an entry point returns for the exception that ended it.

#include <exception>

#include "platform/com/hresult.h"

namespace kelvo::klvctl32 {

// Out of memory for std::bad_alloc and error 7; a component error carrying a
// failure code as its number gives that code, any other one E_FAIL; anything
// else E_UNEXPECTED.
com::HRESULT FailureCode(const std::exception_ptr& failure);

}  // namespace kelvo::klvctl32

#include "klvctl32/server/failure_codes.h"

#include <new>

#include "platform/com/error.h"

namespace kelvo::klvctl32 {

com::HRESULT FailureCode(const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::bad_alloc&) {
    return com::E_OUTOFMEMORY;
  } catch (const com::Error& e) {
    if (e.number() == com::err::kOutOfMemory) return com::E_OUTOFMEMORY;
    return com::Failed(e.number()) ? e.number() : com::E_FAIL;
  } catch (...) {
    return com::E_UNEXPECTED;
  }
}

}  // namespace kelvo::klvctl32

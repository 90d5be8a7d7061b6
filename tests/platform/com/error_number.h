#pragma once
// The number of the com::Error a call throws, or 0 when it throws none.

#include <cstdint>

#include "platform/com/error.h"

namespace kelvo::testing {

template <class Call>
std::int32_t ErrorNumberOf(Call&& call) {
  try {
    call();
  } catch (const com::Error& e) {
    return e.number();
  }
  return 0;
}

}  // namespace kelvo::testing

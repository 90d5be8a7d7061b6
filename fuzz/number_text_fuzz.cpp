// The runtime's string-to-number reader on arbitrary UTF-16 text: it either
// refuses it with a com::Error or gives a number whose printed form reads back.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/base/environment.h"
#include "platform/com/error.h"
#include "platform/com/variant.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  kelvo::env::SetDecimalSeparator(data[0] % 2 == 0 ? u'.' : u',');
  std::u16string text;
  for (std::size_t i = 1; i + 1 < size; i += 2) text += static_cast<char16_t>(data[i] | data[i + 1] << 8);
  double value = 0;
  try {
    value = kelvo::com::ParseNumber(text);
  } catch (const kelvo::com::Error& e) {
    if (e.number() != kelvo::com::err::kTypeMismatch && e.number() != kelvo::com::err::kOverflow) std::abort();
    return 0;
  }
  if (!std::isfinite(value)) std::abort();
  const double reread = kelvo::com::ParseNumber(kelvo::com::FormatDouble(value));
  if (std::fabs(reread - value) > std::fabs(value) * 1e-14) std::abort();
  if (std::fabs(value) <= FLT_MAX) kelvo::com::ParseNumber(kelvo::com::FormatSingle(static_cast<float>(value)));
  return 0;
}

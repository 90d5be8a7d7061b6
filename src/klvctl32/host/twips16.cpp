#include "klvctl32/host/twips16.h"

#include <cmath>
#include <limits>

namespace kelvo::klvctl32 {

namespace {
constexpr std::int64_t kMin = std::numeric_limits<Twips16>::min();
constexpr std::int64_t kMax = std::numeric_limits<Twips16>::max();
}  // namespace

Twips16 ClampTwips(std::int64_t value) {
  if (value < kMin) return static_cast<Twips16>(kMin);
  if (value > kMax) return static_cast<Twips16>(kMax);
  return static_cast<Twips16>(value);
}

Twips16 RoundTwips(double value) {
  if (std::isnan(value)) return 0;
  if (value <= static_cast<double>(kMin)) return static_cast<Twips16>(kMin);
  if (value >= static_cast<double>(kMax)) return static_cast<Twips16>(kMax);
  // The default floating-point rounding mode rounds halves to even.
  return ClampTwips(static_cast<std::int64_t>(std::nearbyint(value)));
}

Twips16 AddTwips(Twips16 a, Twips16 b) { return ClampTwips(std::int64_t{a} + b); }
Twips16 SubTwips(Twips16 a, Twips16 b) { return ClampTwips(std::int64_t{a} - b); }
Twips16 MulTwips(Twips16 a, Twips16 b) { return ClampTwips(std::int64_t{a} * b); }

}  // namespace kelvo::klvctl32

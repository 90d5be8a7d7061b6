// The library check on damaged images. The input is either an image of its
// own, or, when it starts with '!', a recipe that cuts and flips bits in a
// real library (this program itself): the check answers and never crashes,
// and never passes an image too short for its header.
#include <link.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/com/library_image.h"

namespace {

const std::vector<std::uint8_t>& RealImage() {
  static const std::vector<std::uint8_t> image = [] {
    std::ifstream in("/proc/self/exe", std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }();
  return image;
}

constexpr std::size_t kHead = 65536;

std::uint32_t Word(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// "!", a 4-byte length to keep, then 4-byte bit positions to flip in the
// first 64 KiB, where the headers are (the check reads no further).
void DamageRealImage(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t>& real = RealImage();
  if (size < 5 || real.empty()) return;
  const std::size_t keep = Word(data + 1) % (real.size() + 1);
  std::vector<std::uint8_t> head(real.begin(), real.begin() + static_cast<std::ptrdiff_t>(std::min(keep, kHead)));
  for (std::size_t i = 5; i + 4 <= size; i += 4) {
    const std::uint32_t bit = Word(data + i) % (8 * kHead);
    if (bit / 8 < head.size()) head[bit / 8] ^= static_cast<std::uint8_t>(1u << (bit % 8));
  }
  if (kelvo::com::LibraryImageFault(head, keep) == std::nullopt && keep < sizeof(ElfW(Ehdr))) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 0 && data[0] == '!') {
    DamageRealImage(data, size);
  } else {
    const std::span<const std::uint8_t> image(data, size);
    (void)kelvo::com::LibraryImageFault(image, size);
  }
  return 0;
}

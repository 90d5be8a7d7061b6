#include "platform/gfx/font.h"

#include <atomic>
#include <functional>
#include <limits>
#include <mutex>
#include <unordered_map>

#include "platform/gfx/builtin_face.h"
#include "platform/gfx/font_match.h"
#include "platform/gfx/font_size.h"
#include "platform/gfx/freetype_face.h"

namespace kelvo::gfx {
namespace {

std::atomic<FontSource> gSource{FontSource::System};

// What tells two faces apart: the description at its pixel size (so that
// sizes which round alike, or a NaN size, share one entry) and the source.
struct FaceKey {
  std::u16string name;
  int pixelSize = 0;
  int dpi = 0;
  bool bold = false, italic = false, underline = false, strikethrough = false;
  FontSource source = FontSource::System;
  friend bool operator==(const FaceKey&, const FaceKey&) = default;
};

struct FaceKeyHash {
  std::size_t operator()(const FaceKey& k) const {
    std::size_t h = std::hash<std::u16string>{}(k.name);
    const auto flags = static_cast<std::size_t>(k.bold) | (static_cast<std::size_t>(k.italic) << 1) |
                       (static_cast<std::size_t>(k.underline) << 2) | (static_cast<std::size_t>(k.strikethrough) << 3) |
                       (static_cast<std::size_t>(k.source) << 4);
    for (std::size_t v : {static_cast<std::size_t>(k.pixelSize), static_cast<std::size_t>(k.dpi), flags}) {
      h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    }
    return h;
  }
};

FaceKey KeyOf(const FontDesc& desc, int dpi, FontSource source) {
  return {desc.name, PixelSizeFor(desc.size, dpi), dpi, desc.bold, desc.italic, desc.underline, desc.strikethrough,
          source};
}

std::shared_ptr<const FontFace> MakeSystemFace(const FontDesc& desc, int dpi) {
  if (desc.name == kBuiltinFontName) return MakeBuiltinFace(desc, dpi);
  if (const auto file = MatchSystemFont(desc)) {
    if (auto face = MakeFreeTypeFace(*file, desc, PixelSizeFor(desc.size, dpi))) return face;
  }
  return MakeBuiltinFace(desc, dpi);
}

}  // namespace

void SetFontSource(FontSource source) { gSource = source; }
FontSource CurrentFontSource() { return gSource; }

int FontFace::Width(std::u16string_view text) const {
  long long width = 0;
  for (char16_t ch : text) {
    width += Advance(ch);
    if (width >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  }
  return static_cast<int>(width);
}

std::shared_ptr<const FontFace> ResolveFont(const FontDesc& desc, int dpi) {
  static std::mutex mutex;
  static std::unordered_map<FaceKey, std::shared_ptr<const FontFace>, FaceKeyHash> cache;
  const FontSource source = gSource;
  FaceKey key = KeyOf(desc, dpi, source);
  const std::lock_guard lock(mutex);
  if (const auto it = cache.find(key); it != cache.end()) return it->second;
  auto face = source == FontSource::Builtin ? MakeBuiltinFace(desc, dpi) : MakeSystemFace(desc, dpi);
  cache.emplace(std::move(key), face);
  return face;
}

}  // namespace kelvo::gfx

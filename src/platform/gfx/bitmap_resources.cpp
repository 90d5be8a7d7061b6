// Bitmap resources of loaded libraries, by the library's canonical path.

#include "platform/gfx/bitmap_resources.h"

#include <map>
#include <mutex>
#include <string>

namespace kelvo::gfx {
namespace {

std::string Key(const std::filesystem::path& module) {
  std::error_code ec;
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(module, ec);
  return ec ? module.string() : canonical.string();
}

struct Sources {
  std::mutex mutex;
  std::map<std::string, BitmapSource> byModule;
};

Sources& All() {
  static Sources sources;
  return sources;
}

}  // namespace

void PublishBitmapResources(const std::filesystem::path& module, BitmapSource source) {
  const std::scoped_lock lock(All().mutex);
  All().byModule[Key(module)] = source;
}

void WithdrawBitmapResources(const std::filesystem::path& module) {
  const std::scoped_lock lock(All().mutex);
  All().byModule.erase(Key(module));
}

Image FindBitmapResource(const std::filesystem::path& module, std::uint16_t resourceId) {
  BitmapSource source = nullptr;
  {
    const std::scoped_lock lock(All().mutex);
    const auto it = All().byModule.find(Key(module));
    if (it != All().byModule.end()) source = it->second;
  }
  return source != nullptr ? source(resourceId) : Image{};
}

}  // namespace kelvo::gfx

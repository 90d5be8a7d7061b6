#include "klvctl32/server/server_path.h"

#include <dlfcn.h>

#include <stdexcept>

namespace kelvo::klvctl32 {

namespace {
// Any object of this library: the loader maps its address to the file.
const char kAnchor = 0;
}  // namespace

std::filesystem::path ServerPath() {
  Dl_info info{};
  if (dladdr(&kAnchor, &info) == 0 || info.dli_fname == nullptr || *info.dli_fname == '\0') {
    throw std::runtime_error("cannot tell the file this library was loaded from");
  }
  return std::filesystem::absolute(info.dli_fname).lexically_normal();
}

}  // namespace kelvo::klvctl32

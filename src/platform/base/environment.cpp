#include "platform/base/environment.h"

#include <atomic>
#include <cstdlib>

namespace kelvo::env {
namespace {
std::atomic<char16_t> g_decimal{u'.'};

std::filesystem::path FromVariable(const char* name) {
  const char* v = std::getenv(name);
  return (v != nullptr && *v != '\0') ? std::filesystem::path(v) : std::filesystem::path();
}
}  // namespace

std::filesystem::path Root() {
  if (auto root = FromVariable("KELVO_ROOT"); !root.empty()) return root;
  if (auto data = FromVariable("XDG_DATA_HOME"); !data.empty()) return data / "kelvo";
  if (auto home = FromVariable("HOME"); !home.empty()) return home / ".local" / "share" / "kelvo";
  return std::filesystem::current_path() / "kelvo";
}

std::filesystem::path SystemDirectory() { return Root() / "system32"; }
std::filesystem::path RegistryFile() { return Root() / "registry"; }

char16_t DecimalSeparator() { return g_decimal.load(); }
void SetDecimalSeparator(char16_t sep) { g_decimal.store(sep); }

}  // namespace kelvo::env

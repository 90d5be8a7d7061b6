// The designer's toolbox, read from the registry.

#include "platform/forms/toolbox.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/com/loader.h"
#include "platform/com/registry.h"
#include "platform/gfx/bitmap_resources.h"

namespace kelvo::forms {
namespace {

constexpr std::string_view kClsidRoot = "HKEY_CLASSES_ROOT\\CLSID\\";

std::optional<std::string> StringValue(const com::RegistryTree& tree, const std::string& key) {
  const auto value = tree.GetValue(key, "");
  if (!value || value->kind != com::RegValue::Kind::String) return std::nullopt;
  return value->text;
}

// "<server path>, <id>": the bitmap of that id, loading the server for it.
gfx::Image BitmapOf(std::string_view registered) {
  const std::size_t comma = registered.rfind(',');
  if (comma == std::string_view::npos) return {};
  std::string_view digits = registered.substr(comma + 1);
  while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
  unsigned id = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), id);
  if (error != std::errc{} || end != digits.data() + digits.size() || id > 0xFFFF) return {};
  const std::filesystem::path server(registered.substr(0, comma));
  try {
    com::LoadServerFile(server);
  } catch (const com::Error&) {
    return {};
  }
  return gfx::FindBitmapResource(server, static_cast<std::uint16_t>(id));
}

}  // namespace

std::vector<Tool> RegisteredTools() {
  const com::RegistryTree tree = com::SystemRegistry().Read();
  std::vector<Tool> tools;
  for (const std::string& clsid : tree.SubKeys(std::string(kClsidRoot).substr(0, kClsidRoot.size() - 1))) {
    const std::string key = std::string(kClsidRoot) + clsid;
    if (!tree.HasKey(key + "\\Control")) continue;
    const auto progid = StringValue(tree, key + "\\ProgID");
    if (!progid) continue;
    const auto bitmap = StringValue(tree, key + "\\ToolboxBitmap32");
    tools.push_back({text::FromUtf8(*progid), bitmap ? BitmapOf(*bitmap) : gfx::Image{}});
  }
  std::sort(tools.begin(), tools.end(), [](const Tool& a, const Tool& b) { return a.progid < b.progid; });
  return tools;
}

}  // namespace kelvo::forms

#include "kcsetup/list_file.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "platform/base/text.h"
#include "platform/com/error.h"

namespace kelvo::kcsetup {
namespace {

constexpr std::int32_t kInputPastEndOfFile = 62;

// The first `count` lines; a last line without its line end counts too.
std::vector<std::string_view> FirstLines(std::string_view bytes, std::size_t count) {
  std::vector<std::string_view> lines;
  while (lines.size() < count && !bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
  }
  return lines;
}

bool IsPlainFileName(std::u16string_view name) {
  if (name.empty() || name == u"." || name == u"..") return false;
  for (const char16_t ch : name) {
    if (ch == u'/' || ch < u' ' || ch == 0x7F) return false;
  }
  return true;
}

}  // namespace

SetupList ParseSetupList(std::string_view bytes) {
  const std::vector<std::string_view> lines = FirstLines(bytes, 3);
  if (lines.size() < 3) throw com::Error(kInputPastEndOfFile, u"Input past end of file");
  SetupList list{text::FromAnsi(lines[0]), text::FromAnsi(lines[1]), text::FromAnsi(lines[2])};
  if (!IsPlainFileName(list.baseName)) {
    throw com::Error(com::err::kBadFileName, u"Bad file name or number: \"" + list.baseName + u"\"");
  }
  return list;
}

SetupList ReadSetupList(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw com::Error(com::err::kFileNotFound, u"File not found: " + text::FromUtf8(file.string()));
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return ParseSetupList(bytes);
}

}  // namespace kelvo::kcsetup

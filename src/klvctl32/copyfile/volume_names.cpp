#include "klvctl32/copyfile/volume_names.h"

namespace kelvo::klvctl32 {

namespace {

std::u16string WithNumber(std::u16string base, std::int16_t n) {
  std::string digits = std::to_string(n);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  base += u'.';
  base.append(digits.begin(), digits.end());
  return base;
}

std::u16string_view TrimBlanks(std::u16string_view s) {
  while (!s.empty() && s.front() == u' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == u' ') s.remove_suffix(1);
  return s;
}

}  // namespace

bool IsMultiVolume(std::u16string_view name) { return !name.empty() && name.front() == u'@'; }

std::u16string FirstVolumeName(std::u16string_view markedName, std::int16_t n) {
  return WithNumber(std::u16string(markedName.substr(IsMultiVolume(markedName) ? 1 : 0)), n);
}

std::u16string NextVolumeName(std::u16string_view previousVolume, std::int16_t n) {
  const std::size_t slash = previousVolume.rfind(u'/');
  const std::size_t fileStart = slash == std::u16string_view::npos ? 0 : slash + 1;
  const std::size_t dot = previousVolume.find(u'.', fileStart);
  return WithNumber(std::u16string(TrimBlanks(previousVolume.substr(0, dot))), n);
}

}  // namespace kelvo::klvctl32

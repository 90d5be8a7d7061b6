#include "kcsetup/command_lines.h"

namespace kelvo::kcsetup {
namespace {

std::u16string Word(std::u16string path) {
  if (path.find_first_of(u" \t") == std::u16string::npos) return path;
  return u"\"" + path + u"\"";
}

std::u16string Tool(std::u16string_view toolDir) { return Word(std::u16string(toolDir) + u"/REGSVR32"); }

std::u16string Library(std::u16string_view systemDir, std::u16string_view baseName) {
  return Word(std::u16string(systemDir) + u"/" + std::u16string(baseName) + u".OCX");
}

}  // namespace

std::u16string RegisterCommand(std::u16string_view toolDir, std::u16string_view systemDir,
                               std::u16string_view baseName) {
  return Tool(toolDir) + u" /s " + Library(systemDir, baseName);
}

std::u16string UnregisterCommand(std::u16string_view toolDir, std::u16string_view systemDir,
                                 std::u16string_view baseName) {
  return Tool(toolDir) + u" /s /u " + Library(systemDir, baseName);
}

std::u16string LicenceCommand(std::u16string_view licenceFile) {
  return u"NOTEPAD " + Word(std::u16string(licenceFile));
}

}  // namespace kelvo::kcsetup

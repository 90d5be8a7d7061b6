#pragma once
// The command lines the setup program starts, built as the original system
// built them with "/" as the path separator. A path holding a blank is put in
// double quotes, so that the launcher keeps it one word; a path without
// blanks goes in as it is.

#include <string>
#include <string_view>

namespace kelvo::kcsetup {

// toolDir + "/REGSVR32 /s " + systemDir + "/" + baseName + ".OCX"
std::u16string RegisterCommand(std::u16string_view toolDir, std::u16string_view systemDir,
                               std::u16string_view baseName);
// toolDir + "/REGSVR32 /s /u " + systemDir + "/" + baseName + ".OCX"
std::u16string UnregisterCommand(std::u16string_view toolDir, std::u16string_view systemDir,
                                 std::u16string_view baseName);
// "NOTEPAD " + licenceFile
std::u16string LicenceCommand(std::u16string_view licenceFile);

}  // namespace kelvo::kcsetup

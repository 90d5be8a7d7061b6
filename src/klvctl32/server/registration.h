#pragma once
// What DllRegisterServer writes into the registry and DllUnregisterServer
// removes, for a server file at a given absolute path:
//
//   HKEY_CLASSES_ROOT\CLSID\{clsid}            default = class name
//     \InprocServer32                          default = server path, ThreadingModel = "Apartment"
//     \Control                                 (controls only)
//     \MiscStatus                              default = "0"                       (controls only)
//     \MiscStatus\1                            default = misc status, decimal      (controls only)
//     \ToolboxBitmap32                         default = "<server path>, <id>"     (controls only)
//     \TypeLib                                 default = libid
//     \Version                                 default = "1.0"
//     \ProgID                                  default = "KLVCTL32.<class>"
//   HKEY_CLASSES_ROOT\KLVCTL32.<class>         default = class name
//     \CLSID                                   default = clsid
//   HKEY_CLASSES_ROOT\TypeLib\{libid}\1.0      default = "KelvoControls 32Bits"
//     \0\linux64                               default = server path
//     \FLAGS                                   default = "0"
//     \HELPDIR                                 default = the server's directory
//
// Unregistration removes exactly those keys: each class's CLSID subtree, each
// ProgID key, and the type library's version key. Then it removes the parent
// keys HKEY_CLASSES_ROOT\TypeLib\{libid}, HKEY_CLASSES_ROOT\TypeLib,
// HKEY_CLASSES_ROOT\CLSID and HKEY_CLASSES_ROOT when they are left empty (no
// value, no subkey), so a registry that did not have them before
// registration is as it was. A parent that was already empty before
// registration is removed as well.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/com/registry.h"

namespace kelvo::klvctl32 {

// One key registration creates, with one of its values or none.
struct RegistryEntry {
  std::string key;
  std::string name;                  // "" for the key's default value
  std::optional<std::string> value;  // nothing: the key alone
};

// Every key and value registration writes, in writing order.
std::vector<RegistryEntry> RegistrationEntries(const std::filesystem::path& serverPath);

void RegisterServer(com::RegistryTree& tree, const std::filesystem::path& serverPath);
void UnregisterServer(com::RegistryTree& tree);

}  // namespace kelvo::klvctl32

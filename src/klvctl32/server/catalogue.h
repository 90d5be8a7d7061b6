#pragma once
// The class catalogue: every class the server describes, in type library
// order, with the way to make its class factory when its control is built.
// A class without a factory stays in the catalogue (and the registry) and its
// class object is not available.

#include <span>
#include <string>
#include <vector>

#include "platform/com/classfactory.h"
#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32 {

struct CatalogueEntry {
  const com::CoClassInfo& (*info)();
  // A new factory holding one reference, or nullptr while the class is not built.
  com::IClassFactory* (*makeFactory)();
  // The keys its instances persist, in save order; nullptr while the class is not built.
  std::vector<std::u16string> (*persistedKeys)() = nullptr;
};

std::span<const CatalogueEntry> Catalogue();
// The entry of that class id, or nullptr.
const CatalogueEntry* FindCatalogueEntry(const com::CLSID& clsid);

}  // namespace kelvo::klvctl32

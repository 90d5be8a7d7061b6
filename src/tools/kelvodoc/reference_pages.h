#pragma once
// The reference pages of a type library, as markdown: an index, one page per
// class (properties, methods, events, persisted keys) and one page of
// enumerations. Everything comes from the type library and the keys each
// class persists, so the pages say what the library says.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/com/typeinfo.h"

namespace kelvo::kelvodoc {

// The keys a class persists, in save order; empty for a class that persists none.
using PersistedKeysOf = std::function<std::vector<std::u16string>(const com::CoClassInfo&)>;

// File name -> contents.
std::map<std::string, std::string> ReferencePages(const com::TypeLibInfo& lib, const PersistedKeysOf& keys);

}  // namespace kelvo::kelvodoc

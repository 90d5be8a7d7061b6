#pragma once
// Script values as the component runtime sees them.

#include <filesystem>
#include <string_view>

#include "platform/com/typeinfo.h"
#include "platform/com/variant.h"
#include "platform/console/command.h"

namespace kelvo::console {

// Integers are Integer when they fit 16 bits, else Long, else Double;
// decimals are Double; &H values are Long (their 32 bits); Nothing is an
// object variant holding no object.
com::Variant ToVariant(const Literal& literal);

// The value converted to a declared type (Variant and Void leave it as it is;
// colours, enumerations and handles are Long; fonts and pictures objects).
// Throws com::Error as the conversion does.
com::Variant ConvertToDeclared(const com::Variant& value, com::TypeKind declared);

// A path written in a script (UTF-8 on disk); relative paths are relative to
// the working directory.
std::filesystem::path ScriptPath(std::u16string_view path);

}  // namespace kelvo::console

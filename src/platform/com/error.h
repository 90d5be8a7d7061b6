#pragma once
// Runtime errors as the component runtime numbers them (5 invalid procedure
// call, 6 overflow, 13 type mismatch, 53 file not found, 438 member missing...).
// They travel as C++ exceptions; code that runs "under an error trap" catches
// com::Error at exactly that place.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kelvo::com {

// The runtime's standard description of an error number ("Overflow" for 6),
// or "Application-defined or object-defined error" for numbers it has none for.
std::u16string StandardDescription(std::int32_t number);

class Error : public std::runtime_error {
 public:
  explicit Error(std::int32_t number);                        // standard description
  Error(std::int32_t number, std::u16string description);
  std::int32_t number() const { return number_; }
  const std::u16string& description() const { return description_; }

 private:
  std::int32_t number_;
  std::u16string description_;
};

namespace err {
inline constexpr std::int32_t kInvalidCall = 5;
inline constexpr std::int32_t kOverflow = 6;
inline constexpr std::int32_t kOutOfMemory = 7;
inline constexpr std::int32_t kSubscript = 9;
inline constexpr std::int32_t kDivisionByZero = 11;
inline constexpr std::int32_t kTypeMismatch = 13;
inline constexpr std::int32_t kBadFileName = 52;
inline constexpr std::int32_t kFileNotFound = 53;
inline constexpr std::int32_t kDiskFull = 61;
inline constexpr std::int32_t kPermissionDenied = 70;
inline constexpr std::int32_t kPathFileAccess = 75;
inline constexpr std::int32_t kPathNotFound = 76;
inline constexpr std::int32_t kObjectNotSet = 91;
inline constexpr std::int32_t kInvalidNull = 94;
inline constexpr std::int32_t kInvalidPropertyValue = 380;
inline constexpr std::int32_t kReadOnlyProperty = 383;
inline constexpr std::int32_t kObjectRequired = 424;
inline constexpr std::int32_t kCantCreateObject = 429;
inline constexpr std::int32_t kNoSuchMember = 438;
inline constexpr std::int32_t kWrongArguments = 450;
inline constexpr std::int32_t kWriteOnlyProperty = 451;
inline constexpr std::int32_t kInvalidPicture = 481;
}  // namespace err

}  // namespace kelvo::com

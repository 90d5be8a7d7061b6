#pragma once
// Form files: the text form of a form and its controls.
//
//   Begin Form frmDemo            (or Begin MDIForm NAME)
//      Caption = "Demo"
//      ClientWidth = 6000
//      Begin KLVCTL32.KelvoTextEdit txtDate
//         Left = 120
//         BackColor = &H80000005&
//         BeginProperty Font
//            Name = "MS Sans Serif"
//            Size = 8.25
//         EndProperty
//         Picture = "pictures/open.bmp"
//      End
//   End
//
// Values: strings in double quotes ("" for a quote; characters below 32 as
// Chr$(N) joined with &: "a" & Chr$(13) & Chr$(10) & "b"), integers (Integer
// when they fit 16 bits, else Long), decimals (Double), &H...& hexadecimal
// (Long), BeginProperty blocks (font objects). Booleans are -1 and 0. Blank
// lines and lines starting with ' are skipped.
//
// Reading parses the whole text before anything is created; a malformed text
// is refused with FormFileError "file:line: what was expected".

#include <cstddef>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/error.h"
#include "platform/com/typeinfo.h"
#include "platform/forms/property_bag.h"

namespace kelvo::forms {

class FormFileError : public std::runtime_error {
 public:
  FormFileError(const std::string& file, int line, const std::string& what);
  const std::string& file() const { return file_; }
  int line() const { return line_; }  // 0 when not about one line

 private:
  std::string file_;
  int line_;
};

// A value a control refused while a form file loaded (Type mismatch, Overflow,
// Invalid picture...): the runtime error, with its number, placed where the
// value stands. description() is "FILE:LINE: PROPERTY: DESCRIPTION" and what()
// adds " (NUMBER)".
class FormValueError : public com::Error {
 public:
  FormValueError(const com::Error& error, const std::string& file, int line, std::u16string_view property);
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// Limits a reader enforces (beyond them the file is refused).
inline constexpr std::size_t kMaxFormFileBytes = 16u << 20;
inline constexpr int kMaxFormFileNesting = 32;   // Begin blocks inside one another, the form included
inline constexpr std::size_t kMaxFormFileControls = 10000;

struct ControlDesc {
  std::u16string progid;
  std::u16string name;
  int line = 0;                // line of its Begin
  std::map<std::u16string, int> keyLines;  // line of each key, by upper-case name
  OrderedBag extender;         // Left, Top, ..., Index as read (see ExtenderKeys)
  OrderedBag properties;       // every other key, in file order: the control's bag
  std::vector<ControlDesc> children;  // controls inside this one
  // For writing: the members of the control's class, so that Long values of
  // Color-typed members are written as &H followed by eight hex digits and &; may be null.
  const com::InterfaceInfo* members = nullptr;
};

struct FormDesc {
  bool mdi = false;
  std::u16string name;
  OrderedBag properties;  // Caption, ClientWidth, ... in file order
  std::vector<ControlDesc> controls;
  const com::InterfaceInfo* members = nullptr;  // the form's members, for writing colours
};

// Parses a form file's text (UTF-8). fileName only names the file in errors.
// Bags get baseDirectory as their base directory.
FormDesc ParseFormFile(std::string_view text, const std::string& fileName,
                       const std::filesystem::path& baseDirectory = {});
// Reads and parses a file; FormFileError also when it cannot be read.
FormDesc ReadFormFile(const std::filesystem::path& file);
// A form file's text as read (at most kMaxFormFileBytes and one byte more);
// FormFileError when it cannot be read.
std::string ReadFormFileText(const std::filesystem::path& file);

// The text of a form file (UTF-8). Pictures are written as paths relative to
// baseDirectory (the folder the file is written to); a picture that came from
// no file is refused with FormFileError naming fileName (SaveFormFile writes
// such pictures to files first).
std::string FormatFormFile(const FormDesc& form, const std::filesystem::path& baseDirectory,
                           const std::string& fileName = {});

}  // namespace kelvo::forms

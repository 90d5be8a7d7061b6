// The form file reader: the block structure over the line scanner. The whole
// text is parsed into descriptions before anything is created.

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/forms/application.h"
#include "platform/forms/formfile.h"
#include "platform/forms/formfile_scanner.h"
#include "platform/forms/stdobjects.h"

namespace kelvo::forms {
namespace {

using formfile::LineScanner;
using formfile::ScanError;

bool Is(std::string_view word, std::string_view keyword) {
  return com::NamesEqual(text::FromUtf8(word), text::FromUtf8(keyword));
}

// Extender values are checked while parsing so that loading cannot fail on them later.
void CheckExtenderValue(std::u16string_view key, const com::Variant& value) {
  const bool textKey = com::NamesEqual(key, u"ToolTipText") || com::NamesEqual(key, u"Tag");
  if (textKey) {
    if (!value.IsString()) throw ScanError("expected a quoted string for " + text::ToUtf8(key));
    return;
  }
  if (!value.IsNumeric()) throw ScanError("expected a number for " + text::ToUtf8(key));
  if (com::NamesEqual(key, u"Align")) {
    const double a = value.ToDouble();
    if (a < 0 || a > 4 || a != static_cast<int>(a)) throw ScanError("expected an Align value from 0 to 4");
  }
  if (com::NamesEqual(key, u"Index") || com::NamesEqual(key, u"TabIndex")) {
    const double i = value.ToDouble();
    if (i < 0 || i > 32767 || i != static_cast<int>(i)) {
      throw ScanError("expected an integer from 0 to 32767 for " + text::ToUtf8(key));
    }
  }
}

// The form's own keys the container reads are checked the same way.
void CheckFormValue(std::u16string_view key, const com::Variant& value) {
  if (com::NamesEqual(key, u"Caption")) {
    if (!value.IsString()) throw ScanError("expected a quoted string for Caption");
    return;
  }
  const bool extent = com::NamesEqual(key, u"ClientWidth") || com::NamesEqual(key, u"ClientHeight");
  const bool number = extent || com::NamesEqual(key, u"ClientLeft") || com::NamesEqual(key, u"ClientTop") ||
                      com::NamesEqual(key, u"BackColor");
  if (!number) return;
  if (!value.IsNumeric()) throw ScanError("expected a number for " + text::ToUtf8(key));
  const double v = value.ToDouble();
  if (extent && (v < 0 || v > 1e7)) throw ScanError("expected a size from 0 to 10000000 twips");
  if (!extent && !com::NamesEqual(key, u"BackColor") && (v < -1e7 || v > 1e7)) {
    throw ScanError("expected a position from -10000000 to 10000000 twips");
  }
}

class Parser {
 public:
  Parser(std::string_view text, std::string fileName, std::filesystem::path base)
      : fileName_(std::move(fileName)), base_(std::move(base)) {
    SplitLines(text);
  }

  FormDesc Parse() {
    FormDesc form;
    const int beginLine = NextLine();
    if (beginLine == 0) Fail(0, "the file is empty (expected Begin Form NAME or Begin MDIForm NAME)");
    try {
      LineScanner s(Current());
      if (!Is(s.Word(), "Begin")) throw ScanError("expected Begin Form NAME or Begin MDIForm NAME");
      const std::string_view kind = s.Word();
      if (!Is(kind, "Form") && !Is(kind, "MDIForm")) throw ScanError("expected Form or MDIForm after Begin");
      form.mdi = Is(kind, "MDIForm");
      form.name = Name(s, "the form's name");
      s.ExpectEnd("the end of the line after the form's name");
    } catch (const ScanError& e) {
      Fail(beginLine, e.what());
    }
    form.properties.SetBaseDirectory(base_);
    Body(form.properties, nullptr, nullptr, form.controls, 1, beginLine, text::ToUtf8(form.name));
    if (NextLine() != 0) Fail(index_, "expected the end of the file after the form's End");
    return form;
  }

 private:
  void SplitLines(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::size_t start = 0;
    while (start < text.size()) {
      const std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) {
        lines_.push_back(text.substr(start));
        break;
      }
      lines_.push_back(text.substr(start, end - start));
      start = end + 1;
    }
  }

  // Moves to the next line that is not blank or a comment; its 1-based number, or 0 at the end.
  int NextLine() {
    while (index_ < lines_.size()) {
      const std::string_view line = lines_[index_++];
      LineScanner s(line);
      if (!s.AtEnd()) return static_cast<int>(index_);
    }
    return 0;
  }
  std::string_view Current() const { return lines_[index_ - 1]; }
  std::size_t LastLine() const { return std::max<std::size_t>(1, lines_.size()); }

  [[noreturn]] void Fail(std::size_t line, const std::string& what) const {
    throw FormFileError(fileName_, static_cast<int>(line), what);
  }

  static std::u16string Name(LineScanner& s, const char* what) {
    const std::string_view name = s.Word();
    if (name.empty()) throw ScanError(std::string("expected ") + what);
    return text::FromUtf8(name);
  }

  // The lines of a block up to its End. extender and keyLines are null for the form.
  void Body(OrderedBag& properties, OrderedBag* extender, std::map<std::u16string, int>* keyLines,
            std::vector<ControlDesc>& controls, int depth, int openLine, const std::string& owner) {
    for (;;) {
      const int line = NextLine();
      if (line == 0) {
        Fail(LastLine(), "expected End of " + owner + " (opened at line " + std::to_string(openLine) + ")");
      }
      try {
        LineScanner s(Current());
        const std::string_view word = s.Word();
        if (word.empty()) throw ScanError("expected KEY = VALUE, Begin, BeginProperty or End");
        if (Is(word, "End")) {
          s.ExpectEnd("nothing after End");
          return;
        }
        if (Is(word, "Begin")) {
          controls.push_back(Control(s, depth + 1, line));
          continue;
        }
        if (Is(word, "BeginProperty")) {
          const std::u16string key = Name(s, "a property name after BeginProperty");
          s.ExpectEnd("the end of the line after BeginProperty NAME");
          if (extender == nullptr && !com::NamesEqual(key, u"Font")) {
            throw ScanError("expected BeginProperty Font at the form's level");
          }
          Store(properties, key, com::Variant::Object(FontBlock(line, key)));
          if (keyLines != nullptr) (*keyLines)[text::UpperAnsi(key)] = line;
          continue;
        }
        const std::u16string key = text::FromUtf8(word);
        s.Expect('=', "'=' after the property name");
        com::Variant value = s.Value();
        s.ExpectEnd("the end of the line after the value");
        if (extender != nullptr && IsExtenderKey(key)) {
          CheckExtenderValue(key, value);
          Store(*extender, key, std::move(value));
        } else {
          if (extender == nullptr) CheckFormValue(key, value);
          Store(properties, key, std::move(value));
        }
        if (keyLines != nullptr) (*keyLines)[text::UpperAnsi(key)] = line;
      } catch (const ScanError& e) {
        Fail(line, e.what());
      }
    }
  }

  static void Store(OrderedBag& bag, std::u16string_view key, com::Variant value) {
    if (bag.Find(key)) throw ScanError("a property set only once (" + text::ToUtf8(key) + " appears again)");
    bag.Set(key, std::move(value));
  }

  // After "Begin": PROGID NAME, then the control's body.
  ControlDesc Control(LineScanner& s, int depth, int line) {
    if (depth > kMaxFormFileNesting) throw ScanError("Begin blocks nested at most 32 deep");
    if (++controlCount_ > kMaxFormFileControls) throw ScanError("at most 10000 controls in a form");
    ControlDesc c;
    c.line = line;
    const std::string_view progid = s.DottedName();
    if (progid.empty()) throw ScanError("expected a class name (PROGID) after Begin");
    c.progid = text::FromUtf8(progid);
    c.name = Name(s, "a control name after the class name");
    s.ExpectEnd("the end of the line after the control's name");
    c.properties.SetBaseDirectory(base_);
    c.extender.SetBaseDirectory(base_);
    Body(c.properties, &c.extender, &c.keyLines, c.children, depth, line, text::ToUtf8(c.name));
    return c;
  }

  // The lines of a BeginProperty block: the keys of a font.
  com::ComPtr<com::IDispatch> FontBlock(int openLine, const std::u16string& key) {
    gfx::FontDesc desc;
    for (;;) {
      const int line = NextLine();
      if (line == 0) {
        Fail(LastLine(), "expected EndProperty of " + text::ToUtf8(key) + " (opened at line " +
                                std::to_string(openLine) + ")");
      }
      try {
        LineScanner s(Current());
        const std::string_view word = s.Word();
        if (Is(word, "EndProperty")) {
          s.ExpectEnd("nothing after EndProperty");
          return CreateFontObject(desc);
        }
        if (word.empty()) throw ScanError("expected a font property or EndProperty");
        s.Expect('=', "'=' after the font property name");
        const com::Variant value = s.Value();
        s.ExpectEnd("the end of the line after the value");
        ApplyFontKey(desc, word, value);
      } catch (const ScanError& e) {
        Fail(line, e.what());
      } catch (const com::Error& e) {
        Fail(line, "expected a value of the font property's type (" + std::string(e.what()) + ")");
      }
    }
  }

  static void ApplyFontKey(gfx::FontDesc& desc, std::string_view key, const com::Variant& value) {
    if (Is(key, "Name")) {
      if (!value.IsString()) throw ScanError("expected a quoted string for the font's Name");
      desc.name = value.ToString();
    } else if (Is(key, "Size")) {
      const double size = value.ToDouble();
      if (!(size > 0 && size <= 2048)) throw ScanError("expected a font size above 0 and up to 2048");
      desc.size = size;
    } else if (Is(key, "Bold")) {
      desc.bold = value.ToBoolean();
    } else if (Is(key, "Italic")) {
      desc.italic = value.ToBoolean();
    } else if (Is(key, "Underline")) {
      desc.underline = value.ToBoolean();
    } else if (Is(key, "Strikethrough")) {
      desc.strikethrough = value.ToBoolean();
    } else if (Is(key, "Weight")) {
      desc.bold = value.ToLong() >= 550;
    } else if (!Is(key, "Charset")) {
      throw ScanError("expected a font property (Name, Size, Bold, Italic, Underline, Strikethrough, Weight, "
                      "Charset)");
    }
  }

  std::string fileName_;
  std::filesystem::path base_;
  std::vector<std::string_view> lines_;
  std::size_t index_ = 0;
  std::size_t controlCount_ = 0;
};

}  // namespace

FormFileError::FormFileError(const std::string& file, int line, const std::string& what)
    : std::runtime_error(file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + what),
      file_(file),
      line_(line) {}

FormValueError::FormValueError(const com::Error& error, const std::string& file, int line,
                               std::u16string_view property)
    : com::Error(error.number(), text::FromUtf8(file + ":" + std::to_string(line) + ": ") + std::u16string(property) +
                                     u": " + error.description()),
      message_(text::ToUtf8(description()) + " (" + std::to_string(error.number()) + ")") {}

FormDesc ParseFormFile(std::string_view text, const std::string& fileName, const std::filesystem::path& base) {
  if (text.size() > kMaxFormFileBytes) throw FormFileError(fileName, 0, "expected a file of at most 16 MiB");
  return Parser(text, fileName, base).Parse();
}

// Any file that reads as text will do (a pipe, a device): what it gives is
// read up to one byte past the limit.
FormDesc ReadFormFile(const std::filesystem::path& file) {
  return ParseFormFile(ReadFormFileText(file), file.string(), file.parent_path());
}

std::string ReadFormFileText(const std::filesystem::path& file) {
  const std::string name = file.string();
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) throw FormFileError(name, 0, "cannot read the file: it is a directory");
  std::ifstream in(file, std::ios::binary);
  if (!in) throw FormFileError(name, 0, std::string("cannot open the file: ") + std::strerror(errno));
  std::string content;
  char chunk[65536];
  while (content.size() <= kMaxFormFileBytes && in.read(chunk, sizeof chunk).gcount() > 0) {
    content.append(chunk, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) throw FormFileError(name, 0, "cannot read the file");
  return content;
}

}  // namespace kelvo::forms

#pragma once
// The container's standard objects that controls hold by reference: fonts and
// pictures. Both are dispatch objects (font: Name, Size, Bold, Italic,
// Underline, Strikethrough; picture: Width and Height in HIMETRIC, Handle, Type)
// with a C++ face for drawing.

#include <filesystem>

#include "platform/com/dispatch.h"
#include "platform/gfx/font.h"
#include "platform/gfx/image.h"

namespace kelvo::forms {

extern const com::IID IID_IFontObject;
extern const com::IID IID_IPictureObject;

class IFontObject : public com::IDispatch {
 public:
  virtual gfx::FontDesc Desc() const = 0;
  virtual void SetDesc(const gfx::FontDesc& desc) = 0;

 protected:
  ~IFontObject() = default;
};

class IPictureObject : public com::IDispatch {
 public:
  virtual const gfx::Image& Picture() const = 0;
  virtual const std::filesystem::path& Source() const = 0;  // the file it came from, or empty

 protected:
  ~IPictureObject() = default;
};

com::ComPtr<IFontObject> CreateFontObject(const gfx::FontDesc& desc);
// Loads a picture file; throws com::Error 481 "Invalid picture" (naming the
// file and the reason) or 53 when it does not exist.
com::ComPtr<IPictureObject> LoadPictureObject(const std::filesystem::path& file);
com::ComPtr<IPictureObject> CreatePictureObject(gfx::Image image);

// The C++ faces of Variant objects; empty when the variant holds something else.
com::ComPtr<IFontObject> AsFont(const com::Variant& v);
com::ComPtr<IPictureObject> AsPicture(const com::Variant& v);

}  // namespace kelvo::forms

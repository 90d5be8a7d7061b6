#include <png.h>

#include <string>
#include <vector>

#include "platform/base/file_write.h"
#include "platform/gfx/picture.h"

namespace kelvo::gfx {
namespace {

// libpng reports errors by calling this; throwing through its C frames is not
// safe, so the error jumps back to WritePng's setjmp instead.
void OnPngError(png_structp png, png_const_charp message) {
  auto* reason = static_cast<std::string*>(png_get_error_ptr(png));
  *reason = message;
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

std::vector<png_byte> RgbaRows(const Image& image) {
  std::vector<png_byte> rows(image.pixels().size() * 4);
  for (std::size_t i = 0; i < image.pixels().size(); ++i) {
    const std::uint32_t p = image.pixels()[i];
    rows[i * 4] = static_cast<png_byte>(p >> 16);
    rows[i * 4 + 1] = static_cast<png_byte>(p >> 8);
    rows[i * 4 + 2] = static_cast<png_byte>(p);
    rows[i * 4 + 3] = static_cast<png_byte>(p >> 24);
  }
  return rows;
}

void AppendToString(png_structp png, png_bytep data, png_size_t size) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), size);
}

void NoFlush(png_structp) {}

// Runs libpng into bytes; false (with the reason) when libpng fails.
bool Encode(std::string& bytes, const Image& image, std::vector<png_byte>& rgba, std::string& reason) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &reason, OnPngError, OnPngWarning);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  std::vector<png_bytep> rows(static_cast<std::size_t>(image.height()));
  for (std::size_t y = 0; y < rows.size(); ++y) rows[y] = rgba.data() + y * static_cast<std::size_t>(image.width()) * 4;
  volatile bool ok = false;  // set after setjmp: must survive a jump back
  if (info != nullptr && setjmp(png_jmpbuf(png)) == 0) {
    png_set_write_fn(png, &bytes, AppendToString, NoFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    ok = true;
  }
  png_destroy_write_struct(&png, &info);
  return ok;
}

}  // namespace

void WritePng(const Image& image, const std::filesystem::path& file) {
  const auto fail = [&](const std::string& why) {
    throw PictureError(file.string() + ": cannot write PNG (" + why + ")");
  };
  if (image.empty()) fail("the image has no pixels");
  std::vector<png_byte> rgba = RgbaRows(image);
  std::string reason = "out of memory";
  std::string bytes;
  if (!Encode(bytes, image, rgba, reason)) fail(reason);
  try {
    file::WriteFile(file, bytes);
  } catch (const file::WriteError& e) {
    fail(e.reason());
  }
}

}  // namespace kelvo::gfx

#include <png.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/picture.h"

namespace kelvo::gfx {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

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

// Runs libpng over an open file; false (with the reason) when libpng fails.
bool Encode(std::FILE* file, const Image& image, std::vector<png_byte>& rgba, std::string& reason) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &reason, OnPngError, OnPngWarning);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  std::vector<png_bytep> rows(static_cast<std::size_t>(image.height()));
  for (std::size_t y = 0; y < rows.size(); ++y) rows[y] = rgba.data() + y * static_cast<std::size_t>(image.width()) * 4;
  volatile bool ok = false;  // set after setjmp: must survive a jump back
  if (info != nullptr && setjmp(png_jmpbuf(png)) == 0) {
    png_init_io(png, file);
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
  std::unique_ptr<std::FILE, FileCloser> out(std::fopen(file.c_str(), "wb"));
  if (!out) fail("cannot create the file");
  std::vector<png_byte> rgba = RgbaRows(image);
  std::string reason = "out of memory";
  const bool encoded = Encode(out.get(), image, rgba, reason);
  const bool flushed = encoded && std::fflush(out.get()) == 0 && std::ferror(out.get()) == 0;
  const bool closed = std::fclose(out.release()) == 0;
  if (encoded && flushed && closed) return;
  std::error_code ignored;
  std::filesystem::remove(file, ignored);  // no half-written picture is left behind
  fail(encoded ? "write error" : reason);
}

}  // namespace kelvo::gfx

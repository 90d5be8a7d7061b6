#include "platform/gfx/png_decode.h"

#include <png.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/gfx/picture.h"
#include "platform/gfx/picture_formats.h"

namespace kelvo::gfx {
namespace {

// Rows are read as B, G, R, A bytes: a 0xAARRGGBB pixel in memory.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "pixels are read in little-endian byte order");

struct Source {
  std::span<const std::uint8_t> bytes;
  std::size_t position = 0;
  std::string fault;  // libpng's message, or a size PictureError's
  std::vector<png_bytep> rows;  // here, not on Decode's stack, where a longjmp would leave it undefined
};

// libpng reports errors by calling this; throwing through its C frames is not
// safe, so the error jumps back to the setjmp in Decode.
void OnError(png_structp png, png_const_charp message) {
  static_cast<Source*>(png_get_error_ptr(png))->fault = message;
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void ReadFromSource(png_structp png, png_bytep out, png_size_t size) {
  auto* source = static_cast<Source*>(png_get_io_ptr(png));
  if (size > source->bytes.size() - source->position) png_error(png, "the data is cut off");
  std::memcpy(out, source->bytes.data() + source->position, size);
  source->position += size;
}

// Every kind of PNG becomes 8-bit BGRA.
void AskForBgra(png_structp png, png_infop info) {
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_bgr(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
}

// Fills image; false with source.fault set when libpng or the size check fails.
bool Decode(png_structp png, png_infop info, Source& source, Image& image) {
  if (setjmp(png_jmpbuf(png)) != 0) return false;
  png_set_read_fn(png, &source, ReadFromSource);
  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  try {
    CheckPictureSize(width, height);
  } catch (const PictureError& e) {
    source.fault = e.what();
    return false;
  }
  AskForBgra(png, info);
  image = Image(static_cast<int>(width), static_cast<int>(height));
  source.rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) {
    source.rows[y] = reinterpret_cast<png_bytep>(image.pixels().data() + static_cast<std::size_t>(y) * width);
  }
  png_read_image(png, source.rows.data());
  return true;
}

}  // namespace

Image DecodePng(std::span<const std::uint8_t> bytes) {
  Source source{bytes, 0, {}, {}};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &source, OnError, OnWarning);
  if (png == nullptr) throw PictureError("the PNG data cannot be decoded (out of memory)");
  png_infop info = png_create_info_struct(png);
  Image image;
  const bool decoded = info != nullptr && Decode(png, info, source, image);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!decoded) {
    if (source.fault.starts_with("the picture")) throw PictureError(source.fault);
    throw PictureError("the PNG data cannot be decoded (" + source.fault + ")");
  }
  return image;
}

}  // namespace kelvo::gfx

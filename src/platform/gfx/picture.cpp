#include "platform/gfx/picture.h"

#include <fstream>
#include <vector>

#include "platform/gfx/bmp_check.h"
#include "platform/gfx/gif_check.h"
#include "platform/gfx/ico_decode.h"
#include "platform/gfx/picture_formats.h"
#include "platform/gfx/png_decode.h"
#include "platform/gfx/stb_decode.h"

namespace kelvo::gfx {
namespace {

// No picture file is read past this size.
constexpr std::uintmax_t kMaxFileBytes = 256ull << 20;

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& file) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) throw PictureError("cannot read the file (" + error.message() + ")");
  if (size > kMaxFileBytes) throw PictureError("the file is too large to be a picture");
  std::ifstream in(file, std::ios::binary);
  if (!in) throw PictureError("cannot open the file");
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (static_cast<std::uintmax_t>(in.gcount()) != size) throw PictureError("cannot read the whole file");
  return bytes;
}

}  // namespace

Image DecodePicture(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) throw PictureError("the data is empty");
  const PictureFormat format = SniffFormat(bytes);
  switch (format) {
    case PictureFormat::Bmp: CheckBmp(bytes); break;
    case PictureFormat::Gif: CheckGif(bytes); break;
    case PictureFormat::Ico: return DecodeIco(bytes);
    case PictureFormat::Png: return DecodePng(bytes);
    case PictureFormat::Jpeg: break;  // the decoder itself refuses cut-off data
    case PictureFormat::Unknown: throw PictureError("the data is not a BMP, ICO, GIF, JPEG or PNG picture");
  }
  return DecodeWithStb(bytes, format);
}

Image LoadPicture(const std::filesystem::path& file) {
  try {
    return DecodePicture(ReadWholeFile(file));
  } catch (const PictureError& e) {
    throw PictureError(file.string() + ": " + e.what());
  }
}

}  // namespace kelvo::gfx

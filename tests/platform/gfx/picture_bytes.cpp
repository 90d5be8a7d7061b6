#include "picture_bytes.h"

#include <stb_image_write.h>

namespace kelvo::gfx::testing {

void PutU16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(Bytes& b, std::uint32_t v) {
  PutU16(b, v & 0xFFFF);
  PutU16(b, v >> 16);
}

namespace {

void PutInfoHeader(Bytes& b, int width, int height, int bitCount, std::uint32_t colors) {
  PutU32(b, 40);
  PutU32(b, static_cast<std::uint32_t>(width));
  PutU32(b, static_cast<std::uint32_t>(height));
  PutU16(b, 1);
  PutU16(b, static_cast<std::uint32_t>(bitCount));
  PutU32(b, 0);  // uncompressed
  PutU32(b, 0);
  PutU32(b, 2835);
  PutU32(b, 2835);
  PutU32(b, colors);
  PutU32(b, 0);
}

void PutFileHeader(Bytes& b, std::uint32_t fileSize, std::uint32_t dataOffset) {
  b.push_back('B');
  b.push_back('M');
  PutU32(b, fileSize);
  PutU32(b, 0);
  PutU32(b, dataOffset);
}

void PadRow(Bytes& b, std::size_t rowStart) {
  while ((b.size() - rowStart) % 4 != 0) b.push_back(0);
}

}  // namespace

Bytes Bmp24(const Image& image, bool topDown) {
  const int w = image.width(), h = image.height();
  const std::uint32_t stride = static_cast<std::uint32_t>((w * 3 + 3) / 4 * 4);
  Bytes b;
  PutFileHeader(b, 54 + stride * static_cast<std::uint32_t>(h), 54);
  PutInfoHeader(b, w, topDown ? -h : h, 24, 0);
  for (int r = 0; r < h; ++r) {
    const int y = topDown ? r : h - 1 - r;
    const std::size_t start = b.size();
    for (int x = 0; x < w; ++x) {
      const Rgb c = image.RgbAt(x, y);
      b.insert(b.end(), {c.b, c.g, c.r});
    }
    PadRow(b, start);
  }
  return b;
}

Bytes Bmp8(int width, int height, const std::vector<std::uint32_t>& palette, const std::vector<std::uint8_t>& indices) {
  const std::uint32_t stride = static_cast<std::uint32_t>((width + 3) / 4 * 4);
  const auto offset = static_cast<std::uint32_t>(54 + palette.size() * 4);
  Bytes b;
  PutFileHeader(b, offset + stride * static_cast<std::uint32_t>(height), offset);
  PutInfoHeader(b, width, height, 8, static_cast<std::uint32_t>(palette.size()));
  for (std::uint32_t c : palette) PutU32(b, c & 0xFFFFFF);
  for (int y = height - 1; y >= 0; --y) {
    const std::size_t start = b.size();
    for (int x = 0; x < width; ++x) b.push_back(indices[static_cast<std::size_t>(y * width + x)]);
    PadRow(b, start);
  }
  return b;
}

Bytes IconDib32(const Image& image, const std::vector<bool>& transparent) {
  const int w = image.width(), h = image.height();
  Bytes b;
  PutInfoHeader(b, w, h * 2, 32, 0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const Rgb c = image.RgbAt(x, y);
      b.insert(b.end(), {c.b, c.g, c.r, 0});
    }
  }
  for (int y = h - 1; y >= 0; --y) {
    const std::size_t start = b.size();
    for (int x = 0; x < w; x += 8) {
      std::uint8_t bits = 0;
      for (int k = 0; k < 8 && x + k < w; ++k) {
        if (transparent[static_cast<std::size_t>(y * w + x + k)]) bits |= static_cast<std::uint8_t>(0x80 >> k);
      }
      b.push_back(bits);
    }
    PadRow(b, start);
  }
  return b;
}

Bytes Ico(const std::vector<IconImage>& images) {
  Bytes b;
  PutU16(b, 0);
  PutU16(b, 1);
  PutU16(b, static_cast<std::uint32_t>(images.size()));
  auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (const IconImage& image : images) {
    b.push_back(static_cast<std::uint8_t>(image.width));
    b.push_back(static_cast<std::uint8_t>(image.height));
    b.push_back(0);
    b.push_back(0);
    PutU16(b, 1);
    PutU16(b, 32);
    PutU32(b, static_cast<std::uint32_t>(image.payload.size()));
    PutU32(b, offset);
    offset += static_cast<std::uint32_t>(image.payload.size());
  }
  for (const IconImage& image : images) b.insert(b.end(), image.payload.begin(), image.payload.end());
  return b;
}

Bytes Gif(int width, int height, const std::vector<std::uint32_t>& palette, const std::vector<std::uint8_t>& indices) {
  Bytes b{'G', 'I', 'F', '8', '9', 'a'};
  PutU16(b, static_cast<std::uint32_t>(width));
  PutU16(b, static_cast<std::uint32_t>(height));
  b.insert(b.end(), {0xF1, 0, 0});  // a global table of 4 colours
  for (std::size_t i = 0; i < 4; ++i) {
    const std::uint32_t c = i < palette.size() ? palette[i] : 0;
    b.insert(b.end(), {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c)});
  }
  b.push_back(0x2C);
  PutU16(b, 0);
  PutU16(b, 0);
  PutU16(b, static_cast<std::uint32_t>(width));
  PutU16(b, static_cast<std::uint32_t>(height));
  b.push_back(0);
  b.push_back(2);  // minimum code size: codes are 3 bits wide (clear 4, end 5)
  // Uncompressed LZW: a clear code before every second pixel keeps the code width at 3 bits.
  std::vector<int> codes;
  for (std::size_t i = 0; i < indices.size(); ++i) {
    if (i % 2 == 0) codes.push_back(4);
    codes.push_back(indices[i]);
  }
  codes.push_back(5);
  Bytes data;
  unsigned acc = 0;
  int bits = 0;
  for (int code : codes) {
    acc |= static_cast<unsigned>(code) << bits;
    bits += 3;
    while (bits >= 8) {
      data.push_back(static_cast<std::uint8_t>(acc));
      acc >>= 8;
      bits -= 8;
    }
  }
  if (bits > 0) data.push_back(static_cast<std::uint8_t>(acc));
  b.push_back(static_cast<std::uint8_t>(data.size()));
  b.insert(b.end(), data.begin(), data.end());
  b.push_back(0);
  b.push_back(0x3B);
  return b;
}

Bytes Jpeg(const Image& image) {
  Bytes rgb;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const Rgb c = image.RgbAt(x, y);
      rgb.insert(rgb.end(), {c.r, c.g, c.b});
    }
  }
  Bytes out;
  stbi_write_jpg_to_func(
      [](void* context, void* data, int size) {
        auto* bytes = static_cast<Bytes*>(context);
        const auto* p = static_cast<const std::uint8_t*>(data);
        bytes->insert(bytes->end(), p, p + size);
      },
      &out, image.width(), image.height(), 3, rgb.data(), 100);
  return out;
}

}  // namespace kelvo::gfx::testing

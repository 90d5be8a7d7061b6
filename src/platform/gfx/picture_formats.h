#pragma once
// The picture formats told apart by their first bytes, and the limits every
// decoder keeps to.

#include <cstdint>
#include <span>
#include <string_view>

namespace kelvo::gfx {

enum class PictureFormat : std::uint8_t { Unknown, Bmp, Ico, Gif, Jpeg, Png };

PictureFormat SniffFormat(std::span<const std::uint8_t> bytes);
std::string_view FormatName(PictureFormat format);

// No decoded picture is wider or higher than this, or larger than kMaxPictureBytes as RGBA.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::uint64_t kMaxPictureBytes = 256ull << 20;

// Throws PictureError when a picture of this size must not be decoded.
void CheckPictureSize(std::int64_t width, std::int64_t height);

}  // namespace kelvo::gfx

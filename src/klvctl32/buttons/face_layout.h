#pragma once
// The button face's layout: where the picture and the caption stand for each
// picture position, with or without a margin, and the caption's access key.

#include <optional>
#include <string>
#include <string_view>

#include "klvctl32/buttons/face.h"
#include "platform/gfx/surface.h"

namespace kelvo::klvctl32 {

// The caption as laid out: without its first "&", and the access key that
// "&" marks (empty when it is last; none without an "&").
struct CaptionText {
  std::u16string display;
  std::optional<std::u16string> accessKeys;
};
CaptionText SplitAccessKey(std::u16string_view caption);

// The first of Picture, DisabledPicture, DownPicture, FocusedPicture that is set.
const PictureRef* ReferencePicture(const FaceProperties& face);

// Sets PictureSizePx and the four positions from the surface's text measures
// in its current font. Positions a case does not lay out keep their values.
void LayOutFace(const FaceProperties& face, std::u16string_view display, const gfx::Surface& surface,
                const FaceGeometry& g, FaceState& state);

}  // namespace kelvo::klvctl32

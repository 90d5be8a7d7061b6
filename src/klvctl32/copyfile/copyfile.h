#pragma once
// KelvoCopyFile: a progress bar that copies one file to another in blocks of
// BlockSize, splitting the copy into numbered volumes ("@name" target) or
// joining them again ("@name" source). The copy runs synchronously inside
// BeginCopyFile and speaks to the application only through its events:
// Progress after every block, NextVolume before every volume is opened,
// Done or Error at the end. Either answer's Cancel argument stops it.

#include <cstdint>
#include <string>

#include "klvctl32/host/control_base.h"
#include "platform/gfx/color.h"

namespace kelvo::klvctl32 {

class KelvoCopyFile final : public ControlOf<KelvoCopyFile> {
 public:
  // KC_BlockSize
  static constexpr std::int16_t Block_1K = 1;
  static constexpr std::int16_t Block_5K = 2;
  static constexpr std::int16_t Block_10K = 3;

  static const com::CoClassInfo& Info();
  static const ControlTable<KelvoCopyFile>& Table();

  void Initialize() override;
  void ReadProperties(forms::IPropertyBag& bag) override;
  void Show() override;
  void Resize() override { Show(); }
  void Paint() override { Show(); }

  void BeginCopyFile();

 private:
  friend class CopyRun;
  // The picture last drawn, so that a block that leaves the percentage
  // unchanged does not draw the same picture again.
  struct DrawnPicture {
    std::int32_t percent = -1;
    gfx::OleColor foreColor = 0;
    std::uint64_t surfaceVersion = 0;
    friend bool operator==(const DrawnPicture&, const DrawnPicture&) = default;
  };

  void Changed(std::u16string_view property);
  void SetForeColor(gfx::OleColor color);
  gfx::OleColor GetForeColor() const { return foreColor_; }

  void DoCopyFile(const std::u16string& source, const std::u16string& target);
  // Redraws the bar for `copied` bytes of the progress total, then raises
  // Progress with the percentage and the cancel flag.
  void DrawProgress(std::int64_t copied);
  void PaintProgress(std::int32_t percent);
  // Raises NextVolume; true when the application asked to cancel.
  bool AskNextVolume(const std::u16string& name);

  bool startCaption_ = true;
  std::int16_t blockSize_ = Block_10K;
  gfx::OleColor foreColor_ = 0x8000000Du;
  std::int32_t volumeSize_ = 1400;
  std::u16string sourceFile_;
  std::u16string newFile_;
  std::int16_t cancel_ = 0;
  std::int64_t progressTotal_ = 100;
  DrawnPicture drawn_;
};

}  // namespace kelvo::klvctl32

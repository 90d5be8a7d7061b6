// KelvoCopyFile's copy: DoCopyFile and the volume handling around it.
//
// The application sees the copy block by block: after each block of
// BlockSize bytes the bar is redrawn and Progress raised, and a cancel takes
// effect after that block. The bytes themselves move in runs of many blocks
// (a run never crosses the end of a target volume); the blocks of a run are
// then reported in order. When the application cancels inside a run, or a run
// fails part way, the target is cut back to the blocks reported, so what is on
// disk is what the events said.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "klvctl32/copyfile/byte_mover.h"
#include "klvctl32/copyfile/copy_failure.h"
#include "klvctl32/copyfile/copy_files.h"
#include "klvctl32/copyfile/copyfile.h"
#include "klvctl32/copyfile/volume_names.h"
#include "platform/com/error.h"

namespace kelvo::klvctl32 {

namespace {

// Large enough that a run costs the kernel about what one big copy does,
// small enough that the bar still moves often on a slow disk.
constexpr std::int64_t kRunBytes = std::int64_t{32} << 20;

std::int64_t BlockLength(std::int16_t blockSize) {
  switch (blockSize) {
    case KelvoCopyFile::Block_1K:
      return 1024;
    case KelvoCopyFile::Block_5K:
      return 5120;
    case KelvoCopyFile::Block_10K:
      return 10240;
    default:
      throw CopyFailure{com::err::kInvalidCall};
  }
}

std::int16_t NextVolumeNumber(std::int16_t n) {
  if (n == std::numeric_limits<std::int16_t>::max()) throw CopyFailure{com::err::kOverflow};
  return static_cast<std::int16_t>(n + 1);
}

}  // namespace

// One run of DoCopyFile: the two sides, their open files and the shared
// volume counter. Go returns normally after Done or a cancel and throws
// CopyFailure for the error exit; the files close when the run ends. Every
// exit clears the cancel flag except a cancel before the first file opens.
class CopyRun {
 public:
  CopyRun(KelvoCopyFile& control, const std::u16string& source, const std::u16string& target)
      : control_(control),
        sourceMulti_(IsMultiVolume(source)),
        targetMulti_(IsMultiVolume(target)),
        sourceName_(source),
        targetName_(target),
        volumeBytes_(std::int64_t{control.volumeSize_} * 1024) {}

  void Go();

 private:
  // Copies the open source volume; false when the application cancelled.
  bool CopyVolume();
  // How many bytes the next run moves: whole blocks, up to the end of the
  // source volume or of the current target volume.
  std::int64_t PlanRun(std::int64_t remaining, std::int64_t fill) const;
  bool NextTargetVolume();
  bool NextSourceVolume();
  bool Cancelled() {
    if (control_.cancel_ == 0) return false;
    control_.cancel_ = 0;
    return true;
  }

  KelvoCopyFile& control_;
  bool sourceMulti_;
  bool targetMulti_;
  std::u16string sourceName_;
  std::u16string targetName_;
  std::int64_t volumeBytes_;
  std::int16_t n_ = 1;
  std::int64_t block_ = 0;
  CopyFileHandle source_;
  CopyFileHandle target_;
  std::int64_t targetPos_ = 0;
  ByteMover mover_;
};

void CopyRun::Go() {
  if (sourceMulti_) {
    sourceName_ = FirstVolumeName(sourceName_, n_);
    if (control_.AskNextVolume(sourceName_)) return;
  }
  if (targetMulti_) {
    targetName_ = FirstVolumeName(targetName_, n_);
    if (control_.AskNextVolume(targetName_)) return;
  }
  source_ = CopyFileHandle::OpenSource(sourceName_);
  target_ = CopyFileHandle::OpenTarget(targetName_, source_);
  block_ = BlockLength(control_.blockSize_);
  while (CopyVolume()) {
    if (!sourceMulti_) {
      control_.RaiseEvent(u"Done");
      control_.cancel_ = 0;
      return;
    }
    if (!NextSourceVolume()) return;
  }
}

bool CopyRun::CopyVolume() {
  std::int64_t remaining = source_.Length();
  control_.progressTotal_ = remaining;
  std::int64_t copied = 0;
  std::int64_t fill = 0;
  std::int64_t sourcePos = 0;
  if (remaining == 0) throw CopyFailure{com::err::kFileNotFound};
  while (true) {
    const std::int64_t run = PlanRun(remaining, fill);
    const ByteMover::Moved moved = mover_.Move(source_, sourcePos, target_, targetPos_, run);
    // Every block wholly in place is reported; a failure ends the copy after them.
    const std::int64_t reportable = moved.error == 0 ? run : moved.bytes - moved.bytes % block_;
    for (std::int64_t done = 0; done < reportable;) {
      const std::int64_t chunk = std::min(block_, remaining);
      copied += chunk;
      control_.DrawProgress(copied);
      if (Cancelled()) {
        target_.CutTo(targetPos_ + chunk);
        return false;
      }
      done += chunk;
      remaining -= chunk;
      sourcePos += chunk;
      targetPos_ += chunk;
      if (remaining < 1) return true;
      if (targetMulti_) {
        fill += chunk;
        if (fill > volumeBytes_) {
          fill = 0;
          if (!NextTargetVolume()) return false;
        }
      }
    }
    if (moved.error != 0) {
      target_.CutTo(targetPos_);
      FailWithErrno(moved.error);
    }
  }
}

std::int64_t CopyRun::PlanRun(std::int64_t remaining, std::int64_t fill) const {
  // A device or pipe cannot be cut back: it takes one block at a time.
  const std::int64_t limit = target_.regular() ? std::max(kRunBytes / block_, std::int64_t{1}) * block_ : block_;
  std::int64_t run = std::min(remaining, limit);
  if (targetMulti_ && fill + run > volumeBytes_) {
    // Up to and including the block that takes the volume past its size.
    const std::int64_t room = std::max<std::int64_t>(volumeBytes_ - fill, -1);
    run = std::min(run, (room / block_ + 1) * block_);
  }
  return run;
}

bool CopyRun::NextTargetVolume() {
  target_.Close();
  n_ = NextVolumeNumber(n_);
  targetName_ = NextVolumeName(targetName_, n_);
  if (control_.AskNextVolume(targetName_)) {
    control_.cancel_ = 0;
    return false;
  }
  target_ = CopyFileHandle::OpenTarget(targetName_, source_);
  targetPos_ = 0;
  return true;
}

bool CopyRun::NextSourceVolume() {
  source_.Close();
  n_ = NextVolumeNumber(n_);
  sourceName_ = NextVolumeName(sourceName_, n_);
  if (control_.AskNextVolume(sourceName_)) {
    control_.cancel_ = 0;
    return false;
  }
  source_ = CopyFileHandle::OpenSource(sourceName_);
  return true;
}

void KelvoCopyFile::DoCopyFile(const std::u16string& source, const std::u16string& target) {
  CopyRun run(*this, source, target);
  try {
    run.Go();
  } catch (const CopyFailure& failure) {
    com::Variant args[] = {com::Variant::Integer(failure.number)};
    RaiseEvent(u"Error", args);
    cancel_ = 0;
  }
}

bool KelvoCopyFile::AskNextVolume(const std::u16string& name) {
  com::Variant args[] = {com::Variant::String(name), com::Variant::Integer(cancel_)};
  RaiseEvent(u"NextVolume", args);
  cancel_ = args[1].ToInteger();
  return cancel_ != 0;
}

}  // namespace kelvo::klvctl32

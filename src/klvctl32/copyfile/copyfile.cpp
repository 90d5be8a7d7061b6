#include "klvctl32/copyfile/copyfile.h"

#include "klvctl32/copyfile/copyfile_typeinfo.h"

namespace kelvo::klvctl32 {

namespace {
constexpr gfx::OleColor kWindowBackground = 0x80000005u;
}  // namespace

const com::CoClassInfo& KelvoCopyFile::Info() { return KelvoCopyFileInfo(); }

void KelvoCopyFile::Initialize() {
  CacheScreenFactors();
  startCaption_ = true;
  blockSize_ = Block_10K;
  foreColor_ = 0x8000000Du;
  volumeSize_ = 1400;
  sourceFile_.clear();
  newFile_.clear();
  cancel_ = 0;
}

void KelvoCopyFile::ReadProperties(forms::IPropertyBag& bag) {
  Table().Load(*this, bag);
  Surface().SetBackColor(kWindowBackground);
}

// A half-filled preview while the form is designed; at run time the start
// picture "0%" or, without StartCaption, the bare background.
void KelvoCopyFile::Show() {
  Surface().SetBackColor(kWindowBackground);
  progressTotal_ = 100;
  if (!Site().AmbientUserMode()) {
    DrawProgress(50);
  } else if (startCaption_) {
    DrawProgress(0);
  }
}

void KelvoCopyFile::Changed(std::u16string_view property) { PropertyChanged(property); }

void KelvoCopyFile::SetForeColor(gfx::OleColor color) {
  foreColor_ = color;
  PropertyChanged(u"ForeColor");
  Show();
}

void KelvoCopyFile::BeginCopyFile() {
  cancel_ = 0;
  DoCopyFile(sourceFile_, newFile_);
}

}  // namespace kelvo::klvctl32

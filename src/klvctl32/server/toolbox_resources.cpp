// Publishes the toolbox bitmaps while the library is loaded, so that the
// container's toolbox finds them by the path registered under ToolboxBitmap32.
#include <exception>
#include <filesystem>

#include "klvctl32/server/server_path.h"
#include "klvctl32/server/toolbox_bitmaps.h"
#include "platform/gfx/bitmap_resources.h"

namespace kelvo::klvctl32 {
namespace {

class Publication {
 public:
  Publication() {
    try {
      path_ = ServerPath();
      gfx::PublishBitmapResources(path_, &ToolboxBitmap);
    } catch (const std::exception&) {
      path_.clear();  // the loader cannot tell our file: the toolbox shows no pictures
    }
  }
  ~Publication() {
    if (!path_.empty()) gfx::WithdrawBitmapResources(path_);
  }
  Publication(const Publication&) = delete;
  Publication& operator=(const Publication&) = delete;

 private:
  std::filesystem::path path_;
};

const Publication kPublication;

}  // namespace
}  // namespace kelvo::klvctl32

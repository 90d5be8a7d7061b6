#include "klvctl32/host/module.h"

namespace kelvo::klvctl32 {

com::ModuleCounter& Module() {
  static com::ModuleCounter counter;
  return counter;
}

}  // namespace kelvo::klvctl32

// The standard pages by ProgID and class id.

#include "platform/forms/stdpages.h"
#include "platform/forms/stdpages/standard_page.h"

namespace kelvo::forms::stdpages {

std::vector<StandardPageClass> StandardPageClasses() {
  return {
      {u"StandardFont", CLSID_StandardFontPage, CreateFontPage},
      {u"StandardColor", CLSID_StandardColorPage, CreateColorPage},
      {u"StandardPicture", CLSID_StandardPicturePage, CreatePicturePage},
  };
}

}  // namespace kelvo::forms::stdpages

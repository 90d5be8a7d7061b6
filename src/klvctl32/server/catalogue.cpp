#include "klvctl32/server/catalogue.h"

#include "klvctl32/buttons/activecommand.h"
#include "klvctl32/buttons/activecommand_typeinfo.h"
#include "klvctl32/buttons/tbbutton.h"
#include "klvctl32/buttons/tbbutton_typeinfo.h"
#include "klvctl32/copyfile/copyfile.h"
#include "klvctl32/copyfile/copyfile_typeinfo.h"
#include "klvctl32/decor/line3d/line3d.h"
#include "klvctl32/decor/line3d/line3d_typeinfo.h"
#include "klvctl32/decor/panel3d/panel3d.h"
#include "klvctl32/decor/panel3d/panel3d_typeinfo.h"
#include "klvctl32/decor/tbbar/tbbar.h"
#include "klvctl32/decor/tbbar/tbbar_typeinfo.h"
#include "klvctl32/decor/tbseparator/tbseparator.h"
#include "klvctl32/decor/tbseparator/tbseparator_typeinfo.h"
#include "klvctl32/host/class_factory.h"
#include "klvctl32/host/enginer.h"
#include "klvctl32/host/enginer_typeinfo.h"
#include "klvctl32/numberedit/numberedit.h"
#include "klvctl32/numberedit/numberedit_typeinfo.h"
#include "klvctl32/pages/ppgbuttons.h"
#include "klvctl32/pages/ppgbuttons_typeinfo.h"
#include "klvctl32/pages/ppgnumberedit.h"
#include "klvctl32/pages/ppgnumberedit_typeinfo.h"
#include "klvctl32/pages/ppgtextedit.h"
#include "klvctl32/pages/ppgtextedit_typeinfo.h"
#include "klvctl32/textedit/textedit.h"
#include "klvctl32/textedit/textedit_typeinfo.h"

namespace kelvo::klvctl32 {

namespace {

template <class T>
std::vector<std::u16string> PersistedKeysOf() {
  return T::Table().PersistedKeys();
}

constexpr CatalogueEntry kCatalogue[] = {
    {&KelvoNumberEditInfo, &NewClassFactory<KelvoNumberEdit>, &PersistedKeysOf<KelvoNumberEdit>},
    {&KelvoTextEditInfo, &NewClassFactory<KelvoTextEdit>, &PersistedKeysOf<KelvoTextEdit>},
    {&KelvoActiveCommandInfo, &NewClassFactory<KelvoActiveCommand>, &PersistedKeysOf<KelvoActiveCommand>},
    {&KelvoTBButtonInfo, &NewClassFactory<KelvoTBButton>, &PersistedKeysOf<KelvoTBButton>},
    {&KelvoTBBarInfo, &NewClassFactory<KelvoTBBar>, &PersistedKeysOf<KelvoTBBar>},
    {&KelvoTBSeparatorInfo, &NewClassFactory<KelvoTBSeparator>, &PersistedKeysOf<KelvoTBSeparator>},
    {&KelvoPanel3DInfo, &NewClassFactory<KelvoPanel3D>, &PersistedKeysOf<KelvoPanel3D>},
    {&KelvoLine3DInfo, &NewClassFactory<KelvoLine3D>, &PersistedKeysOf<KelvoLine3D>},
    {&KelvoCopyFileInfo, &NewClassFactory<KelvoCopyFile>, &PersistedKeysOf<KelvoCopyFile>},
    {&KelvoEnginerInfo, &NewClassFactory<KelvoEnginer>, &PersistedKeysOf<KelvoEnginer>},
    {&ppgTextEditInfo, &NewClassFactory<TextEditPage>},
    {&ppgNumberEditInfo, &NewClassFactory<NumberEditPage>},
    {&ppgButtonsInfo, &NewClassFactory<ButtonsPage>},
};

}  // namespace

std::span<const CatalogueEntry> Catalogue() { return kCatalogue; }

const CatalogueEntry* FindCatalogueEntry(const com::CLSID& clsid) {
  for (const CatalogueEntry& entry : kCatalogue) {
    if (entry.info().clsid == clsid) return &entry;
  }
  return nullptr;
}

}  // namespace kelvo::klvctl32

// KelvoCopyFile's members in the slot order of _KelvoCopyFile, and its
// persisted set in save order. The file names are assigned only, never
// persisted.
#include "klvctl32/copyfile/copyfile.h"

namespace kelvo::klvctl32 {

const ControlTable<KelvoCopyFile>& KelvoCopyFile::Table() {
  using T = ControlTable<KelvoCopyFile>;
  using C = KelvoCopyFile;
  static const T table =
      T(&C::Changed)
          .Property(u"StartCaption", BooleanT(), u"Show the initial caption \"0%\". (Exibe o titulo inicial \"0%\")",
                    T::Field(&C::startCaption_))
          .Property(u"BlockSize", EnumT(u"KC_BlockSize"),
                    u"Block size used  in copy file. (Tamanho do bloco usado na cópia do arquivo)",
                    T::Field(&C::blockSize_))
          .Property(u"VolumeSize", LongT(), u"Define the volume size. (Define o tamanho dos volumes - em Kb)",
                    T::Field(&C::volumeSize_))
          .Property(u"ForeColor", ColorT(), u"Foreground and bar color. (Cor do primeiro plano e da barra)",
                    T::Calls(&C::GetForeColor, &C::SetForeColor))
          .LetOnly(u"SourceFile", StringT(), {},
                   [](C& c, const com::Variant& v) { c.sourceFile_ = FromVariant<std::u16string>(v); })
          .LetOnly(u"NewFile", StringT(), {},
                   [](C& c, const com::Variant& v) { c.newFile_ = FromVariant<std::u16string>(v); })
          .Method(u"BeginCopyFile", &C::BeginCopyFile)
          .Saves(u"StartCaption", &C::startCaption_)
          .Saves(u"BlockSize", &C::blockSize_)
          .Saves(u"ForeColor", &C::foreColor_)
          .Saves(u"VolumeSize", &C::volumeSize_);
  return table;
}

}  // namespace kelvo::klvctl32

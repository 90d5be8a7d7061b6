#pragma once
// Help strings that several controls publish word for word.

namespace kelvo::klvctl32::help {

inline constexpr const char16_t* kLight3DColor = u"Light color in 3D effect. (Cor da luz no efeito 3D)";
inline constexpr const char16_t* kShadow3DColor = u"Shadow color in 3D effect. (Cor da sombra no efeito 3D)";
inline constexpr const char16_t* kBackColor = u"Background color. (Cor do segundo plano - Fundo)";

}  // namespace kelvo::klvctl32::help

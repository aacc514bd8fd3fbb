#pragma once
// Colours as grid cells take them: blue * 65536 + green * 256 + red (0xBBGGRR).
#include "core/Griglia.h"

namespace quorvane {

// Marks with a meaning of their own.
inline constexpr Colore Verde = 65280;   // chosen, in play, covered
inline constexpr Colore Giallo = 65535;  // active, selected
inline constexpr Colore Rosso = 255;
inline constexpr Colore Bianco = 16777215;  // cleared

// The shared palette of the module windows.
inline constexpr Colore GialloChiaro = rgb(255, 255, 192);
inline constexpr Colore GialloMedio = rgb(255, 255, 128);
inline constexpr Colore VerdeMedio = rgb(128, 255, 128);
inline constexpr Colore VerdeScuro = rgb(0, 128, 0);
inline constexpr Colore ArancioChiaro = rgb(255, 224, 192);
inline constexpr Colore ArancioMedio = rgb(255, 192, 128);
inline constexpr Colore Arancio = rgb(255, 128, 0);
inline constexpr Colore AzzurroChiaro = rgb(192, 192, 255);
inline constexpr Colore CelesteChiaro = rgb(192, 255, 255);
inline constexpr Colore CelesteMedio = rgb(128, 255, 255);

}  // namespace quorvane

// SPDX-License-Identifier: GPL-3.0-or-later
// The answer of a one-shot check, and the refusal that every tool gives when
// its boxes hold no number it can work with.
#pragma once

namespace ordevix {

// Rechazada: the input was refused before any check ran; Si and No answer the
// question the window asks ("¿Es divisible?", "¿Es primo?" ...).
enum class Respuesta { Rechazada, Si, No };

inline constexpr const char16_t* kDebeIngresarValores = u"Debe ingresar valores";

} // namespace ordevix

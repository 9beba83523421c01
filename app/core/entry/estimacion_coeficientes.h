// What the film-coefficient estimation wizard starts from for the stream or
// utility being edited. With AplicarEstimacion (propiedades_fisicas.h),
// which applies its result, this is the protocol of every "Estimar
// coeficiente" button.
//
// Streams and utilities are chosen by a combined index: process stream k as
// k, utility k as the number of process streams + k.
#pragma once
#include <cstdint>

#include "app/core/entry/propiedades_fisicas.h"
#include "model/diagrama.h"

namespace vardo {

// A film coefficient must be above 0, since the area targets divide by it:
// a field or cell that holds another is refused with this message.
inline constexpr const char* kMsgCoeficienteNoPositivo = "Introduzca un coeficiente mayor que 0.";

// The combined index of a stream reference.
std::uint32_t IndiceCombinado(const CDiagrama& d, std::int32_t ref);

// For stream reference `ref`: its correlation (the first one when it has
// none), its 20 values, and itself chosen (when it exists).
ResultadoEstimacion EstimacionInicial(const CDiagrama& d, std::int32_t ref);

}  // namespace vardo

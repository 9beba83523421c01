// Constants shared by the model: tolerances, sentinels and stream references.
#pragma once

namespace vardo {

// Temperature tolerance to match a stream end with a boundary or a pinch (K).
inline constexpr double kTolT = 0.01;
// A temperature span narrower than this is zero-width (K).
inline constexpr double kTolSpan = 0.001;
// A heat smaller than this is negligible (kW).
inline constexpr double kTolH = 1e-5;
// Stands for the stream's own end in enthalpy and m·cp queries, and marks an
// unset generic-utility temperature.
inline constexpr double kTSentinel = -10000.0;

// Stream references: below 1000 a process stream, 1000 + k utility k,
// -1 none (on an exchanger side: the generic utility).
inline constexpr int kRefServicio = 1000;
inline constexpr int kRefGenerico = -1;
constexpr bool EsServicio(int ref) { return ref >= kRefServicio; }
constexpr int IndiceServicio(int ref) { return ref - kRefServicio; }

// Latent m·cp marker.
inline constexpr double kCpLatente = -1.0;

}  // namespace vardo

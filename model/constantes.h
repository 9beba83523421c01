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

// Stream references in memory: from 0 a process stream, kRefServicio + k
// utility k, -1 none (on an exchanger side: the generic utility). Utilities
// lie far above any stream count, so no stream is ever taken for one.
inline constexpr int kRefServicio = 1 << 30;
inline constexpr int kRefGenerico = -1;
constexpr bool EsServicio(int ref) { return ref >= kRefServicio; }
constexpr int IndiceServicio(int ref) { return ref - kRefServicio; }

// The document file (and the texts that show a reference as a number) name
// utility k 1000 + k, so there a stream can only be named below 1000. The
// file's references are translated on reading and writing.
inline constexpr int kRefServicioArchivo = 1000;
constexpr int RefEnArchivo(int ref) {
  return EsServicio(ref) ? kRefServicioArchivo + IndiceServicio(ref) : ref;
}
// A file's reference in memory; one too large for any utility stays beyond
// every utility (it names nothing).
constexpr int RefDeArchivo(long long ref) {
  if (ref < kRefServicioArchivo) return static_cast<int>(ref);
  const long long k = ref - kRefServicioArchivo;
  return k >= kRefServicio ? 0x7fffffff : kRefServicio + static_cast<int>(k);
}
// Whether the file can name ref: the generic utility, a utility, or a
// process stream below 1000.
constexpr bool RefNombrableEnArchivo(int ref) {
  return ref < kRefServicioArchivo || EsServicio(ref);
}

// Latent m·cp marker.
inline constexpr double kCpLatente = -1.0;

}  // namespace vardo

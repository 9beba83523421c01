// Time of opening and of saving a document of 10,000 streams with ends
// anywhere: reading or writing the body, the targets and the count panes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/core/document/documento.h"
#include "bench/problemas.h"
#include "model/documento_archivo.h"

namespace {

namespace fs = std::filesystem;

// The document, written once into the temporary folder.
const std::string& Archivo() {
  static const std::string ruta = [] {
    const fs::path p = fs::temp_directory_path() / "calorama_bench_10000.vdo";
    vardo::CDiagrama d = bench::Aleatorio(10000, bench::Tipo::Continuas);
    vardo::MarcoDocumento m;
    const auto bytes = vardo::GuardarDocumento(m, d);
    if (!vardo::EscribirArchivoSeguro(p.string(), bytes).ok)
      std::fprintf(stderr, "cannot write %s\n", p.c_str());
    return p.string();
  }();
  return ruta;
}

void AbrirDocumento(benchmark::State& state) {
  const std::string& ruta = Archivo();
  for (auto _ : state) {
    vardo::CVardoDoc doc;
    if (!doc.OnOpenDocument(ruta).ok) state.SkipWithError("cannot open the document");
    benchmark::DoNotOptimize(doc.m_Diagrama.m_tPinch);
  }
}

void GuardarDocumento(benchmark::State& state) {
  vardo::CVardoDoc doc;
  if (!doc.OnOpenDocument(Archivo()).ok) state.SkipWithError("cannot open the document");
  const std::string ruta = (fs::temp_directory_path() / "calorama_bench_copia.vdo").string();
  for (auto _ : state) {
    if (!doc.OnSaveDocument(ruta).ok) state.SkipWithError("cannot save the document");
  }
  fs::remove(ruta);
}

}  // namespace

BENCHMARK(AbrirDocumento)->Unit(benchmark::kMillisecond);
BENCHMARK(GuardarDocumento)->Unit(benchmark::kMillisecond);

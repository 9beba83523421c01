// The sample documents: they are what the builders write now, they read back
// to the same model, and damaged copies of them are refused or read without a
// crash.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "model/documento_archivo.h"
#include "tests/tools/ejemplos.h"

namespace vardo {
namespace {

std::vector<std::uint8_t> LeerArchivo(const std::string& nombre) {
  std::ifstream f(std::string(VARDO_EXAMPLES_DIR) + "/" + nombre, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

class EjemploTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    auto todos = ejemplos::Todos();
    ejemplo_ = std::move(todos[static_cast<std::size_t>(GetParam())]);
    archivo_ = LeerArchivo(ejemplo_.archivo);
    ASSERT_FALSE(archivo_.empty()) << ejemplo_.archivo << " is missing; run make_examples";
  }
  ejemplos::Ejemplo ejemplo_;
  std::vector<std::uint8_t> archivo_;
};

TEST_P(EjemploTest, CommittedFileIsWhatTheGeneratorWrites) {
  EXPECT_EQ(archivo_, ejemplos::Bytes(ejemplo_))
      << ejemplo_.archivo << " differs from the builder; run make_examples";
}

TEST_P(EjemploTest, ReadsBackToTheSameDocument) {
  // Writing computes the targets of the original too.
  ejemplos::Bytes(ejemplo_);
  CDiagrama d;
  MarcoDocumento m;
  CargarDocumento(archivo_, m, d);
  EXPECT_EQ(m.modo, 3);
  EXPECT_TRUE(m.redibujar);
  EXPECT_EQ(m.usarFactibilidad, 0u);
  ASSERT_EQ(d.GetNumCorrientes(), ejemplo_.diagrama.GetNumCorrientes());
  ASSERT_EQ(d.GetNumServicios(), ejemplo_.diagrama.GetNumServicios());
  ASSERT_EQ(d.GetNumCambiadores(), ejemplo_.diagrama.GetNumCambiadores());
  for (std::int32_t i = 0; i < d.GetNumCorrientes(); ++i) {
    const auto& a = d.m_corrientes[static_cast<std::size_t>(i)];
    const auto& b = ejemplo_.diagrama.m_corrientes[static_cast<std::size_t>(i)];
    EXPECT_EQ(a.GetNombre(), b.GetNombre());
    EXPECT_EQ(a.m_T, b.m_T);
    EXPECT_EQ(a.m_H, b.m_H);
    EXPECT_EQ(a.m_fria, b.m_fria);
    EXPECT_EQ(a.m_latente, b.m_latente);
    EXPECT_EQ(a.m_lineal, b.m_lineal);
    EXPECT_EQ(a.m_area, b.m_area);
    EXPECT_EQ(a.m_cambiadores, b.m_cambiadores);
  }
  for (std::size_t k = 0; k < d.m_cambiadores.size(); ++k) {
    EXPECT_EQ(d.m_cambiadores[k].ladoCaliente, ejemplo_.diagrama.m_cambiadores[k].ladoCaliente);
    EXPECT_EQ(d.m_cambiadores[k].ladoFrio, ejemplo_.diagrama.m_cambiadores[k].ladoFrio);
    EXPECT_EQ(d.m_cambiadores[k].valorQ, ejemplo_.diagrama.m_cambiadores[k].valorQ);
  }
  EXPECT_EQ(d.m_areas, ejemplo_.diagrama.m_areas);
  EXPECT_EQ(d.m_tPinch, ejemplo_.diagrama.m_tPinch);
  // Writing what was read gives the file again, byte for byte.
  EXPECT_EQ(GuardarDocumento(m, d), archivo_);
}

TEST_P(EjemploTest, EveryProperPrefixIsRefused) {
  CDiagrama d;
  d.m_textoComprobacion = "antes";
  MarcoDocumento m;
  m.modo = 7;
  const auto antes = GuardarDocumento(m, d);
  for (std::size_t n = 0; n < archivo_.size(); ++n) {
    std::vector<std::uint8_t> corto(archivo_.begin(), archivo_.begin() + static_cast<long>(n));
    try {
      CargarDocumento(corto, m, d);
      ADD_FAILURE() << "a prefix of " << n << " bytes was read";
      return;
    } catch (const FormatError& e) {
      if (std::string(e.what()) != "Formato de archivo no esperado.") {
        ADD_FAILURE() << e.what();
        return;
      }
    }
  }
  // Nothing of the refused reads reached the document.
  EXPECT_EQ(m.modo, 7);
  EXPECT_EQ(d.m_textoComprobacion, "antes");
  EXPECT_EQ(GuardarDocumento(m, d), antes);
}

TEST_P(EjemploTest, FlippedBytesAreReadOrRefusedNeverCrash) {
  std::mt19937 gen(1234u + static_cast<unsigned>(GetParam()));
  std::uniform_int_distribution<std::size_t> pos(0, archivo_.size() - 1);
  std::uniform_int_distribution<int> bit(0, 7);
  int leidos = 0, rechazados = 0;
  for (int caso = 0; caso < 300; ++caso) {
    auto copia = archivo_;
    const int cambios = 1 + caso % 3;
    for (int c = 0; c < cambios; ++c) copia[pos(gen)] ^= static_cast<std::uint8_t>(1u << bit(gen));
    CDiagrama d;
    MarcoDocumento m;
    try {
      CargarDocumento(copia, m, d);
      ++leidos;
      // A document that was read can be written and read again.
      CDiagrama otra;
      MarcoDocumento m2;
      CargarDocumento(GuardarDocumento(m, d), m2, otra);
    } catch (const FormatError&) {
      ++rechazados;
    }
  }
  EXPECT_EQ(leidos + rechazados, 300);
}

std::string NombreEjemplo(const ::testing::TestParamInfo<int>& i) {
  static const char* const kNombres[] = {"CuatroCorrientes", "LatenteYTabla", "ServiciosYArea"};
  return kNombres[i.param];
}

INSTANTIATE_TEST_SUITE_P(Ejemplos, EjemploTest, ::testing::Values(0, 1, 2), NombreEjemplo);

// The four-stream problem at DT min 10 K: 20 kW hot, 60 kW cold, shifted
// pinch at 358.15 K (85 °C).
TEST(EjemploCuatroCorrientes, TargetsAfterReading) {
  CDiagrama d;
  MarcoDocumento m;
  CargarDocumento(LeerArchivo("cuatro_corrientes.vdo"), m, d);
  ASSERT_GT(d.m_numIntervalos, 0);
  EXPECT_NEAR(d.m_cascada.front(), 20.0, 1e-9);
  EXPECT_NEAR(d.m_cascada.back(), 60.0, 1e-9);
  EXPECT_NEAR(d.m_tPinch, 358.15, 1e-9);
}

TEST(EjemploServicios, UtilitiesCoverTheProblemAndExchangersGetThePinch) {
  CDiagrama d;
  MarcoDocumento m;
  CargarDocumento(LeerArchivo("servicios_y_area.vdo"), m, d);
  EXPECT_TRUE(d.ServiciosCubrenProblema());
  for (const auto& c : d.m_cambiadores) {
    EXPECT_EQ(c.tPinch, d.m_tPinch);
    EXPECT_EQ(c.dtMin, 10.0);
  }
  // Saved calculated: H2 → C3 carries 240 kW, the steam heater 20 kW into
  // C1's target end (398.15 → 408.15 K), the water cooler 60 kW out of H4's
  // target end (343.15 → 303.15 K).
  ASSERT_EQ(d.m_cambiadores.size(), 3u);
  EXPECT_NEAR(d.m_cambiadores[0].q, 240.0, 1e-9);
  EXPECT_NEAR(d.m_cambiadores[1].q, 20.0, 1e-9);
  EXPECT_NEAR(d.m_cambiadores[2].q, 60.0, 1e-9);
  EXPECT_LT(d.CalcularRed(), 0) << d.m_textoComprobacion;  // no errors at any exchanger
}

}  // namespace
}  // namespace vardo

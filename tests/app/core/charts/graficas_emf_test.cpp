// The composite curves of the four-stream problem as an enhanced metafile:
// the records read back, with the series labels and the axis texts, and a
// second reader (emf2svg) accepts the file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/core/charts/grafica.h"
#include "app/core/charts/graficas.h"
#include "platform/core/emf_dc.h"
#include "tests/app/core/charts/graficas_comun.h"

namespace vardo {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

// Walks the records: counts each type and collects the texts of the
// EMR_EXTTEXTOUTW records (type 84) as UTF-8 (the chart's texts are Latin-1).
struct Lectura {
  std::map<std::uint32_t, int> tipos;
  std::vector<std::string> textos;
  bool completo = false;
};

Lectura Leer(const std::vector<std::uint8_t>& b) {
  Lectura l;
  std::size_t at = 0;
  while (at + 8 <= b.size()) {
    const std::uint32_t tipo = U32(b, at), tam = U32(b, at + 4);
    if (tam < 8 || tam % 4 != 0 || at + tam > b.size()) break;
    ++l.tipos[tipo];
    if (tipo == 84) {
      const std::uint32_t n = U32(b, at + 44), off = U32(b, at + 48);
      std::string s;
      for (std::uint32_t i = 0; i < n && at + off + 2 * i + 1 < at + tam; ++i) {
        const unsigned c = b[at + off + 2 * i] | (b[at + off + 2 * i + 1] << 8);
        if (c < 0x80) {
          s += static_cast<char>(c);
        } else {
          s += static_cast<char>(0xC0 | (c >> 6));
          s += static_cast<char>(0x80 | (c & 0x3F));
        }
      }
      l.textos.push_back(s);
    }
    if (tipo == 14) l.completo = at + tam == b.size();  // EMR_EOF closes the file
    at += tam;
  }
  return l;
}

bool Contiene(const std::vector<std::string>& v, const std::string& s) {
  for (const auto& x : v)
    if (x == s) return true;
  return false;
}

TEST(GraficaEmf, CompositeCurvesOfTheFourStreamProblem) {
  const CGrafica g = prueba::CompuestasCuatroCorrientes();
  EmfDc dc;
  g.Dibujar(dc, true);
  const std::vector<std::uint8_t> bytes = dc.Close();

  const Lectura l = Leer(bytes);
  ASSERT_TRUE(l.completo) << "every record must be whole, ending with EMR_EOF";
  EXPECT_EQ(l.tipos.at(1), 1);  // header
  EXPECT_EQ(l.tipos.at(4), 2);   // one EMR_POLYLINE per curve
  EXPECT_EQ(l.tipos.at(17), 1);  // EMR_SETMAPMODE (MM_HIMETRIC)
  EXPECT_GE(l.tipos.at(82), 1);  // EMR_EXTCREATEFONTINDIRECTW
  for (const char* t : {"Curvas Compuestas", "H (kW)", "T (K)", "Curva caliente", "Curva Fría"})
    EXPECT_TRUE(Contiene(l.textos, t)) << t;

  const std::string emf = ::testing::TempDir() + "/compuestas.emf";
  const std::string svg = ::testing::TempDir() + "/compuestas.svg";
  {
    std::ofstream out(emf, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  if (std::system("command -v emf2svg-conv >/dev/null 2>&1") != 0) GTEST_SKIP() << "emf2svg-conv not installed";
  ASSERT_EQ(std::system(("emf2svg-conv -i " + emf + " -o " + svg + " 2>/dev/null").c_str()), 0);
  std::stringstream ss;
  ss << std::ifstream(svg).rdbuf();
  for (const char* t : {"Curvas Compuestas", "Curva caliente", "Curva Fría"})
    EXPECT_NE(ss.str().find(t), std::string::npos) << t;
}

}  // namespace
}  // namespace vardo

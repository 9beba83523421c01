// Exports of the view, without windows: the tables and the matrix as text,
// the ".dat" and chart data files as bytes, the picture as a metafile.
#include "app/core/views/exportar.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/documento_archivo.h"
#include "platform/core/numtext.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using prueba::RedManual;

std::vector<std::string> Lineas(const std::string& s) {
  std::vector<std::string> l;
  std::istringstream in(s);
  for (std::string linea; std::getline(in, linea);) l.push_back(linea);
  return l;
}

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

// Hot stream 400 -> 300 K, a cold utility, and three exchangers: stream to
// utility, stream to the generic utility, generic utility to stream.
struct TresCambiadores : ::testing::Test {
  RedManual m;
  void SetUp() override {
    m.Corriente(400, 300);
    m.Servicio(290, 300);
    m.Cambiador(0, kRefServicio);
    m.Cambiador(0, kRefGenerico);
    m.Cambiador(kRefGenerico, 0);
    auto fijar = [&](int i, double q, double ec, double sc, double ef, double sf) {
      CCambiador& c = m.d.m_cambiadores[static_cast<std::size_t>(i)];
      c.q = q;
      c.tEntradaCaliente = ec;
      c.tSalidaCaliente = sc;
      c.tEntradaFria = ef;
      c.tSalidaFria = sf;
    };
    fijar(0, 100, 400, 350, 290, 0.05);
    fijar(1, 12.5, 350, 300, 0, 0);
    fijar(2, 1e7, 0, 0, 1234567.8, 300);
  }
};

TEST_F(TresCambiadores, TablaDeCambiadoresCeldaPorCelda) {
  const std::vector<std::string> l = Lineas(TextoTablaCambiadores(m.d));
  ASSERT_EQ(l.size(), 4u);
  EXPECT_EQ(l[0],
            "Cambiador\tCarga\tC. caliente\tT1 (K)\tT2 (K)\tC. fría\tT1 (K)\tT2 (K)\tÁrea "
            "(m2)\tCoste ($)");
  auto resto = [&](int i) {
    return NumTexto(m.d.AreaCambiador(i), 7) + "\t" + NumTexto(m.d.CosteCambiadores(i), 7) + "\t";
  };
  // A utility is numbered 1000 + its number; 100 keeps its point, 0.05 is
  // written with three exponent digits, seven digits in every cell.
  EXPECT_EQ(l[1], "1\t100.\t1\t400.\t350.\t1001\t290.\t5.e-002\t" + resto(0));
  // The generic utility on either side reads SG, -, -.
  EXPECT_EQ(l[2], "2\t12.5\t1\t350.\t300.\tSG\t-\t-\t" + resto(1));
  EXPECT_EQ(l[3], "3\t1.e+007\tSG\t-\t-\t1\t1234568.\t300.\t" + resto(2));
}

TEST(TablaCorrientes, FilasDeSensiblesYLatentes) {
  CDiagrama d = prueba::CuatroCorrientes();
  d.m_corrientes[0].SetNombre("Reactor ñ");
  d.AddCorriente(350, 350, 80, 1, 1);
  const std::string texto = TextoTablaCorrientes(d);
  const std::vector<std::string> l = Lineas(texto);
  ASSERT_EQ(l.size(), 6u);
  EXPECT_EQ(l[0], "Corriente\tDescripción\tTipo\tTipo calor\tT1 (K)\tT2 (K)\tH (kW)\tmcp (kW/K)");
  EXPECT_EQ(l[1], "1\tReactor ñ\tFría\tSensible\t293.15\t408.15\t230.\t2.\t");
  const CCorriente& h2 = d.m_corrientes[1];
  EXPECT_EQ(l[2], "2\t" + h2.GetNombre() + "\tCaliente\tSensible\t443.15\t333.15\t" +
                      NumTexto(h2.GetH(kTSentinel, 1), 7) + "\t3.\t");
  // A latent stream has no m·cp: "-".
  const CCorriente& lat = d.m_corrientes[4];
  EXPECT_EQ(l[5], "5\t" + lat.GetNombre() + "\tFría\tLatente\t350.\t350.\t" +
                      NumTexto(lat.GetH(kTSentinel, 1), 7) + "\t-\t");
  EXPECT_EQ(texto.back(), '\n');
  EXPECT_EQ(texto.find('\r'), std::string::npos);
}

// Two exchangers between two streams, no splits: four nodes.
TablaMAN MatrizDosCambiadores() {
  RedManual m;
  m.Corriente(400, 300);
  m.Corriente(300, 380);
  m.Cambiador(0, 1);
  m.Cambiador(0, 1);
  return TablaMatrizMAN(m.d);
}

TEST(MatrizMAN, ArchivoDatDeCuatroNodos) {
  const TablaMAN t = MatrizDosCambiadores();
  ASSERT_EQ(t.nombres.size(), 4u);
  std::string esperado = "4\r\n";
  for (const auto& n : t.nombres) esperado += n + " ";
  esperado += "\r\n";
  for (std::size_t i = 0; i < 4; ++i) {
    for (std::size_t j = 0; j < 4; ++j) esperado += t.unidos[i][j] ? '*' : '-';
    esperado += "\r\n";
  }
  const std::vector<std::uint8_t> archivo = TextoParaArchivo(TextoArchivoMAN(t));
  EXPECT_EQ(archivo, Bytes(esperado));
  // Four lines of exactly four marks, and both marks occur.
  const std::vector<std::string> l = Lineas(TextoArchivoMAN(t));
  ASSERT_EQ(l.size(), 6u);
  for (std::size_t i = 2; i < 6; ++i) {
    EXPECT_EQ(l[i].size(), 4u);
    EXPECT_EQ(l[i].find_first_not_of("*-"), std::string::npos);
  }
  EXPECT_NE(esperado.find('*'), std::string::npos);
  EXPECT_NE(esperado.find('-'), std::string::npos);
}

TEST(MatrizMAN, TextoDelPortapapeles) {
  const TablaMAN t = MatrizDosCambiadores();
  const std::vector<std::string> l = Lineas(TextoMatrizMAN(t));
  ASSERT_EQ(l.size(), 5u);
  std::string cabecera = " \t";
  for (const auto& n : t.nombres) cabecera += n + "\t";
  EXPECT_EQ(l[0], cabecera);
  for (std::size_t i = 0; i < 4; ++i) {
    std::string fila = t.nombres[i] + "\t";
    for (std::size_t j = 0; j < 4; ++j) fila += t.unidos[i][j] ? "*\t" : " \t";
    EXPECT_EQ(l[i + 1], fila);
  }
}

TEST(DatosGrafica, DosSeriesDeTresPuntos) {
  CGrafica g;
  g.Inicializar("Calientes", 0, 0);
  g.decimales = 2;
  g.AddPunto(10000, 5);   // 100 and 0.05
  g.AddPunto(-250, 0);    // -2.5 and 0
  g.AddPunto(123456789, 100);
  g.AddSerie("Frías", 1, 0);
  g.AddPunto(1, 2);
  g.AddPunto(3, 4);
  g.AddPunto(5, 6);
  g.titulo = "Curvas compuestas";
  EXPECT_EQ(TextoDatosGrafica(g),
            "Curvas compuestas\n\nCalientes\n100.\t5.e-002\n-2.5\t0.\n1.23457e+006\t1.\n"
            "\nFrías\n1.e-002\t2.e-002\n3.e-002\t4.e-002\n5.e-002\t6.e-002\n");
}

TEST(DatosGrafica, SinPuntosQuedaElTituloYLaPrimeraEtiqueta) {
  CGrafica g;
  g.Inicializar("Serie", 0, 0);
  g.titulo = "Vacía";
  EXPECT_EQ(TextoDatosGrafica(g), "Vacía\n\nSerie\n");
}

TEST(TextoParaArchivo, Windows1252ConCRLF) {
  struct Caso {
    std::string utf8;
    std::string bytes;
  } casos[] = {
      {"Fría\n", "Fr\xED" "a\r\n"},
      {"a\tb\nc\n\n", "a\tb\r\nc\r\n\r\n"},
      {"Área €", "\xC1rea \x80"},
      {"", ""},
  };
  for (const auto& c : casos) EXPECT_EQ(TextoParaArchivo(c.utf8), Bytes(c.bytes)) << c.utf8;
}

// Walks the records of a metafile: types in order.
std::vector<std::uint32_t> Tipos(const std::vector<std::uint8_t>& b) {
  auto u32 = [&](std::size_t en) {
    return b[en] | (b[en + 1] << 8) | (b[en + 2] << 16) | (std::uint32_t{b[en + 3]} << 24);
  };
  std::vector<std::uint32_t> t;
  std::size_t en = 0;
  while (en + 8 <= b.size()) {
    const std::uint32_t tam = u32(en + 4);
    if (tam < 8 || en + tam > b.size()) break;
    t.push_back(u32(en));
    en += tam;
  }
  EXPECT_EQ(en, b.size());
  return t;
}

TEST(MetafileImagen, ModoCeroDaUnMetafileVacio) {
  CDiagrama d = prueba::CuatroCorrientes();
  CGrafica g;
  const std::vector<std::uint8_t> emf = MetafileImagen(d, g, 0);
  const std::vector<std::uint32_t> tipos = Tipos(emf);
  ASSERT_FALSE(tipos.empty());
  EXPECT_EQ(tipos.front(), 1u);  // header
  EXPECT_EQ(tipos.back(), 14u);  // end of file
  for (std::uint32_t t : tipos) EXPECT_NE(t, 84u) << "no text in an empty picture";
  Rect r;
  EXPECT_FALSE(LimitesMetafile(emf, r));
}

TEST(MetafileImagen, RejillaSinResaltadoYSinTocarElModelo) {
  CDiagrama d = prueba::CuatroCorrientes();
  d.m_corrientes[0].m_color = MakeRgb(255, 0, 0);
  const auto antes = GuardarDocumento(MarcoDocumento{0, 3, false}, d);
  CGrafica g;
  const std::vector<std::uint8_t> emf = MetafileImagen(d, g, 3);
  Rect r;
  ASSERT_TRUE(LimitesMetafile(emf, r));
  EXPECT_GT(r.right - r.left, 1000);
  EXPECT_GT(r.bottom - r.top, 1000);
  const std::vector<std::uint32_t> tipos = Tipos(emf);
  EXPECT_NE(std::find(tipos.begin(), tipos.end(), 84u), tipos.end());
  EXPECT_EQ(d.m_corrientes[0].m_color, MakeRgb(255, 0, 0));
  EXPECT_EQ(d.m_dibujoExportar, 1);
  EXPECT_EQ(GuardarDocumento(MarcoDocumento{0, 3, false}, d), antes);
  // The same picture twice gives the same bytes.
  EXPECT_EQ(MetafileImagen(d, g, 3), emf);
}

TEST(MetafileImagen, GraficaConSusPuntos) {
  CDiagrama d;
  CGrafica g;
  g.Inicializar("s", 0, 0);
  g.AddPunto(0, 0);
  g.AddPunto(1000, 2000);
  g.Recalcular();
  Rect r;
  EXPECT_TRUE(LimitesMetafile(MetafileImagen(d, g, 2), r));
  // The grid mode does not draw the chart, a chart mode does not draw the grid.
  EXPECT_FALSE(LimitesMetafile(MetafileImagen(d, g, 3), r));
  EXPECT_FALSE(LimitesMetafile(MetafileImagen(d, g, 18), r));
}

}  // namespace
}  // namespace vardo

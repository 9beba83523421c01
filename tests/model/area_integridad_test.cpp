#include "model/area_integridad.h"
#include "model/constantes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/archive.h"

namespace vardo {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Guardar(CAreaIntegridad a) {
  Archive ar;
  a.Serialize(ar);
  return ar.Bytes();
}

CAreaIntegridad Ejemplo() {
  CAreaIntegridad a;
  a.color = MakeRgb(0x11, 0x22, 0x33);
  a.SetNombre("Área 1");
  a.mostrada = 1;
  a.AddCorriente(3);
  a.AddCorriente(kRefServicio + 2);  // utility 3, 1002 in the file
  return a;
}

TEST(AreaIntegridadArchivo, GoldenBytes) {
  EXPECT_EQ(Guardar(CAreaIntegridad{}), (Bytes{0, 0, 0, 0,  // colour
                                                0,           // empty name
                                                0, 0, 0, 0,  // not shown
                                                0, 0, 0, 0}));  // no members
  const Bytes esperado = {
      0x11, 0x22, 0x33, 0x00,                    // colour, red in the low byte
      0x06, 0xC1, 'r', 'e', 'a', ' ', '1',       // "Área 1" in Windows-1252
      0x01, 0x00, 0x00, 0x00,                    // shown
      0x02, 0x00, 0x00, 0x00,                    // two members
      0x03, 0x00, 0x00, 0x00, 0xEA, 0x03, 0x00, 0x00,  // 3, 1002
  };
  EXPECT_EQ(Guardar(Ejemplo()), esperado);

  CAreaIntegridad leida;
  leida.AddCorriente(99);
  Archive in(esperado);
  leida.Serialize(in);
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(leida, Ejemplo());
}

TEST(AreaIntegridadArchivo, RoundTripOfLongNameAndManyMembers) {
  CAreaIntegridad a;
  a.nombre = std::string(300, 'x') + " ñ";
  a.color = 0xFFFFFFu;
  a.mostrada = -5;
  for (int i = 0; i < 1000; ++i) a.AddCorriente(i % 2 ? kRefServicio + i : i);
  CAreaIntegridad b;
  Archive in(Guardar(a));
  b.Serialize(in);
  EXPECT_EQ(b, a);
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(AreaIntegridadArchivo, DamagedRecordIsRefusedAndLeavesAreaAsItWas) {
  const Bytes bueno = Guardar(Ejemplo());
  struct Caso {
    const char* que;
    Bytes datos;
  };
  Bytes negativo = bueno;
  negativo[15] = negativo[16] = negativo[17] = negativo[18] = 0xFF;  // count -1
  Bytes enorme = bueno;
  enorme[15] = 0x03;  // three members announced, two present
  Bytes gigante = bueno;
  gigante[18] = 0x7F;  // two thousand million members announced
  Bytes nombreLargo = bueno;
  nombreLargo[4] = 0x40;  // name longer than the data
  const Caso casos[] = {
      {"negative count", negativo},
      {"count past the end", enorme},
      {"huge count", gigante},
      {"name past the end", nombreLargo},
      {"cut in a member", Bytes(bueno.begin(), bueno.end() - 1)},
      {"cut in the colour", Bytes(bueno.begin(), bueno.begin() + 3)},
      {"empty", Bytes{}},
  };
  for (const Caso& k : casos) {
    CAreaIntegridad a;
    a.SetNombre("Planta");
    a.AddCorriente(4);
    const CAreaIntegridad antes = a;
    Archive in(k.datos);
    EXPECT_THROW(a.Serialize(in), FormatError) << k.que;
    EXPECT_EQ(a, antes) << k.que;
  }
}

TEST(AreaIntegridad, MemberOperations) {
  CAreaIntegridad a;
  for (int r : {0, 1, 1000, 2}) a.AddCorriente(r);
  ASSERT_EQ(a.GetNumCorrientes(), 4);
  EXPECT_EQ(a.GetCorriente(2), 1000);

  a.QuitarCorriente(1);  // the rest move down
  EXPECT_EQ(a.corrientes, (std::vector<std::uint32_t>{0, 1000, 2}));
  a.SetCorriente(1001, 1);
  EXPECT_EQ(a.GetCorriente(1), 1001);

  // Indices outside the list change nothing and read as no member.
  a.QuitarCorriente(3);
  a.QuitarCorriente(-1);
  a.SetCorriente(7, 3);
  EXPECT_EQ(a.corrientes, (std::vector<std::uint32_t>{0, 1001, 2}));
  EXPECT_EQ(a.GetCorriente(3), -1);
  EXPECT_EQ(a.GetCorriente(-1), -1);

  a.QuitarTodas();
  EXPECT_EQ(a.GetNumCorrientes(), 0);
}

TEST(AreaIntegridad, CopiarTakesEverything) {
  CAreaIntegridad destino;
  destino.SetNombre("Vieja");
  destino.AddCorriente(8);
  destino.AddCorriente(9);
  destino.AddCorriente(10);
  destino.Copiar(Ejemplo());
  EXPECT_EQ(destino, Ejemplo());
  EXPECT_EQ(destino.GetNombre(), "Área 1");

  destino.Copiar(destino);  // copying onto itself keeps the members
  EXPECT_EQ(destino, Ejemplo());
}

}  // namespace
}  // namespace vardo

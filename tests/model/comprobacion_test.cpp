// Network check: every warning and error text with its boundary, the
// headers, the result code and what the check leaves behind.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/constantes.h"
#include "model/diagrama.h"
#include "model/red.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

struct Res {
  std::int32_t caliente, fria;
  double thi, tho, tci, tco, q;
};

// Hot stream 1 (500 → 300 K, m·cp 2, 400 kW) and cold stream 2 (300 → 500 K,
// m·cp 2); the pinch far above them (600 K shifted) unless a case moves it.
// The exchangers carry the given results, as a calculation would leave them,
// on the lists of their streams.
CDiagrama Red(const std::vector<Res>& cs) {
  CDiagrama d;
  d.AddCorriente(500, 300, 2, 0, 0);
  d.AddCorriente(300, 500, 2, 1, 0);
  d.SetDTMin(10);
  d.m_tPinch = 600;
  for (const Res& r : cs) {
    d.AddCambiador(kModoQ, r.caliente, r.fria, 0, 0, 0, 0, 0, 0, 0, 0, 1, r.q);
    CCambiador& c = d.m_cambiadores.back();
    c.tEntradaCaliente = r.thi;
    c.tSalidaCaliente = r.tho;
    c.tEntradaFria = r.tci;
    c.tSalidaFria = r.tco;
    c.q = r.q;
    c.calculado = 1;
    const auto i = static_cast<std::uint32_t>(d.m_cambiadores.size() - 1);
    for (std::int32_t ref : {r.caliente, r.fria})
      if (d.RefValida(ref)) d.GetCorriente(ref).m_cambiadores.push_back(i);
  }
  return d;
}

const std::string kAv = "Advertencias:\n";
const std::string kErr = "\n\nErrores:\n";
const std::string kDT1 = "\n\tEl cambiador 1 viola la diferencia mínima de temperaturas";
const std::string kPinch1 = "\n\tEl cambiador 1 transmite calor a través del pinch";
const std::string kServ1 = "\n\tEl cambiador 1 transmite calor a través de un pinch de servicios";
const std::string kImposible =
    "\n\tEs imposible transmitir calor de la corriente 1 a la 2, debido a sus \n\ttemperaturas\r";

struct Caso {
  const char* nombre;
  std::vector<Res> cambiadores;
  std::function<void(CDiagrama&)> ajuste;  // may be empty
  std::string texto;
  std::int32_t resultado;
};

void Comprobar(const Caso& k) {
  CDiagrama d = Red(k.cambiadores);
  if (k.ajuste) k.ajuste(d);
  d.m_textoComprobacion = "informe anterior";
  EXPECT_EQ(ComprobarRed(d), k.resultado) << k.nombre;
  EXPECT_EQ(d.m_textoComprobacion, k.texto) << k.nombre;
}

TEST(Comprobacion, Warnings) {
  auto pinch400 = [](CDiagrama& d) { d.m_tPinch = 400; };  // hot 405, cold 395
  const Caso casos[] = {
      {"ends exactly DT min apart", {{0, 1, 450, 420, 410, 440, 60}}, nullptr, "", kRedSinAvisos},
      {"one end 0.001 K short",
       {{0, 1, 450, 420, 410.001, 440, 60}},
       nullptr,
       kAv + kDT1,
       kRedSoloAvisos},
      {"other end short", {{0, 1, 450, 420, 400, 440.5, 60}}, nullptr, kAv + kDT1, kRedSoloAvisos},
      {"match across the pinch",
       {{0, 1, 450, 420, 380, 410, 60}},
       pinch400,
       kAv + kPinch1,
       kRedSoloAvisos},
      {"match wholly above the pinch",
       {{0, 1, 450, 420, 395, 425, 60}},
       pinch400,
       "",
       kRedSinAvisos},
      {"heater 0.02 K below the cold pinch",
       {{-1, 1, 0, 0, 394.97, 394.98, 0.02}},
       pinch400,
       kAv + kPinch1,
       kRedSoloAvisos},
      {"heater 0.005 K below the cold pinch",
       {{-1, 1, 0, 0, 394.991, 394.995, 0.008}},
       pinch400,
       "",
       kRedSinAvisos},
      {"cooler 0.02 K above the hot pinch",
       {{0, -1, 405.02, 380, 0, 0, 50}},
       pinch400,
       kAv + kPinch1,
       kRedSoloAvisos},
      {"cooler 0.005 K above the hot pinch",
       {{0, -1, 405.005, 380, 0, 0, 50}},
       pinch400,
       "",
       kRedSinAvisos},
      {"streams of different areas",
       {{0, 1, 450, 420, 380, 410, 60}},
       [](CDiagrama& d) {
         d.AddArea("A", 0);
         d.m_corrientes[0].m_area = 0;
       },
       kAv + "\n\tLas corrientes 1 y 2, que se cruzan en el cambiador 1,\n\tpertenecen a "
             "diferentes áreas de integridad",
       kRedSoloAvisos},
      {"streams of one area",
       {{0, 1, 450, 420, 380, 410, 60}},
       [](CDiagrama& d) {
         d.AddArea("A", 0);
         d.m_corrientes[0].m_area = d.m_corrientes[1].m_area = 0;
       },
       "",
       kRedSinAvisos},
      {"a shown area leaves out a match with a stream outside it",
       {{0, 1, 450, 420, 410.5, 440, 60}},
       [](CDiagrama& d) {
         d.AddArea("A", 0);
         d.m_areas[0].mostrada = 1;
         d.m_corrientes[0].m_area = 0;
       },
       "",
       kRedSinAvisos},
  };
  for (const Caso& k : casos) Comprobar(k);
}

TEST(Comprobacion, Errors) {
  const std::string fuera1 =
      "\n\tLas especificaciones de temperatura del cambiador 1 \n\testán fuera de los límites de "
      "temperatura de la corriente 1";
  const std::string fuera2 =
      "\n\tLas especificaciones de temperatura del cambiador 1 \n\testán fuera de los límites de "
      "temperatura de la corriente 2";
  const Caso casos[] = {
      {"hot inlet 0.0005 K past the supply",
       {{0, 1, 500.0005, 470, 300, 330, 60}},
       nullptr,
       "",
       kRedSinAvisos},
      {"hot inlet 0.002 K past the supply",
       {{0, 1, 500.002, 470, 300, 330, 60}},
       nullptr,
       kErr + fuera1,
       0},
      {"cold outlet past the target",
       {{0, 1, 350, 320, 470, 500.002, 60}},
       nullptr,
       kAv + kDT1 + kErr + fuera2 + kImposible,
       0},
      {"both sides out",
       {{0, 1, 299, 290, 510, 520, 60}},
       nullptr,
       kAv + kDT1 + kErr + fuera1 + fuera2 + kImposible,
       0},
      {"duties 0.002 kW past the stream",
       {{0, -1, 500, 420, 0, 0, 160}, {0, -1, 420, 300, 0, 0, 240.002}},
       nullptr,
       kErr + "\n\tLa suma de las entalpías de los cambiadores de la corriente 1 \n\tsupera la "
              "entalpía total de la corriente",
       0},
      {"duties 0.0005 kW past the stream",
       {{0, -1, 500, 420, 0, 0, 160}, {0, -1, 420, 300, 0, 0, 240.0005}},
       nullptr,
       "",
       kRedSinAvisos},
      {"ranges that meet exactly",
       {{0, -1, 500, 450, 0, 0, 100}, {0, -1, 450, 420, 0, 0, 60}},
       nullptr,
       "",
       kRedSinAvisos},
      {"overlapping ranges on the hot stream",
       {{0, -1, 500, 450, 0, 0, 100}, {0, -1, 460, 420, 0, 0, 80}},
       nullptr,
       kErr + "\n\tLos intervalos de temperatura de los cambiadores 2 y 1 de la \n\tcorriente 1 "
              "están solapados",
       1},
      {"overlapping ranges on the cold stream",
       {{-1, 1, 0, 0, 300, 350, 100}, {-1, 1, 0, 0, 340, 380, 80}},
       [](CDiagrama& d) { d.m_tPinch = 200; },  // heaters above the pinch
       kErr + "\n\tLos intervalos de temperatura de los cambiadores 1 y 2 de la \n\tcorriente 2 "
              "están solapados",
       0},
      {"impossible transfer",
       {{0, 1, 400, 380, 390, 410, 40}},
       nullptr,
       kAv + kDT1 + kErr + kImposible,
       0},
  };
  for (const Caso& k : casos) Comprobar(k);
}

// A latent cold stream 2 at 400 K (100 kW) heated by hot stream 1 (500 ->
// 420 K, m·cp 2) through exchanger 1, typed at 150 kW, and by a heater that
// completes stream 2: the heater's duty is 100 - 150 = -50 kW. Each fault is
// an error naming its exchanger, and the stream's sum counts 150 + 50.
TEST(Comprobacion, DutyBelowZeroOrAboveTheStream) {
  CDiagrama d;
  d.AddCorriente(500, 420, 2, 0, 0);
  d.AddCorriente(400, 400, 100, 1, 1);
  d.SetDTMin(10);
  d.AddCambiador(kModoQ, 0, 1, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 150);
  d.AddCambiador(kModoCompletarFria, -1, 1, 0, 0, 0, 0, kTipoExtremo, 0, 0, 0, 2, 0);
  prueba::ReconstruirListas(d);
  const std::int32_t r = CalcularRed(d);
  ASSERT_NEAR(d.m_cambiadores[0].q, 150, 1e-9);
  ASSERT_NEAR(d.m_cambiadores[1].q, -50, 1e-9);
  const std::string& t = d.m_textoComprobacion;
  const std::string excede =
      "\n\tEl cambiador 1 transmite 150. kW, más que la entalpía total \n\tde la corriente 2 "
      "(100. kW)";
  const std::string negativa =
      "\n\tLa carga del cambiador 2, que completa la corriente 2, es negativa (-50. kW): \n\tlos "
      "demás cambiadores de la corriente superan su entalpía total";
  const std::string suma =
      "\n\tLa suma de las entalpías de los cambiadores de la corriente 2 \n\tsupera la entalpía "
      "total de la corriente";
  ASSERT_NE(t.find(kErr), std::string::npos) << t;
  const std::string errores = t.substr(t.find(kErr) + kErr.size());
  EXPECT_EQ(errores, excede + negativa + suma);
  EXPECT_EQ(r, 0);  // the sum names the stream's first exchanger

  // Alone: a negative duty of an exchanger that completes nothing, and a
  // duty the hot stream (400 kW) does not hold, each name their exchanger.
  const Caso casos[] = {
      {"negative duty", {{0, 1, 450, 450, 350, 350, -5}}, nullptr,
       kErr + "\n\tLa carga del cambiador 1 es negativa (-5. kW)", 0},
      {"more than the hot stream",
       {{0, -1, 500, 300, 0, 0, 100}, {0, -1, 500, 300, 0, 0, 400.002}},
       nullptr,
       kErr +
           "\n\tEl cambiador 2 transmite 400.002 kW, más que la entalpía total \n\tde la "
           "corriente 1 (400. kW)" +
           "\n\tLa suma de las entalpías de los cambiadores de la corriente 1 \n\tsupera la "
           "entalpía total de la corriente" +
           "\n\tLos intervalos de temperatura de los cambiadores 2 y 1 de la \n\tcorriente 1 "
           "están solapados",
       1},
      {"the whole stream 0.0005 kW over", {{0, -1, 500, 300, 0, 0, 400.0005}}, nullptr, "",
       kRedSinAvisos},
  };
  for (const Caso& k : casos) Comprobar(k);
}

TEST(Comprobacion, UtilitiesLabelsSumsAndOverlaps) {
  // A hot utility S1 (latent at 520 K, load 100) serving stream 2 twice.
  CDiagrama d = Red({});
  d.m_servicios.push_back(prueba::ServicioLatente(520, 100, 0));
  d.AddCambiador(kModoQ, kRefServicio, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 60);
  d.AddCambiador(kModoQ, kRefServicio, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 40.002);
  const double tci[] = {440, 400}, tco[] = {470, 420.002};
  for (std::size_t i = 0; i < 2; ++i) {
    CCambiador& c = d.m_cambiadores[i];
    c.tEntradaCaliente = c.tSalidaCaliente = 520;
    c.tEntradaFria = tci[i];
    c.tSalidaFria = tco[i];
    c.q = i == 0 ? 60 : 40.002;
    d.m_servicios[0].m_cambiadores.push_back(static_cast<std::uint32_t>(i));
  }
  EXPECT_EQ(ComprobarRed(d), 0);
  EXPECT_EQ(d.m_textoComprobacion,
            kErr +
                "\n\tLa suma de las entalpías de los cambiadores del servicio 1 \n\tsupera la "
                "entalpía total del servicio");

  // Equal hot outlets on the utility; the cold ends now overlap on stream 2
  // too, and the utility's list is checked after it.
  d.m_cambiadores[1].q = 40;
  d.m_cambiadores[1].tSalidaFria = 445;
  d.m_corrientes[1].m_cambiadores = {0, 1};
  d.m_servicios[0].m_cambiadores = {0, 1};
  d.m_servicios[0].m_fria = 0;
  d.m_cambiadores[1].tEntradaCaliente = 530;  // past the utility's temperature
  EXPECT_EQ(ComprobarRed(d), 1);
  EXPECT_EQ(d.m_textoComprobacion,
            kErr +
                "\n\tLas especificaciones de temperatura del cambiador 2 \n\testán fuera de los "
                "límites de temperatura de la corriente S1" +
                "\n\tLos intervalos de temperatura de los cambiadores 2 y 1 de la \n\tcorriente 2 "
                "están solapados" +
                "\n\tLos intervalos de temperatura de los cambiadores 2 y 1 del \n\tservicio 1 "
                "están solapados");
}

TEST(Comprobacion, ExchangersPutBackAndListsReordered) {
  CDiagrama d = Red({{0, -1, 420, 300, 0, 0, 240}, {0, -1, 500, 420, 0, 0, 160}});
  d.m_corrientes[0].m_rect = Rect{1500, -2000, 19500, -3000};
  d.m_cambiadores[0].rectCaliente = Rect{1, 2, 3, 4};
  d.m_cambiadores[1].rectCaliente = Rect{5, 6, 7, 8};
  const std::vector<CCambiador> antes = d.m_cambiadores;
  const double tp = d.m_tPinch;
  EXPECT_EQ(ComprobarRed(d), kRedSinAvisos);
  EXPECT_EQ(d.m_cambiadores[0].rectCaliente, antes[0].rectCaliente);
  EXPECT_EQ(d.m_cambiadores[1].rectCaliente, antes[1].rectCaliente);
  EXPECT_EQ(d.m_corrientes[0].m_cambiadores, (std::vector<std::uint32_t>{1, 0}));
  EXPECT_EQ(d.m_tPinch, tp);
}

TEST(Comprobacion, EmptyNetwork) {
  CDiagrama d;
  d.m_textoComprobacion = "viejo";
  d.m_serviciosVisibles = 1;
  EXPECT_EQ(ComprobarRed(d), kRedSinAvisos);
  EXPECT_EQ(d.m_textoComprobacion, "");
}

// Three cold utilities take the heat of one hot stream, with two utility
// pinches (450 and 400 shifted) below the process pinch (495); shown, with a
// cooler across both.
CDiagrama DosPinchesServicio() {
  CDiagrama d = prueba::TresServiciosFrios();
  d.m_serviciosVisibles = 1;
  d.CalcularObjetivos();
  d.AddCambiador(kModoQ, 0, -1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 100);
  CCambiador& c = d.m_cambiadores.back();
  c.tEntradaCaliente = 480;  // below the hot process pinch, across both
  c.tSalidaCaliente = 380;   // utility pinches (455 and 405 on the hot side)
  c.q = 100;
  d.m_corrientes[0].m_cambiadores = {0};
  return d;
}

TEST(Comprobacion, UtilityPinchesReportedOncePerPinch) {
  CDiagrama d = DosPinchesServicio();
  EXPECT_NEAR(d.m_tPinch, 495, 1e-9);
  EXPECT_EQ(ComprobarRed(d), kRedSoloAvisos);
  EXPECT_EQ(d.m_textoComprobacion, kAv + kServ1 + kServ1);
  EXPECT_TRUE(d.m_pinchesServicioSup.empty());
  ASSERT_EQ(d.m_pinchesServicioInf.size(), 2u);
  EXPECT_NEAR(d.m_pinchesServicioInf[0], 450, 1e-9);
  EXPECT_NEAR(d.m_pinchesServicioInf[1], 400, 1e-9);
  EXPECT_NEAR(d.m_tPinch, 495, 1e-9);

  // Hidden utilities: no utility-pinch check.
  d.m_serviciosVisibles = 0;
  EXPECT_EQ(ComprobarRed(d), kRedSinAvisos);
}

}  // namespace
}  // namespace vardo

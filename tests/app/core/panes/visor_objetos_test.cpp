#include "app/core/panes/visor_objetos.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/core/document/puertos.h"
#include "model/lazo.h"
#include "model/red.h"
#include "platform/core/numtext.h"
#include "tests/comun/problemas.h"
#include "model/constantes.h"

namespace vardo {
namespace {

using prueba::ConPuertoUi;

// The designed four-stream problem, calculated, with names, a hot latent
// utility (steam) and a cold one, two areas and two found loops: a path
// through the heater, E2 and the cooler, and a ring E2-E4-E2.
CDiagrama Completo() {
  CDiagrama d = prueba::DisenoCuatroCorrientes();
  CalcularRed(d);
  const char* nombres[] = {"Alimentación", "Producto", "Reciclo", "Residuo"};
  for (std::size_t i = 0; i < 4; ++i) d.m_corrientes[i].SetNombre(nombres[i]);
  d.m_servicios = {prueba::ServicioLatente(453.15, 20.0, 0), prueba::ServicioSensible(288.15, 303.15, 60.0)};
  d.m_servicios[0].SetNombre("Vapor");
  d.m_servicios[1].SetNombre("Agua");
  d.AddArea("Norte", MakeRgb(0, 200, 0));
  d.AddArea("Sur", MakeRgb(200, 0, 0));
  d.m_areas[0].AddCorriente(0);
  d.m_areas[0].AddCorriente(kRefServicio + 1);
  d.m_corrientes[0].m_area = 0;
  d.m_areas[1].AddCorriente(1);
  d.m_lazos.resize(2);
  d.m_lazos[0].nodos = {2, 1, 5};
  d.m_lazos[1].nodos = {1, 3, 1};
  return d;
}

struct Fila {
  std::string texto;
  int icono;
  std::string ayuda;
};

std::vector<Fila> Hijos(const ElementoVisor& r) {
  std::vector<Fila> f;
  for (const ElementoVisor& h : r.hijos) f.push_back({h.texto, h.icono, h.ayuda});
  return f;
}

bool operator==(const Fila& a, const Fila& b) {
  return a.texto == b.texto && a.icono == b.icono && a.ayuda == b.ayuda;
}

void PrintTo(const Fila& f, std::ostream* os) { *os << f.texto << " [" << f.icono << "] " << f.ayuda; }

std::vector<std::string> Raices(const std::vector<ElementoVisor>& a) {
  std::vector<std::string> r;
  for (const ElementoVisor& e : a) r.push_back(e.texto);
  return r;
}

std::vector<std::string> Titulos(const FilasPropiedades& f) {
  std::vector<std::string> r;
  for (const auto& [titulo, valor] : f) r.push_back(titulo);
  return r;
}

std::string Valor(const FilasPropiedades& f, const std::string& titulo) {
  for (const auto& [t, v] : f)
    if (t == titulo) return v;
  ADD_FAILURE() << "sin fila " << titulo;
  return {};
}

TEST(VisorObjetos, ArbolConTodasLasRaicesSusIconosYAyudas) {
  const CDiagrama d = Completo();
  const std::vector<ElementoVisor> a = ArbolVisor(d);
  ASSERT_EQ(Raices(a), (std::vector<std::string>{"Corrientes", "Cambiadores", "Servicios",
                                                 "Áreas de Integridad", "Anillos y Sendas"}));
  EXPECT_EQ((std::vector<int>{a[0].icono, a[1].icono, a[2].icono, a[3].icono, a[4].icono}),
            (std::vector<int>{4, 5, 12, 10, 7}));
  EXPECT_EQ(Hijos(a[0]), (std::vector<Fila>{{"Corriente 1", 1, "Alimentación"},
                                            {"Corriente 2", 2, "Producto"},
                                            {"Corriente 3", 1, "Reciclo"},
                                            {"Corriente 4", 2, "Residuo"}}));
  // A heater (hot side a utility), process exchangers, a cooler.
  EXPECT_EQ(Hijos(a[1]), (std::vector<Fila>{{"Cambiador 1", 0, "C. Caliente: 2, C. Fría: 3"},
                                            {"Cambiador 2", 0, "C. Caliente: 4, C. Fría: 1"},
                                            {"Cambiador 3", 3, "C. Caliente: SG, C. Fría: 1"},
                                            {"Cambiador 4", 0, "C. Caliente: 2, C. Fría: 1"},
                                            {"Cambiador 5", 0, "C. Caliente: 4, C. Fría: 1"},
                                            {"Cambiador 6", 6, "C. Caliente: 4, C. Fría: SG"}}));
  EXPECT_EQ(Hijos(a[2]), (std::vector<Fila>{{"Servicio 1", 13, "Vapor"}, {"Servicio 2", 14, "Agua"}}));
  EXPECT_EQ(Hijos(a[3]), (std::vector<Fila>{{"1 Norte", 11, "Corrientes: 1; S2; "},
                                            {"2 Sur", 11, "Corrientes: 2; "}}));
  EXPECT_EQ(Hijos(a[4]), (std::vector<Fila>{{"Senda 1", 9, "Camb: 3, 2, 6"},
                                            {"Anillo 2", 8, "Camb: 2, 4, 2"}}));
  // What each item names.
  EXPECT_EQ(a[2].hijos[1].objeto, (ObjetoVisor{ClaseObjetoVisor::Servicio, 1}));
  EXPECT_EQ(a[4].hijos[0].objeto, (ObjetoVisor{ClaseObjetoVisor::Senda, 0}));
  EXPECT_EQ(a[0].objeto, ObjetoVisor{});
}

TEST(VisorObjetos, RaicesSoloDeListasConObjetos) {
  // An empty model: an empty tree and a grid of two empty rows.
  EXPECT_TRUE(ArbolVisor(CDiagrama()).empty());
  EXPECT_EQ(PropiedadesVacias(), (FilasPropiedades{{"", ""}, {"", ""}}));
  // No utilities: "Cambiadores" directly follows "Corrientes".
  const CDiagrama d = prueba::DisenoCuatroCorrientes();
  EXPECT_EQ(Raices(ArbolVisor(d)), (std::vector<std::string>{"Corrientes", "Cambiadores"}));
  EXPECT_EQ(Raices(ArbolVisor(prueba::CuatroCorrientes())), std::vector<std::string>{"Corrientes"});
}

TEST(VisorObjetos, UnTextoNombraSoloObjetosDelModeloActual) {
  const CDiagrama d = Completo();
  const struct {
    const char* texto;
    ObjetoVisor esperado;
  } casos[] = {
      {"Corriente 1", {ClaseObjetoVisor::Corriente, 0}},
      {"Corriente 4", {ClaseObjetoVisor::Corriente, 3}},
      {"Corriente 5", {}},  // a tree older than the model
      {"Corriente 0", {}},
      {"Corriente -1", {}},
      {"Corriente 2x", {}},
      {"Corriente ", {}},
      {"Cambiador 6", {ClaseObjetoVisor::Cambiador, 5}},
      {"Cambiador 7", {}},
      {"Servicio 2", {ClaseObjetoVisor::Servicio, 1}},
      {"Servicio 3", {}},
      {"1 Norte", {ClaseObjetoVisor::Area, 0}},
      {"2 Sur", {ClaseObjetoVisor::Area, 1}},
      {"2 Norte", {}},  // the area was renamed or moved
      {"3 Este", {}},
      {"Senda 1", {ClaseObjetoVisor::Senda, 0}},
      {"Anillo 2", {ClaseObjetoVisor::Anillo, 1}},
      {"Anillo 3", {}},
      {"Corrientes", {}},
      {"Áreas de Integridad", {}},
      {"", {}},
  };
  for (const auto& c : casos) EXPECT_EQ(IdentificarElemento(d, c.texto), c.esperado) << c.texto;
  // The same texts against a smaller model name nothing.
  const CDiagrama menor = prueba::CuatroCorrientes();
  for (const char* t : {"Cambiador 1", "Servicio 1", "1 Norte", "Anillo 2"})
    EXPECT_EQ(IdentificarElemento(menor, t), ObjetoVisor{}) << t;
}

TEST(VisorObjetos, ElementoQueSigueLaSeleccionDeLaVista) {
  CDiagrama d = Completo();
  const struct {
    int tipo;
    std::int32_t corriente, cambiador;
    bool anillo;
    const char* raiz;
    const char* texto;
  } casos[] = {
      {kSelCorriente, 2, 0, false, "Corrientes", "Corriente 3"},
      {kSelCorriente, kRefServicio + 1, 0, false, "Servicios", "Servicio 2"},
      {kSelCambiador, 0, 4, false, "Cambiadores", "Cambiador 5"},
      {kSelCorriente, 7, 0, false, nullptr, nullptr},
      {kSelCorriente, kRefServicio + 2, 0, false, nullptr, nullptr},
      {kSelCambiador, 0, 6, false, nullptr, nullptr},
      {kSelNada, 0, 0, false, nullptr, nullptr},
      {kSelNodo, 0, 0, false, nullptr, nullptr},
      // The view shows the current found loop.
      {kSelCambiador, 0, 1, true, "Anillos y Sendas", "Anillo 2"},
  };
  d.m_anilloActual = 1;
  d.m_lazoEnCurso.cambiadores = {1, 3, 1};
  d.m_lazoEnCurso.nodos = {2, 4, 2};
  for (const auto& c : casos) {
    d.m_corrienteSel = c.corriente;
    d.m_cambiadorSel = c.cambiador;
    std::string raiz, texto;
    const bool hay = ElementoDeSeleccion(d, c.tipo, c.anillo, raiz, texto);
    EXPECT_EQ(hay, c.raiz != nullptr) << c.tipo << " " << c.corriente << " " << c.cambiador;
    if (hay && c.raiz) {
      EXPECT_EQ(raiz, c.raiz);
      EXPECT_EQ(texto, c.texto);
    }
  }
  // A chain that is not the current loop: the view's kind decides.
  d.m_lazoEnCurso.cambiadores = {1, 3};
  EXPECT_FALSE(LazoActualMostrado(d, true));
  std::string raiz, texto;
  ASSERT_TRUE(ElementoDeSeleccion(d, kSelCambiador, true, raiz, texto));
  EXPECT_EQ(texto, "Cambiador 2");
}

TEST(VisorObjetos, FilasDeUnaCorrienteYSusTramosSinCubrir) {
  // H 500 -> 300 K; two exchangers on it leave 500-450, 400-380 and 350-300.
  prueba::RedManual r;
  const int h = r.Corriente(500.0, 300.0, 2.0);
  const int c = r.Corriente(290.0, 480.0, 1.0);
  r.d.m_corrientes[static_cast<std::size_t>(h)].SetNombre("Gases");
  const int e1 = r.Cambiador(h, c);
  const int e2 = r.Cambiador(h, kRefGenerico);
  CCambiador& a = r.d.m_cambiadores[static_cast<std::size_t>(e1)];
  a.q = 100.0;
  a.tEntradaCaliente = 450.0;
  a.tSalidaCaliente = 400.0;
  a.tEntradaFria = 300.0;
  a.tSalidaFria = 400.0;
  CCambiador& b = r.d.m_cambiadores[static_cast<std::size_t>(e2)];
  b.q = 60.0;
  b.tEntradaCaliente = 380.0;
  b.tSalidaCaliente = 350.0;
  const FilasPropiedades f = PropiedadesCorriente(r.d, h);
  EXPECT_EQ(Titulos(f), (std::vector<std::string>{
                            "Descripción", "T. Entrada (K)", "T. Salida (K)", "Entalpía (kW)",
                            "Entalpía restante (kW)", "Temperaturas sin cubrir", "Cambiadores",
                            "Tipo de corriente", "Tipo de calor", "Área de Integridad"}));
  EXPECT_EQ(Valor(f, "Descripción"), "Gases");
  EXPECT_EQ(Valor(f, "T. Entrada (K)"), "500.");
  EXPECT_EQ(Valor(f, "T. Salida (K)"), "300.");
  EXPECT_EQ(Valor(f, "Entalpía (kW)"), "-400.");
  EXPECT_EQ(Valor(f, "Entalpía restante (kW)"), "240.");
  EXPECT_EQ(Valor(f, "Temperaturas sin cubrir"), "500. a 450. 400. a 380. 350. a 300. ");
  EXPECT_EQ(Valor(f, "Cambiadores"), "1 2 ");
  EXPECT_EQ(Valor(f, "Tipo de corriente"), "Caliente");
  EXPECT_EQ(Valor(f, "Tipo de calor"), "Sensible");
  EXPECT_EQ(Valor(f, "Área de Integridad"), "");
  // The cold stream is walked from its hot end: 480 down to 400, then 300 to 290.
  const FilasPropiedades fc = PropiedadesCorriente(r.d, c);
  EXPECT_EQ(Valor(fc, "Temperaturas sin cubrir"), "480. a 400. 300. a 290. ");
  EXPECT_EQ(Valor(fc, "Tipo de corriente"), "Fría");
  // Without exchangers: the whole range, supply to target.
  const FilasPropiedades sola = PropiedadesCorriente(prueba::CuatroCorrientes(), 0);
  EXPECT_EQ(Valor(sola, "Temperaturas sin cubrir"), "293.15 a 408.15");
  EXPECT_EQ(Valor(sola, "Cambiadores"), "");
  // A reference that names nothing gives no rows.
  EXPECT_TRUE(PropiedadesCorriente(r.d, 5).empty());
}

TEST(VisorObjetos, FilasDeUnServicioDeUnCambiadorYDeUnArea) {
  CDiagrama d = Completo();
  d.m_servicios[0].m_entalpiaMaxima = 35.5;
  d.m_corrientes[0].m_area = 0;
  const FilasPropiedades s = PropiedadesCorriente(d, kRefServicio);
  EXPECT_EQ(Titulos(s), (std::vector<std::string>{
                            "Descripción", "T. Entrada (K)", "T. Salida (K)", "Entalpía (kW)",
                            "Entalpía restante (kW)", "Entalpía máxima (kW)",
                            "Temperaturas sin cubrir", "Cambiadores", "Tipo de servicio",
                            "Tipo de calor", "Área de Integridad"}));
  EXPECT_EQ(Valor(s, "Descripción"), "Vapor");
  EXPECT_EQ(Valor(s, "Entalpía restante (kW)"), "20.");
  EXPECT_EQ(Valor(s, "Entalpía máxima (kW)"), "35.5");
  EXPECT_EQ(Valor(s, "Tipo de servicio"), "Calefacción");
  EXPECT_EQ(Valor(s, "Tipo de calor"), "Latente");
  EXPECT_EQ(Valor(PropiedadesCorriente(d, kRefServicio + 1), "Tipo de servicio"), "Refrigeración");
  EXPECT_EQ(Valor(PropiedadesCorriente(d, 0), "Área de Integridad"), "1");
  // A stream fully covered by its exchangers leaves nothing.
  EXPECT_EQ(Valor(PropiedadesCorriente(d, 0), "Entalpía restante (kW)"), "0.");

  const std::vector<std::string> titulos{
      "Carga (kW)", "A través del pinch (kW)", "C.Caliente", "C.Fría", "T entrada cal. (K)",
      "T salida cal. (K)", "T entrada fría (K)", "T salida fría (K)", "Coef. TC (kW/(m2·K)",
      "Área (m2)", "Coste ($)"};
  CDiagrama copia = d;
  const FilasPropiedades e = PropiedadesCambiador(copia, 0);
  EXPECT_EQ(Titulos(e), titulos);
  EXPECT_EQ(Valor(e, "Carga (kW)"), "240.");
  EXPECT_EQ(Valor(e, "A través del pinch (kW)"), "0.");
  EXPECT_EQ(Valor(e, "C.Caliente"), "2");
  EXPECT_EQ(Valor(e, "C.Fría"), "3");
  EXPECT_EQ(Valor(e, "T entrada cal. (K)"), "443.15");
  EXPECT_EQ(Valor(e, "T salida fría (K)"), "413.15");
  EXPECT_EQ(Valor(e, "Coef. TC (kW/(m2·K)"), "1.");  // 2 and 2 kW/(m2·K)
  EXPECT_EQ(Valor(e, "Área (m2)"), NumTexto(AreaCambiador(d, 0)));
  EXPECT_EQ(Valor(e, "Coste ($)"), NumTexto(CosteCambiadores(d, 0)));
  // The heater's hot side is the generic utility; a defined utility is "S%d".
  const FilasPropiedades cal = PropiedadesCambiador(copia, 2);
  EXPECT_EQ(Valor(cal, "C.Caliente"), "SG");
  EXPECT_EQ(Valor(cal, "T entrada cal. (K)"), "-");
  EXPECT_EQ(Valor(cal, "T salida cal. (K)"), "-");
  EXPECT_EQ(Valor(cal, "C.Fría"), "1");
  copia.m_cambiadores[2].ladoCaliente.ref = kRefServicio;
  EXPECT_EQ(Valor(PropiedadesCambiador(copia, 2), "C.Caliente"), "S1");
  EXPECT_EQ(Valor(PropiedadesCambiador(copia, 5), "C.Fría"), "SG");
  EXPECT_TRUE(PropiedadesCambiador(copia, 6).empty());

  EXPECT_EQ(PropiedadesArea(d, 0), (FilasPropiedades{{"Nombre", "Norte"}, {"Corrientes", "1; S2; "}}));
  EXPECT_TRUE(PropiedadesArea(d, 2).empty());
}

TEST(VisorObjetos, FilasDelAnilloMostradoYDeLaSeleccion) {
  CDiagrama d = Completo();
  // The ring E2-E4-E2 is shown: its duties 90, 90, 90 kW.
  d.m_anilloActual = 1;
  d.m_lazoEnCurso.cambiadores = {1, 3, 1};
  d.m_lazoEnCurso.nodos = {2, 4, 2};
  d.m_lazoEnCurso.cuenta = 3;
  d.m_cambiadores[3].q = 70.0;
  const FilasPropiedades f = PropiedadesSeleccion(d, kSelCorriente, true);
  EXPECT_EQ(f, (FilasPropiedades{{"Cambiadores", "2 4 2 "},
                                 {"Q mínimo (kW)", "-90."},
                                 {"Q máximo (kW)", "70."}}));
  // The view not showing it: the selection by its kind.
  d.m_corrienteSel = kRefServicio;
  EXPECT_EQ(Valor(PropiedadesSeleccion(d, kSelCorriente, false), "Descripción"), "Vapor");
  d.m_cambiadorSel = 0;
  EXPECT_EQ(Valor(PropiedadesSeleccion(d, kSelCambiador, false), "C.Fría"), "3");
  EXPECT_TRUE(PropiedadesSeleccion(d, kSelNada, false).empty());
}

using GraficaDelVisor = ConPuertoUi;

TEST_F(GraficaDelVisor, DTDisponibleNoPreguntaNiCambiaElModelo) {
  CDiagrama d = prueba::CuatroCorrientes();
  // Generic temperatures that violate DT min: the chart command would ask.
  d.m_tCalienteGenerico = 400.0;
  d.m_tFrioGenerico = 350.0;
  CGrafica g;
  ASSERT_TRUE(GraficaVisor(d, g, 3, false, 6000, 5000));
  EXPECT_TRUE(ui.Log().empty());
  EXPECT_EQ(d.m_tCalienteGenerico, 400.0);
  EXPECT_EQ(d.m_tFrioGenerico, 350.0);
  EXPECT_EQ(d.m_dtMin, 10.0);
  EXPECT_EQ(g.marco, (Rect{-700, 1200, 7000, -7800}));
  EXPECT_EQ(g.fuenteEscala.height, 12);
  EXPECT_EQ(g.titulo, "");
  EXPECT_EQ(g.tituloX, "");
  EXPECT_EQ(g.tituloY, "");
  EXPECT_EQ(g.sangriaEtiquetas, 800);
  EXPECT_EQ(g.semiMarca, 40);
  EXPECT_EQ(g.rejilla, 1);
  // The x range runs from the next-to-last point to the last.
  ASSERT_GE(g.puntos.size(), 2u);
  EXPECT_EQ(g.xMax, g.puntos.back().x);
  EXPECT_EQ(g.xMin, g.puntos[g.puntos.size() - 2].x);
}

TEST_F(GraficaDelVisor, CadaEntradaDelSelectorYUnModeloSinCorrientes) {
  for (int indice = 0; indice < 4; ++indice) {
    CDiagrama d = prueba::CuatroCorrientesConServicios(
        {prueba::ServicioLatente(453.15, 20.0, 0), prueba::ServicioSensible(288.15, 303.15, 60.0)});
    const CDiagrama antes = d;
    CGrafica g;
    EXPECT_TRUE(GraficaVisor(d, g, indice, true, 5000, 5000)) << indice;
    EXPECT_GT(g.NumPuntos(), 0) << indice;
    prueba::EsperarMismasCorrientes(d, antes);
    EXPECT_EQ(d.m_dtMin, antes.m_dtMin);
  }
  CDiagrama vacio;
  CGrafica g;
  EXPECT_FALSE(GraficaVisor(vacio, g, 0, false, 5000, 5000));
  EXPECT_EQ(g.NumPuntos(), 0);
  CDiagrama d = prueba::CuatroCorrientes();
  EXPECT_FALSE(GraficaVisor(d, g, kGraficaVisorCascada, false, 5000, 5000));
  EXPECT_TRUE(ui.Log().empty());
}

// After a load shift an exchanger whose end meets the pinch up to rounding
// shows no heat across it.
TEST(PropiedadesVisor, SinCalorATravesDelPinchTrasDesplazarCarga) {
  CDiagrama d = prueba::DisenoConCargaDesplazada();
  for (std::int32_t i = 0; i < d.GetNumCambiadores(); ++i)
    EXPECT_EQ(Valor(PropiedadesCambiador(d, i), "A través del pinch (kW)"), "0.") << i;
}

}  // namespace
}  // namespace vardo

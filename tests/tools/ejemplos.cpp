#include "tests/tools/ejemplos.h"

#include "model/constantes.h"

namespace vardo::ejemplos {

namespace {

constexpr double kK = 273.15;  // °C to K

MarcoDocumento MarcoTrama() {
  MarcoDocumento m;
  m.usarFactibilidad = 0;
  m.modo = 3;  // grid diagram
  return m;
}

void AnadirCuatroCorrientes(CDiagrama& d) {
  d.SetDTMin(10.0);
  d.AddCorriente(20 + kK, 135 + kK, 2.0, 1, 0);
  d.AddCorriente(170 + kK, 60 + kK, 3.0, 0, 0);
  d.AddCorriente(80 + kK, 140 + kK, 4.0, 1, 0);
  d.AddCorriente(150 + kK, 30 + kK, 1.5, 0, 0);
  const char* nombres[] = {"C1", "H2", "C3", "H4"};
  for (int i = 0; i < 4; ++i) d.m_corrientes[static_cast<std::size_t>(i)].SetNombre(nombres[i]);
}

// Gives utility k the curve of (T, H) points (normalised), its load and cost.
void DefinirServicio(CDiagrama& d, int k, const std::string& nombre,
                     const std::vector<std::pair<double, double>>& puntos, int fria,
                     double carga, double coste) {
  CServicios& s = d.m_servicios[static_cast<std::size_t>(k)];
  s.SetNombre(nombre);
  s.CCorriente::BorrarPuntos();
  for (const auto& [T, H] : puntos) s.AddPunto(T, H);
  s.m_fria = fria;
  s.m_latente = puntos.front().first == puntos.back().first ? 1 : 0;
  s.m_lineal = 1;
  s.m_carga = carga;
  s.m_coste = coste;
  s.m_dtMin = d.m_dtMin;
  s.m_mcp = s.GetCP(kTSentinel, kTSentinel);
}

}  // namespace

Ejemplo CuatroCorrientes() {
  Ejemplo e{"cuatro_corrientes.vdo", MarcoTrama(), {}};
  AnadirCuatroCorrientes(e.diagrama);
  return e;
}

Ejemplo LatenteYTabla() {
  Ejemplo e{"latente_y_tabla.vdo", MarcoTrama(), {}};
  CDiagrama& d = e.diagrama;
  d.SetDTMin(10.0);
  // Boiling at 120 °C, 400 kW.
  d.AddCorriente(120 + kK, 120 + kK, 400.0, 1, 1);
  d.m_corrientes[0].SetNombre("Evaporador");
  // Hot table stream: cools, condenses at 140 °C, cools again.
  d.AddCorriente(200 + kK, 80 + kK, 2.5, 0, 0);
  CCorriente& t = d.m_corrientes[1];
  t.BorrarPuntos();
  t.AddPunto(200 + kK, 0.0);
  t.AddPunto(140 + kK, -90.0);
  t.AddPunto(140 + kK, -210.0);
  t.AddPunto(80 + kK, -300.0);
  t.m_lineal = 0;
  t.m_entalpiaDada = 1;
  t.CalcularCP();
  t.SetNombre("Condensado");
  d.AddCorriente(30 + kK, 100 + kK, 3.0, 1, 0);
  d.m_corrientes[2].SetNombre("Alimentación");
  return e;
}

Ejemplo ServiciosYArea() {
  Ejemplo e{"servicios_y_area.vdo", MarcoTrama(), {}};
  CDiagrama& d = e.diagrama;
  AnadirCuatroCorrientes(d);
  d.AddServicio();
  d.AddServicio();
  DefinirServicio(d, 0, "Vapor", {{180 + kK, 0.0}, {180 + kK, -1.0}}, 0, 20.0, 120.0);
  DefinirServicio(d, 1, "Agua de refrigeración", {{15 + kK, 0.0}, {30 + kK, 1.0}}, 1, 60.0,
                  10.0);
  d.CalcularObjetivos();
  d.ActualizarCurvasServicios();
  for (auto& s : d.m_servicios) s.CalcularEntalpiaMaxima();
  d.m_serviciosVisibles = 1;

  d.AddArea("Area 1", MakeRgb(200, 60, 60));
  d.AddArea("Area 2", MakeRgb(60, 60, 200));
  const std::int32_t miembros[2][3] = {{0, 1, kRefServicio + 0}, {2, 3, kRefServicio + 1}};
  for (int a = 0; a < 2; ++a)
    for (std::int32_t ref : miembros[a]) {
      d.m_areas[static_cast<std::size_t>(a)].AddCorriente(ref);
      d.GetCorriente(ref).m_area = a;
    }

  // H2 → C3 with a typed duty; steam gives C1 the minimum hot utility (20 kW)
  // at its target end; cooling water takes the minimum cold utility (60 kW)
  // from H4 at its target end.
  d.AddCambiador(kModoQ, 1, 2, kTipoExtremo, 0.0, kTipoNinguno, 0.0, kTipoNinguno, 0.0,
                 kTipoExtremo, 0.0, 1, 240.0);
  d.AddCambiador(kModoQ, kRefServicio + 0, 0, kTipoExtremo, 0.0, kTipoNinguno, 0.0,
                 kTipoNinguno, 0.0, kTipoExtremo, 0.0, 1, 20.0);
  d.AddCambiador(kModoQ, 3, kRefServicio + 1, kTipoNinguno, 0.0, kTipoExtremo, 0.0,
                 kTipoExtremo, 0.0, kTipoNinguno, 0.0, 1, 60.0);
  for (std::int32_t k = 0; k < d.GetNumCambiadores(); ++k) {
    const CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(k)];
    d.GetCorriente(c.ladoCaliente.ref).m_cambiadores.push_back(static_cast<std::uint32_t>(k));
    d.GetCorriente(c.ladoFrio.ref).m_cambiadores.push_back(static_cast<std::uint32_t>(k));
  }
  // Saved calculated, as the program saves a designed network: duties, end
  // temperatures and the exchangers' places on the grid.
  d.CalcularRed();
  return e;
}

std::vector<Ejemplo> Todos() {
  std::vector<Ejemplo> v;
  v.push_back(CuatroCorrientes());
  v.push_back(LatenteYTabla());
  v.push_back(ServiciosYArea());
  return v;
}

std::vector<std::uint8_t> Bytes(Ejemplo& e) { return GuardarDocumento(e.marco, e.diagrama); }

}  // namespace vardo::ejemplos

#include "app/core/entry/areas_integridad.h"

#include <algorithm>
#include <set>

#include "model/constantes.h"
#include "model/objetivos_area.h"
#include "platform/core/numtext.h"

namespace vardo {

namespace {

std::int32_t NumCorrientes(const CDiagrama& d) { return d.GetNumCorrientes(); }

// The split index of process stream i when it names a split record; -1
// otherwise.
std::int32_t Bifurcacion(const CDiagrama& d, std::int32_t i) {
  const std::int32_t s = d.m_corrientes[static_cast<std::size_t>(i)].m_split;
  return s >= 0 && s < static_cast<std::int32_t>(d.m_bifurcadas.size()) ? s : -1;
}

}  // namespace

std::string TextoArea(const CDiagrama& d, std::int32_t k) {
  return std::to_string(k + 1) + " " + d.m_areas[static_cast<std::size_t>(k)].GetNombre();
}

std::vector<EntradaCorriente> CorrientesDeArea(const CDiagrama& d, std::int32_t area) {
  std::vector<EntradaCorriente> r;
  std::set<std::int32_t> listadas;  // splits already in the list
  for (std::int32_t i = 0; i < NumCorrientes(d); ++i) {
    const CCorriente& c = d.m_corrientes[static_cast<std::size_t>(i)];
    if (c.m_area != area) continue;
    const std::int32_t s = Bifurcacion(d, i);
    if (s >= 0 && !listadas.insert(s).second) continue;
    r.push_back({std::to_string(i + 1) + " " + c.GetNombre(), i});
  }
  for (std::int32_t k = 0; k < d.GetNumServicios(); ++k) {
    const CServicios& s = d.m_servicios[static_cast<std::size_t>(k)];
    if (s.m_area == area)
      r.push_back({"S" + std::to_string(k + 1) + " " + s.GetNombre(), kRefServicio + k});
  }
  return r;
}

std::vector<std::int32_t> RestoDeBifurcacion(const CDiagrama& d, std::int32_t ref) {
  std::vector<std::int32_t> r;
  if (ref < 0 || ref >= NumCorrientes(d)) return r;
  const std::int32_t s = Bifurcacion(d, ref);
  if (s < 0) return r;
  for (const std::uint32_t u : d.m_bifurcadas[static_cast<std::size_t>(s)].ramas) {
    const auto i = static_cast<std::int32_t>(u);
    if (u < static_cast<std::uint32_t>(NumCorrientes(d)) && i != ref &&
        std::find(r.begin(), r.end(), i) == r.end())
      r.push_back(i);
  }
  return r;
}

void AsignarArea(CDiagrama& d, std::int32_t ref, std::int32_t area) {
  if (EsServicio(ref)) {
    const std::int32_t k = IndiceServicio(ref);
    if (k < d.GetNumServicios()) d.m_servicios[static_cast<std::size_t>(k)].m_area = area;
    return;
  }
  if (ref < 0 || ref >= NumCorrientes(d)) return;
  d.m_corrientes[static_cast<std::size_t>(ref)].m_area = area;
  for (const std::int32_t i : RestoDeBifurcacion(d, ref))
    d.m_corrientes[static_cast<std::size_t>(i)].m_area = area;
}

void GuardarMiembros(CDiagrama& d, std::int32_t area, const std::vector<std::int32_t>& refs) {
  if (area < 0 || area >= static_cast<std::int32_t>(d.m_areas.size())) return;
  CAreaIntegridad& a = d.m_areas[static_cast<std::size_t>(area)];
  a.QuitarTodas();
  for (const std::int32_t ref : refs) {
    a.AddCorriente(ref);
    for (const std::int32_t i : RestoDeBifurcacion(d, ref)) a.AddCorriente(i);
  }
}

std::int32_t NuevaArea(CDiagrama& d, Rgb color) {
  const auto n = static_cast<std::int32_t>(d.m_areas.size());
  d.AddArea("Area " + std::to_string(n + 1), color);
  return n;
}

// ------------------------------------------------------------ targets table

const std::array<const char*, kFilasObjetivos> kEtiquetasObjetivos = {
    "Calefacción (kW)",         "Refrigeración (kW)",      "Cal cubierta (kW)",
    "Ref cubierta (kW)",        "Nº mínimo de cambiadores", "Área mínima (m2)",
    "Costes mínimos ($/a)"};

namespace {

// The seven values of one column: needs from the cascade, covered heating
// and cooling, then the three target operations.
struct Valores {
  std::array<double, kFilasObjetivos> v{};
  bool sinCascada = false;
};

// The loads of the utilities among refs, heating (cold flag clear) and
// cooling apart.
void Cubiertas(const CDiagrama& d, const std::vector<std::int32_t>& refs, double& cal,
               double& ref) {
  cal = ref = 0.0;
  for (const std::int32_t r : refs) {
    if (!EsServicio(r) || IndiceServicio(r) >= d.GetNumServicios()) continue;
    const CServicios& s = d.m_servicios[static_cast<std::size_t>(IndiceServicio(r))];
    (s.m_fria ? ref : cal) += s.m_carga;
  }
}

Valores Calcular(CDiagrama& d, const std::vector<std::int32_t>& servicios) {
  Valores x;
  d.CalcularObjetivos();
  const std::vector<double>& c = d.m_cascada;
  x.sinCascada = c.empty();
  x.v[0] = c.empty() ? 0.0 : c.front();
  x.v[1] = c.empty() ? 0.0 : c.back();
  Cubiertas(d, servicios, x.v[2], x.v[3]);
  x.v[4] = d.CalcularNMinCambiadores(0);
  x.v[5] = d.CalcularAreaMinima(0);
  x.v[6] = d.CosteInmovilizado(0);
  return x;
}

ColumnaObjetivos Columna(std::string cabecera, const Valores& x) {
  ColumnaObjetivos col;
  col.cabecera = std::move(cabecera);
  for (int f = 0; f < kFilasObjetivos; ++f)
    col.valores[static_cast<std::size_t>(f)] =
        f < 2 && x.sinCascada ? "0"
        : f == 5 ? TextoObjetivo(x.v[5], kTextoAreaInfinita)
        : f == 6 ? TextoObjetivo(x.v[6], kTextoCosteInfinito)
                 : NumTexto(x.v[static_cast<std::size_t>(f)]);
  return col;
}

}  // namespace

std::vector<ColumnaObjetivos> TablaObjetivosAreas(CDiagrama& d) {
  std::vector<ColumnaObjetivos> tabla;
  std::vector<std::int32_t> mostradas;
  for (CAreaIntegridad& a : d.m_areas) {
    mostradas.push_back(a.mostrada);
    a.mostrada = 0;
  }

  std::vector<std::int32_t> todos;
  for (std::int32_t k = 0; k < d.GetNumServicios(); ++k) todos.push_back(kRefServicio + k);
  tabla.push_back(Columna("Sin Dividir", Calcular(d, todos)));

  // The streams and utilities of no area, for the time of the table, as an
  // area of their own.
  d.AddArea("Restantes", 0);
  const auto restantes = static_cast<std::int32_t>(d.m_areas.size()) - 1;
  for (std::int32_t i = 0; i < NumCorrientes(d); ++i) {
    CCorriente& c = d.m_corrientes[static_cast<std::size_t>(i)];
    if (c.m_area != -1) continue;
    d.m_areas.back().AddCorriente(i);
    c.m_area = restantes;
  }
  for (std::int32_t k = 0; k < d.GetNumServicios(); ++k) {
    CServicios& s = d.m_servicios[static_cast<std::size_t>(k)];
    if (s.m_area != -1) continue;
    d.m_areas.back().AddCorriente(kRefServicio + k);
    s.m_area = restantes;
  }

  Valores suma;
  for (std::int32_t k = 0; k <= restantes; ++k) {
    CAreaIntegridad& a = d.m_areas[static_cast<std::size_t>(k)];
    if (a.GetNumCorrientes() == 0) continue;
    a.mostrada = 1;
    std::vector<std::int32_t> miembros(a.corrientes.begin(), a.corrientes.end());
    const Valores x = Calcular(d, miembros);
    tabla.push_back(Columna(TextoArea(d, k), x));
    for (int f = 0; f < kFilasObjetivos; ++f) suma.v[static_cast<std::size_t>(f)] += x.v[static_cast<std::size_t>(f)];
    d.m_areas[static_cast<std::size_t>(k)].mostrada = 0;
  }
  tabla.push_back(Columna("Dividido", suma));

  d.BorrarArea(restantes);
  for (std::size_t k = 0; k < mostradas.size() && k < d.m_areas.size(); ++k)
    d.m_areas[k].mostrada = mostradas[k];
  return tabla;
}

}  // namespace vardo

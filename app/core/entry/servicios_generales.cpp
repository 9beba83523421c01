#include "app/core/entry/servicios_generales.h"

#include <charconv>
#include <cmath>

#include "app/core/charts/graficas.h"
#include "app/core/entry/celda_numero.h"
#include "model/constantes.h"
#include "model/tabla_problema.h"
#include "platform/core/numtext.h"

namespace vardo {

namespace {

CServicios& Servicio(CDiagrama& d, std::int32_t k) {
  return d.m_servicios[static_cast<std::size_t>(k)];
}

// The first shown integrity area, -1 when none is shown.
std::int32_t PrimeraAreaMostrada(const CDiagrama& d) {
  for (std::size_t a = 0; a < d.m_areas.size(); ++a)
    if (d.m_areas[a].mostrada) return static_cast<std::int32_t>(a);
  return -1;
}

}  // namespace

std::vector<std::int32_t> ServiciosListados(const CDiagrama& d) {
  const bool activas = AreasActivas(d.m_areas);
  std::vector<std::int32_t> v;
  for (std::int32_t k = 0; k < d.GetNumServicios(); ++k)
    if (Considerada(d.m_servicios[static_cast<std::size_t>(k)], d.m_areas, activas)) v.push_back(k);
  return v;
}

std::string TipoCalor(const CServicios& s) {
  if (s.m_latente) return kTextoLatente;
  return s.m_lineal ? kTextoSensible : kTextoCombinado;
}

std::vector<FilaServicio> PrepararFilas(CDiagrama& d, const std::vector<std::int32_t>& listados) {
  d.CalcularObjetivos();
  d.ActualizarCurvasServicios();
  std::vector<FilaServicio> filas;
  for (std::int32_t k : listados) {
    CServicios& s = Servicio(d, k);
    s.m_dtMin = d.m_dtMin;
    s.CalcularEntalpiaMaxima();
    filas.push_back({std::to_string(k + 1), s.GetNombre(),
                     s.m_fria ? kTextoRefrigeracion : kTextoCalefaccion, TipoCalor(s),
                     NumTexto(s.GetT1()), NumTexto(s.GetT2()), NumTexto(s.m_entalpiaMaxima)});
  }
  return filas;
}

std::int32_t ServicioDeFila(const CDiagrama& d, const std::string& numero) {
  // The whole text must be a number: a row the grid added holds none.
  std::int32_t n = 0;
  const char* fin = numero.data() + numero.size();
  const auto r = std::from_chars(numero.data(), fin, n);
  if (numero.empty() || r.ec != std::errc() || r.ptr != fin) return -1;
  return n >= 1 && n <= d.GetNumServicios() ? n - 1 : -1;
}

// The columns of the add page's temperatures.
constexpr int kColumnaEntrada = 4;
constexpr int kColumnaSalida = 5;

std::optional<CeldaRechazada> ComprobarFila(const FilaServicio& fila, const FilaServicio* escrita) {
  const RangoNumero rango = RangoNumero::Temperatura();
  double t = 0.0;
  std::string mensaje = LeerCelda(fila.tEntrada, escrita ? &escrita->tEntrada : nullptr, rango, t);
  if (!mensaje.empty()) return CeldaRechazada{0, kColumnaEntrada, mensaje};
  mensaje = LeerCelda(fila.tSalida, escrita ? &escrita->tSalida : nullptr, rango, t);
  if (!mensaje.empty()) return CeldaRechazada{0, kColumnaSalida, mensaje};
  return std::nullopt;
}

void LeerFila(CDiagrama& d, const FilaServicio& fila, const FilaServicio* escrita,
              const DefinirServicioFn& definir) {
  const std::int32_t k = ServicioDeFila(d, fila.numero);
  if (k < 0) return;
  CServicios& s = Servicio(d, k);
  s.SetNombre(fila.nombre);
  const double t1 = NumeroCelda(fila.tEntrada, escrita ? &escrita->tEntrada : nullptr, s.GetT1());
  double t2 = NumeroCelda(fila.tSalida, escrita ? &escrita->tSalida : nullptr, s.GetT2());
  // A cooling utility is never cooled, a heating one never heated.
  if (fila.servicio == kTextoRefrigeracion) {
    s.m_fria = 1;
    if (t2 < t1) t2 = t1;
  } else {
    s.m_fria = 0;
    if (t2 > t1) t2 = t1;
  }
  s.AjustarSignoH();

  bool definido = false;
  if (fila.calor == kTextoCombinado) {
    // Still linear: the row was just made "Combinado", so its table is asked for.
    if (s.m_lineal && definir) {
      CServicios copia(s);
      copia.m_dtMin = d.m_dtMin;
      copia.m_pinch = d.m_tPinch;
      if (definir(copia)) {
        s = copia;
        definido = true;
      }
    }
    s.m_latente = 0;
    s.m_lineal = 0;
  } else {
    s.m_lineal = 1;
    s.m_latente = fila.calor == kTextoLatente ? 1 : 0;
  }
  // A new definition brings its own temperatures; the row still shows the old ones.
  if (definido) return;
  s.SetT1(t1);
  s.SetT2(t2);
  s.m_entalpiaMaxima =
      NumeroCelda(fila.hMaxima, escrita ? &escrita->hMaxima : nullptr, s.m_entalpiaMaxima);
}

void ReclasificarServicios(CDiagrama& d) {
  d.CalcularObjetivos();
  const double tp = d.m_tPinch;
  const double mitad = d.m_dtMin / 2.0;
  for (CServicios& s : d.m_servicios) {
    const double t1 = s.GetT1();
    if (t1 <= tp - mitad) {
      s.m_fria = 1;
    } else if (t1 >= tp + mitad) {
      s.m_fria = 0;
    } else {
      s.SetT1(tp - mitad);
      s.m_fria = 1;
    }
  }
  d.ActualizarCurvasServicios();
  for (CServicios& s : d.m_servicios) {
    s.m_dtMin = d.m_dtMin;
    s.AjustarSignoH();
    s.CalcularEntalpiaMaxima();
  }
}

std::vector<std::int32_t> AnadirServiciosListados(CDiagrama& d, int n) {
  std::vector<std::int32_t> nuevos;
  for (int i = 0; i < n; ++i) {
    d.AddServicio();
    const std::int32_t k = d.GetNumServicios() - 1;
    nuevos.push_back(k);
    CServicios& s = Servicio(d, k);
    const std::int32_t area = PrimeraAreaMostrada(d);
    if (area >= 0 && !Considerada(s, d.m_areas, true)) {
      s.m_area = area;
      d.m_areas[static_cast<std::size_t>(area)].AddCorriente(kRefServicio + k);
    }
  }
  return nuevos;
}

std::int32_t ServicioBorrado(const std::vector<std::int32_t>& listados,
                             const std::vector<std::string>& numeros) {
  if (listados.empty()) return -1;
  for (std::size_t r = 0; r < numeros.size() && r < listados.size(); ++r)
    if (numeros[r] != std::to_string(listados[r] + 1)) return listados[r];
  return listados.back();
}

std::optional<CeldaRechazada> ComprobarPegado(const std::vector<FilaPegada>& filas) {
  for (std::size_t i = 0; i < filas.size(); ++i) {
    FilaServicio fila;
    fila.tEntrada = filas[i].tEntrada;
    // A latent row's outlet is its inlet, whatever was pasted there.
    fila.tSalida = filas[i].calor == kTextoLatente ? fila.tEntrada : filas[i].tSalida;
    // Nothing pasted was written by the program: every cell is checked.
    if (auto r = ComprobarFila(fila, nullptr)) {
      r->fila = static_cast<int>(i);
      return r;
    }
  }
  return std::nullopt;
}

void AplicarPegado(CDiagrama& d, const std::vector<std::int32_t>& servicios,
                   const std::vector<FilaPegada>& filas) {
  d.CalcularObjetivos();
  d.ActualizarCurvasServicios();
  const double tp = d.m_tPinch;
  const double mitad = d.m_dtMin / 2.0;
  for (std::size_t i = 0; i < filas.size() && i < servicios.size(); ++i) {
    if (servicios[i] < 0 || servicios[i] >= d.GetNumServicios()) continue;
    const FilaPegada& f = filas[i];
    const double t1 = LeerNumeroTecleado(f.tEntrada).value_or(0.0);
    double t2 = LeerNumeroTecleado(f.tSalida).value_or(0.0);
    bool latente = f.calor == kTextoLatente || t2 == t1;
    if (f.calor == kTextoLatente) t2 = t1;
    const bool fria = !(t1 > tp + mitad);
    if (fria ? t2 < t1 : t2 > t1) {
      t2 = t1;
      latente = true;
    }
    CServicios& s = Servicio(d, servicios[i]);
    s.SetNombre(f.nombre);
    s.m_fria = fria ? 1 : 0;
    s.m_latente = latente ? 1 : 0;
    s.NormalizarEntalpia();
    s.AjustarSignoH();
    s.SetT1(t1);
    s.SetT2(t2);
    s.m_dtMin = d.m_dtMin;
    s.CalcularEntalpiaMaxima();
  }
}

void GraficaServicio(CDiagrama& d, CGrafica& g, std::int32_t servicio) {
  GraficaGrandCompuesta(d, g, false, false);
  if (servicio < 0 || servicio >= d.GetNumServicios()) return;
  const CServicios& s = Servicio(d, servicio);
  g.AddSerie("Servicio", 0, s.m_fria ? kColorRefrigeracion : kColorCalefaccion);
  const double h = s.m_entalpiaMaxima;
  const double mitad = d.m_dtMin / 2.0;
  for (std::int32_t i = 0; i < s.GetNumPuntos(); ++i) {
    const double hi = s.GetPunto(i, 0);
    const double ti = s.GetPunto(i, 1);
    const double x = s.m_fria ? h - hi * h : -(hi * h + h);
    const double y = s.m_fria ? ti + mitad : ti - mitad;
    g.AddPunto(ValorGrafica(x, 2), ValorGrafica(y, 2));
  }
}

// ------------------------------------------------------------ combine page

double MaximoBarra(const CServicios& s, bool ajustar) {
  const double h = s.m_entalpiaMaxima;
  return std::max(ajustar ? std::fabs(h) : std::fabs(h + 50.0) * 10.0, s.m_carga);
}

TotalesServicios CalcularTotales(CDiagrama& d, const std::vector<std::int32_t>& listados) {
  d.CalcularObjetivos();
  TotalesServicios t;
  if (!d.m_cascada.empty()) {
    t.calefaccionMinima = d.m_cascada.front();
    t.refrigeracionMinima = d.m_cascada.back();
  }
  for (std::int32_t k : listados) {
    const CServicios& s = Servicio(d, k);
    (s.m_fria ? t.refrigeracion : t.calefaccion) += s.m_carga;
  }
  return t;
}

std::string TextoTotal(double suma, double minimo) {
  return NumTexto(suma) + " kW/" + NumTexto(minimo) + " kW";
}

CambioAjustado AplicarCambioAjustado(CDiagrama& d, const std::vector<double>& guardadas) {
  if (d.m_servicios.empty()) return CambioAjustado::Aceptado;
  if (d.ServiciosAjustanGrandCompuesta()) return CambioAjustado::Aceptado;

  const std::size_t n = d.m_servicios.size();
  std::size_t j = 0;
  for (std::size_t k = 0; k < n && k < guardadas.size(); ++k)
    if (d.m_servicios[k].m_carga != guardadas[k]) {
      j = k;
      break;
    }
  CServicios& cambiado = d.m_servicios[j];
  double otros = 0.0;
  for (std::size_t k = 0; k < n; ++k)
    if (k != j && d.m_servicios[k].m_fria == cambiado.m_fria) otros += d.m_servicios[k].m_carga;
  d.CalcularObjetivos();
  double objetivo = 0.0;
  if (!d.m_cascada.empty()) objetivo = cambiado.m_fria ? d.m_cascada.back() : d.m_cascada.front();
  const double resto = objetivo - otros;
  // A negative remainder would be a negative load: the others already
  // exceed what this side needs.
  if (resto >= 0.0 && std::fabs(resto) < std::fabs(cambiado.m_entalpiaMaxima)) {
    cambiado.m_carga = resto;
    if (d.ServiciosAjustanGrandCompuesta()) return CambioAjustado::Corregido;
  }
  for (std::size_t k = 0; k < n && k < guardadas.size(); ++k) d.m_servicios[k].m_carga = guardadas[k];
  return CambioAjustado::Rechazado;
}

void LimitarCargas(CDiagrama& d) {
  for (CServicios& s : d.m_servicios) {
    const double h = std::fabs(s.m_entalpiaMaxima);
    if (s.m_carga > h) s.m_carga = h;
  }
}

}  // namespace vardo

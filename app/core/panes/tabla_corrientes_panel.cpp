#include "app/core/panes/tabla_corrientes_panel.h"

#include <algorithm>
#include <cmath>

#include "app/core/document/documento.h"
#include "app/core/document/puertos.h"
#include "app/core/entry/corriente_edicion.h"
#include "model/constantes.h"
#include "platform/core/numero_tecleado.h"
#include "platform/core/numtext.h"

namespace vardo {

namespace {

// Tolerances of the edit: temperatures in K, heat in kW and m·cp in kW/K.
constexpr double kTolTemperatura = 0.001;
constexpr double kTolCalor = 0.01;

std::string Numero7(double v) { return NumTexto(v, 7); }

bool Latente(const CCorriente& s) { return s.m_latente != 0; }
bool NoLineal(const CCorriente& s) { return s.m_lineal == 0; }

// A new row's stream: 0 K to 1 K, m·cp 0, cold, sensible.
void AnadirCorrientePorDefecto(CDiagrama& d) { d.AddCorriente(0.0, 1.0, 0.0, 1, 0); }

// One data row as the grid holds it, with the texts it was filled with (none
// for a row past the shown model: every cell then counts as typed).
class FilaLeida {
 public:
  FilaLeida(const std::array<std::string, kColumnasTablaCorrientes>& celdas,
            const FilaTablaCorrientes* escrita)
      : celdas_(celdas), escrita_(escrita) {}

  const std::string& Texto(int col) const { return celdas_[static_cast<std::size_t>(col)]; }
  bool Cambiada(int col) const {
    return !escrita_ || Texto(col) != escrita_->celdas[static_cast<std::size_t>(col)];
  }
  bool AlgunaCambiada() const {
    for (int c = 0; c < kColumnasTablaCorrientes; ++c)
      if (Cambiada(c)) return true;
    return false;
  }
  double Valor(int col) const { return TextoANumero(Texto(col)); }
  // The typed number, or `exacto` (the stream's own value) while the cell
  // still holds the text it was filled with: seven digits are no change.
  double ValorO(int col, double exacto) const { return Cambiada(col) ? Valor(col) : exacto; }
  bool Caliente() const { return Texto(kColTipo) == kTextoFilaCaliente; }
  bool EsLatente() const { return Texto(kColTipoCalor) == kTextoFilaLatente; }

 private:
  const std::array<std::string, kColumnasTablaCorrientes>& celdas_;
  const FilaTablaCorrientes* escrita_;
};

// H with the stream's sign: negative for a hot stream, positive for a cold one.
double ConSigno(const CCorriente& s, double H) {
  return s.m_fria ? std::fabs(H) : -std::fabs(H);
}

// The first field of row f that differs from stream s, in the edit's order.
std::optional<CambioCorriente> CambioDeFila(const CCorriente& s, std::int32_t i, const FilaLeida& f) {
  CambioCorriente c;
  c.corriente = i;
  const bool latente = Latente(s);
  if (f.Cambiada(kColDescripcion) && f.Texto(kColDescripcion) != s.GetNombre()) {
    c.campo = CambioCorriente::kNombre;
    c.nombre = f.Texto(kColDescripcion);
    return c;
  }
  if (f.Cambiada(kColTipo) && (s.m_fria != 0) != !f.Caliente()) {
    c.campo = CambioCorriente::kFria;
    c.valor = !f.Caliente();
    return c;
  }
  if (f.Cambiada(kColTipoCalor) && latente != f.EsLatente()) {
    c.campo = CambioCorriente::kLatente;
    c.valor = f.EsLatente();
    return c;
  }
  if (f.Cambiada(kColT1) && std::fabs(f.Valor(kColT1) - s.GetT1()) > kTolTemperatura) {
    c.campo = CambioCorriente::kT1;
    c.numero = f.Valor(kColT1);
    return c;
  }
  if (f.Cambiada(kColT2) && !latente && std::fabs(f.Valor(kColT2) - s.GetT2()) > kTolTemperatura) {
    c.campo = CambioCorriente::kT2;
    c.numero = f.Valor(kColT2);
    return c;
  }
  if (f.Cambiada(kColH) && std::fabs(f.Valor(kColH) - s.GetH(kTSentinel, 1)) > kTolCalor) {
    c.campo = CambioCorriente::kH;
    c.numero = f.Valor(kColH);
    return c;
  }
  if (f.Cambiada(kColMcp) && !latente && std::fabs(f.Valor(kColMcp) - s.m_mcp) > kTolCalor) {
    c.campo = CambioCorriente::kMcp;
    c.numero = f.Valor(kColMcp);
    return c;
  }
  return std::nullopt;
}

// A pasted row into stream s.
void PegarFila(CCorriente& s, const FilaLeida& f) {
  s.SetNombre(f.Texto(kColDescripcion));
  // A table stream shows its numbers read-only: nothing else was pasted.
  if (NoLineal(s)) return;
  const bool latente = f.EsLatente();
  const double T1 = f.ValorO(kColT1, s.GetT1());
  const double T2 = latente ? T1 : f.ValorO(kColT2, s.GetT2());
  const double H = f.ValorO(kColH, s.GetH(kTSentinel, 1));
  const double mcp = f.ValorO(kColMcp, latente ? kCpLatente : s.m_mcp);
  s.m_latente = latente ? 1 : 0;
  const bool caliente = (latente || T1 == T2) ? f.Caliente() : T1 > T2;
  s.m_fria = caliente ? 0 : 1;
  s.SetT1(T1);
  s.SetT2(T2);
  if (H == 0.0) {
    s.m_mcp = std::fabs(mcp);
    s.CalcularHFinal();
  } else {
    s.SetHFinal(ConSigno(s, H));
    if (!latente) s.CalcularCP();
  }
}

// Whether c names a stream of d that can take it (no T2 or m·cp for a
// latent stream).
bool Aplicable(const CDiagrama& d, const CambioCorriente& c) {
  if (c.corriente < 0 || c.corriente >= d.GetNumCorrientes()) return false;
  const CCorriente& s = d.m_corrientes[static_cast<std::size_t>(c.corriente)];
  return !(Latente(s) && (c.campo == CambioCorriente::kT2 || c.campo == CambioCorriente::kMcp));
}

// The rows a paste writes: those whose texts differ from what `mostrado`
// filled them with, and every row past it.
std::vector<std::size_t> FilasPegadas(const std::vector<FilaTablaCorrientes>& escritas,
                                      const CeldasTablaCorrientes& filas) {
  std::vector<std::size_t> k;
  for (std::size_t i = 0; i < filas.size(); ++i)
    if (FilaLeida(filas[i], i < escritas.size() ? &escritas[i] : nullptr).AlgunaCambiada())
      k.push_back(i);
  return k;
}

// A pasted row's temperatures are typed ones: a supply or target of 0 K or
// less (an empty cell of a new row reads 0) refuses the whole paste with
// the message a typed temperature gets. A table stream takes no numbers
// from a paste, and a latent one no target.
std::string RechazoTemperaturasPegadas(const CDiagrama& d,
                                       const std::vector<FilaTablaCorrientes>& escritas,
                                       const CeldasTablaCorrientes& filas) {
  const RangoNumero rango = RangoNumero::Temperatura();
  for (std::size_t k : FilasPegadas(escritas, filas)) {
    if (k < d.m_corrientes.size() && NoLineal(d.m_corrientes[k])) continue;
    const FilaLeida f(filas[k], k < escritas.size() ? &escritas[k] : nullptr);
    for (int col : {kColT1, kColT2}) {
      if (col == kColT2 && f.EsLatente()) continue;
      if (f.Cambiada(col) && !rango.Contiene(f.Valor(col))) return rango.Mensaje();
    }
  }
  return {};
}

bool CorrientesFinitas(const CDiagrama& d) {
  return std::all_of(d.m_corrientes.begin(), d.m_corrientes.end(),
                     [](const CCorriente& s) { return CorrienteFinita(s); });
}

}  // namespace

FilaTablaCorrientes FilaTablaCorriente(const CDiagrama& d, std::size_t i) {
  const CCorriente& s = d.m_corrientes[i];
  // m·cp first: a two-point stream without span is marked latent by it.
  const double mcp = s.GetCP(kTSentinel, kTSentinel);
  const bool latente = Latente(s);
  const bool tabla = NoLineal(s);
  FilaTablaCorrientes f;
  f.celdas = {std::to_string(i + 1),
              s.GetNombre(),
              s.m_fria ? kTextoFilaFria : kTextoFilaCaliente,
              tabla ? kTextoFilaNoLineal : (latente ? kTextoFilaLatente : kTextoFilaSensible),
              Numero7(s.GetT1()),
              Numero7(s.GetT2()),
              Numero7(s.GetH(kTSentinel, 1)),
              latente ? std::string("-") : Numero7(mcp)};
  f.soloLectura[kColNumero] = true;
  if (tabla) {
    for (int c = kColTipo; c <= kColMcp; ++c) f.soloLectura[static_cast<std::size_t>(c)] = true;
  } else if (latente) {
    f.soloLectura[kColT2] = true;
    f.soloLectura[kColMcp] = true;
  } else {
    f.soloLectura[kColTipo] = true;
  }
  f.color = s.m_fria ? kColorFilaFria : kColorFilaCaliente;
  return f;
}

std::vector<FilaTablaCorrientes> FilasTablaCorrientes(const CDiagrama& d) {
  std::vector<FilaTablaCorrientes> filas;
  filas.reserve(d.m_corrientes.size());
  for (std::size_t i = 0; i < d.m_corrientes.size(); ++i) filas.push_back(FilaTablaCorriente(d, i));
  return filas;
}

std::optional<CambioCorriente> DetectarCambio(const CDiagrama& mostrado,
                                              const CeldasTablaCorrientes& filas) {
  const std::size_t n = std::min(filas.size(), mostrado.m_corrientes.size());
  for (std::size_t k = n; k-- > 0;)
    if (auto c = DetectarCambioEnFila(mostrado, k, filas[k])) return c;
  return std::nullopt;
}

std::optional<CambioCorriente> DetectarCambioEnFila(
    const CDiagrama& mostrado, std::size_t k,
    const std::array<std::string, kColumnasTablaCorrientes>& celdas) {
  if (k >= mostrado.m_corrientes.size()) return std::nullopt;
  const FilaTablaCorrientes escrita = FilaTablaCorriente(mostrado, k);
  const FilaLeida f(celdas, &escrita);
  if (!f.AlgunaCambiada()) return std::nullopt;
  return CambioDeFila(mostrado.m_corrientes[k], static_cast<std::int32_t>(k), f);
}

bool AplicarCambio(CDiagrama& d, const CambioCorriente& c) {
  if (!Aplicable(d, c)) return false;
  CCorriente& s = d.m_corrientes[static_cast<std::size_t>(c.corriente)];
  switch (c.campo) {
    case CambioCorriente::kNombre:
      s.SetNombre(c.nombre);
      break;
    case CambioCorriente::kFria:
      s.m_fria = c.valor ? 1 : 0;
      // A latent stream has no m·cp to work its heat out from: the heat
      // keeps its size and takes the new sign.
      if (Latente(s))
        s.AjustarSignoH();
      else
        s.CalcularHFinal();
      break;
    case CambioCorriente::kLatente:
      s.m_latente = c.valor ? 1 : 0;
      if (c.valor) {
        s.SetT2(s.GetT1());
        s.m_mcp = kCpLatente;
      } else {
        s.m_mcp = 0.0;
        s.SetT2(s.GetT1() == 0.0 ? 1.0 : 0.0);
        s.m_fria = s.GetT2() >= s.GetT1() ? 1 : 0;
        s.CalcularHFinal();
      }
      break;
    case CambioCorriente::kT1:
      s.SetT1(c.numero);
      if (Latente(s)) {
        s.SetT2(c.numero);
      } else {
        s.m_fria = c.numero <= s.GetT2() ? 1 : 0;
        s.CalcularHFinal();
      }
      break;
    case CambioCorriente::kT2:
      s.SetT2(c.numero);
      s.m_fria = s.GetT1() <= c.numero ? 1 : 0;
      s.CalcularHFinal();
      break;
    case CambioCorriente::kH:
      s.SetHFinal(ConSigno(s, c.numero));
      if (!Latente(s)) s.CalcularCP();
      break;
    case CambioCorriente::kMcp:
      s.m_mcp = std::fabs(c.numero);
      s.CalcularHFinal();
      break;
  }
  return true;
}

void AplicarPegado(CDiagrama& d, const CDiagrama& mostrado, const CeldasTablaCorrientes& filas) {
  while (d.m_corrientes.size() < filas.size()) AnadirCorrientePorDefecto(d);
  const std::vector<FilaTablaCorrientes> escritas = FilasTablaCorrientes(mostrado);
  for (std::size_t k : FilasPegadas(escritas, filas))
    PegarFila(d.m_corrientes[k], FilaLeida(filas[k], k < escritas.size() ? &escritas[k] : nullptr));
}

std::int32_t CorrienteBorrada(const CDiagrama& d, const CeldasTablaCorrientes& filas) {
  std::int32_t i = static_cast<std::int32_t>(filas.size());
  for (std::size_t k = 0; k < filas.size(); ++k) {
    if (filas[k][kColNumero] != std::to_string(k + 1)) {
      i = static_cast<std::int32_t>(k);
      break;
    }
  }
  return i < d.GetNumCorrientes() ? i : -1;
}

namespace {

// The change of an edited cell, checked, applied to a copy of the
// document's model and handed to the document.
bool AplicarCambioDetectado(CVardoDoc& doc, const std::optional<CambioCorriente>& c,
                            CDiagrama& nuevo, std::string* rechazo) {
  // A row past the document's streams changes nothing.
  if (!c || !Aplicable(doc.m_Diagrama, *c)) return false;
  const bool temperatura = c->campo == CambioCorriente::kT1 || c->campo == CambioCorriente::kT2;
  if (temperatura && !RangoNumero::Temperatura().Contiene(c->numero)) {
    if (rechazo) *rechazo = RangoNumero::Temperatura().Mensaje();
    return false;
  }
  AplicarCambio(nuevo, *c);
  return true;
}

// The changed model handed to the document as one undo step, unless a
// stream of it has no finite heat.
bool EntregarModelo(CVardoDoc& doc, const CDiagrama& nuevo, EventoTablaCorrientes evento,
                    std::string* rechazo) {
  if (!CorrientesFinitas(nuevo)) {
    if (rechazo) *rechazo = kMsgCalorNoFinito;
    return false;
  }
  CDiagrama& d = doc.m_Diagrama;
  doc.CambiarModelo([&] {
    d = nuevo;
    if (evento == EventoTablaCorrientes::kBorrarLinea) doc.RevisarSeleccion();
    d.InvalidarGrafo();
    doc.ComprobarCambiadores();
    doc.m_bRedibujar = true;
  });
  return true;
}

}  // namespace

bool AplicarEventoTabla(CVardoDoc& doc, const CDiagrama& mostrado,
                        const CeldasTablaCorrientes& filas, EventoTablaCorrientes evento,
                        std::string* rechazo) {
  CDiagrama& d = doc.m_Diagrama;
  // The change is made on a copy first: a value giving a stream no finite
  // heat is refused at the cell, with no undo step.
  CDiagrama nuevo = d;
  switch (evento) {
    case EventoTablaCorrientes::kModificada:
      if (!AplicarCambioDetectado(doc, DetectarCambio(mostrado, filas), nuevo, rechazo))
        return false;
      break;
    case EventoTablaCorrientes::kPegada: {
      const std::vector<FilaTablaCorrientes> escritas = FilasTablaCorrientes(mostrado);
      // A table pasted back as it stands changes nothing.
      if (FilasPegadas(escritas, filas).empty() && filas.size() <= d.m_corrientes.size())
        return false;
      const std::string mensaje = RechazoTemperaturasPegadas(d, escritas, filas);
      if (!mensaje.empty()) {
        if (rechazo) *rechazo = mensaje;
        return false;
      }
      AplicarPegado(nuevo, mostrado, filas);
      break;
    }
    case EventoTablaCorrientes::kNuevaLinea:
      AnadirCorrientePorDefecto(nuevo);
      break;
    case EventoTablaCorrientes::kBorrarLinea: {
      const std::int32_t i = CorrienteBorrada(d, filas);
      if (i < 0) return false;
      nuevo.BorrarCorriente(i);
      break;
    }
  }
  return EntregarModelo(doc, nuevo, evento, rechazo);
}

bool AplicarEdicionFila(CVardoDoc& doc, const CDiagrama& mostrado, std::size_t fila,
                        const std::array<std::string, kColumnasTablaCorrientes>& celdas,
                        std::string* rechazo) {
  const std::optional<CambioCorriente> c = DetectarCambioEnFila(mostrado, fila, celdas);
  if (!c || !Aplicable(doc.m_Diagrama, *c)) return false;
  CDiagrama nuevo = doc.m_Diagrama;
  if (!AplicarCambioDetectado(doc, c, nuevo, rechazo)) return false;
  return EntregarModelo(doc, nuevo, EventoTablaCorrientes::kModificada, rechazo);
}

bool SeleccionarFilaTabla(CVardoDoc& doc, int fila) {
  CDiagrama& d = doc.m_Diagrama;
  const std::int32_t i = fila - 1;
  if (i < 0 || i >= d.GetNumCorrientes()) return false;
  d.SeleccionarCorriente(i);
  d.LimpiarAnillos();
  if (d.GetNumCambiadores() > 0) d.DeseleccionarCambiador();
  doc.SetTipoSeleccion(kSelCorriente);
  d.m_cambiadorResaltado = -1;
  doc.UpdateAllViews();
  if (PuertoVisorObjetos* v = doc.Puertos().visor) v->SeleccionarObjeto(d, kSelCorriente, false);
  return true;
}

}  // namespace vardo

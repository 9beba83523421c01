#include "app/core/views/exportar.h"

#include <cmath>

#include "app/core/document/documento.h"
#include "app/core/views/diagrama_rejilla.h"
#include "model/constantes.h"
#include "platform/core/codec.h"
#include "platform/core/emf_dc.h"
#include "platform/core/numtext.h"

namespace vardo {

namespace {

constexpr char kTab = '\t';

bool EsModoGrafica(int modo) { return modo == 1 || modo == 2 || (modo >= 4 && modo <= 17); }

// One cell: the text and its tab.
void Celda(std::string& s, const std::string& texto) {
  s += texto;
  s += kTab;
}

void CeldaNumero(std::string& s, double v) { Celda(s, NumTexto(v, kDigitosTabla)); }

// One side of an exchanger: its stream number and the side's two
// temperatures at the exchanger.
void LadoTabla(std::string& s, const LadoCambiador& lado, double t1, double t2) {
  if (lado.ref == kRefGenerico) {
    s += "SG\t-\t-\t";
    return;
  }
  // A utility shows as the file numbers it: 1000 + its number.
  Celda(s, std::to_string(RefEnArchivo(lado.ref) + 1));
  CeldaNumero(s, t1);
  CeldaNumero(s, t2);
}

}  // namespace

std::string TextoTablaCambiadores(const CDiagrama& d) {
  std::string s =
      "Cambiador\tCarga\tC. caliente\tT1 (K)\tT2 (K)\tC. fría\tT1 (K)\tT2 (K)\tÁrea (m2)\tCoste "
      "($)\n";
  for (std::int32_t i = 0; i < d.GetNumCambiadores(); ++i) {
    const CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(i)];
    Celda(s, std::to_string(i + 1));
    CeldaNumero(s, c.q);
    LadoTabla(s, c.ladoCaliente, c.tEntradaCaliente, c.tSalidaCaliente);
    LadoTabla(s, c.ladoFrio, c.tEntradaFria, c.tSalidaFria);
    CeldaNumero(s, d.AreaCambiador(i));
    CeldaNumero(s, d.CosteCambiadores(i));
    s += '\n';
  }
  return s;
}

std::string TextoTablaCorrientes(const CDiagrama& d) {
  std::string s = "Corriente\tDescripción\tTipo\tTipo calor\tT1 (K)\tT2 (K)\tH (kW)\tmcp (kW/K)\n";
  for (std::int32_t i = 0; i < d.GetNumCorrientes(); ++i) {
    const CCorriente& c = d.m_corrientes[static_cast<std::size_t>(i)];
    // The m·cp query also marks a stream without temperature span as latent.
    const double cp = c.GetCP(kTSentinel, kTSentinel);
    const bool latente = c.m_latente != 0 || cp == kCpLatente;
    Celda(s, std::to_string(i + 1));
    Celda(s, c.GetNombre());
    Celda(s, c.m_fria ? "Fría" : "Caliente");
    Celda(s, latente ? "Latente" : "Sensible");
    CeldaNumero(s, c.GetT1());
    CeldaNumero(s, c.GetT2());
    CeldaNumero(s, c.GetH(kTSentinel, 1));
    if (latente)
      Celda(s, "-");
    else
      CeldaNumero(s, cp);
    s += '\n';
  }
  return s;
}

std::string TextoMatrizMAN(const TablaMAN& t) {
  std::string s = " \t";
  for (const auto& nombre : t.nombres) Celda(s, nombre);
  s += '\n';
  for (std::size_t i = 0; i < t.nombres.size(); ++i) {
    Celda(s, t.nombres[i]);
    for (std::size_t j = 0; j < t.nombres.size(); ++j) s += t.unidos[i][j] ? "*\t" : " \t";
    s += '\n';
  }
  return s;
}

std::string TextoArchivoMAN(const TablaMAN& t) {
  std::string s = std::to_string(t.nombres.size()) + "\n";
  for (const auto& nombre : t.nombres) s += nombre + " ";
  s += '\n';
  for (std::size_t i = 0; i < t.nombres.size(); ++i) {
    for (std::size_t j = 0; j < t.nombres.size(); ++j) s += t.unidos[i][j] ? '*' : '-';
    s += '\n';
  }
  return s;
}

std::string TextoDatosGrafica(const CGrafica& g) {
  const double escala = std::pow(10.0, g.decimales);
  std::string s = g.titulo + "\n\n";
  if (!g.series.empty()) s += g.series.front().etiqueta + "\n";
  for (std::size_t i = 0; i < g.puntos.size(); ++i) {
    for (std::size_t k = 1; k < g.series.size(); ++k)
      if (g.series[k].primerPunto == static_cast<int>(i)) s += "\n" + g.series[k].etiqueta + "\n";
    const Point& p = g.puntos[i];
    s += NumTexto(p.x / escala, kDigitosGrafica) + kTab + NumTexto(p.y / escala, kDigitosGrafica) +
         "\n";
  }
  return s;
}

std::vector<std::uint8_t> TextoParaArchivo(const std::string& utf8) {
  const std::string ansi = Utf8ToCp1252(utf8);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(ansi.size() + ansi.size() / 8);
  for (const char c : ansi) {
    if (c == '\n') bytes.push_back('\r');
    bytes.push_back(static_cast<std::uint8_t>(c));
  }
  return bytes;
}

void DibujarImagenExportada(const CDiagrama& modelo, const CGrafica& grafica, int modo, Dc& dc) {
  if (modo == kModoRejilla) {
    // A copy without the covered-stream highlight nor a selected first
    // stream; the drawing writes its layout into the copy only.
    CDiagrama copia;
    CopiarModeloCompleto(copia, modelo);
    copia.m_dibujoExportar = 0;
    if (!copia.m_corrientes.empty()) copia.m_corrientes.front().m_color = 0;
    Dibujar(copia, dc, kDibujoMetafile);
  } else if (EsModoGrafica(modo)) {
    grafica.Dibujar(dc, true);
  }
}

std::vector<std::uint8_t> MetafileImagen(const CDiagrama& modelo, const CGrafica& grafica,
                                         int modo) {
  EmfDc emf;
  DibujarImagenExportada(modelo, grafica, modo, emf);
  return emf.Close();
}

bool LimitesMetafile(const std::vector<std::uint8_t>& emf, Rect& limites) {
  // The header record (type 1) holds the bounds right after type and size,
  // four little-endian 32-bit values.
  auto leer = [&emf](std::size_t en) {
    std::uint32_t v = 0;
    for (int b = 3; b >= 0; --b) v = (v << 8) | emf[en + static_cast<std::size_t>(b)];
    return static_cast<std::int32_t>(v);
  };
  if (emf.size() < 24 || leer(0) != 1) return false;
  const Rect r{leer(8), leer(12), leer(16), leer(20)};
  if (r.right < r.left || r.bottom < r.top) return false;
  limites = r;
  return true;
}

}  // namespace vardo

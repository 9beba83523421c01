#include "model/cambiador.h"

#include <cstdio>
#include <string>

#include "model/constantes.h"
#include "platform/core/numtext.h"

namespace vardo {

namespace {

// An end whose rectangle top is at or above this lies outside the drawn grid
// (the ordering parks hidden ends there).
constexpr std::int32_t kTopOculto = 1000;

// Integer coordinate from a sum computed in double, so no int32 overflow.
std::int32_t Coord(double v) { return TruncCoord(v); }

void Recentrar(Rect& rc, double r) {
  const std::int64_t cx = rc.left + (std::int64_t{rc.right} - rc.left) / 2;
  const std::int64_t cy = rc.top + (std::int64_t{rc.bottom} - rc.top) / 2;
  rc.left = Coord(static_cast<double>(cx) - r);
  rc.right = Coord(static_cast<double>(cx) + r);
  // y grows upwards: the top edge lies above the centre.
  rc.top = Coord(static_cast<double>(cy) + r);
  rc.bottom = Coord(static_cast<double>(cy) - r);
}

void EscalarRect(Rect& rc, double fx, double fy) {
  const std::int32_t left = Coord((static_cast<double>(rc.left) - 1500.0) * fx + 1500.0);
  const std::int32_t cy = Coord((static_cast<double>(rc.top) + 1175.0) * fy - 1500.0);
  rc.left = left;
  rc.right = Coord(static_cast<double>(left) + 650.0);
  rc.bottom = Coord(static_cast<double>(cy) - 325.0);
  rc.top = Coord(static_cast<double>(cy) + 325.0);
}

int ExtremoConocido(std::int32_t modo, std::int32_t tipo, std::int32_t enlace) {
  if (modo != kModoQ) return 0;
  if (tipo == kTipoExtremo || tipo == kTipoValor || tipo == kTipoPinch) return 1;
  if (tipo == kTipoCambiador && enlace >= 0) return 1;
  return 0;
}

std::string Etiqueta(std::int32_t refCaliente, std::int32_t refFria, int numero) {
  const char* formato = "%d";
  if (refCaliente == kRefGenerico)
    formato = "C%d";
  else if (refFria == kRefGenerico)
    formato = "R%d";
  else if (EsServicio(refCaliente))
    formato = "C%d";
  else if (EsServicio(refFria))
    formato = "R%d";
  char buf[32];
  std::snprintf(buf, sizeof buf, formato, numero);
  return buf;
}

}  // namespace

CCambiador::CCambiador(std::int32_t modo_, std::int32_t tipoEC, double valorEC,
                       std::int32_t tipoSC, double valorSC, std::int32_t tipoEF,
                       double valorEF, std::int32_t tipoSF, double valorSF,
                       std::int32_t tipoQ_, double valorQ_) {
  SetEspecificacion(tipoQ_, tipoEC, tipoEF, tipoSC, tipoSF, 0, valorQ_, valorEC, valorEF, valorSC,
                    valorSF, modo_, 0);
}

CCambiador::CCambiador(const CCambiador& o) { *this = o; }

CCambiador& CCambiador::operator=(const CCambiador& o) {
  if (this == &o) return *this;
  tipoQ = o.tipoQ;
  tipoEntradaCaliente = o.tipoEntradaCaliente;
  tipoEntradaFria = o.tipoEntradaFria;
  tipoSalidaCaliente = o.tipoSalidaCaliente;
  tipoSalidaFria = o.tipoSalidaFria;
  valorQ = o.valorQ;
  valorEntradaCaliente = o.valorEntradaCaliente;
  valorEntradaFria = o.valorEntradaFria;
  valorSalidaCaliente = o.valorSalidaCaliente;
  valorSalidaFria = o.valorSalidaFria;
  modo = o.modo;
  ladoCaliente = o.ladoCaliente;
  ladoFrio = o.ladoFrio;
  q = o.q;
  tEntradaCaliente = o.tEntradaCaliente;
  tSalidaCaliente = o.tSalidaCaliente;
  tEntradaFria = o.tEntradaFria;
  tSalidaFria = o.tSalidaFria;
  calculado = o.calculado;
  verQ = o.verQ;
  verSalidaFria = o.verSalidaFria;
  verEntradaFria = o.verEntradaFria;
  verSalidaCaliente = o.verSalidaCaliente;
  verEntradaCaliente = o.verEntradaCaliente;
  posicionNumero = o.posicionNumero;
  tamano = o.tamano;
  rectCaliente = o.rectCaliente;
  rectFrio = o.rectFrio;
  return *this;
}

void CCambiador::SetLadoCaliente(std::int32_t ref, double t1, double t2, double h, double cp) {
  ladoCaliente = LadoCambiador{ref, t1, t2, h, cp};
}

void CCambiador::SetLadoFrio(std::int32_t ref, double t1, double t2, double h, double cp) {
  ladoFrio = LadoCambiador{ref, t1, t2, h, cp};
}

int CCambiador::SetEspecificacion(std::int32_t tQ, std::int32_t tEC, std::int32_t tEF,
                                  std::int32_t tSC, std::int32_t tSF, std::int32_t,
                                  double vQ, double vEC, double vEF, double vSC, double vSF,
                                  std::int32_t nuevoModo, std::int32_t) {
  int cambio = 0;
  if (tipoQ != tQ || tipoEntradaCaliente != tEC || tipoEntradaFria != tEF ||
      tipoSalidaCaliente != tSC || tipoSalidaFria != tSF || modo != nuevoModo)
    cambio = 1;
  if (valorEntradaCaliente != vEC || valorEntradaFria != vEF || valorSalidaCaliente != vSC ||
      valorSalidaFria != vSF)
    cambio = 1;
  // In modes 2 and 3 the duty value is the network calculation's own, not
  // the engineer's.
  if ((modo == kModoQ || modo == kModoTemperaturas) && valorQ != vQ) cambio = 1;

  tipoQ = tQ;
  tipoEntradaCaliente = tEC;
  tipoEntradaFria = tEF;
  tipoSalidaCaliente = tSC;
  tipoSalidaFria = tSF;
  valorQ = vQ;
  valorEntradaCaliente = vEC;
  valorEntradaFria = vEF;
  valorSalidaCaliente = vSC;
  valorSalidaFria = vSF;
  modo = nuevoModo;
  return cambio;
}

void CCambiador::SetFormato(std::int32_t vEC, std::int32_t vSC, std::int32_t vEF,
                            std::int32_t vSF, std::int32_t vQ, std::int32_t pos, double t) {
  verEntradaCaliente = vEC;
  verSalidaCaliente = vSC;
  verEntradaFria = vEF;
  verSalidaFria = vSF;
  verQ = vQ;
  posicionNumero = pos;
  tamano = t;
}

int CCambiador::EntradaCalienteConocida() const {
  return ExtremoConocido(modo, tipoEntradaCaliente, enlaceEntradaCaliente);
}
int CCambiador::SalidaCalienteConocida() const {
  return ExtremoConocido(modo, tipoSalidaCaliente, enlaceSalidaCaliente);
}
int CCambiador::EntradaFriaConocida() const {
  return ExtremoConocido(modo, tipoEntradaFria, enlaceEntradaFria);
}
int CCambiador::SalidaFriaConocida() const {
  return ExtremoConocido(modo, tipoSalidaFria, enlaceSalidaFria);
}

void CCambiador::Escalar(double fx, double fy) {
  EscalarRect(rectCaliente, fx, fy);
  EscalarRect(rectFrio, fx, fy);
}

void CCambiador::Dibujar(Dc& dc, int numero, int calienteArriba, const std::vector<Rect>& ocupados) {
  if (rectCaliente.top == 0 && rectFrio.top == 0) return;  // not placed

  const double r = tamano * 50.0;
  Recentrar(rectCaliente, r);
  Recentrar(rectFrio, r);

  const Pen anterior = dc.SelectPen(Pen{PenStyle::Solid, 1, color});
  dc.SetTextColor(color);

  const bool hayCaliente = ladoCaliente.ref != kRefGenerico;
  const bool hayFria = ladoFrio.ref != kRefGenerico;
  const bool dibujaCaliente = hayCaliente && rectCaliente.top < kTopOculto;
  const bool dibujaFria = hayFria && rectFrio.top < kTopOculto;
  const Rect& rc = rectCaliente;
  const Rect& rf = rectFrio;

  if (dibujaCaliente) dc.Ellipse(rc);
  if (dibujaFria) dc.Ellipse(rf);

  if (dibujaCaliente && dibujaFria) {
    if (calienteArriba == 1) {
      dc.MoveTo(Coord(rc.left + r), rc.bottom);
      dc.LineTo(Coord(rf.left + r), rf.top);
    } else {
      dc.MoveTo(Coord(rf.left + r), rf.bottom);
      dc.LineTo(Coord(rc.left + r), rc.top);
    }
  }

  // Which end carries the number and which the duty box.
  const Rect* extremoNumero = nullptr;
  const Rect* extremoQ = nullptr;
  if (dibujaCaliente && dibujaFria) {
    extremoNumero = calienteArriba == 1 ? &rc : &rf;
    extremoQ = calienteArriba == 1 ? &rf : &rc;
  } else if (dibujaCaliente) {
    extremoNumero = extremoQ = &rc;
  } else if (dibujaFria) {
    extremoNumero = extremoQ = &rf;
  }

  if (extremoNumero) {
    const std::string etiqueta = Etiqueta(ladoCaliente.ref, ladoFrio.ref, numero);
    const Rect& e = *extremoNumero;
    if (posicionNumero == 0)
      dc.TextOut(Coord(e.left + 90.0), Coord(e.top - r + 205.0), etiqueta);
    else if (posicionNumero == 1)
      dc.TextOut(Coord(e.left + 90.0), Coord(e.top + 350.0), etiqueta);
  }

  if (extremoQ && verQ) {
    const Rect& e = *extremoQ;
    const double l = e.left;
    const double b = e.bottom;
    dc.Rectangle(Rect{Coord(l - 250), Coord(b - 100), Coord(l + 900), Coord(b - 600)});
    dc.TextOut(Coord(l - 150), Coord(b - 150), NumTexto(q, 6));
  }

  // An end temperature clear of the texts already there: it moves up past
  // each one it would stand on (each at most once, so this ends).
  auto temperatura = [&](std::int32_t x, std::int32_t y, double t) {
    constexpr std::int64_t kHolgura = 50;
    const std::string texto = NumTexto(t, 4);
    const Point e = dc.TextExtent(texto);
    std::int64_t arriba = y;
    for (bool movida = true; movida;) {
      movida = false;
      for (const Rect& o : ocupados)
        if (x < o.right && std::int64_t{x} + e.x > o.left && arriba > o.bottom &&
            arriba - e.y < o.top) {
          arriba = std::int64_t{o.top} + kHolgura + e.y;
          movida = true;
        }
    }
    dc.TextOut(x, Saturar32(arriba), texto);
  };
  if (dibujaCaliente) {
    const std::int32_t y = Coord(rc.top - r + 470.0);
    if (verSalidaCaliente) temperatura(Coord(rc.left + 650.0), y, tSalidaCaliente);
    if (verEntradaCaliente) temperatura(Coord(rc.left - 900.0), y, tEntradaCaliente);
  }
  if (dibujaFria) {
    const std::int32_t y = Coord(rf.top - r + 470.0);
    if (verSalidaFria) temperatura(Coord(rf.left - 900.0), y, tSalidaFria);
    if (verEntradaFria) temperatura(Coord(rf.left + 650.0), y, tEntradaFria);
  }

  dc.SelectPen(anterior);
  dc.SetTextColor(0);
}

namespace {

// A side's stream reference as the file numbers it (utility k as 1000 + k).
void IoReferencia(Archive& ar, std::int32_t& ref) {
  if (ar.IsStoring()) {
    ar.WriteInt32(RefEnArchivo(ref));
  } else {
    ref = RefDeArchivo(ar.ReadInt32());
  }
}

}  // namespace

void CCambiador::IoCampos(Archive& ar) {
  ar.Io(q);
  ar.Io(ladoCaliente.h);
  ar.Io(ladoFrio.h);
  ar.Io(ladoCaliente.cp);
  ar.Io(ladoFrio.cp);
  IoReferencia(ar, ladoCaliente.ref);
  IoReferencia(ar, ladoFrio.ref);
  ar.Io(tEntradaCaliente);
  ar.Io(tEntradaFria);
  ar.Io(ladoCaliente.t1);
  ar.Io(ladoFrio.t1);
  ar.Io(tSalidaCaliente);
  ar.Io(tSalidaFria);
  ar.Io(ladoCaliente.t2);
  ar.Io(ladoFrio.t2);
  ar.Io(rectCaliente);
  ar.Io(rectFrio);
  ar.Io(valorQ);
  ar.Io(valorEntradaCaliente);
  ar.Io(valorEntradaFria);
  ar.Io(valorSalidaCaliente);
  ar.Io(valorSalidaFria);
  ar.Io(tipoQ);
  ar.Io(tipoEntradaCaliente);
  ar.Io(tipoEntradaFria);
  ar.Io(tipoSalidaCaliente);
  ar.Io(tipoSalidaFria);
  ar.Io(modo);
  ar.Io(verEntradaCaliente);
  ar.Io(verSalidaCaliente);
  ar.Io(verEntradaFria);
  ar.Io(verSalidaFria);
  ar.Io(posicionNumero);
  ar.Io(verQ);
  ar.Io(tamano);
  ar.Io(calculado);
}

void CCambiador::Serialize(Archive& ar) {
  if (ar.IsStoring()) {
    IoCampos(ar);
    return;
  }
  // Read into a copy so that a damaged archive leaves this record as it was;
  // the assignment then takes the stored fields and keeps the working ones.
  CCambiador leido(*this);
  leido.IoCampos(ar);
  *this = leido;
}

}  // namespace vardo

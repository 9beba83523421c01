#include "dialogs/analysis/dlg_generando_informe.h"

#include <QColor>

#include "app/qt/fabrica_dialogos_qt.h"
#include "platform/core/color_azar.h"
#include "platform/core/dc.h"
#include "platform/qt/componentregistry.h"
#include "platform/qt/gradientprogress.h"
#include "platform/qt/messagerunner.h"
#include "platform/qt/olecolor.h"
#include "platform/qt/qt_dc.h"

namespace vardo {

namespace {

constexpr const char* kPreparando = "Preparando...";

kit::Template Plantilla() {
  using namespace kit;
  using D = CGenerandoInformeDlg;
  return Template{"Generando Informe",
                  232,
                  66,
                  {
                      Paint(D::kIdImagen, 7, 7, 24, 30),
                      // The bar draws no edge of its own.
                      Frame(39, 7, 187, 14),
                      Hosted(D::kIdBarra, kClassIdBarraGradiente, 40, 8, 185, 12),
                      Label(kPreparando, 40, 25, 185, 17, kPlain, D::kIdEstado),
                      Button(kIdOk, "Aceptar", 175, 45, 50, 14, kDefault | kDisabled),
                  }};
}

void RegistrarBarra() {
  static const bool registrada = [] {
    ComponentRegistry::Instance().Register(kClassIdBarraGradiente, "CGradientProgressCtrl",
                                           [](QWidget* p) { return new CGradientProgressCtrl(p); });
    return true;
  }();
  static_cast<void>(registrada);
}

// The picture on the left: a sheet of paper with lines of text and a hot
// and a cold curve.
void PintarHoja(QtDc& dc, const QSize& pixeles) {
  const Point fin = dc.ToLogical(QPointF(pixeles.width() - 1, pixeles.height() - 1));
  const std::int32_t ancho = fin.x;
  const std::int32_t alto = -fin.y;
  const std::int32_t doblez = ancho / 4;
  dc.SelectPen(Pen{PenStyle::Solid, 0, MakeRgb(64, 64, 64)});
  dc.Polyline({{0, 0},
               {ancho - doblez, 0},
               {ancho, -doblez},
               {ancho, -alto},
               {0, -alto},
               {0, 0}});
  dc.Polyline({{ancho - doblez, 0}, {ancho - doblez, -doblez}, {ancho, -doblez}});
  dc.SelectPen(Pen{PenStyle::Solid, 0, MakeRgb(128, 128, 128)});
  for (int i = 0; i < 3; ++i) {
    const std::int32_t y = -doblez - (i + 1) * alto / 12;
    dc.MoveTo(ancho / 8, y);
    dc.LineTo(i == 0 ? ancho / 2 : ancho * 7 / 8, y);
  }
  const auto y = [alto](int veinteavos) { return -alto * veinteavos / 20; };
  dc.SelectPen(Pen{PenStyle::Solid, 0, MakeRgb(200, 0, 0)});
  dc.Polyline({{ancho / 8, y(16)}, {ancho / 2, y(13)}, {ancho * 3 / 4, y(9)}});
  dc.SelectPen(Pen{PenStyle::Solid, 0, MakeRgb(0, 0, 200)});
  dc.Polyline({{ancho / 4, y(18)}, {ancho * 5 / 8, y(15)}, {ancho * 7 / 8, y(11)}});
}

}  // namespace

CGenerandoInformeDlg::CGenerandoInformeDlg(DlgGenerandoInforme& datos, QWidget* parent)
    : kit::Dialog((RegistrarBarra(), Plantilla()), parent), datos_(datos) {
  // A title bar without system menu or close box.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  OnPaint(kIdImagen, [this](QtDc& dc) { PintarHoja(dc, Widget(kIdImagen)->size()); });
  OnTimer([this](int id) {
    if (id != kIdTemporizador) return;
    KillTimer(kIdTemporizador);
    Escribir();
  });
}

CGradientProgressCtrl& CGenerandoInformeDlg::Barra() const {
  return *Get<CGradientProgressCtrl>(kIdBarra);
}

void CGenerandoInformeDlg::OnInit() {
  const QColor desde = OleToQColor(ColorAlAzar());
  const QColor hasta = OleToQColor(ColorAlAzar());
  CGradientProgressCtrl& barra = Barra();
  barra.SetColores({desde, hasta});
  barra.SetRange(0, 100);
  secciones_ = datos_.opciones.Elegidas();
  if (secciones_ == 0) {
    barra.SetPos(100);
    return;
  }
  barra.SetPos(0);
  barra.SetStep(100 / secciones_);
  SetTimer(kIdTemporizador, kEsperaMs);
}

void CGenerandoInformeDlg::Escribir() {
  PuertoInforme puerto{*this, reloj_, imagenes_};
  if (EscribirInforme(datos_.ruta, datos_.modelo, datos_.titulo, datos_.opciones, puerto)) return;
  // The report is unfinished, but the dialog must still be closable.
  Enable(kit::kIdOk);
  Focus(kit::kIdOk);
  ShowMessage(this, fallo_, MsgIcon::Critical);
}

// The writer runs without an event loop: each change is painted at once.
void CGenerandoInformeDlg::Estado(const std::string& texto) {
  SetText(kIdEstado, texto);
  Widget(kIdEstado)->repaint();
}

void CGenerandoInformeDlg::Paso() {
  Barra().StepIt();
  Barra().repaint();
}

void CGenerandoInformeDlg::Completo() {
  Barra().SetPos(100);
  Barra().repaint();
  Enable(kit::kIdOk);
  Focus(kit::kIdOk);
}

void CGenerandoInformeDlg::Fallo(const std::string& mensaje) {
  fallo_ = mensaje;
  Estado(mensaje);
}

bool EjecutarGenerandoInforme(QWidget* padre, DlgGenerandoInforme& d) {
  CGenerandoInformeDlg dlg(d, padre);
  return dlg.Run() == kit::kIdOk;
}

void RegistrarGenerandoInforme(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgGenerandoInforme>(EjecutarGenerandoInforme);
}

}  // namespace vardo

// Pictures of the toolbar buttons and of the program, drawn in code.
#include "app/qt/iconos.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "app/core/document/ids_comandos.h"
#include "platform/qt/toolicons.h"

namespace vardo {

namespace {

const QColor kRojo(170, 0, 0);
const QColor kAzul(0, 0, 200);
const QColor kVerde(0, 150, 0);
const QColor kGris(90, 90, 90);
const QColor kAmarillo(240, 200, 60);

void Hoja(QPainter& p) {
  QPainterPath h;
  h.moveTo(3.5, 1.5);
  h.lineTo(9.5, 1.5);
  h.lineTo(12.5, 4.5);
  h.lineTo(12.5, 13.5);
  h.lineTo(3.5, 13.5);
  h.closeSubpath();
  p.setBrush(Qt::white);
  p.drawPath(h);
  p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
  p.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
}

void Mas(QPainter& p, QColor c) {
  p.setPen(QPen(c, 2.0));
  p.drawLine(QPointF(12, 8), QPointF(12, 14));
  p.drawLine(QPointF(9, 11), QPointF(15, 11));
}

void Cruz(QPainter& p) {
  p.setPen(QPen(QColor(200, 0, 0), 2.0));
  p.drawLine(QPointF(10, 8), QPointF(15, 13));
  p.drawLine(QPointF(15, 8), QPointF(10, 13));
}

// A stream as the grid diagram draws it: a horizontal arrow.
void Corriente(QPainter& p, double y, QColor c, bool haciaDerecha = true) {
  p.setPen(QPen(c, 1.5));
  p.drawLine(QPointF(1, y), QPointF(12, y));
  QPainterPath f;
  if (haciaDerecha) {
    f.moveTo(13, y);
    f.lineTo(10, y - 2.5);
    f.lineTo(10, y + 2.5);
  } else {
    f.moveTo(0.5, y);
    f.lineTo(3.5, y - 2.5);
    f.lineTo(3.5, y + 2.5);
  }
  f.closeSubpath();
  p.setBrush(c);
  p.setPen(Qt::NoPen);
  p.drawPath(f);
  p.setBrush(Qt::NoBrush);
}

void Cambiador(QPainter& p, double x, double y1, double y2) {
  p.setPen(QPen(Qt::black, 1.0));
  p.drawLine(QPointF(x, y1), QPointF(x, y2));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(x, y1), 2.2, 2.2);
  p.drawEllipse(QPointF(x, y2), 2.2, 2.2);
  p.setBrush(Qt::NoBrush);
}

void Ejes(QPainter& p) {
  p.setPen(QPen(Qt::black, 1.0));
  p.drawLine(QPointF(1.5, 0.5), QPointF(1.5, 13.5));
  p.drawLine(QPointF(1.5, 13.5), QPointF(15.5, 13.5));
}

void Flecha(QPainter& p, bool izquierda) {
  p.setPen(QPen(kAzul, 2.0));
  QPainterPath a;
  if (izquierda) {
    a.moveTo(13, 12);
    a.cubicTo(14, 4, 6, 2, 4, 7);
  } else {
    a.moveTo(3, 12);
    a.cubicTo(2, 4, 10, 2, 12, 7);
  }
  p.drawPath(a);
  p.setPen(Qt::NoPen);
  p.setBrush(kAzul);
  QPainterPath punta;
  if (izquierda) {
    punta.moveTo(1.5, 5);
    punta.lineTo(6.5, 5.5);
    punta.lineTo(3.5, 10);
  } else {
    punta.moveTo(14.5, 5);
    punta.lineTo(9.5, 5.5);
    punta.lineTo(12.5, 10);
  }
  punta.closeSubpath();
  p.drawPath(punta);
  p.setBrush(Qt::NoBrush);
}

void Letra(QPainter& p, const QString& t, QColor c, QRectF r = QRectF(0, 0, 16, 15), int px = 11,
           bool negrita = true) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(px);
  f.setBold(negrita);
  p.setFont(f);
  p.setPen(c);
  p.drawText(r, Qt::AlignCenter, t);
}

void Tabla(QPainter& p) {
  p.setBrush(Qt::white);
  p.drawRect(QRectF(1.5, 2.5, 13, 10));
  p.fillRect(QRectF(2, 3, 12, 2.5), QColor(0, 0, 128));
  p.drawLine(QPointF(1.5, 8.5), QPointF(14.5, 8.5));
  p.drawLine(QPointF(6.5, 5.5), QPointF(6.5, 12.5));
  p.drawLine(QPointF(10.5, 5.5), QPointF(10.5, 12.5));
}

void Dibujo(int id, QPainter& p) {
  using namespace cmd;
  switch (id) {
    case kNuevo:
      Hoja(p);
      break;
    case kAbrir: {
      p.setBrush(kAmarillo);
      QPainterPath c;
      c.moveTo(1.5, 13.5);
      c.lineTo(1.5, 3.5);
      c.lineTo(5.5, 3.5);
      c.lineTo(6.5, 4.5);
      c.lineTo(12.5, 4.5);
      c.lineTo(12.5, 13.5);
      c.closeSubpath();
      p.drawPath(c);
      QPainterPath t;
      t.moveTo(1.5, 13.5);
      t.lineTo(4.5, 7.5);
      t.lineTo(15.5, 7.5);
      t.lineTo(12.5, 13.5);
      t.closeSubpath();
      p.setBrush(QColor(250, 225, 120));
      p.drawPath(t);
      break;
    }
    case kGuardar:
      p.setBrush(QColor(40, 60, 140));
      p.drawRoundedRect(QRectF(1.5, 1.5, 13, 12), 1, 1);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4, 1.5, 8, 5));
      p.setBrush(QColor(200, 200, 200));
      p.drawRect(QRectF(4.5, 9, 7, 4.5));
      break;
    case kImprimir:
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4.5, 1.5, 7, 5));
      p.setBrush(QColor(200, 200, 200));
      p.drawRoundedRect(QRectF(1.5, 6.5, 13, 5), 1, 1);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4.5, 9.5, 7, 4));
      break;
    case kCopiar:
      p.save();
      p.translate(-2, -1);
      Hoja(p);
      p.restore();
      p.save();
      p.translate(2, 1.5);
      p.scale(0.9, 0.9);
      Hoja(p);
      p.restore();
      break;
    case kVerTablaCorrientes:
      Tabla(p);
      break;
    case kVerVisorObjetos:
      p.setPen(QPen(kGris, 1.0));
      p.drawLine(QPointF(3.5, 3), QPointF(3.5, 12.5));
      p.drawLine(QPointF(3.5, 7.5), QPointF(7, 7.5));
      p.drawLine(QPointF(3.5, 12.5), QPointF(7, 12.5));
      p.fillRect(QRectF(1.5, 1, 4, 3.5), kAzul);
      p.fillRect(QRectF(7.5, 6, 7, 3), kRojo);
      p.fillRect(QRectF(7.5, 11, 7, 3), kVerde);
      break;
    case kDeshacer:
      Flecha(p, true);
      break;
    case kRehacer:
      Flecha(p, false);
      break;
    case kAyuda:
      Letra(p, QStringLiteral("?"), kAzul, QRectF(0, 0, 16, 15), 14);
      break;
    case kCompuestas: {
      Ejes(p);
      p.setPen(QPen(kRojo, 1.5));
      QPainterPath h;
      h.moveTo(3, 12);
      h.lineTo(8, 7);
      h.lineTo(13, 2);
      p.drawPath(h);
      p.setPen(QPen(kAzul, 1.5));
      QPainterPath c;
      c.moveTo(6, 12.5);
      c.lineTo(11, 9);
      c.lineTo(15, 4);
      p.drawPath(c);
      break;
    }
    case kGrandCompuesta: {
      Ejes(p);
      p.setPen(QPen(kAzul, 1.5));
      QPainterPath g;
      g.moveTo(7, 1.5);
      g.lineTo(3, 6.5);
      g.lineTo(9, 9);
      g.lineTo(5, 12);
      g.lineTo(12, 12.8);
      p.drawPath(g);
      break;
    }
    case kCosteTotalDTMin: {
      Ejes(p);
      p.setPen(QPen(kVerde, 1.5));
      QPainterPath u;
      u.moveTo(3, 2);
      u.quadTo(8, 18, 15, 4);
      p.drawPath(u);
      break;
    }
    case kDiagramaTrama:
      Corriente(p, 3.5, kRojo);
      Corriente(p, 11.5, kAzul, false);
      Cambiador(p, 7, 3.5, 11.5);
      break;
    case kOtrasGraficas: {
      Ejes(p);
      p.setPen(Qt::NoPen);
      p.setBrush(kAzul);
      for (QPointF q : {QPointF(4, 10), QPointF(7, 8), QPointF(10, 5), QPointF(13, 3)})
        p.drawEllipse(q, 1.3, 1.3);
      p.setBrush(Qt::black);
      QPainterPath v;
      v.moveTo(10, 10);
      v.lineTo(15, 10);
      v.lineTo(12.5, 12.5);
      v.closeSubpath();
      p.drawPath(v);
      break;
    }
    case kFormatoGrafica:
      Ejes(p);
      Letra(p, QStringLiteral("A"), kRojo, QRectF(3, 0, 13, 13), 11);
      break;
    case kAnadirCorrientes:
      Corriente(p, 4.5, kRojo);
      Mas(p, kVerde);
      break;
    case kBorrarCorrientes:
      Corriente(p, 4.5, kRojo);
      Cruz(p);
      break;
    case kAnadirCambiadores:
      Cambiador(p, 5, 3, 12);
      Mas(p, kVerde);
      break;
    case kBorrarCambiadores:
      Cambiador(p, 5, 3, 12);
      Cruz(p);
      break;
    case kAnadirServicios:
      Letra(p, QStringLiteral("S"), QColor(250, 120, 40), QRectF(0, 0, 10, 12), 11);
      Mas(p, kVerde);
      break;
    case kBorrarServicios:
      Letra(p, QStringLiteral("S"), QColor(250, 120, 40), QRectF(0, 0, 10, 12), 11);
      Cruz(p);
      break;
    case kMostrarServicios:
      Corriente(p, 3.5, QColor(250, 120, 40));
      Corriente(p, 11.5, QColor(50, 200, 20), false);
      Letra(p, QStringLiteral("S"), Qt::black, QRectF(4, 3, 8, 9), 8);
      break;
    case kVadizod: {
      p.setPen(QPen(kAzul, 1.5));
      QPainterPath e;
      e.moveTo(2, 2);
      e.lineTo(6, 2);
      e.lineTo(6, 6);
      e.lineTo(10, 6);
      e.lineTo(10, 10);
      e.lineTo(14, 10);
      e.lineTo(14, 14);
      p.drawPath(e);
      break;
    }
    case kProblemaRemanente:
      Letra(p, QStringLiteral("R"), kAzul);
      break;
    case kCrucePinch:
      p.setPen(QPen(Qt::black, 1.0, Qt::DashLine));
      p.drawLine(QPointF(8, 0.5), QPointF(8, 14.5));
      Corriente(p, 7.5, kRojo);
      p.setPen(QPen(kRojo, 2.0));
      p.drawLine(QPointF(4, 3), QPointF(12, 12));
      break;
    case kCostesMinimos:
      Letra(p, QStringLiteral("$"), kVerde, QRectF(0, 0, 16, 15), 13);
      break;
    case kInforme:
      Hoja(p);
      p.setPen(QPen(kGris, 1.0));
      for (double y : {6.5, 8.5, 10.5}) p.drawLine(QPointF(5, y), QPointF(11, y));
      break;
    case kAnadirAnillo:
      p.setPen(QPen(QColor(200, 0, 0), 1.5));
      p.drawEllipse(QRectF(1.5, 2.5, 9, 8));
      Mas(p, kVerde);
      break;
    case kBuscarAnillos:
      p.setPen(QPen(QColor(200, 0, 0), 1.5));
      p.drawEllipse(QRectF(1.5, 1.5, 8, 8));
      p.setPen(QPen(Qt::black, 2.5));
      p.drawLine(QPointF(9, 9), QPointF(14, 14));
      break;
    case kAnilloAnterior:
    case kAnilloSiguiente: {
      const bool izq = id == kAnilloAnterior;
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(200, 0, 0));
      QPainterPath t;
      if (izq) {
        t.moveTo(3, 7.5);
        t.lineTo(12, 2);
        t.lineTo(12, 13);
      } else {
        t.moveTo(13, 7.5);
        t.lineTo(4, 2);
        t.lineTo(4, 13);
      }
      t.closeSubpath();
      p.drawPath(t);
      break;
    }
    default:
      break;
  }
}

}  // namespace

QIcon IconoComando(int id) {
  QIcon icon = DrawnIcon([id](QPainter& p) { Dibujo(id, p); });
  return icon;
}

bool TieneIcono(int id) {
  using namespace cmd;
  static const int kIds[] = {kNuevo, kAbrir, kGuardar, kImprimir, kCopiar, kVerTablaCorrientes,
                             kVerVisorObjetos, kDeshacer, kRehacer, kAyuda, kCompuestas,
                             kGrandCompuesta, kCosteTotalDTMin, kDiagramaTrama, kOtrasGraficas,
                             kFormatoGrafica, kAnadirCorrientes, kBorrarCorrientes,
                             kAnadirCambiadores, kBorrarCambiadores, kAnadirServicios,
                             kBorrarServicios, kMostrarServicios, kVadizod, kProblemaRemanente,
                             kCrucePinch, kCostesMinimos, kInforme, kAnadirAnillo,
                             kBuscarAnillos, kAnilloAnterior, kAnilloSiguiente};
  for (int k : kIds)
    if (k == id) return true;
  return false;
}

QPixmap ImagenPresentacion() {
  QPixmap pm(388, 318);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, true);
  QLinearGradient fondo(0, 0, 0, 318);
  fondo.setColorAt(0, QColor(255, 255, 255));
  fondo.setColorAt(1, QColor(220, 230, 245));
  p.fillRect(pm.rect(), fondo);
  // Composite curves with the pinch between them.
  const QRectF zona(60, 120, 270, 150);
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(zona.bottomLeft(), zona.topLeft());
  p.drawLine(zona.bottomLeft(), zona.bottomRight());
  QPainterPath caliente;
  caliente.moveTo(zona.left() + 40, zona.bottom() - 30);
  caliente.lineTo(zona.left() + 130, zona.bottom() - 75);
  caliente.lineTo(zona.left() + 230, zona.top() + 10);
  p.setPen(QPen(QColor(170, 0, 0), 3));
  p.drawPath(caliente);
  QPainterPath fria;
  fria.moveTo(zona.left() + 10, zona.bottom() - 10);
  fria.lineTo(zona.left() + 130, zona.bottom() - 60);
  fria.lineTo(zona.left() + 260, zona.top() + 35);
  p.setPen(QPen(QColor(0, 0, 200), 3));
  p.drawPath(fria);
  p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DashLine));
  p.drawLine(QPointF(zona.left() + 130, zona.top()), QPointF(zona.left() + 130, zona.bottom()));
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(44);
  f.setBold(true);
  p.setFont(f);
  p.setPen(QColor(30, 40, 110));
  p.drawText(QRectF(0, 24, 388, 56), Qt::AlignCenter, QStringLiteral("Calorama"));
  f.setPixelSize(14);
  f.setBold(false);
  p.setFont(f);
  p.setPen(QColor(60, 60, 60));
  p.drawText(QRectF(0, 80, 388, 24), Qt::AlignCenter,
             QString::fromUtf8("Integración energética por análisis pinch"));
  p.setPen(QColor(120, 120, 120));
  p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
  p.end();
  return pm;
}

QIcon IconoPrograma() {
  QIcon icon;
  for (int s : {16, 32, 64}) {
    QPixmap pm(s, s);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(s / 16.0, s / 16.0);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(30, 40, 110), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 2, 2);
    p.setPen(QPen(QColor(170, 0, 0), 1.6));
    p.drawLine(QPointF(3, 12), QPointF(13, 3));
    p.setPen(QPen(QColor(0, 0, 200), 1.6));
    p.drawLine(QPointF(2, 14), QPointF(14, 6));
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}

}  // namespace vardo

// The texts a window paints, as the user sees them: the window and its
// children are rendered onto a device whose engine keeps each text item and
// draws nothing. Labels, fields, buttons, table cells and the charts and
// diagrams painted through the drawing layer are all caught alike.
#pragma once
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QString>
#include <QStringList>
#include <QTextItem>
#include <QWidget>
#include <regex>
#include <string>
#include <vector>

namespace vardo::prueba {

class MotorTextos : public QPaintEngine {
 public:
  MotorTextos() : QPaintEngine(QPaintEngine::AllFeatures) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawPath(const QPainterPath&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
  void drawTextItem(const QPointF&, const QTextItem& t) override { textos << t.text(); }
  Type type() const override { return QPaintEngine::User; }
  QStringList textos;
};

class DispositivoTextos : public QPaintDevice {
 public:
  explicit DispositivoTextos(QSize tamano) : tamano_(tamano) {}
  QPaintEngine* paintEngine() const override { return &motor_; }
  QStringList Textos() const { return motor_.textos; }

 protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth: return tamano_.width();
      case PdmHeight: return tamano_.height();
      case PdmWidthMM: return tamano_.width() * 254 / 960;
      case PdmHeightMM: return tamano_.height() * 254 / 960;
      case PdmNumColors: return 0x7fffffff;
      case PdmDepth: return 32;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY: return 96;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
      default: return 0;
    }
  }

 private:
  QSize tamano_;
  mutable MotorTextos motor_;
};

// Every text item the widget and its shown children paint.
inline QStringList TextosPintados(QWidget& w) {
  DispositivoTextos d(w.size());
  w.render(&d);
  return d.Textos();
}

// The signed zeros in a text: "-0", "-0.", "-0.00", "-.0", "-0.e+000", as
// whole numbers (not "-0.5", not "x-0").
inline std::vector<std::string> CerosConSigno(const std::string& texto) {
  static const std::regex cero(R"((^|[^A-Za-z0-9_.])(-(0+\.?0*|\.0+)([eE][-+]?[0-9]+)?)(?![A-Za-z0-9_.]))");
  std::vector<std::string> out;
  for (auto i = std::sregex_iterator(texto.begin(), texto.end(), cero); i != std::sregex_iterator(); ++i)
    out.push_back((*i)[2].str());
  return out;
}

}  // namespace vardo::prueba

// A dialog with one control of each kind, bound data and handlers that log
// every notification, for the kit's tests.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/qt/kit/dialog.h"
#include "platform/qt/qt_dc.h"

namespace vardo::prueba {

namespace ids {
inline constexpr int kEntero = 1001;   // int 1..10, with the up-down
inline constexpr int kFlechas = 1002;  // up-down on kEntero
inline constexpr int kDoble = 1003;    // double 0..300
inline constexpr int kNombre = 1004;   // text, at most 5 characters
inline constexpr int kLibre = 1005;    // read as typed
inline constexpr int kRadio = 1010;    // radios 1010, 1011, 1012
inline constexpr int kCasilla = 1020;
inline constexpr int kCombo = 1030;
inline constexpr int kLista = 1040;
inline constexpr int kOculto = 1060;  // hidden default button
inline constexpr int kBoton = 1070;
inline constexpr int kDeslizador = 1080;
inline constexpr int kProgreso = 1090;
inline constexpr int kPintura = 1100;
inline constexpr int kTimer = 12345;
}  // namespace ids

struct DatosPrueba {
  int entero = 3;
  double doble = 2.5;
  std::string nombre = "abc";
  int radio = -1;
  int casilla = 0;
  int combo = -1;
};

inline kit::Template PlantillaPrueba(bool defectoOculto) {
  using namespace kit;
  using namespace ids;
  Template t{"Prueba del kit", 260, 190, {}};
  t.controls = {
      Label("Número:", 7, 9, 60, 8),
      Edit(kEntero, 70, 7, 40, 12),
      UpDown(kFlechas, kEntero, 100, 7, 10, 12),
      Label("Temperatura:", 7, 25, 60, 8),
      Edit(kDoble, 70, 23, 60, 12),
      Label("Nombre:", 7, 41, 60, 8),
      Edit(kNombre, 70, 39, 60, 12),
      Label("Libre:", 7, 57, 60, 8),
      Edit(kLibre, 70, 55, 60, 12),
      Group("Tipo", 140, 5, 110, 52),
      Radio(kRadio, "Caliente", 146, 16, 90, 10, kGroup),
      Radio(kRadio + 1, "Fría", 146, 28, 90, 10),
      Radio(kRadio + 2, "Ninguna", 146, 40, 90, 10),
      Check(kCasilla, "Ajustar", 146, 62, 90, 10, kGroup),
      Combo(kCombo, 7, 75, 100, 60, kListOnly, {"uno", "dos", "tres"}),
      List(kLista, 7, 93, 100, 40, kOwnerDrawn),
      Slider(kDeslizador, 140, 78, 110, 14),
      Progress(kProgreso, 140, 96, 110, 10),
      Paint(kPintura, 140, 110, 110, 50),
      Button(kBoton, "Probar", 7, 140, 50, 14),
      Button(kOculto, "Recalcular", 60, 140, 50, 14, defectoOculto ? (kHidden | kDefault) : kHidden),
      Button(kit::kIdOk, "Aceptar", 146, 170, 50, 14),
      Button(kit::kIdCancel, "Cancelar", 200, 170, 50, 14),
  };
  return t;
}

class DialogoPrueba : public kit::Dialog {
 public:
  explicit DialogoPrueba(bool defectoOculto = true, QWidget* parent = nullptr)
      : kit::Dialog(PlantillaPrueba(defectoOculto), parent) {
    using namespace ids;
    for (int id : {kEntero, kDoble, kNombre, kLibre, kCombo, kLista, kBoton}) {
      OnFocusIn(id, [this, id] { Anotar("focusin", id); });
      OnFocusOut(id, [this, id] { Anotar("focusout", id); });
    }
    for (int id : {kOculto, kBoton, kRadio, kRadio + 1, kRadio + 2, kCasilla})
      OnClick(id, [this, id] {
        Anotar("click", id);
        if (id == kBoton && alProbar) alProbar();
      });
    for (int id : {kCombo, kLista}) OnSelect(id, [this, id] { Anotar("select", id); });
    OnEdit(kLibre, [this] { Anotar("edit", kLibre); });
    OnSlide(kDeslizador, [this] { Anotar("slide", Pos(kDeslizador)); });
    OnStep(kFlechas, [this](int pos, int delta) {
      log.push_back("step " + std::to_string(pos) + " " + std::to_string(delta));
      return !vetarPaso;
    });
    OnTimer([this](int id) {
      Anotar("timer", id);
      KillTimer(id);
    });
    OnPaint(kPintura, [](QtDc& dc) {
      // A black frame 4 mm wide along the square from 2 mm to 12 mm.
      dc.SelectPen(Pen{PenStyle::Solid, 400, 0});
      dc.SelectBrush(Brush::White);
      dc.Rectangle(Rect{200, -200, 1200, -1200});
    });
  }

  DatosPrueba datos;
  std::vector<std::string> log;
  bool vetarPaso = false;
  std::function<void()> alProbar;

 protected:
  void DataExchange(kit::Exchange& dx) override {
    using namespace ids;
    dx.Int(kEntero, datos.entero, 1, 10);
    dx.Double(kDoble, datos.doble, 0.0, 300.0);
    dx.Text(kNombre, datos.nombre, 5);
    dx.Radio(kRadio, datos.radio);
    dx.Check(kCasilla, datos.casilla);
    dx.Index(kCombo, datos.combo);
  }

  void OnInit() override {
    using namespace ids;
    // Everything here is the dialog's own doing: nothing may notify.
    SetRange(kFlechas, 1, 10);
    SetPos(kFlechas, datos.entero);
    AddString(kLista, "rojo", MakeRgb(255, 0, 0));
    AddString(kLista, "negro", 0);
    SetCurSel(kLista, 0);
    SetRange(kDeslizador, 0, 100);
    SetPos(kDeslizador, 10);
    SetRange(kProgreso, 0, 500);
    SetStep(kProgreso, 1);
    Focus(kDoble);
    Focus(kNombre);
    SetTimer(kTimer, 1000);
    log.push_back("init");
  }

 private:
  void Anotar(const char* que, int id) { log.push_back(std::string(que) + " " + std::to_string(id)); }
};

}  // namespace vardo::prueba

// The result tables: "Tabla de Cambiadores", "Tabla de Corrientes", "Tabla de
// Servicios Generales" (modal, read-only, on a copy of the problem) and the
// modeless "Tabla de emparejamientos posibles en el pinch" with one pair of
// tables per pinch of the problem.
#pragma once
#include "app/core/analysis/tablas_resultados.h"
#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

class QMenu;

namespace vardo {

class FabricaDialogosQt;

class CTablaCambiadoresDlg : public kit::Dialog {
 public:
  static constexpr int kIdTabla = 1040;
  explicit CTablaCambiadoresDlg(const CDiagrama& modelo, QWidget* parent = nullptr);

 protected:
  void OnInit() override;

 private:
  CDiagrama modelo_;
};

class CTablaServiciosDlg : public kit::Dialog {
 public:
  static constexpr int kIdTabla = 1040;
  explicit CTablaServiciosDlg(const CDiagrama& modelo, QWidget* parent = nullptr);

 protected:
  void OnInit() override;

 private:
  CDiagrama modelo_;
};

// A right press on the table opens the menu "Copiar", which copies the
// streams table to the clipboard.
class CTablaCorrientesDlg : public kit::Dialog {
 public:
  static constexpr int kIdTabla = 1077;
  explicit CTablaCorrientesDlg(const CDiagrama& modelo, QWidget* parent = nullptr);
  QMenu* MenuCopiar() const { return menu_; }

 protected:
  void OnInit() override;

 private:
  void OnMouseDown(int boton, int x, int y);

  CDiagrama modelo_;
  QMenu* menu_ = nullptr;
};

class CTablaEmparejamientosDlg : public kit::Dialog {
 public:
  static constexpr int kIdPinch = 1100;
  static constexpr int kIdLadoCaliente = 1173;
  static constexpr int kIdLadoFrio = 1079;
  // Width of every column, twips.
  static constexpr int kAnchoColumna = 500;

  explicit CTablaEmparejamientosDlg(const CDiagrama& modelo, QWidget* parent = nullptr);

 protected:
  void OnInit() override;

 private:
  void Rellenar(int pinch);

  CDiagrama modelo_;
};

// Opens a new matches window on the record's copy (a new one at each call).
void MostrarTablaEmparejamientos(const VentanaTablaEmparejamientos& v);

bool EjecutarTablaCambiadores(QWidget* padre, DlgTablaCambiadores& d);
bool EjecutarTablaCorrientes(QWidget* padre, DlgTablaCorrientes& d);
bool EjecutarTablaServicios(QWidget* padre, DlgTablaServicios& d);
void RegistrarTablas(FabricaDialogosQt& fabrica);

}  // namespace vardo

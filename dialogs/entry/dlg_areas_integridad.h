// "Áreas de Integridad": creates, names and colours the integrity areas of a
// copy of the problem, moves streams and utilities into and out of them,
// chooses which areas are shown, and compares the targets of the whole
// problem with those of the areas one by one in the table at its foot. On OK
// the areas left without members are deleted, one message each.
#pragma once
#include <cstdint>
#include <vector>

#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

class CAreasIntegridadDlg : public kit::Dialog {
 public:
  static constexpr int kIdAreas = 1081;
  static constexpr int kIdNueva = 1001;
  static constexpr int kIdVisibles = 1083;
  static constexpr int kIdMostrarSeleccionada = 1090;
  static constexpr int kIdMostrarTodas = 1091;
  static constexpr int kIdDisponibles = 1130;
  static constexpr int kIdMeter = 1034;
  static constexpr int kIdSacar = 1035;
  static constexpr int kIdMeterTodas = 1037;
  static constexpr int kIdSacarTodas = 1036;
  static constexpr int kIdSeleccionadas = 1179;
  static constexpr int kIdNombre = 1082;
  static constexpr int kIdCambiarColor = 1024;
  static constexpr int kIdTabla = 1040;
  static constexpr int kIdEnter = 1061;

  explicit CAreasIntegridadDlg(const CDiagrama& modelo, QWidget* parent = nullptr);
  const CDiagrama& Modelo() const { return modelo_; }

  // Stream references of the entries of the two stream lists, in list order.
  const std::vector<std::int32_t>& Disponibles() const { return disponibles_; }
  const std::vector<std::int32_t>& Seleccionadas() const { return seleccionadas_; }

 protected:
  void OnInit() override;
  void OnOK() override;

 private:
  void RellenarAreas();
  void RellenarCorrientes(std::int32_t area);
  void GuardarSeleccion();
  void RellenarTabla();
  // The selected entry of a list; -1 when none.
  int Elegida(int id) const;
  // The selected area of "Áreas existentes:"; -1 when none.
  std::int32_t AreaActual() const;
  // Moves the chosen entry (or every entry) of one stream list to the other.
  void Mover(bool meter, bool todas);
  void OnNueva();
  void OnNombre();
  void OnCambiarColor();
  void OnMostrarSeleccionada();
  void OnMostrarTodas();

  CDiagrama modelo_;
  std::vector<std::int32_t> disponibles_;
  std::vector<std::int32_t> seleccionadas_;
};

bool EjecutarAreasIntegridad(QWidget* padre, DlgAreasIntegridad& d);
void RegistrarAreasIntegridad(FabricaDialogosQt& fabrica);

}  // namespace vardo

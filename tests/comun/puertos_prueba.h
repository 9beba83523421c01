// Recording and scripted implementations of the program's ports, for tests.
#pragma once
#include <any>
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/core/document/puertos.h"

namespace vardo {

// Records what the program puts in the panes.
class EstadoGrabado : public PuertoEstado, public PuertoCampoDTMin {
 public:
  void SetTextoEstado(const std::string& texto) override {
    ultimo_ = texto;
    textos.push_back(texto);
  }
  std::string UltimoMensaje() const override { return ultimo_; }
  void SetContadores(const std::string& c, const std::string& a, const std::string& r) override {
    camb = c;
    cal = a;
    ref = r;
    ++llamadasContadores;
  }
  void SetTexto(const std::string& texto) override {
    dtMin = texto;
    ++llamadasDTMin;
  }

  std::vector<std::string> textos;  // every message-pane text, in order
  std::string camb = "Camb:0/0", cal = "Cal:0/0", ref = "Ref:0/0";
  std::string dtMin;
  int llamadasContadores = 0;
  int llamadasDTMin = 0;

 private:
  std::string ultimo_;
};

// Counts the refreshes of the panes and keeps the last copies.
class PanelesGrabados : public PuertoPaneles {
 public:
  void ActualizarTablaCorrientes(const CDiagrama& m) override {
    tabla = m;
    ++llamadasTabla;
  }
  void ActualizarVisorObjetos(const CDiagrama& m, bool conCorrientes) override {
    visor = m;
    visorConCorrientes = conCorrientes;
    ++llamadasVisor;
  }
  void ActualizarBarraAreas(const CDiagrama& m) override {
    barra = m;
    ++llamadasBarra;
  }
  CDiagrama tabla, visor, barra;
  bool visorConCorrientes = false;
  int llamadasTabla = 0, llamadasVisor = 0, llamadasBarra = 0;
};

class VistasGrabadas : public PuertoVistas {
 public:
  void ActualizarVistas() override { ++actualizaciones; }
  int actualizaciones = 0;
};

// Timers as a list of running ids with their periods.
class TemporizadoresGrabados : public PuertoTemporizadores {
 public:
  void Iniciar(int id, int periodoMs) override {
    activos[id] = periodoMs;
    registro.push_back("+" + std::to_string(id) + ":" + std::to_string(periodoMs));
  }
  void Parar(int id) override {
    activos.erase(id);
    registro.push_back("-" + std::to_string(id));
  }
  bool Activo(int id) const { return activos.count(id) != 0; }
  int Periodo(int id) const {
    auto it = activos.find(id);
    return it == activos.end() ? -1 : it->second;
  }
  std::map<int, int> activos;
  std::vector<std::string> registro;
};

// A factory whose dialogs answer from a script. Each call is logged with a
// copy of the record it received; the next scripted answer for that dialog
// may edit the record and says OK (true) or Cancel (false). A dialog with no
// answer left is cancelled.
class FabricaDialogosGuion : public FabricaDialogos {
 public:
  struct Llamada {
    DialogoId id;
    // Copy of the record as the caller filled it (a model in it is copied as
    // CDiagrama's copy constructor does; a response sees the record itself).
    std::any datos;
  };

  template <class D>
  void Responder(std::function<bool(D&)> respuesta) {
    guion_[D::kId].push_back([respuesta](void* p) { return respuesta(*static_cast<D*>(p)); });
  }
  // OK with the record as given (or edited by `editar`).
  template <class D>
  void Aceptar(std::function<void(D&)> editar = nullptr) {
    Responder<D>([editar](D& d) {
      if (editar) editar(d);
      return true;
    });
  }
  template <class D>
  void Cancelar() {
    Responder<D>([](D&) { return false; });
  }

  const std::vector<Llamada>& Llamadas() const { return llamadas_; }
  int Veces(DialogoId id) const {
    int n = 0;
    for (const auto& l : llamadas_) n += l.id == id;
    return n;
  }
  // The record of the last call of dialog D (as the caller filled it).
  template <class D>
  const D& Ultima() const {
    for (auto it = llamadas_.rbegin(); it != llamadas_.rend(); ++it)
      if (it->id == D::kId) return *std::any_cast<D>(&it->datos);
    throw std::logic_error("dialog not called");
  }
  void Limpiar() { llamadas_.clear(); }

  bool Corrientes(DlgCorrientes& d) override { return Ejecutar(d); }
  bool Servicios(DlgServicios& d) override { return Ejecutar(d); }
  bool Cambiadores(DlgCambiadores& d) override { return Ejecutar(d); }
  bool BorrarCorrientes(DlgBorrarCorrientes& d) override { return Ejecutar(d); }
  bool BorrarCambiadores(DlgBorrarCambiadores& d) override { return Ejecutar(d); }
  bool BorrarServicios(DlgBorrarServicios& d) override { return Ejecutar(d); }
  bool CalculoCambiadores(DlgCalculoCambiadores& d) override { return Ejecutar(d); }
  bool FormatoCambiadores(DlgFormatoCambiadores& d) override { return Ejecutar(d); }
  bool FormatoCambiador(DlgFormatoCambiador& d) override { return Ejecutar(d); }
  bool Bifurcar(DlgBifurcar& d) override { return Ejecutar(d); }
  bool BifurcarH(DlgBifurcarH& d) override { return Ejecutar(d); }
  void PropCorriente(const VentanaPropCorriente& v) override { Mostrar(v); }
  void PropCambiador(const VentanaPropCambiador& v) override { Mostrar(v); }
  void PropServicio(const VentanaPropServicio& v) override { Mostrar(v); }
  bool AreasIntegridad(DlgAreasIntegridad& d) override { return Ejecutar(d); }
  bool PropDiagrama(DlgPropDiagrama& d) override { return Ejecutar(d); }
  bool PropGrafico(DlgPropGrafico& d) override { return Ejecutar(d); }
  bool OtrasGraficas(DlgOtrasGraficas& d) override { return Ejecutar(d); }
  bool Coeficientes(DlgCoeficientes& d) override { return Ejecutar(d); }
  bool CalculoCascada(DlgCalculoCascada& d) override { return Ejecutar(d); }
  bool AreaMinima(DlgAreaMinima& d) override { return Ejecutar(d); }
  bool CosteMinimo(DlgCosteMinimo& d) override { return Ejecutar(d); }
  bool Remanente(DlgRemanente& d) override { return Ejecutar(d); }
  bool Factibilidad(DlgFactibilidad& d) override { return Ejecutar(d); }
  void FactibilidadVentana(const VentanaFactibilidad& v) override { Mostrar(v); }
  void TablaEmparejamientos(const VentanaTablaEmparejamientos& v) override { Mostrar(v); }
  bool TablaCorrientes(DlgTablaCorrientes& d) override { return Ejecutar(d); }
  bool TablaCambiadores(DlgTablaCambiadores& d) override { return Ejecutar(d); }
  bool TablaServicios(DlgTablaServicios& d) override { return Ejecutar(d); }
  bool MAN(DlgMAN& d) override { return Ejecutar(d); }
  bool Perturbaciones(DlgPerturbaciones& d) override { return Ejecutar(d); }
  bool CrucePinch(DlgCrucePinch& d) override { return Ejecutar(d); }
  bool AnadirAnillos(DlgAnadirAnillos& d) override { return Ejecutar(d); }
  bool CostesTotales(DlgCostesTotales& d) override { return Ejecutar(d); }
  bool VariacionDT(DlgVariacionDT& d) override { return Ejecutar(d); }
  bool VariacionArea(DlgVariacionArea& d) override { return Ejecutar(d); }
  bool VariacionCosteInm(DlgVariacionCosteInm& d) override { return Ejecutar(d); }
  bool VariacionCosteTot(DlgVariacionCosteTot& d) override { return Ejecutar(d); }
  bool CostesOperacion(DlgCostesOperacion& d) override { return Ejecutar(d); }
  bool Exergia(DlgExergia& d) override { return Ejecutar(d); }
  bool DifTempOptima(DlgDifTempOptima& d) override { return Ejecutar(d); }
  bool Informe(DlgInforme& d) override { return Ejecutar(d); }
  bool GenerandoInforme(DlgGenerandoInforme& d) override { return Ejecutar(d); }

 private:
  template <class D>
  bool Ejecutar(D& d) {
    llamadas_.push_back({D::kId, std::any(d)});
    auto it = guion_.find(D::kId);
    if (it == guion_.end() || it->second.empty()) return false;
    auto respuesta = std::move(it->second.front());
    it->second.pop_front();
    return respuesta(&d);
  }
  template <class D>
  void Mostrar(const D& d) {
    llamadas_.push_back({D::kId, std::any(d)});
  }

  std::map<DialogoId, std::deque<std::function<bool(void*)>>> guion_;
  std::vector<Llamada> llamadas_;
};

}  // namespace vardo

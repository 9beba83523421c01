// The two split dialogs. "Bifurcar la corriente número %d" splits a sensible
// stream into two parallel branches: where the split begins, where each
// branch ends and how the flow is shared (per cent, m·cp, heat load or a
// slider); every field left is checked at once and the others rewritten
// from it. "Bifurcar corriente" divides a latent stream into two by heat
// load. Both work on a copy of the stream and hand back plain numbers; the
// caller changes the model.
#pragma once
#include <vector>

#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

class CBifurcarDlg : public kit::Dialog {
 public:
  static constexpr int kIdEntrada = 1000;
  static constexpr int kIdSalida1 = 1001;
  static constexpr int kIdSalida2 = 1002;
  static constexpr int kIdMcp1 = 1003;
  static constexpr int kIdPorcentaje1 = 1004;
  static constexpr int kIdH1 = 1005;
  static constexpr int kIdBarra = 1006;
  static constexpr int kIdMcp2 = 1007;
  static constexpr int kIdPorcentaje2 = 1008;
  static constexpr int kIdH2 = 1009;

  // The stream, its number and any temperatures and shares the caller gave.
  CBifurcarDlg(const DlgBifurcar& datos, QWidget* parent = nullptr);

  // The values after OK.
  double TEntrada() const { return tEntrada_; }
  double TSalida1() const { return tSalida1_; }
  double TSalida2() const { return tSalida2_; }
  double Porcentaje1() const { return porcentaje1_; }
  double Porcentaje2() const { return porcentaje2_; }
  double Mcp1() const { return mcp1_; }
  double Mcp2() const { return mcp2_; }

 protected:
  void DataExchange(kit::Exchange& dx) override;
  void OnInit() override;
  void OnOK() override;

 private:
  // What a share rewrites.
  enum Derivado : unsigned {
    kBarra = 1,
    kPorcentaje1 = 2,
    kPorcentaje2 = 4,
    kCargas = 8,
    kMcps = 16,
  };
  void Derivar(double p, unsigned que);
  // The seven bound fields with their members and ranges.
  struct Campo {
    int id;
    double* valor;
    RangoNumero rango;
  };
  std::vector<Campo> Campos();
  // Reads every bound field that holds a number the rule takes.
  void LeerTodo();
  double H(double T) const;
  // Mean m·cp of a branch's range; 0 when the stream gives none.
  double McpRama(double desde, double hasta) const;
  bool Fria() const;

  void DejarEntrada();
  void DejarSalida(int id);
  // The fields of branch 1 or 2.
  void DejarMcp(int rama);
  void DejarPorcentaje(int rama);
  void DejarCarga(int rama);
  void MoverBarra();

  CCorriente corriente_;
  double tEntrada_, tSalida1_, tSalida2_;
  double porcentaje1_, porcentaje2_;
  double mcp1_, mcp2_;
};

class CBifurcarHDlg : public kit::Dialog {
 public:
  static constexpr int kIdNumero = 1000;
  static constexpr int kIdH1 = 1001;
  static constexpr int kIdBarra = 1002;
  static constexpr int kIdH2 = 1003;

  CBifurcarHDlg(const DlgBifurcarH& datos, QWidget* parent = nullptr);

  double H1() const { return h1_; }
  double H2() const { return h2_; }
  // The whole heat load (positive) and the slider's steps per kW: 100 (a
  // step is 0.01 kW) unless the load is too large for the slider's range.
  double Q() const { return q_; }
  double Escala() const { return escala_; }

 protected:
  void DataExchange(kit::Exchange& dx) override;
  void OnInit() override;
  void OnOK() override;

 private:
  void DejarCarga(int id, int otro);
  void BarraDesdeH1();
  void MoverBarra();

  int numero_;
  double h1_, h2_;
  double q_ = 0.0;
  double escala_ = 100.0;
};

// Run the dialogs on their records; true for OK with the values handed back.
bool EjecutarBifurcar(QWidget* padre, DlgBifurcar& d);
bool EjecutarBifurcarH(QWidget* padre, DlgBifurcarH& d);

void RegistrarBifurcar(FabricaDialogosQt& fabrica);

}  // namespace vardo

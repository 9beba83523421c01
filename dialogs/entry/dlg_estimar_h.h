// "Estimación de coeficientes de Transmisión de Calor": the three-step
// wizard that estimates the film coefficient of streams and utilities. Step
// 1 chooses the heat-transfer situation and shows its correlation, step 2
// takes the physical properties and geometry it needs, step 3 chooses the
// streams and utilities that receive the result. The wizard computes
// nothing: its caller applies the result (AplicarEstimacion,
// app/core/entry/propiedades_fisicas.h).
#pragma once
#include <QWidget>
#include <cstdint>
#include <vector>

#include "app/core/entry/estimacion_coeficientes.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

// Class id of the wizard's banner picture, hosted on each page.
inline constexpr const char* kClassIdBannerCoeficientes = "{7A41C2E6-3B5D-4F8A-9C17-52E0D8B6A3F1}";

// The picture across the top of each page of the wizard, drawn for its step.
class CBannerCoeficientes : public QWidget {
 public:
  explicit CBannerCoeficientes(QWidget* parent = nullptr) : QWidget(parent) {}
  void SetPaso(int paso) {
    paso_ = paso;
    update();
  }
  int Paso() const { return paso_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  int paso_ = 1;
};

// Step 1: the situation and its correlation.
class CHEst1 : public kit::Page {
 public:
  static constexpr int kIdBanner = 1190;
  static constexpr int kIdSituacion = 1177;
  static constexpr int kIdCorrelacion = 1178;

  CHEst1();
  std::int32_t m_inicial = 0;     // the situation selected at first
  std::int32_t m_situacion = -1;  // the chosen one, read when the page is left

 protected:
  void DataExchange(kit::Exchange& dx) override;
  void OnInit() override;
  void OnSetActive() override;
  bool OnWizardNext() override;

 private:
  void MostrarCorrelacion();
};

// Step 2: the 20 values; only those of the situation's correlation are open.
class CH2Est : public kit::Page {
 public:
  static constexpr int kIdBanner = 1190;
  // The edit of property value k (0 to 19, storage order).
  static constexpr int IdValor(int k) { return 1200 + k; }

  CH2Est();
  std::int32_t m_situacion = 0;
  double m_valores[kNumPropiedadesFisicas] = {};

 protected:
  void DataExchange(kit::Exchange& dx) override;
  void OnSetActive() override;
  bool OnWizardBack() override;
  bool OnKillActive() override;

 private:
  bool atras_ = false;  // the page is being left by "< Atrás"
};

// Step 3: the streams and utilities that receive the coefficient.
class CH3Est : public kit::Page {
 public:
  static constexpr int kIdBanner = 1190;
  static constexpr int kIdDisponibles = 1130;
  static constexpr int kIdElegidas = 1179;
  static constexpr int kIdAnadir = 1034;
  static constexpr int kIdQuitar = 1035;
  static constexpr int kIdQuitarTodas = 1036;
  static constexpr int kIdAnadirTodas = 1037;

  CH3Est();
  CDiagrama m_diagrama;
  std::vector<std::uint32_t> m_elegidas;  // combined indices, in the order chosen

 protected:
  void OnSetActive() override;

 private:
  void LlenarListas();
  std::string Texto(std::uint32_t indice) const;
};

class CEstimaHSheet : public kit::PropertySheet {
 public:
  explicit CEstimaHSheet(QWidget* parent = nullptr);

  CDiagrama m_diagrama;
  std::int32_t m_corriente = 0;  // reference of the stream or utility being edited

  // From the current stream or utility: the situation selected at first
  // (its correlation, the first when it has none), its 20 values and itself
  // as the one chosen.
  void LoadCorrelacion();
  // What the user chose, for the caller to apply.
  ResultadoEstimacion Resultado() const;

  CHEst1 m_paso1;
  CH2Est m_paso2;
  CH3Est m_paso3;
};

// Runs the wizard on a copy of the caller's model for stream reference
// `ref` (the stream or utility being edited); true for Finish with the
// result filled in (the caller applies it with AplicarEstimacion).
bool EjecutarAsistenteResultado(QWidget* padre, const CDiagrama& modelo, std::int32_t ref,
                                ResultadoEstimacion& resultado);

// The same, applied: on Finish with something chosen, every chosen stream
// and utility of `modelo` takes the correlation and values and estimates its
// coefficient, and the answer is true. Any other ending changes nothing.
bool EjecutarAsistenteCoeficientes(QWidget* padre, CDiagrama& modelo, std::int32_t ref);

}  // namespace vardo

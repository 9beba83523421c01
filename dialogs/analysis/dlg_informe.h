// "Informe": the report options sheet. Five pages of check boxes choose the
// sections of the HTML report; the "DT mínima" page also holds the DT min
// range of its charts. The sheet opens with the default sections every time
// (nothing is remembered) and hands the choice back on OK.
#pragma once
#include <span>
#include <string>
#include <vector>

#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

// Refusal on OK of a DT min chart whose range starts at 0 or below.
inline constexpr const char* kMsgDTInicialInforme =
    "La diferencia de temperaturas mínima inicial debe ser mayor que 0";

// A page of section check boxes: the text "Señale los datos ..." and one
// check box per flag, ids from primerId in order.
class CInfPaginaDlg : public kit::Page {
 public:
  CInfPaginaDlg(kit::Template plantilla, int primerId, std::span<bool> marcas);

 protected:
  void DataExchange(kit::Exchange& dx) override;

 private:
  int primerId_;
  std::span<bool> marcas_;
};

class CInfCorrDlg : public CInfPaginaDlg {
 public:
  static constexpr int kPrimerId = 1000;  // 13 check boxes
  explicit CInfCorrDlg(OpcionesInforme& o);
};

class CInfoCambDlg : public CInfPaginaDlg {
 public:
  static constexpr int kPrimerId = 1020;  // 5 check boxes
  explicit CInfoCambDlg(OpcionesInforme& o);
};

class CInfAnillosDlg : public CInfPaginaDlg {
 public:
  static constexpr int kPrimerId = 1030;  // 3 check boxes
  explicit CInfAnillosDlg(OpcionesInforme& o);
};

class CInfServiciosDlg : public CInfPaginaDlg {
 public:
  static constexpr int kPrimerId = 1050;  // 6 check boxes
  explicit CInfServiciosDlg(OpcionesInforme& o);
};

// The DT min charts and their range. Leaving a range box puts it right:
// a negative initial or final DT becomes 1; an initial above the final
// becomes final − 1, a final below the initial becomes initial + 1; fewer
// than 10 points become 10. With a chart chosen, the initial DT must be
// above 0 (an initial of 0 or below would sweep the charts through it).
class CInfDTMinDlg : public CInfPaginaDlg {
 public:
  static constexpr int kPrimerId = 1040;  // 7 check boxes
  static constexpr int kInicial = 1060;
  static constexpr int kFinal = 1061;
  static constexpr int kPuntos = 1062;
  explicit CInfDTMinDlg(OpcionesInforme& o);

 protected:
  void DataExchange(kit::Exchange& dx) override;

 private:
  void ComprobarInicial();
  void ComprobarFinal();
  void ComprobarPuntos();

  OpcionesInforme& o_;
};

class CInforme : public kit::PropertySheet {
 public:
  explicit CInforme(QWidget* parent = nullptr);

  // The choice, read after the sheet closed with OK.
  const OpcionesInforme& Opciones() const { return opciones_; }

 protected:
  // Every opening starts from the default sections.
  void BeforeBuild() override;

 private:
  OpcionesInforme opciones_;
  CInfCorrDlg corrientes_;
  CInfoCambDlg cambiadores_;
  CInfAnillosDlg anillos_;
  CInfServiciosDlg servicios_;
  CInfDTMinDlg dtMinima_;
};

// Runs the sheet; on OK d.opciones holds the choice (true).
bool EjecutarInforme(QWidget* padre, DlgInforme& d);

void RegistrarInforme(FabricaDialogosQt& fabrica);

}  // namespace vardo

#include "dialogs/analysis/dlg_objetivos.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include "app/core/document/documento.h"
#include "platform/qt/messagerunner.h"

namespace vardo {

namespace {

// Eats the one mouse press still on its way to a widget, then goes.
class TragarPulsacion : public QObject {
 public:
  explicit TragarPulsacion(QWidget* w) : QObject(w) {
    w->installEventFilter(this);
    // The press is delivered before any posted event: past that, nothing.
    QTimer::singleShot(0, this, [this] { deleteLater(); });
  }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonDblClick)
      return false;
    deleteLater();
    return true;
  }
};

}  // namespace

// A mouse press on another control takes the focus from the DT min field
// before the press reaches that control. A question asked then opens its box
// in between, and the box takes the release: the press alone would leave a
// button down and unclicked. So the control pressed is noted before the
// question and, once the release has gone to the box, the click is
// completed after the answer: a button acts, a field keeps the focus.
class CDialogoObjetivos::ClicPendiente {
 public:
  explicit ClicPendiente(CDialogoObjetivos& d)
      : dialogo_(&d),
        destino_(QApplication::focusWidget()),
        pulsado_(QGuiApplication::mouseButtons().testFlag(Qt::LeftButton)) {
    if (destino_ && (!d.isAncestorOf(destino_) || d.IdOf(destino_) == d.idDTMin_)) destino_ = nullptr;
  }
  ClicPendiente(const ClicPendiente&) = delete;
  ClicPendiente& operator=(const ClicPendiente&) = delete;

  ~ClicPendiente() {
    // No press, or the user still holds the button: its own release clicks.
    if (!pulsado_ || !destino_ || !dialogo_ || !dialogo_->IsOpen()) return;
    if (QGuiApplication::mouseButtons().testFlag(Qt::LeftButton)) return;
    const int id = dialogo_->IdOf(destino_);
    if (id != kit::kNoId && dialogo_->KindOf(id) == kit::Kind::Button) {
      new TragarPulsacion(destino_);
      QPointer<CDialogoObjetivos> d = dialogo_;
      QTimer::singleShot(0, d, [d, id] {
        if (d && d->IsOpen() && d->IsEnabled(id)) d->Command(id);
      });
    } else if (QApplication::focusWidget() != destino_) {
      // The box gone, the dialog is the window the user works in again.
      dialogo_->activateWindow();
      destino_->setFocus(Qt::MouseFocusReason);
    }
  }

 private:
  QPointer<CDialogoObjetivos> dialogo_;
  QPointer<QWidget> destino_;
  bool pulsado_;
};

CDialogoObjetivos::CDialogoObjetivos(kit::Template t, const CDiagrama& modelo, int idDTMin,
                                     QWidget* parent)
    : kit::Dialog(std::move(t), parent), idDTMin_(idDTMin) {
  CopiarModeloCompleto(modelo_, modelo);
  OnFocusOut(idDTMin_, [this] { OnCambioDTMin(); });
}

bool CDialogoObjetivos::ModoDefinido() {
  return modelo_.m_serviciosVisibles != 0 && modelo_.GetNumServicios() > 0 &&
         modelo_.ServiciosCubrenProblema();
}

int CDialogoObjetivos::NumServicios() { return ModoDefinido() ? modelo_.GetNumServicios() : 2; }

void FijarTemperaturasPorDefecto(CDiagrama& d) {
  if (d.m_tCalienteGenerico != kTSinFijar || d.m_tFrioGenerico != kTSinFijar) return;
  d.CalcularObjetivos();
  if (d.m_temperaturas.empty()) return;
  d.m_tCalienteGenerico = d.m_temperaturas.front() + d.m_dtMin;
  d.m_tFrioGenerico = d.m_temperaturas.back() - d.m_dtMin;
}

bool CDialogoObjetivos::ComprobarDTMin(Aviso aviso) {
  double dt = modelo_.m_dtMin;
  return LeerCampo(*this, idDTMin_, dt, RangoNumero::DTMin(), aviso);
}

void CDialogoObjetivos::OnCambioDTMin() {
  const ClicPendiente clic(*this);
  const double anterior = modelo_.m_dtMin;
  double dt = anterior;
  if (!LeerCampo(*this, idDTMin_, dt, RangoNumero::DTMin(), Aviso::Ninguno)) return;
  const bool definido = ModoDefinido();
  modelo_.SetDTMin(dt);
  const bool definidoAhora = ModoDefinido();
  if (definido && !definidoAhora) {
    if (AskYesNo(this, kPreguntaServiciosNoCubren) != Answer::Yes) {
      SetNumber(idDTMin_, anterior);
      modelo_.SetDTMin(anterior);
      return;
    }
    // The fields go over to the default utilities.
    MostrarPrimerServicio();
  } else if (!definido && definidoAhora) {
    MostrarPrimerServicio();
  }

  modelo_.CalcularObjetivos();
  const std::vector<double>& T = modelo_.m_temperaturas;
  if (!T.empty()) {
    const double th = T.front() + modelo_.m_dtMin;
    const double tc = T.back() - modelo_.m_dtMin;
    const bool cumplen = th <= modelo_.m_tCalienteGenerico && tc >= modelo_.m_tFrioGenerico;
    if (!cumplen && guardia_ == 0 && !definidoAhora) {
      guardia_ = 1;
      if (AskYesNo(this, kPreguntaServiciosViolan) == Answer::Yes) {
        modelo_.m_tCalienteGenerico = th;
        modelo_.m_tFrioGenerico = tc;
        MostrarPrimerServicio();
      }
      guardia_ = 0;
    }
  }
  Calcular(Aviso::Ninguno);
}

}  // namespace vardo

#include "app/qt/dlg_autograbacion.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/core/numtext.h"
#include "platform/qt/messagerunner.h"

namespace vardo {

CAutograbacionDlg::CAutograbacionDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8("Autograbación"));
  auto* grupo = new QButtonGroup(this);
  const char* textos[3] = {"Grabación automática en segundo plano",
                           "Solicitar permiso para grabar automáticamente",
                           "Sin grabación automática"};
  const int ids[3] = {kIdSegundoPlano, kIdPreguntar, kIdSinGrabacion};
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < 3; ++i) {
    opciones_[i] = new QRadioButton(QString::fromUtf8(textos[i]), this);
    opciones_[i]->setObjectName(QString::number(ids[i]));
    grupo->addButton(opciones_[i], i);
    layout->addWidget(opciones_[i]);
  }
  auto* fila = new QHBoxLayout;
  fila->addWidget(new QLabel(QStringLiteral("Intervalo entre grabaciones:"), this));
  minutos_ = new QLineEdit(this);
  minutos_->setObjectName(QString::number(kIdMinutos));
  minutos_->setFixedWidth(60);
  fila->addWidget(minutos_);
  fila->addWidget(new QLabel(QStringLiteral("min"), this));
  fila->addStretch();
  layout->addLayout(fila);
  auto* botones = new QHBoxLayout;
  botones->addStretch();
  auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
  aceptar->setObjectName(QStringLiteral("1"));
  aceptar->setDefault(true);
  auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
  cancelar->setObjectName(QStringLiteral("2"));
  botones->addWidget(aceptar);
  botones->addWidget(cancelar);
  layout->addLayout(botones);
  connect(aceptar, &QPushButton::clicked, this, &CAutograbacionDlg::accept);
  connect(cancelar, &QPushButton::clicked, this, &CAutograbacionDlg::reject);
  SetAjustes(AjustesAutograbacion{});
}

QRadioButton* CAutograbacionDlg::Opcion(int eleccion) const {
  return eleccion >= 0 && eleccion < 3 ? opciones_[eleccion] : nullptr;
}

void CAutograbacionDlg::SetAjustes(const AjustesAutograbacion& a) {
  ajustes_ = a;
  for (int i = 0; i < 3; ++i) opciones_[i]->setChecked(i == a.eleccion);
  minutos_->setText(QString::fromStdString(TextoGeneral(a.minutos, 15)));
}

void CAutograbacionDlg::accept() {
  double minutos = 0.0;
  const std::string error = ValidarMinutos(minutos_->text().trimmed().toStdString(), minutos);
  if (!error.empty()) {
    ShowMessage(this, error, MsgIcon::Warning);
    minutos_->setFocus();
    minutos_->selectAll();
    return;
  }
  int eleccion = AjustesAutograbacion::kSegundoPlano;
  for (int i = 0; i < 3; ++i)
    if (opciones_[i]->isChecked()) eleccion = i;
  ajustes_.eleccion = eleccion;
  ajustes_.minutos = minutos;
  QDialog::accept();
}

bool EjecutarDialogoAutograbacion(QWidget* parent, AjustesAutograbacion& a) {
  CAutograbacionDlg dlg(parent);
  dlg.SetAjustes(a);
  if (dlg.exec() != QDialog::Accepted) return false;
  a = dlg.Ajustes();
  return true;
}

}  // namespace vardo

#include "dialogs/analysis/campos.h"

#include <QLineEdit>
#include <algorithm>
#include <cmath>

#include "platform/qt/messagerunner.h"

namespace vardo {

QValidator::State CampoDecimal::validate(QString& input, int&) const {
  int puntos = 0;
  for (const QChar c : input) {
    if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
      if (++puntos > 1) return Invalid;
    } else if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
      return Invalid;
    }
  }
  return Acceptable;
}

void AceptarDecimales(kit::ControlHost& h, std::initializer_list<int> ids) {
  for (int id : ids)
    if (auto* campo = h.Get<QLineEdit>(id)) campo->setValidator(new CampoDecimal(campo));
}

bool LeerCampo(kit::ControlHost& h, int id, double& v, const RangoNumero& rango, Aviso aviso) {
  if (aviso == Aviso::Mensaje) return h.ReadNumber(id, v, rango);
  double leido = v;
  if (h.Typed(id) && !ComprobarNumeroTecleado(h.Text(id), rango, leido).empty()) {
    if (aviso == Aviso::Foco) {
      h.Focus(id);
      h.SelectAll(id);
    }
    return false;
  }
  return h.ReadNumber(id, v, rango);
}

bool LeerCampos(kit::ControlHost& h, const std::vector<CampoNumero>& campos, Aviso aviso) {
  std::vector<double> leidos;
  leidos.reserve(campos.size());
  for (const CampoNumero& c : campos) {
    double v = *c.destino;
    if (!LeerCampo(h, c.id, v, c.rango, aviso)) return false;
    leidos.push_back(v);
  }
  for (std::size_t k = 0; k < campos.size(); ++k) *campos[k].destino = leidos[k];
  return true;
}

int ItemMostrado(const kit::ControlHost& h, const Selector& s) {
  const int n = s.cuenta();
  if (n <= 0) return -1;
  return std::clamp(h.Integer(s.numero), 1, n) - 1;
}

void Conectar(kit::ControlHost& h, const Selector& s) {
  h.OnFocusOut(s.numero, [&h, s] {
    const int i = ItemMostrado(h, s);
    if (i >= 0) s.mostrar(i);
  });
  if (s.guardarAlEntrar) {
    h.OnFocusIn(s.numero, [&h, s] {
      const int i = ItemMostrado(h, s);
      if (i >= 0) s.guardar(i);
    });
  }
  h.OnStep(s.flechas, [s](int pos, int delta) {
    const int n = s.cuenta();
    if (n <= 0) return true;
    if (!s.guardar(std::clamp(pos, 1, n) - 1)) return false;
    const int nuevo = pos + delta;
    if (nuevo >= 1 && nuevo <= n) s.mostrar(nuevo - 1);
    return true;
  });
}

void FilaLey(std::vector<kit::DefControl>& c, int idA, int x, int y, int ancho) {
  const char* nombres[] = {"a:", "b:", "c:"};
  for (int k = 0; k < 3; ++k) {
    const int x0 = x + k * (ancho + 20);
    c.push_back(kit::Label(nombres[k], x0, y + 2, 9, 8));
    c.push_back(kit::Edit(idA + k, x0 + 11, y, ancho, 12));
  }
}

void MostrarLey(kit::ControlHost& h, int idA, double a, double b, double c, int digitos) {
  h.SetNumber(idA, a, digitos);
  h.SetNumber(idA + 1, b, digitos);
  h.SetNumber(idA + 2, c, digitos);
}

std::vector<CampoNumero> CamposLey(int idA, double& a, double& b, double& c) {
  return {{idA, &a}, {idA + 1, &b}, {idA + 2, &c}};
}

void TextoNumerico(kit::Exchange& dx, kit::ControlHost& h, int id, std::string& s,
                   const RangoNumero& rango) {
  dx.Text(id, s);
  if (!dx.Saving() || !h.Typed(id)) return;
  double v = 0.0;
  const std::string mensaje = ComprobarNumeroTecleado(s, rango, v);
  if (!mensaje.empty()) dx.Fail(id, mensaje);
}

bool AmortizacionValida(double anos) { return anos > 0.0; }

void EscribirResultado(kit::ControlHost& h, int id, double valor, bool definido,
                       const char* infinito) {
  if (definido && std::isfinite(valor)) h.SetNumber(id, valor);
  else if (definido && infinito && std::isinf(valor) && valor > 0.0) h.SetText(id, infinito);
  else h.SetText(id, "-");
}

bool ComprobarAmortizacion(kit::Dialog& d, int idAnos) {
  double anos = 0.0;
  if (!LeerCampo(d, idAnos, anos, RangoNumero::Finito(), Aviso::Mensaje)) return false;
  if (AmortizacionValida(anos)) return true;
  ShowMessage(&d, kMensajeAmortizacion, MsgIcon::Warning);
  d.Focus(idAnos);
  return false;
}

}  // namespace vardo

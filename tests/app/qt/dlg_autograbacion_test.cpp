// The settings dialog "Autograbación" as the main window's command runs it,
// driven through the dialog kit.
#include <gtest/gtest.h>

#include "app/core/document/ids_comandos.h"
#include "app/qt/dlg_autograbacion.h"
#include "fixture.h"

namespace vardo::prueba {
namespace {

using D = CAutograbacionDlg;

class DialogoAutograbacion : public AppFixture {
 protected:
  std::vector<std::string> Mensajes() const {
    std::vector<std::string> m;
    for (const MessageRequest& r : runner_.Log()) m.push_back(r.text);
    return m;
  }
};

TEST_F(DialogoAutograbacion, RechazaLosMinutosMalosYAplicaLaEleccion) {
  ASSERT_EQ(Iniciar(), -1);
  Marco().PrimeraActivacion();
  struct Rechazo {
    const char* texto;
    const char* mensaje;
  } rechazos[] = {{"abc", "Introduzca un número."},
                  {"", "Introduzca un número."},
                  {"2,5,0", "Introduzca un número."},
                  {"400", "Introduzca un número entre 0 y 300."},
                  {"-1", "Introduzca un número entre 0 y 300."},
                  {"0.01", kMsgIntervaloMinimo}};
  std::string minutosAlAbrir, titulo;
  int eleccionAlAbrir = -2;
  std::vector<std::vector<std::string>> vistos;
  kitRunner_.ScriptDialog([&](Driver& d) {
    titulo = d.Dialog().windowTitle().toStdString();
    minutosAlAbrir = d.Text(D::kIdMinutos);
    eleccionAlAbrir = d.Dialog().RadioIndex(D::kIdSegundoPlano);
    d.Grab(std::string(::testing::TempDir()) + "autograbacion.png");
    for (const Rechazo& r : rechazos) {
      runner_.Clear();
      d.Type(D::kIdMinutos, r.texto);
      d.Ok();
      // Refused: the dialog stays open with the field focused.
      EXPECT_TRUE(d.Dialog().IsOpen()) << r.texto;
      EXPECT_EQ(d.Dialog().FocusedId(), D::kIdMinutos) << r.texto;
      vistos.push_back(Mensajes());
    }
    d.Click(D::kIdPreguntar);
    d.Type(D::kIdMinutos, "0,5");
    d.Enter();
  });
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kAutograbacion));
  EXPECT_EQ(titulo, "Autograbación");
  EXPECT_EQ(minutosAlAbrir, "10");
  EXPECT_EQ(eleccionAlAbrir, AjustesAutograbacion::kSegundoPlano);
  ASSERT_EQ(vistos.size(), std::size(rechazos));
  for (std::size_t i = 0; i < vistos.size(); ++i)
    EXPECT_EQ(vistos[i], std::vector<std::string>{rechazos[i].mensaje}) << rechazos[i].texto;
  // OK applied the choice: asking first, every 30 s.
  EXPECT_TRUE(Marco().Autograbacion().m_bPreguntarAntes);
  EXPECT_EQ(Marco().PeriodoTemporizador(kTimerAutograbacion), 30000);
  EXPECT_EQ(Marco().PeriodoTemporizador(kTimerCuentaAtras), 7500);

  // The next opening shows what is set; Cancel changes nothing.
  kitRunner_.ScriptDialog([&](Driver& d) {
    minutosAlAbrir = d.Text(D::kIdMinutos);
    eleccionAlAbrir = d.Dialog().RadioIndex(D::kIdSegundoPlano);
    d.Click(D::kIdSinGrabacion);
    d.Type(D::kIdMinutos, "3");
    d.Escape();
  });
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kAutograbacion));
  EXPECT_EQ(minutosAlAbrir, "0.5");  // the exact interval
  EXPECT_EQ(eleccionAlAbrir, AjustesAutograbacion::kPreguntar);
  EXPECT_EQ(Marco().PeriodoTemporizador(kTimerAutograbacion), 30000);
  EXPECT_TRUE(kitRunner_.Done());
}

}  // namespace
}  // namespace vardo::prueba

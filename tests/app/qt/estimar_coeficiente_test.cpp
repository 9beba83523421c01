// "Estimar coeficiente" of the streams sheet's costs page in the real
// program: the four-stream example, "Modificar" on a selected stream, the
// estimation wizard run from the page, and what the document holds after
// "Aceptar".
#include <QTest>

#include "app/core/document/ids_comandos.h"
#include "dialogs/entry/dlg_corrientes.h"
#include "dialogs/entry/dlg_estimar_h.h"
#include "dialogs/entry/pag_propiedades.h"
#include "fixture.h"
#include "platform/core/numtext.h"

namespace vardo::prueba {
namespace {

using C = CCorrelCorrDlg;
using W2 = CH2Est;
using W3 = CH3Est;

class EstimarCoeficientePrograma : public AppFixture {
 protected:
};

TEST_F(EstimarCoeficientePrograma, ElCampoQuedaEnElCoeficienteDeLaCorrienteActual) {
  // The sheet shows stream 2; the wizard also gets stream 4 (or only it).
  struct Caso {
    const char* nombre;
    bool conLaActual;
  };
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  const CDiagrama antes = Doc()->m_Diagrama;
  for (const Caso& c : {Caso{"la actual y otra", true}, Caso{"solo otra", false}}) {
    SCOPED_TRACE(c.nombre);
    kitRunner_.Clear();
    Doc()->m_Diagrama.SeleccionarCorriente(1);
    Vista()->SetEstadoEdicion(CVardoView::kSelCorriente);

    std::string campoAntes, campo;
    bool habilitado = false;
    std::vector<std::string> titulos;
    kitRunner_.ScriptDialog([&](Driver& d) {
      ASSERT_TRUE(d.Page(3));
      habilitado = d.W(C::kIdEstimar)->isEnabled();
      campoAntes = d.Text(C::kIdCoeficiente);
      kitRunner_.ScriptDialog([&](Driver& w) {
        titulos.push_back(w.Dialog().windowTitle().toStdString());
        w.Next();
        w.Type(W2::IdValor(6), "2.5");  // velocity
        w.Next();
        if (!c.conLaActual) w.Click(W3::kIdQuitarTodas);
        w.Choose(W3::kIdDisponibles, 3);
        w.Click(W3::kIdAnadir);
        w.Grab(std::string(::testing::TempDir()) + "programa_estimar_paso3.png");
        w.Finish();
      });
      d.Click(C::kIdEstimar);
      campo = d.Text(C::kIdCoeficiente);
      d.Grab(std::string(::testing::TempDir()) + "programa_estimar_costes.png");
      d.Ok();
    });
    ASSERT_TRUE(Ejecutar(cmd::kModificarCorriente));
    ASSERT_TRUE(kitRunner_.Done());
    EXPECT_TRUE(habilitado);
    EXPECT_EQ(titulos, std::vector<std::string>{"Coeficientes de Transmisión de Calor: Paso 1 de 3"});

    // What the wizard's choice gives: stream 2's correlation (the first when
    // it has none) and values, the velocity typed.
    CCorriente estimada = antes.m_corrientes[1];
    if (estimada.m_correlacion < 0) estimada.m_correlacion = 0;
    estimada.m_u = 2.5;
    estimada.EstimarH();
    ASSERT_GT(estimada.m_h, 0.0);
    ASSERT_NE(estimada.m_h, antes.m_corrientes[1].m_h);

    const CDiagrama& m = Doc()->m_Diagrama;
    EXPECT_EQ(Doc()->NumDeshacer(), 1);
    // Stream 4 was estimated either way.
    EXPECT_EQ(m.m_corrientes[3].m_correlacion, estimada.m_correlacion);
    EXPECT_DOUBLE_EQ(m.m_corrientes[3].m_u, 2.5);
    EXPECT_DOUBLE_EQ(m.m_corrientes[3].m_h, estimada.m_h);
    if (c.conLaActual) {
      // The field shows the current stream's new coefficient, six
      // significant digits, and leaving the page stores it.
      EXPECT_EQ(campo, NumTexto(estimada.m_h, 6));
      EXPECT_DOUBLE_EQ(m.m_corrientes[1].m_h, TextoANumero(campo));
      EXPECT_EQ(m.m_corrientes[1].m_correlacion, estimada.m_correlacion);
    } else {
      // Not chosen: the field and the stream keep their own coefficient.
      EXPECT_EQ(campo, campoAntes);
      EXPECT_DOUBLE_EQ(m.m_corrientes[1].m_h, antes.m_corrientes[1].m_h);
      EXPECT_DOUBLE_EQ(m.m_corrientes[1].m_u, antes.m_corrientes[1].m_u);
    }
    // The others are as they were.
    for (std::size_t i : {0u, 2u}) EXPECT_DOUBLE_EQ(m.m_corrientes[i].m_h, antes.m_corrientes[i].m_h);
    // One undo step takes it all back.
    ASSERT_TRUE(Ejecutar(cmd::kDeshacer));
    for (std::size_t i = 0; i < 4; ++i)
      EXPECT_EQ(Doc()->m_Diagrama.m_corrientes[i].m_h, antes.m_corrientes[i].m_h) << i;
  }
}

TEST_F(EstimarCoeficientePrograma, UnCoeficienteQueNoEsPositivoSeRechaza) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  const double h = Doc()->m_Diagrama.m_corrientes[1].m_h;
  for (const char* texto : {"0", "-2", "x"}) {
    SCOPED_TRACE(texto);
    kitRunner_.Clear();
    Doc()->m_Diagrama.SeleccionarCorriente(1);
    Vista()->SetEstadoEdicion(CVardoView::kSelCorriente);
    std::string queda;
    bool abierta = false;
    runner_.Clear();
    kitRunner_.ScriptDialog([&](Driver& d) {
      ASSERT_TRUE(d.Page(3));
      d.Type(C::kIdCoeficiente, texto);
      d.Ok();  // refused: the sheet stays with the text typed
      queda = d.Text(C::kIdCoeficiente);
      abierta = d.Dialog().IsOpen();
      d.Cancel();  // one click closes it, with no second message
    });
    ASSERT_TRUE(Ejecutar(cmd::kModificarCorriente));
    ASSERT_TRUE(kitRunner_.Done());
    ASSERT_EQ(runner_.Log().size(), 1u);
    EXPECT_EQ(runner_.Log()[0].text, std::string(texto) == "x" ? "Introduzca un número."
                                                               : "Introduzca un coeficiente mayor que 0.");
    EXPECT_EQ(queda, texto);
    EXPECT_TRUE(abierta);
    EXPECT_DOUBLE_EQ(Doc()->m_Diagrama.m_corrientes[1].m_h, h);
  }
}

}  // namespace
}  // namespace vardo::prueba

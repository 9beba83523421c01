// "Coste Mínimo" through the program's dialog factory: the default and
// defined utilities of both groups, results against the model's targets,
// recalculation on leaving a field, and the amortization period.
#include <gtest/gtest.h>

#include "dialogs/analysis/dlg_coste_minimo.h"
#include "platform/core/numtext.h"
#include "tests/dialogs/analysis/fixture_analisis.h"
#include "tests/dialogs/analysis/problemas_analisis.h"

namespace vardo::prueba {
namespace {

using D = CCosteMinimoDlg;

class CosteMinimo : public ConDialogos {
 protected:
  bool Correr(const CDiagrama& m, std::function<void(Driver&)> guion) {
    registro_.modelo = m;
    return ConDialogos::Correr(&FabricaDialogosQt::CosteMinimo, registro_, std::move(guion));
  }
  DlgCosteMinimo registro_;
};

// The three results the dialog must show for a model.
void EsperarCostes(Driver& d, CDiagrama m) {
  m.CalcularObjetivos();
  const double inmovilizado = m.CosteInmovilizado(0) / m.m_amortizacion;
  const double operacion = m.CosteOperacion(0);
  EXPECT_EQ(d.Text(D::kIdCosteOperacion), NumTexto(operacion));
  EXPECT_EQ(d.Text(D::kIdCosteInmovilizado), NumTexto(inmovilizado));
  EXPECT_EQ(d.Text(D::kIdCosteTotal), NumTexto(inmovilizado + operacion));
}

// DT min 0 where the composites touch: capital and total cost are not
// finite and say so; the operating cost keeps its figure.
TEST_F(CosteMinimo, DTMinCeroConCurvasQueSeTocanDaCostesInfinitos) {
  CDiagrama m = LatenteEnElPinch();
  m.CalcularObjetivos();
  const bool ok = Correr(m, [&](Driver& d) {
    d.Type(D::kIdDTMin, "0");
    d.Enter();
    EXPECT_EQ(d.Text(D::kIdCosteInmovilizado), "infinito");
    EXPECT_EQ(d.Text(D::kIdCosteTotal), "infinito");
    CDiagrama cero = LatenteEnElPinch();
    cero.SetDTMin(0.0);
    cero.CalcularObjetivos();
    EXPECT_EQ(d.Text(D::kIdCosteOperacion), NumTexto(cero.CosteOperacion(0)));
    d.Grab(::testing::TempDir() + "analisis_coste_minimo_infinito.png");
    d.Ok();
  });
  EXPECT_TRUE(ok);
}

TEST_F(CosteMinimo, ServiciosPorDefectoA50YResultadosQueSiguenAlCampoQueSeDeja) {
  CDiagrama esperado = CuatroCorrientes();
  const bool ok = Correr(CuatroCorrientes(), [&](Driver& d) {
    EXPECT_EQ(d.Text(D::kIdNombreServicioOp), "Calefacción");
    EXPECT_EQ(d.Text(D::kIdCosteServicio), "50.");
    d.Step(D::kIdSpinServicioOp, 1);
    EXPECT_EQ(d.Text(D::kIdNombreServicioOp), "Refrigeración");
    EXPECT_EQ(d.Text(D::kIdCosteServicio), "50.");
    EXPECT_EQ(d.Text(D::kIdNombreServicio), "Calefacción");
    EXPECT_EQ(d.Text(D::kIdAServicio), "4600.");
    EXPECT_EQ(d.Text(D::kIdAnos), "10.");
    EXPECT_EQ(d.Text(D::kIdA + 2), "0.7");
    EsperarCostes(d, esperado);
    d.Grab(::testing::TempDir() + "analisis_coste_minimo.png");

    // c of stream 1 changed and left: all three results follow.
    const std::string antes = d.Text(D::kIdCosteInmovilizado);
    d.Type(D::kIdA + 2, "0.8");
    d.Focus(D::kIdA);
    esperado.m_corrientes[0].m_c = 0.8;
    EsperarCostes(d, esperado);
    EXPECT_NE(d.Text(D::kIdCosteInmovilizado), antes);
    // The cooling cost typed in the operating group and left.
    d.Type(D::kIdCosteServicio, "80");
    d.Focus(D::kIdA);
    esperado.m_costeFrio = 80.0;
    EsperarCostes(d, esperado);
    d.Ok();
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(registro_.modelo.m_corrientes[0].m_c, 0.8);
  EXPECT_EQ(registro_.modelo.m_costeFrio, 80.0);
  EXPECT_EQ(registro_.modelo.m_costeCaliente, 50.0);
}

TEST_F(CosteMinimo, SinAmortizacionLosCostesSeLeenGuionYAceptarSeRechaza) {
  const std::string kAmortizacion = "El tiempo de amortización debe ser mayor que 0.";
  const std::string kNumero = "Introduzca un número.";
  struct Caso {
    const char* anos;
    bool numero;  // a number: the costs are recalculated without it
  };
  const Caso casos[] = {{"0", true}, {"-2", true}, {"abc", false}, {"1e999", false}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.anos);
    runner_.Clear();
    const bool ok = Correr(CuatroCorrientes(), [&](Driver& d) {
      const std::string operacion = d.Text(D::kIdCosteOperacion);
      const std::string total = d.Text(D::kIdCosteTotal);
      d.Type(D::kIdAnos, c.anos);
      d.Enter();
      // No number: refused on Enter, the results stay as they were.
      EXPECT_EQ(d.Text(D::kIdCosteInmovilizado) == "-", c.numero);
      EXPECT_EQ(d.Text(D::kIdCosteTotal), c.numero ? "-" : total);
      EXPECT_EQ(d.Text(D::kIdCosteOperacion), operacion);
      d.Ok();
      EXPECT_TRUE(d.Dialog().IsOpen());
      EXPECT_EQ(d.Dialog().FocusedId(), D::kIdAnos);
      d.Type(D::kIdAnos, "5");
      d.Ok();
    });
    EXPECT_TRUE(ok);
    const std::vector<std::string> esperados =
        c.numero ? std::vector<std::string>{kAmortizacion}
                 : std::vector<std::string>{kNumero, kNumero};
    EXPECT_EQ(Mensajes(), esperados);
    EXPECT_EQ(registro_.modelo.m_amortizacion, 5.0);
  }
}

// DT min "1,5" is 1.5 and "1e999" is refused; a cost that is no finite
// number is refused on Enter and keeps the focus.
TEST_F(CosteMinimo, DTMinYCostesPorLaReglaDelNumero) {
  const bool ok = Correr(CuatroCorrientes(), [&](Driver& d) {
    d.Type(D::kIdDTMin, "1,5");
    d.Enter();
    // The default utilities took their temperatures at the first DT min.
    CDiagrama esperado = CuatroCorrientes();
    esperado.CalcularObjetivos();
    esperado.CosteInmovilizado(0);
    esperado.SetDTMin(1.5);
    EsperarCostes(d, esperado);
    const std::string total = d.Text(D::kIdCosteTotal);
    const struct {
      int id;
      const char* texto;
      const char* bueno;  // typed back afterwards
    } casos[] = {{D::kIdDTMin, "1e999", "1,5"},
                 {D::kIdCosteServicio, "1e400", "50"},
                 {D::kIdA + 1, "9x", "920"}};
    for (const auto& c : casos) {
      SCOPED_TRACE(c.texto);
      runner_.Clear();
      d.Type(c.id, c.texto);
      d.Enter();
      EXPECT_EQ(Mensajes(), std::vector<std::string>{"Introduzca un número."});
      EXPECT_EQ(d.Dialog().FocusedId(), c.id);
      EXPECT_EQ(d.Text(D::kIdCosteTotal), total);
      d.Type(c.id, c.bueno);
    }
    // A cost with a decimal comma.
    d.Type(D::kIdCosteServicio, "62,5");
    d.Enter();
    esperado.m_costeCaliente = 62.5;
    EsperarCostes(d, esperado);
    d.Ok();
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(registro_.modelo.m_dtMin, 1.5);
  EXPECT_EQ(registro_.modelo.m_costeCaliente, 62.5);
}

TEST_F(CosteMinimo, LosAnosSoloSeLeenAlRecalcular) {
  Correr(CuatroCorrientes(), [](Driver& d) {
    const std::string total = d.Text(D::kIdCosteTotal);
    d.Type(D::kIdAnos, "20");
    d.Focus(D::kIdInteres);
    EXPECT_EQ(d.Text(D::kIdCosteTotal), total);
    d.Focus(D::kIdLang);  // leaving the interest recalculates
    EXPECT_NE(d.Text(D::kIdCosteTotal), total);
    d.Cancel();
  });
}

TEST_F(CosteMinimo, TresServiciosDefinidosEnAmbosGrupos) {
  Correr(CuatroCorrientesConTresServicios(), [](Driver& d) {
    EXPECT_EQ(d.Text(D::kIdNombreServicioOp), "Vapor");
    EXPECT_EQ(d.Text(D::kIdCosteServicio), "10.");
    for (int spin : {D::kIdSpinServicio, D::kIdSpinServicioOp}) d.Step(spin, 3);
    EXPECT_EQ(d.Text(D::kIdServicio), "3");
    EXPECT_EQ(d.Text(D::kIdServicioOp), "3");
    EXPECT_EQ(d.Text(D::kIdNombreServicio), "Agua 2");
    d.Type(D::kIdCosteServicio, "12.5");
    d.Type(D::kIdAServicio + 1, "1000");
    d.Enter();
    d.Ok();
  });
  EXPECT_EQ(registro_.modelo.m_servicios[2].m_coste, 12.5);
  EXPECT_EQ(registro_.modelo.m_servicios[2].m_b, 1000.0);
  EXPECT_EQ(registro_.modelo.m_servicios[0].m_coste, 10.0);
}

TEST_F(CosteMinimo, LosCoeficientesAceptadosVuelvenYRecalculan) {
  for (const bool aceptar : {true, false}) {
    SCOPED_TRACE(aceptar);
    runner_.Clear();
    std::string antes, despues;
    Correr(CuatroCorrientes(), [&](Driver& d) {
      antes = d.Text(D::kIdCosteInmovilizado);
      runner_.ScriptDialog([aceptar](Driver& c) {
        EXPECT_EQ(c.Text(1001), "2.");  // the first stream's coefficient
        c.Type(1001, "0.5");
        aceptar ? c.Ok() : c.Cancel();
      });
      d.Click(D::kIdCoeficientes);
      despues = d.Text(D::kIdCosteInmovilizado);
      d.Ok();
    });
    EXPECT_EQ(runner_.Log().at(1).text, "Coeficientes de Transmisión de Calor");
    EXPECT_EQ(registro_.modelo.m_corrientes[0].m_h, aceptar ? 0.5 : 2.0);
    EXPECT_EQ(despues != antes, aceptar);
  }
}

}  // namespace
}  // namespace vardo::prueba

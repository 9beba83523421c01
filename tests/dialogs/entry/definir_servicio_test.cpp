// "Definir Servicio" and "Función de Ajuste": a utility's curve typed as a
// table or made from a formula, stored normalised.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/core/charts/tabla_puntos.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/dlg_definir_servicio.h"
#include "dialogs/entry/registro.h"
#include "servicios_prueba.h"
#include "tests/comun/problemas.h"

namespace vardo::prueba {
namespace {

using D = CDefinirServicioDlg;
using F = CFuncionAjusteDlg;

std::string Png(const std::string& nombre) { return std::string(::testing::TempDir()) + nombre + ".png"; }

std::vector<std::pair<std::string, std::string>> Filas(Celdix& t) {
  std::vector<std::pair<std::string, std::string>> v;
  for (int r = 1; r < t.Rows(); ++r)
    v.emplace_back(t.TextMatrix(r, 0).toStdString(), t.TextMatrix(r, 1).toStdString());
  return v;
}

// Types a table into the grid: as many rows as given, added with the grid's
// button (each new row copies the one above) and then edited.
void EscribirTabla(Celdix& t, const std::vector<std::pair<std::string, std::string>>& filas) {
  while (t.Rows() - 1 < static_cast<int>(filas.size())) PulsarBoton(t.AddButton());
  for (std::size_t i = 0; i < filas.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    EditCell(t, r, 0, filas[i].first);
    if (r > 1) EditCell(t, r, 1, filas[i].second);
  }
}

class DefinirServicio : public ::testing::Test {
 protected:
  std::vector<std::string> Mensajes() const {
    std::vector<std::string> v;
    for (const RunRecord& r : runner_.Log())
      if (r.kind == RunRecord::Kind::Message) v.push_back(r.text);
    return v;
  }
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

TEST_F(DefinirServicio, LaTablaSeGuardaNormalizada) {
  struct Caso {
    const char* nombre;
    std::vector<std::pair<std::string, std::string>> filas;
    int fria, latente, lineal;
    std::vector<double> T, H;
    bool corregida;  // the table was corrected and the user told so
  };
  const Caso casos[] = {
      {"latente caliente", {{"300", "0"}, {"300", "-50"}}, 0, 1, 1, {300, 300}, {0, -1}, false},
      {"tres puntos crecientes", {{"280", "0"}, {"290", "20"}, {"300", "80"}}, 1, 0, 0,
       {280, 290, 300}, {0, 0.25, 1}, false},
      {"sensible caliente", {{"500", "0"}, {"450", "40"}}, 0, 0, 1, {500, 450}, {0, -1}, false},
      // The third enthalpy falls: it takes the one above.
      {"no monotona", {{"300", "0"}, {"350", "120"}, {"400", "100"}}, 1, 0, 0, {300, 350, 400},
       {0, 1, 1}, true},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    CServicios s = ServicioLatente(1, 0, 1);
    runner_.ScriptDialog([&](Driver& drv) {
      Celdix& t = *drv.Dialog().Get<Celdix>(D::kIdTabla);
      EXPECT_EQ(t.TextMatrix(0, 0), "T(K)");
      EXPECT_EQ(t.TextMatrix(0, 1), "H(kW)");
      EscribirTabla(t, c.filas);
      if (c.filas.size() == 3) drv.Grab(Png("definir_servicio"));
      drv.Ok();
    });
    ASSERT_TRUE(EjecutarDefinirServicio(nullptr, s));
    EXPECT_EQ(Mensajes(), c.corregida ? std::vector<std::string>{kMsgTablaNoMonotona}
                                      : std::vector<std::string>{});
    EXPECT_EQ(s.m_fria, c.fria);
    EXPECT_EQ(s.m_latente, c.latente);
    EXPECT_EQ(s.m_lineal, c.lineal);
    EXPECT_EQ(s.m_T, c.T);
    EXPECT_EQ(s.m_H, c.H);
  }
}

TEST_F(DefinirServicio, LasCeldasPorLaReglaDeLosNumeros) {
  // A decimal comma is a decimal point; a temperature not above 0 K keeps
  // the dialog open on OK with the message, that cell opened, nothing stored.
  struct Caso {
    int fila, columna;
    const char* texto;
    bool tomado;
  };
  const Caso casos[] = {
      {2, 0, "295,5", true}, {2, 1, "40,5", true}, {1, 0, "0", false}, {2, 0, "-5", false}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.texto);
    runner_.Clear();
    CServicios s = ServicioSensible(280, 290, 0);
    bool abierto = false;
    std::string editado;
    runner_.ScriptDialog([&](Driver& drv) {
      Celdix& t = *drv.Dialog().Get<Celdix>(D::kIdTabla);
      EditCell(t, c.fila, c.columna, c.texto);
      drv.Ok();
      abierto = drv.Dialog().IsOpen();
      if (abierto) {
        editado = t.TextEditor()->selectedText().toStdString();
        drv.Cancel();
      }
    });
    EXPECT_EQ(EjecutarDefinirServicio(nullptr, s), c.tomado);
    EXPECT_EQ(abierto, !c.tomado);
    if (c.tomado) {
      EXPECT_TRUE(Mensajes().empty());
      if (c.columna == 0) EXPECT_EQ(s.m_T, (std::vector<double>{280, 295.5}));
      else EXPECT_EQ(s.m_T, (std::vector<double>{280, 290}));
    } else {
      EXPECT_EQ(Mensajes(), std::vector<std::string>{"Introduzca una temperatura mayor que 0 K."});
      EXPECT_EQ(editado, c.texto);
      EXPECT_EQ(s.m_T, (std::vector<double>{280, 290}));
    }
  }
}

TEST_F(DefinirServicio, NoSeBorraLaUltimaFilaDeDatos) {
  CServicios s = ServicioSensible(280, 290, 0);
  std::vector<std::pair<std::string, std::string>> filas;
  runner_.ScriptDialog([&](Driver& drv) {
    Celdix& t = *drv.Dialog().Get<Celdix>(D::kIdTabla);
    EditCell(t, 1, 0, "275");
    ClickCell(t, 2, 0);
    PulsarBoton(t.DelButton());  // confirmed; one data row would be left
    filas = Filas(t);
    drv.Cancel();
  });
  EXPECT_FALSE(EjecutarDefinirServicio(nullptr, s));
  // The second row copies the first, whose enthalpy then reads "0".
  EXPECT_EQ(filas, (std::vector<std::pair<std::string, std::string>>{{"275", "0"}, {"275", "0."}}));
  const std::vector<std::string> m = Mensajes();
  ASSERT_FALSE(m.empty());
  EXPECT_EQ(m.back(),
            "No se puede borrar la línea.\n\nLa tabla de entalpía debe tener al menos dos líneas.");
  EXPECT_EQ(s.m_T, (std::vector<double>{280, 290}));  // Cancel kept the utility
}

// A curve that ends at enthalpy 0 holds no heat: OK says so and the dialog
// stays open until the last enthalpy is made non-zero. The same after the
// repair a deletion makes ((T, 0), (T, 0.)).
TEST_F(DefinirServicio, UnaCurvaQueAcabaEnEntalpiaCeroNoSeAcepta) {
  struct Caso {
    const char* nombre;
    bool borrar;  // one row deleted, the repair making the table
    std::vector<std::pair<std::string, std::string>> filas;
    std::string ultima;  // the last enthalpy typed afterwards
    std::vector<double> T, H;
  };
  const Caso casos[] = {
      {"dos puntos", false, {{"300", "0"}, {"310", "0"}}, "10", {300, 310}, {0, 1}},
      {"tres puntos", false, {{"310", "0"}, {"305", "0"}, {"300", "0"}}, "-20",
       {310, 305, 300}, {0, 0, -1}},
      {"tras borrar", true, {}, "-50", {275, 275}, {0, -1}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    CServicios s = ServicioSensible(280, 290, 10);
    bool abierto = false;
    runner_.ScriptDialog([&](Driver& drv) {
      Celdix& t = *drv.Dialog().Get<Celdix>(D::kIdTabla);
      if (c.borrar) {
        EditCell(t, 1, 0, "275");
        ClickCell(t, 2, 0);
        PulsarBoton(t.DelButton());
      } else {
        EscribirTabla(t, c.filas);
      }
      drv.Ok();
      abierto = drv.Dialog().IsOpen();
      if (!c.borrar && c.filas.size() == 2) drv.Grab(Png("definir_servicio_entalpia_nula"));
      EditCell(t, t.Rows() - 1, 1, c.ultima);
      drv.Ok();
    });
    EXPECT_TRUE(EjecutarDefinirServicio(nullptr, s));
    EXPECT_TRUE(abierto);
    const std::vector<std::string> m = Mensajes();
    EXPECT_EQ(std::count(m.begin(), m.end(), std::string(kMsgEntalpiaFinalNula)), 1);
    EXPECT_EQ(s.m_T, c.T);
    EXPECT_EQ(s.m_H, c.H);
  }
}

TEST_F(DefinirServicio, FuncionDeAjuste) {
  struct Caso {
    const char* nombre;
    const char* funcion;
    int forma;  // 0 H = f(T), 1 T = f(H)
    bool calcular;
    std::vector<std::pair<std::string, std::string>> filas;
    std::vector<std::string> mensajes;
  };
  const Caso casos[] = {
      // Accepted before the control computed a table: nothing changes.
      {"sin tabla", "", 0, false, {{"280.", "0."}, {"290.", "1."}}, {}},
      {"H = f(T) con entalpía inicial", "2*X+25", 0, true,
       {{"0.", "0."}, {"5.", "10."}, {"10.", "20."}}, {kMsgEntalpiaInicial}},
      {"T = f(H)", "300+X", 1, true, {{"300.", "0."}, {"305.", "5."}, {"310.", "10."}}, {}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    CServicios s = ServicioSensible(280, 290, 0);
    std::vector<std::pair<std::string, std::string>> filas;
    runner_.ScriptDialog([&](Driver& drv) {
      runner_.ScriptDialog([&](Driver& f) {
        Tabulix& tab = *f.Dialog().Get<Tabulix>(F::kIdTabulix);
        EXPECT_EQ(f.Dialog().RadioIndex(F::kIdHT), 0);
        if (c.calcular) {
          TypeTableBox(tab.XIniText(), "0");
          TypeTableBox(tab.XFinText(), "10");
          TypeTableBox(tab.NumText(), "3");
          TypeTableBox(tab.FuncionText(), c.funcion);
        }
        if (c.forma == 1) f.Click(F::kIdTH);
        f.Grab(Png("funcion_ajuste"));
        f.Ok();
      });
      drv.Click(D::kIdFuncion);
      filas = Filas(*drv.Dialog().Get<Celdix>(D::kIdTabla));
      drv.Ok();
    });
    ASSERT_TRUE(EjecutarDefinirServicio(nullptr, s));
    EXPECT_EQ(filas, c.filas);
    EXPECT_EQ(Mensajes(), c.mensajes);
    EXPECT_EQ(s.m_ajustada, c.calcular ? 1 : 0);
    if (c.calcular) {
      EXPECT_EQ(s.GetAjuste(), c.funcion);
      EXPECT_EQ(s.m_formaHT, c.forma == 0 ? 1 : 0);
    }
  }
}

}  // namespace
}  // namespace vardo::prueba

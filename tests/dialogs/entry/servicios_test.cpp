// The utilities sheet "Servicios Generales" through the program's dialog
// factory, driven as a user drives it: the add page's table, the combine
// page's bars and fitted curves, the costs page.
#include <QScrollBar>
#include <gtest/gtest.h>

#include <algorithm>

#include "app/core/entry/servicios_generales.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/dlg_definir_servicio.h"
#include "dialogs/entry/registro.h"
#include "servicios_prueba.h"
#include "platform/core/numtext.h"
#include "tests/comun/problemas.h"

namespace vardo::prueba {
namespace {

using A = CAddSGDlg;
using C = CCombinarSGDlg;
using O = COptimizarSGDlg;

std::string Png(const std::string& nombre) { return std::string(::testing::TempDir()) + nombre + ".png"; }

// The four-stream problem (Qh 20, Qc 60, shifted pinch 358.15) with the
// given utilities.
CDiagrama Problema(std::vector<CServicios> servicios) {
  return CuatroCorrientesConServicios(std::move(servicios));
}

CServicios Nombrado(CServicios s, const char* nombre) {
  s.SetNombre(nombre);
  return s;
}

// Heating at 400 K and cooling at 380 K with these loads; maxima 20 (55.275
// flow at 395 K shifted, but only 20 at 438.15 above it) and 0 (above the
// pinch, where nothing flows below it).
CDiagrama Bolsillo(std::vector<double> calor, std::vector<double> frio) {
  std::vector<CServicios> v;
  for (double c : calor) v.push_back(Nombrado(ServicioLatente(400, c, 0), "Vapor"));
  for (double c : frio) v.push_back(Nombrado(ServicioLatente(380, c, 1), "Agua"));
  return Problema(v);
}

// Utilities whose curve is set against the process one on "Combinar": steam
// at 473.15 and 453.15 K, above the process (at most 20 kW each), cooling
// water 278.15 -> 288.15 K, below it (at most 60 kW), and a cooler at 380 K,
// above the pinch (at most 0 kW). They fit while the steam gives at
// most 20 kW in all, the water takes at most 60 and the cooler nothing.
CServicios Vapor(double carga) { return Nombrado(ServicioLatente(473.15, carga, 0), "Vapor"); }
CServicios VaporBajo(double carga) {
  return Nombrado(ServicioLatente(453.15, carga, 0), "Vapor bajo");
}
CServicios Agua(double carga) { return Nombrado(ServicioSensible(278.15, 288.15, carga), "Agua"); }
CServicios AguaAlta(double carga) { return Nombrado(ServicioLatente(380, carga, 1), "Agua alta"); }
// Steam at 360 K, below the pinch (at most 7.875 kW): any load crosses.
CServicios VaporBajoElPinch(double carga) {
  return Nombrado(ServicioLatente(360, carga, 0), "Vapor");
}

// The four streams in two shown integrity areas, two in each; no utilities.
CDiagrama DosAreasMostradas() {
  CDiagrama d = CuatroCorrientes();
  d.AddArea("Planta 1", 0);
  d.AddArea("Planta 2", 0);
  d.m_areas[0].mostrada = d.m_areas[1].mostrada = 1;
  for (std::int32_t i = 0; i < 4; ++i) {
    d.m_corrientes[static_cast<std::size_t>(i)].m_area = i / 2;
    d.m_areas[static_cast<std::size_t>(i / 2)].AddCorriente(i);
  }
  return d;
}

std::vector<double> Cargas(const CDiagrama& d) {
  std::vector<double> v;
  for (const CServicios& s : d.m_servicios) v.push_back(s.m_carga);
  return v;
}

class Servicios : public ::testing::Test {
 protected:
  Servicios() { RegistrarDialogosEntrada(fabrica_); }

  // Runs the sheet on the problem from page `pagina`; the script drives it.
  bool Correr(CDiagrama& d, int pagina, std::function<void(Driver&)> guion) {
    runner_.ScriptDialog(std::move(guion));
    DlgServicios dlg;
    dlg.pagina = pagina;
    dlg.modelo = d;
    const bool ok = fabrica_.Servicios(dlg);
    if (ok) d = dlg.modelo;
    return ok;
  }
  int Pitidos() const {
    int n = 0;
    for (const RunRecord& r : runner_.Log())
      if (r.kind == RunRecord::Kind::Beep) {
        EXPECT_EQ(r.frequency, 1000);
        EXPECT_EQ(r.duration, 50);
        ++n;
      }
    return n;
  }
  std::vector<std::string> Mensajes() const {
    std::vector<std::string> v;
    for (const RunRecord& r : runner_.Log())
      if (r.kind == RunRecord::Kind::Message) v.push_back(r.text);
    return v;
  }

  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

// ================================================================ "Añadir"

TEST_F(Servicios, AnadirMuestraLaTablaConSusColoresYTipos) {
  EXPECT_TRUE(fabrica_.Disponible(DialogoId::ServGenSheet));
  CDiagrama d = Problema({Nombrado(ServicioLatente(473.15, 20, 0), "Vapor"),
                          Nombrado(ServicioSensible(278.15, 288.15, 60), "Agua")});
  std::vector<std::vector<std::string>> filas;
  std::string titulo, pagina;
  ASSERT_TRUE(Correr(d, 1, [&](Driver& drv) {
    titulo = drv.Dialog().windowTitle().toStdString();
    pagina = Hoja(drv).ActivePage()->Layout().caption;
    Celdix& t = *Hoja(drv).m_add.Get<Celdix>(A::kIdTabla);
    for (int r = 0; r < t.Rows(); ++r) {
      filas.emplace_back();
      for (int c = 0; c < t.Cols(); ++c) filas.back().push_back(t.TextMatrix(r, c).toStdString());
    }
    EXPECT_EQ(t.Grid()->CellBackColor(1, 3), kColorCalefaccion);
    EXPECT_EQ(t.Grid()->CellBackColor(2, 3), kColorRefrigeracion);
    drv.Grab(Png("servicios_anadir"));
    ClickCell(t, 2, 1);  // the chart follows the selected row
    drv.Grab(Png("servicios_anadir_agua"));
    drv.Ok();
  }));
  EXPECT_EQ(titulo, "Servicios Generales");
  EXPECT_EQ(pagina, "Añadir");
  using F = std::vector<std::string>;
  ASSERT_EQ(filas.size(), 3u);
  EXPECT_EQ(filas[0], (F{"Nº", "Descripción", "Servicio", "Calor", "T ent(K)", "T sal(K)", "H max(kW)"}));
  EXPECT_EQ(filas[1], (F{"1", "Vapor", "Calefacción", "Latente", "473.15", "473.15", "-20."}));
  EXPECT_EQ(filas[2], (F{"2", "Agua", "Refrigeración", "Sensible", "278.15", "288.15", "60."}));
}

TEST_F(Servicios, AnadirCasosDeLaTabla) {
  struct Caso {
    const char* nombre;
    std::vector<CServicios> servicios;
    std::function<void(Driver&, Celdix&)> accion;
    // The model handed back and the utilities the table listed at the end.
    std::function<void(const CDiagrama&, const std::vector<std::int32_t>&)> comprobar;
  };
  const Caso casos[] = {
      {"sin servicios: solo la fila de títulos", {},
       [](Driver&, Celdix& t) { EXPECT_EQ(t.Rows(), 1); },
       [](const CDiagrama& d, const std::vector<std::int32_t>& listados) {
         EXPECT_EQ(d.GetNumServicios(), 0);
         EXPECT_TRUE(listados.empty());
       }},
      {"entre las temperaturas de pinch pasa a refrigeración",
       {Nombrado(ServicioLatente(340, 0, 1), "X")},
       [](Driver&, Celdix& t) {
         // Typed into a row so that the utility lies within DT min/2 of the pinch.
         EditCell(t, 1, 4, "360");
         EXPECT_EQ(t.TextMatrix(1, 4), "353.15");
         EXPECT_EQ(t.TextMatrix(1, 2), "Refrigeración");
       },
       [](const CDiagrama& d, const std::vector<std::int32_t>&) {
         EXPECT_DOUBLE_EQ(d.m_servicios[0].GetT1(), 353.15);
         EXPECT_EQ(d.m_servicios[0].m_fria, 1);
       }},
      {"latente: la salida no se escribe", {Nombrado(ServicioLatente(473.15, 0, 0), "Vapor")},
       [](Driver&, Celdix& t) {
         EditCell(t, 1, 5, "400");
         EXPECT_EQ(t.TextMatrix(1, 5), "473.15");
       },
       [](const CDiagrama& d, const std::vector<std::int32_t>&) {
         EXPECT_DOUBLE_EQ(d.m_servicios[0].GetT2(), 473.15);
       }},
      {"borrar la fila del medio",
       {Nombrado(ServicioLatente(473.15, 0, 0), "A"), Nombrado(ServicioLatente(480, 0, 0), "B"),
        Nombrado(ServicioLatente(280, 0, 1), "C")},
       [](Driver&, Celdix& t) {
         ClickCell(t, 2, 1);
         PulsarBoton(t.DelButton());  // confirmed
         ASSERT_EQ(t.Rows(), 3);
         EXPECT_EQ(t.TextMatrix(2, 0), "2");
         EXPECT_EQ(t.TextMatrix(2, 1), "C");
       },
       [](const CDiagrama& d, const std::vector<std::int32_t>&) {
         ASSERT_EQ(d.GetNumServicios(), 2);
         EXPECT_EQ(d.m_servicios[0].GetNombre(), "A");
         EXPECT_EQ(d.m_servicios[1].GetNombre(), "C");
       }},
      {"pegar una fila de entrada igual a salida la hace latente",
       {Nombrado(ServicioSensible(278.15, 288.15, 0), "Agua")},
       [](Driver&, Celdix& t) {
         Pegar(t, "\tRio\t\tSensible\t290\t290\t");
         EXPECT_EQ(t.TextMatrix(1, 3), "Latente");
       },
       [](const CDiagrama& d, const std::vector<std::int32_t>&) {
         EXPECT_EQ(d.m_servicios[0].GetNombre(), "Rio");
         EXPECT_EQ(d.m_servicios[0].m_latente, 1);
         EXPECT_EQ(d.m_servicios[0].m_fria, 1);
       }},
      {"añadir línea añade un servicio por defecto", {},
       [](Driver&, Celdix& t) {
         PulsarBoton(t.AddButton());
         ASSERT_EQ(t.Rows(), 2);
         EXPECT_EQ(t.TextMatrix(1, 0), "1");
       },
       [](const CDiagrama& d, const std::vector<std::int32_t>& listados) {
         EXPECT_EQ(d.GetNumServicios(), 1);
         EXPECT_EQ(listados, std::vector<std::int32_t>{0});
       }},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = Problema(c.servicios);
    std::vector<std::int32_t> listados;
    ASSERT_TRUE(Correr(d, 1, [&](Driver& drv) {
      c.accion(drv, *Hoja(drv).m_add.Get<Celdix>(A::kIdTabla));
      listados = Hoja(drv).m_add.Listados();
      drv.Ok();
    }));
    c.comprobar(d, listados);
  }
}

TEST_F(Servicios, AnadirTemperaturasPorLaReglaDeLosNumeros) {
  // Steam at 473.15 K and water 278.15 -> 288.15 K. A decimal comma is a
  // decimal point; a temperature the rule refuses changes nothing: one
  // message, the cell shows its text again, the utility stays.
  const char* numero = "Introduzca un número.";
  const char* temperatura = "Introduzca una temperatura mayor que 0 K.";
  struct Caso {
    int fila, columna;
    const char* texto;
    const char* mensaje;  // nullptr: taken
    double t1, t2;        // of that row's utility, afterwards
  };
  const Caso casos[] = {
      // A heating utility at 400.5 K, not a cooler at 0 K.
      {1, 4, "400,5", nullptr, 400.5, 400.5},
      {2, 5, "295,25", nullptr, 278.15, 295.25},
      {2, 5, "abc", numero, 278.15, 288.15},
      {2, 5, "", numero, 278.15, 288.15},
      {2, 5, "4x0", numero, 278.15, 288.15},
      {2, 5, "1e999", numero, 278.15, 288.15},
      {2, 5, "-5", temperatura, 278.15, 288.15},
      {1, 4, "0", temperatura, 473.15, 473.15},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.texto) + " en la columna " + std::to_string(c.columna));
    runner_.Clear();
    CDiagrama d = Problema({Nombrado(ServicioLatente(473.15, 0, 0), "Vapor"),
                            Nombrado(ServicioSensible(278.15, 288.15, 0), "Agua")});
    std::string celda, servicio;
    int foco = -1;
    ASSERT_TRUE(Correr(d, 1, [&](Driver& drv) {
      Celdix& t = *Hoja(drv).m_add.Get<Celdix>(A::kIdTabla);
      EditCell(t, c.fila, c.columna, c.texto);
      if (&c == &casos[0]) drv.Grab(Png("servicios_anadir_coma"));
      celda = t.TextMatrix(c.fila, c.columna).toStdString();
      servicio = t.TextMatrix(c.fila, 2).toStdString();
      foco = Hoja(drv).m_add.FocusedId();
      drv.Ok();
    }));
    const CServicios& s = d.m_servicios[static_cast<std::size_t>(c.fila - 1)];
    EXPECT_DOUBLE_EQ(s.GetT1(), c.t1);
    EXPECT_DOUBLE_EQ(s.GetT2(), c.t2);
    if (c.mensaje) {
      EXPECT_EQ(Mensajes(), std::vector<std::string>{c.mensaje});
      EXPECT_EQ(celda, c.fila == 1 ? "473.15" : "288.15");
      EXPECT_EQ(foco, A::kIdTabla);
    } else {
      EXPECT_TRUE(Mensajes().empty());
      EXPECT_EQ(celda, c.columna == 4 ? "400.5" : "295.25");
    }
    EXPECT_EQ(servicio, c.fila == 1 ? "Calefacción" : "Refrigeración");
  }
}

TEST_F(Servicios, EscapeEnUnaCeldaDejaSuTextoYUnSegundoEscapeCancelaLaHoja) {
  CDiagrama d = Problema({Nombrado(ServicioLatente(473.15, 0, 0), "Vapor"),
                          Nombrado(ServicioSensible(278.15, 288.15, 0), "Agua")});
  bool abiertaTrasElPrimero = false, editorAbierto = true, abiertaTrasElSegundo = true;
  std::string celda;
  const bool ok = Correr(d, 1, [&](Driver& drv) {
    Celdix& t = *Hoja(drv).m_add.Get<Celdix>(A::kIdTabla);
    ClickCell(t, 2, 5);
    QLineEdit* editor = t.TextEditor();
    ASSERT_TRUE(t.EditorOpen());
    editor->selectAll();
    TypeKeys(editor, "350");
    QTest::keyClick(editor, Qt::Key_Escape);
    abiertaTrasElPrimero = drv.Dialog().IsOpen() && drv.Dialog().isVisible();
    editorAbierto = t.EditorOpen();
    celda = t.TextMatrix(2, 5).toStdString();
    if (!drv.Dialog().IsOpen()) return;
    // No editor open now: Escape is the sheet's own.
    drv.Escape();
    abiertaTrasElSegundo = drv.Dialog().IsOpen();
  });
  EXPECT_TRUE(abiertaTrasElPrimero);
  EXPECT_FALSE(editorAbierto);
  EXPECT_EQ(celda, "288.15");
  EXPECT_FALSE(abiertaTrasElSegundo);
  EXPECT_FALSE(ok);
  EXPECT_TRUE(Mensajes().empty());
  EXPECT_DOUBLE_EQ(d.m_servicios[1].GetT2(), 288.15);
}

TEST_F(Servicios, AnadirUnaTemperaturaQueNoSeTocoSeTomaComoEsta) {
  // A utility at 0 K, as a file may bring it: renaming it asks nothing.
  CDiagrama d = Problema({Nombrado(ServicioSensible(278.15, 288.15, 0), "Agua")});
  d.m_servicios[0].m_T = {0, 0};
  ASSERT_TRUE(Correr(d, 1, [](Driver& drv) {
    EditCell(*Hoja(drv).m_add.Get<Celdix>(A::kIdTabla), 1, 1, "Agua fría");
    drv.Ok();
  }));
  EXPECT_TRUE(Mensajes().empty());
  EXPECT_EQ(d.m_servicios[0].GetNombre(), "Agua fría");
}

TEST_F(Servicios, AnadirPegarConComaYPegadoRechazado) {
  for (bool bueno : {true, false}) {
    SCOPED_TRACE(bueno);
    runner_.Clear();
    CDiagrama d = Problema({Nombrado(ServicioSensible(278.15, 288.15, 0), "Agua")});
    int filas = 0;
    ASSERT_TRUE(Correr(d, 1, [&](Driver& drv) {
      Celdix& t = *Hoja(drv).m_add.Get<Celdix>(A::kIdTabla);
      Pegar(t, bueno ? "\tRio\t\tSensible\t280,5\t290,25\t" : "\tRio\t\tSensible\t280,5\tabc\t");
      filas = t.Rows();
      drv.Ok();
    }));
    EXPECT_EQ(filas, 2);
    const CServicios& s = d.m_servicios[0];
    if (bueno) {
      EXPECT_TRUE(Mensajes().empty());
      EXPECT_EQ(s.GetNombre(), "Rio");
      EXPECT_DOUBLE_EQ(s.GetT1(), 280.5);
      EXPECT_DOUBLE_EQ(s.GetT2(), 290.25);
    } else {
      EXPECT_EQ(Mensajes(), std::vector<std::string>{"Introduzca un número."});
      EXPECT_EQ(s.GetNombre(), "Agua");
      EXPECT_DOUBLE_EQ(s.GetT2(), 288.15);
    }
  }
}

TEST_F(Servicios, CombinadoAbreLaDefinicionUnaVezYQuedaCombinadoAlCancelar) {
  CDiagrama d = Problema({Nombrado(ServicioSensible(278.15, 288.15, 0), "Agua")});
  std::string calor;
  ASSERT_TRUE(Correr(d, 1, [&](Driver& drv) {
    runner_.ScriptDialog([](Driver& def) { def.Cancel(); });
    Celdix& t = *Hoja(drv).m_add.Get<Celdix>(A::kIdTabla);
    ElegirEnCelda(t, 1, 3, 2);
    calor = t.TextMatrix(1, 3).toStdString();
    EditCell(t, 1, 1, "Agua de río");  // a later edit asks no more
    drv.Ok();
  }));
  int definiciones = 0;
  for (const RunRecord& r : runner_.Log()) definiciones += r.text == "Definir Servicio";
  EXPECT_EQ(definiciones, 1);
  EXPECT_EQ(calor, "Combinado");
  EXPECT_EQ(d.m_servicios[0].GetNombre(), "Agua de río");
  EXPECT_EQ(d.m_servicios[0].m_lineal, 0);
  EXPECT_EQ(d.m_servicios[0].m_latente, 0);
}

TEST_F(Servicios, DobleClicDefineElServicioDeLaFila) {
  CDiagrama d = Problema({Nombrado(ServicioLatente(473.15, 0, 0), "Vapor"),
                          Nombrado(ServicioSensible(278.15, 288.15, 0), "Agua")});
  std::string calor;
  ASSERT_TRUE(Correr(d, 1, [&](Driver& drv) {
    runner_.ScriptDialog([](Driver& def) {
      Celdix& t = *def.Dialog().Get<Celdix>(CDefinirServicioDlg::kIdTabla);
      EXPECT_EQ(t.TextMatrix(1, 0), "278.15");  // the row's own utility
      PulsarBoton(t.AddButton());
      EditCell(t, 2, 0, "283.15");
      EditCell(t, 2, 1, "0.4");
      EditCell(t, 3, 0, "288.15");
      EditCell(t, 3, 1, "1");
      def.Ok();
    });
    Celdix& t = *Hoja(drv).m_add.Get<Celdix>(A::kIdTabla);
    ClickCell(t, 2, 1);
    GridWidget* g = t.Grid();
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, Qt::NoModifier,
                       g->CellRect(2, 2).center() - g->viewport()->geometry().topLeft());
    calor = t.TextMatrix(2, 3).toStdString();
    drv.Ok();
  }));
  EXPECT_EQ(calor, "Combinado");
  const CServicios& s = d.m_servicios[1];
  EXPECT_EQ(s.m_T, (std::vector<double>{278.15, 283.15, 288.15}));
  EXPECT_EQ(s.m_lineal, 0);
  EXPECT_EQ(s.m_fria, 1);
  EXPECT_EQ(d.m_servicios[0].m_T, (std::vector<double>{473.15, 473.15}));
}

TEST_F(Servicios, PegarTresFilasConDosAreasMostradasListaTresServicios) {
  CDiagrama d = DosAreasMostradas();
  std::vector<std::string> numeros;
  ASSERT_TRUE(Correr(d, 1, [&](Driver& drv) {
    Celdix& t = *Hoja(drv).m_add.Get<Celdix>(A::kIdTabla);
    Pegar(t,
          "\tVapor\t\tLatente\t473.15\t473.15\n"
          "\tAceite\t\tSensible\t520\t480\n"
          "\tAgua\t\tSensible\t278.15\t288.15");  // the table grows (answered Yes)
    for (int r = 1; r < t.Rows(); ++r) numeros.push_back(t.TextMatrix(r, 0).toStdString());
    drv.Ok();
  }));
  EXPECT_EQ(numeros, (std::vector<std::string>{"1", "2", "3"}));
  ASSERT_EQ(d.GetNumServicios(), 3);
  EXPECT_EQ(ServiciosListados(d).size(), 3u);
  EXPECT_EQ(d.m_servicios[2].GetNombre(), "Agua");
  EXPECT_EQ(d.m_servicios[1].m_fria, 0);
}

TEST_F(Servicios, AnadirLineasConDosAreasMostradasLasLista) {
  // The grid's add button with two areas shown: each new utility joins the
  // first shown area, so that the table lists it and the next row follows.
  CDiagrama d = DosAreasMostradas();
  std::vector<std::string> numeros;
  std::vector<std::int32_t> listados;
  ASSERT_TRUE(Correr(d, 1, [&](Driver& drv) {
    Celdix& t = *Hoja(drv).m_add.Get<Celdix>(A::kIdTabla);
    PulsarBoton(t.AddButton());
    PulsarBoton(t.AddButton());
    EditCell(t, 2, 1, "Agua");
    for (int r = 1; r < t.Rows(); ++r) numeros.push_back(t.TextMatrix(r, 0).toStdString());
    listados = Hoja(drv).m_add.Listados();
    drv.Ok();
  }));
  EXPECT_EQ(numeros, (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(listados, (std::vector<std::int32_t>{0, 1}));
  ASSERT_EQ(d.GetNumServicios(), 2);
  EXPECT_EQ(d.m_servicios[1].GetNombre(), "Agua");
  for (std::int32_t k : {0, 1}) {
    EXPECT_EQ(d.m_servicios[static_cast<std::size_t>(k)].m_area, 0);
    const auto& miembros = d.m_areas[0].corrientes;
    EXPECT_EQ(std::count(miembros.begin(), miembros.end(), static_cast<std::uint32_t>(kRefServicio + k)),
              1);
  }
}

TEST_F(Servicios, AceptarDesdeCualquierPaginaEntregaLaCopiaDeLaPaginaActiva) {
  struct Caso {
    int pagina;
    std::function<void(Driver&)> editar;
    std::function<void(const CDiagrama&)> comprobar;
  };
  const Caso casos[] = {
      {1,
       [](Driver& drv) { EditCell(*Hoja(drv).m_add.Get<Celdix>(A::kIdTabla), 1, 1, "Vapor alto"); },
       [](const CDiagrama& d) { EXPECT_EQ(d.m_servicios[0].GetNombre(), "Vapor alto"); }},
      // Typed with a decimal comma, as a Spanish engineer types it.
      {2,
       [](Driver& drv) {
         TypeBar(*Hoja(drv).m_combinar.Get<Barrion>(C::kIdCalor), 0, "15,5");
         drv.Grab(Png("servicios_combinar_coma"));
       },
       [](const CDiagrama& d) { EXPECT_DOUBLE_EQ(d.m_servicios[0].m_carga, 15.5); }},
      {3, [](Driver& drv) { EditCell(*Hoja(drv).m_costes.Get<Celdix>(O::kIdCostes), 1, 2, "80,5"); },
       [](const CDiagrama& d) { EXPECT_DOUBLE_EQ(d.m_servicios[0].m_coste, 80.5); }},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.pagina);
    CDiagrama d = Bolsillo({20}, {20});
    ASSERT_TRUE(Correr(d, c.pagina, [&](Driver& drv) {
      EXPECT_EQ(Hoja(drv).ActiveIndex(), c.pagina - 1);
      c.editar(drv);
      drv.Ok();
    }));
    c.comprobar(d);
  }
  // Cancel hands nothing back.
  CDiagrama d = Bolsillo({20}, {20});
  EXPECT_FALSE(Correr(d, 3, [](Driver& drv) {
    EditCell(*Hoja(drv).m_costes.Get<Celdix>(O::kIdCostes), 1, 2, "80");
    drv.Cancel();
  }));
  EXPECT_DOUBLE_EQ(d.m_servicios[0].m_coste, 0);
}

// ================================================================ "Combinar"

TEST_F(Servicios, CombinarAlActivarMarcaElAjusteSiLasCurvasEncajan) {
  struct Caso {
    const char* nombre;
    CDiagrama d;
    bool marcada;
    int barrasCalor, barrasFrio;
    bool frioArrancado;
  };
  const Caso casos[] = {
      {"encajan", Problema({Vapor(20), Agua(60)}), true, 1, 1, true},
      {"se cruzan", Problema({Vapor(30)}), false, 1, 0, false},
      {"dos de calefacción", Problema({Vapor(10), VaporBajo(5), Agua(15)}), true, 2, 1, true},
      {"refrigeración sobre el pinch", Problema({Vapor(20), AguaAlta(10)}), false, 1, 1, true},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = c.d;
    ASSERT_TRUE(Correr(d, 2, [&](Driver& drv) {
      CCombinarSGDlg& p = Hoja(drv).m_combinar;
      EXPECT_EQ(p.Checked(C::kIdAjustar), c.marcada);
      Barrion& calor = *p.Get<Barrion>(C::kIdCalor);
      Barrion& frio = *p.Get<Barrion>(C::kIdFrio);
      EXPECT_TRUE(calor.EventosActivos());
      EXPECT_EQ(frio.EventosActivos(), c.frioArrancado);
      if (c.frioArrancado) EXPECT_EQ(frio.NumBarras(), c.barrasFrio);
      EXPECT_EQ(calor.NumBarras(), c.barrasCalor);
      EXPECT_EQ(calor.Nombre(0), "1 Vapor");
      // H -20: |H| with the fit, |H + 50| x 10 without.
      EXPECT_NEAR(calor.Maximo(0), c.marcada ? 20 : 300, 1e-9);
      if (c.nombre == std::string("encajan")) {
        EXPECT_EQ(p.Text(C::kIdTotalCalor), "20. kW/20. kW");
        EXPECT_EQ(p.Text(C::kIdTotalFrio), "60. kW/60. kW");
        EXPECT_NEAR(frio.Maximo(0), 60, 1e-9);
        drv.Grab(Png("servicios_combinar"));
      }
      drv.Ok();
    }));
  }
}

TEST_F(Servicios, CombinarConAjusteCambiosAceptadosCorregidosYRechazados) {
  // Steam 10 + 10, water 30, the cooler above the pinch 0: they fit.
  struct Caso {
    const char* nombre;
    bool frio;  // the panel typed into
    int barra;
    const char* valor;
    std::vector<double> barras;  // heating then cooling, as the panels show them
    int pitidos;
    const char* totalCalor;
  };
  const Caso casos[] = {
      {"cambio que encaja", false, 0, "5", {5, 10, 30, 0}, 0, "15. kW/20. kW"},
      // The heating side needs 20, 10 of it from the other steam: the
      // raised bar comes back to 10.
      {"subida corregida", false, 1, "15", {10, 10, 30, 0}, 0, "20. kW/20. kW"},
      // Cooling above the pinch can take nothing (its maximum is 0): its bar
      // does not go up.
      {"sobre el pinch", true, 1, "10", {10, 10, 30, 0}, 0, "20. kW/20. kW"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    CDiagrama d = Problema({Vapor(10), VaporBajo(10), Agua(30), AguaAlta(0)});
    std::vector<double> barras;
    std::string total;
    ASSERT_TRUE(Correr(d, 2, [&](Driver& drv) {
      CCombinarSGDlg& p = Hoja(drv).m_combinar;
      ASSERT_TRUE(p.Checked(C::kIdAjustar));
      Barrion& calor = *p.Get<Barrion>(C::kIdCalor);
      Barrion& frio = *p.Get<Barrion>(C::kIdFrio);
      TypeBar(c.frio ? frio : calor, c.barra, c.valor);
      for (Barrion* b : {&calor, &frio})
        for (int k = 0; k < 2; ++k) barras.push_back(b->LeerScroll(k).value_or(-1.0));
      total = p.Text(C::kIdTotalCalor);
      drv.Ok();
    }));
    EXPECT_EQ(barras, c.barras);
    EXPECT_EQ(total, c.totalCalor);
    EXPECT_EQ(Cargas(d), c.barras);
    EXPECT_EQ(Pitidos(), c.pitidos);
  }
}

TEST_F(Servicios, CombinarActivarElAjuste) {
  const char* pregunta =
      "En su configuración actual, la curva de servicios no se ajusta a la de proceso.\n\n"
      "Para conseguir que se ajusten, deberá reducir la entalpía suministrada por uno o más "
      "servicios.\n\n¿Desea establecer la entalpía de todos los servicios a 0?";
  struct Caso {
    const char* nombre;
    CDiagrama d;
    Answer respuesta;
    std::vector<double> cargas;
  };
  const Caso casos[] = {
      // Heating below the pinch: the 20 kW the heating side needs are more
      // than this steam may give, so it is refused.
      {"sí pone todo a 0", Problema({VaporBajoElPinch(5)}), Answer::Yes, {0}},
      {"no deja las cargas", Problema({VaporBajoElPinch(5)}), Answer::No, {5}},
      // The first steam would have to take 20 - 30 kW: no negative load, the
      // loads stay (the steam at 400 K may show up to 55.275 kW).
      {"resto negativo",
       Problema({Vapor(5), Nombrado(ServicioLatente(400, 30, 0), "Vapor medio"), Agua(20)}),
       Answer::No, {5, 30, 20}},
      // Water of 100 kW where 60 fit: kept, and its bar still shows it.
      {"no deja una carga mayor que su máximo", Problema({Vapor(20), Agua(100)}), Answer::No,
       {20, 100}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    CDiagrama d = c.d;
    std::vector<double> barras;
    ASSERT_TRUE(Correr(d, 2, [&](Driver& drv) {
      CCombinarSGDlg& p = Hoja(drv).m_combinar;
      ASSERT_FALSE(p.Checked(C::kIdAjustar));
      runner_.ScriptMessage(c.respuesta);
      drv.Click(C::kIdAjustar);
      EXPECT_TRUE(p.Checked(C::kIdAjustar));
      if (c.cargas.size() == 2) drv.Grab(Png("servicios_combinar_no_ajusta"));
      // Each bar shows its utility's load, heating then cooling.
      for (bool frio : {false, true}) {
        Barrion& b = *p.Get<Barrion>(frio ? C::kIdFrio : C::kIdCalor);
        int k = 0;
        for (const CServicios& s : c.d.m_servicios)
          if ((s.m_fria != 0) == frio) barras.push_back(b.LeerScroll(k++).value_or(-1.0));
      }
      drv.Ok();
    }));
    EXPECT_EQ(Mensajes(), std::vector<std::string>{pregunta});
    EXPECT_EQ(Cargas(d), c.cargas);
    EXPECT_EQ(barras, c.cargas);
    EXPECT_GE(Pitidos(), 1);
  }
}

TEST_F(Servicios, CombinarSinAjusteLimitaLasCargasYAgrandaLasBarras) {
  // Cooling 100 kW, above its maximum 0 (it stands above the pinch).
  CDiagrama d = Bolsillo({20}, {100});
  std::vector<double> maximos;
  double frioMostrado = 0;
  ASSERT_TRUE(Correr(d, 2, [&](Driver& drv) {
    CCombinarSGDlg& p = Hoja(drv).m_combinar;
    runner_.ScriptMessage(Answer::No);
    drv.Click(C::kIdAjustar);  // on: does not fit, kept
    drv.Click(C::kIdAjustar);  // off
    maximos = {p.Get<Barrion>(C::kIdCalor)->Maximo(0), p.Get<Barrion>(C::kIdFrio)->Maximo(0)};
    frioMostrado = p.Get<Barrion>(C::kIdFrio)->LeerScroll(0).value_or(-1.0);
    drv.Ok();
  }));
  ASSERT_EQ(maximos.size(), 2u);
  EXPECT_NEAR(maximos[0], std::fabs(-20 + 50) * 10, 1e-9);
  EXPECT_NEAR(maximos[1], (0 + 50) * 10, 1e-9);
  EXPECT_NEAR(frioMostrado, 0, 1e-9);
  EXPECT_NEAR(d.m_servicios[1].m_carga, 0, 1e-9);
}

// ================================================================ "Costes"

TEST_F(Servicios, CostesTablasYTotales) {
  CDiagrama d = Bolsillo({20}, {20, 0});
  d.m_servicios[0].m_coste = 100;
  d.m_servicios[1].m_coste = 10;
  d.m_servicios[2].m_coste = 999;  // load 0: costs nothing
  std::vector<std::string> anual, totales, titulos;
  ASSERT_TRUE(Correr(d, 3, [&](Driver& drv) {
    COptimizarSGDlg& p = Hoja(drv).m_costes;
    Celdix& costes = *p.Get<Celdix>(O::kIdCostes);
    Celdix& comb = *p.Get<Celdix>(O::kIdCombinacion);
    for (int c = 0; c < 7; ++c) titulos.push_back(costes.TextMatrix(0, c).toStdString());
    EXPECT_TRUE(comb.ReadOnlyTable());
    // A table only to be read shows no edit buttons, not even disabled ones.
    for (QWidget* b : {static_cast<QWidget*>(comb.CopyButton()), static_cast<QWidget*>(comb.PegarButton()),
                       static_cast<QWidget*>(comb.AddButton()), static_cast<QWidget*>(comb.DelButton())})
      EXPECT_FALSE(b->isVisibleTo(&comb));
    EXPECT_TRUE(costes.AddButton()->isVisibleTo(&costes));
    EXPECT_EQ(p.Text(O::kIdTotalCalor), "2000.");
    EXPECT_EQ(p.Text(O::kIdTotalFrio), "200.");
    drv.Grab(Png("servicios_costes"));
    EditCell(costes, 2, 2, "30");  // the annual cost follows at once
    for (int r = 1; r <= 3; ++r) anual.push_back(comb.TextMatrix(r, 2).toStdString());
    totales = {p.Text(O::kIdTotalCalor), p.Text(O::kIdTotalFrio), p.Text(O::kIdTotal)};
    drv.Ok();
  }));
  EXPECT_EQ(titulos, (std::vector<std::string>{"Nº", "Descripción", "Coste ($/kWa)",
                                                "h (kW/(m2·K))", "a", "b", "c"}));
  EXPECT_EQ(anual, (std::vector<std::string>{"2000.", "600.", "0."}));
  EXPECT_EQ(totales, (std::vector<std::string>{"2000.", "600.", "2600."}));
  EXPECT_DOUBLE_EQ(d.m_servicios[1].m_coste, 30);
}

// The sheet is as wide as its tables: with enough utilities for a vertical
// scroll bar, every column of the add page's and the costs page's tables
// ("H max(kW)" and "c" last) stands in view, with no horizontal scroll bar.
TEST_F(Servicios, LasTablasMuestranTodasSusColumnasSinDesplazarse) {
  std::vector<double> calor(6, 1.0), frio(6, 1.0);
  CDiagrama d = Bolsillo(calor, frio);
  for (int pagina : {1, 3}) {
    SCOPED_TRACE(pagina);
    ASSERT_FALSE(Correr(d, pagina, [&](Driver& drv) {
      QApplication::processEvents();
      const QList<Celdix*> tablas = drv.Dialog().findChildren<Celdix*>();
      int vistas = 0;
      for (Celdix* t : tablas) {
        if (!t->isVisibleTo(&drv.Dialog())) continue;
        ++vistas;
        GridWidget* g = t->Grid();
        EXPECT_TRUE(g->verticalScrollBar()->isVisible() || t->Rows() < 8) << t->Rows();
        EXPECT_EQ(g->horizontalScrollBar()->maximum(), 0);
        const QRect ultima = g->CellRect(0, g->Cols() - 1);
        EXPECT_LE(ultima.right() - g->viewport()->x(), g->viewport()->width())
            << g->Text(0, g->Cols() - 1).toStdString();
      }
      EXPECT_GE(vistas, 1);
      drv.Grab(Png("servicios_columnas_" + std::to_string(pagina)));
      drv.Cancel();
    }));
  }
}

TEST_F(Servicios, CostesSinServiciosYFilasFijas) {
  CDiagrama vacio = CuatroCorrientes();
  ASSERT_TRUE(Correr(vacio, 3, [](Driver& drv) {
    COptimizarSGDlg& p = Hoja(drv).m_costes;
    EXPECT_EQ(p.Get<Celdix>(O::kIdCostes)->Rows(), 1);
    EXPECT_EQ(p.Get<Celdix>(O::kIdCombinacion)->Rows(), 1);
    for (int id : {O::kIdTotalCalor, O::kIdTotalFrio, O::kIdTotal}) EXPECT_EQ(p.Text(id), "0.");
    drv.Ok();
  }));

  const std::string filas = "No está permitido modificar el número de filas de esta tabla";
  for (bool anadir : {true, false}) {
    SCOPED_TRACE(anadir);
    runner_.Clear();
    CDiagrama d = Bolsillo({20}, {20});
    int filasFinales = 0;
    ASSERT_TRUE(Correr(d, 3, [&](Driver& drv) {
      Celdix& t = *Hoja(drv).m_costes.Get<Celdix>(O::kIdCostes);
      ClickCell(t, 2, 2);
      PulsarBoton(anadir ? t.AddButton() : t.DelButton());
      filasFinales = t.Rows();
      drv.Ok();
    }));
    EXPECT_EQ(filasFinales, 3);
    EXPECT_EQ(Mensajes().back(), filas);
    EXPECT_EQ(d.GetNumServicios(), 2);
  }
}

TEST_F(Servicios, CostesPorLaReglaDeLosNumeros) {
  // Unit cost, h, a, b, c: a decimal comma is a decimal point; a text the
  // rule refuses, or a coefficient not above 0, changes nothing: one
  // message, the cell shows its text again, the grid keeps the focus.
  const char* numero = "Introduzca un número.";
  const char* coeficiente = "Introduzca un coeficiente mayor que 0.";
  struct Caso {
    int columna;
    const char* texto;
    const char* mensaje;  // nullptr: taken
    double valor;         // of that column afterwards
  };
  const Caso casos[] = {
      {2, "80,5", nullptr, 80.5},  {3, "1,5", nullptr, 1.5},  {4, "1000,5", nullptr, 1000.5},
      {5, "0,25", nullptr, 0.25},  {6, "0,6", nullptr, 0.6},  {3, "0", coeficiente, 2.5},
      {3, "-2", coeficiente, 2.5}, {3, "abc", numero, 2.5},   {4, "", numero, 10},
      {5, "4x0", numero, 20},      {6, "1e999", numero, 0.8}, {6, "1,5,0", numero, 0.8},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.texto) + " en la columna " + std::to_string(c.columna));
    runner_.Clear();
    CDiagrama d = Bolsillo({20}, {});
    CServicios& s0 = d.m_servicios[0];
    s0.m_coste = 100;
    s0.m_h = 2.5;
    s0.m_a = 10;
    s0.m_b = 20;
    s0.m_c = 0.8;
    const std::string antes = NumTexto(c.columna == 2   ? s0.m_coste
                                       : c.columna == 3 ? s0.m_h
                                       : c.columna == 4 ? s0.m_a
                                       : c.columna == 5 ? s0.m_b
                                                        : s0.m_c);
    std::string celda;
    int foco = -1;
    ASSERT_TRUE(Correr(d, 3, [&](Driver& drv) {
      Celdix& t = *Hoja(drv).m_costes.Get<Celdix>(O::kIdCostes);
      EditCell(t, 1, c.columna, c.texto);
      celda = t.TextMatrix(1, c.columna).toStdString();
      foco = Hoja(drv).m_costes.FocusedId();
      drv.Ok();
    }));
    const CServicios& s = d.m_servicios[0];
    const double valores[] = {s.m_coste, s.m_h, s.m_a, s.m_b, s.m_c};
    EXPECT_DOUBLE_EQ(valores[c.columna - 2], c.valor);
    if (c.mensaje) {
      EXPECT_EQ(Mensajes(), std::vector<std::string>{c.mensaje});
      EXPECT_EQ(celda, antes);
      EXPECT_EQ(foco, O::kIdCostes);
    } else {
      EXPECT_TRUE(Mensajes().empty());
    }
  }
}

}  // namespace
}  // namespace vardo::prueba

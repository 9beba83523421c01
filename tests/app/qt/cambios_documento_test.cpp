// Every command that changes what the document stores, run in the program as
// a user runs it (menus, keys, clicks; the real dialogs answered by a
// script): afterwards the modified mark says exactly whether the stored model
// changed, the undo history grew by the command's own steps, the count panes
// read a fresh recomputation and the browser, the streams table and the area
// bar list the model's objects. Also: the panes with no document, the area
// bar refilled while hidden, and a stream number typed before a page change
// by key.
#include <QComboBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <cmath>
#include <functional>

#include "app/core/document/ids_comandos.h"
#include "app/core/panes/barra_areas.h"
#include "app/core/panes/tabla_corrientes_panel.h"
#include "app/core/panes/visor_objetos.h"
#include "app/qt/barra_areas.h"
#include "app/qt/rejilla_corrientes.h"
#include "app/qt/visor_objetos.h"
#include "controls/grid/celdix.h"
#include "dialogs/analysis/dlg_anillos.h"
#include "dialogs/analysis/dlg_area_minima.h"
#include "dialogs/analysis/dlg_cascada.h"
#include "dialogs/analysis/dlg_coste_minimo.h"
#include "dialogs/analysis/dlg_costes_variacion.h"
#include "dialogs/analysis/dlg_dt_optima.h"
#include "dialogs/analysis/dlg_exergia.h"
#include "dialogs/analysis/dlg_remanente.h"
#include "dialogs/analysis/dlg_variacion.h"
#include "dialogs/entry/dlg_areas_integridad.h"
#include "dialogs/entry/dlg_bifurcar.h"
#include "dialogs/entry/dlg_borrar.h"
#include "dialogs/entry/dlg_cambiadores.h"
#include "dialogs/entry/dlg_servicios.h"
#include "dialogs/entry/pag_principal.h"
#include "fixture.h"
#include "model/red.h"
#include "platform/core/archive.h"
#include "tests/comun/kit_controles.h"
#include "tests/comun/problemas.h"
#include "tests/dialogs/entry/servicios_prueba.h"

namespace vardo::prueba {
namespace {

// What a file would hold of a model, less the network calculation's own
// marks of the streams it must look at again (an exchanger added and taken
// away leaves them set).
std::vector<std::uint8_t> Guardado(const CDiagrama& d) {
  CDiagrama copia;
  CopiarModeloCompleto(copia, d);
  for (CCorriente& c : copia.m_corrientes) c.m_marcaOrden = 0;
  for (CServicios& c : copia.m_servicios) c.m_marcaOrden = 0;
  Archive ar;
  copia.Serialize(ar);
  return ar.Bytes();
}

std::vector<std::string> TextosArbol(const std::vector<ElementoVisor>& raices) {
  std::vector<std::string> v;
  for (const ElementoVisor& r : raices) {
    v.push_back(r.texto);
    for (const ElementoVisor& h : r.hijos) v.push_back("  " + h.texto);
  }
  return v;
}

class CambiosDocumento : public AppFixture {
 protected:
  void Abrir(const char* ejemplo) {
    AbrirEnVentana(ejemplo);
    if (HasFatalFailure()) return;
    ASSERT_NE(Doc(), nullptr);
    ASSERT_NE(Tabla(), nullptr);
    ASSERT_NE(Visor(), nullptr);
    ASSERT_NE(Barra(), nullptr);
  }
  // The sample again in the one document window, unchanged and without
  // undo history.
  void Reabrir(const char* ejemplo) {
    if (Activo()) {
      Doc()->SetModifiedFlag(false);
      Activo()->CerrarSinPreguntar();
      Procesar();
    }
    ASSERT_NE(app_->AbrirDocumento(CopiaEjemplo(ejemplo)), nullptr);
    Procesar();
    ASSERT_NE(Doc(), nullptr);
  }
  void Teclas(int tecla, Qt::KeyboardModifiers m) {
    QTest::keyClick(Vista(), static_cast<Qt::Key>(tecla), m);
    Procesar();
  }
  CDiagrama& M() { return Doc()->m_Diagrama; }
  CRejillaCorrientesDlg* Tabla() { return Marco().findChild<CRejillaCorrientesDlg*>(); }
  CVisorObjetosDlg* Visor() { return Marco().findChild<CVisorObjetosDlg*>(); }
  CAreasBarDlg* Barra() { return Marco().findChild<CAreasBarDlg*>(); }
  // The stream selected as a click on it selects it.
  void Seleccionar(std::int32_t s) {
    M().SeleccionarCorriente(s);
    Doc()->SetTipoSeleccion(kSelCorriente);
  }
  // The view's pixel of a point of the grid diagram, and a point on a
  // stream's line.
  QPoint Pixel(Point p) {
    QWidget* lienzo = Vista()->viewport();
    const double dx = lienzo->logicalDpiX() / 2540.0, dy = lienzo->logicalDpiY() / 2540.0;
    return QPoint(static_cast<int>(std::ceil(p.x * dx)) - Vista()->horizontalScrollBar()->value(),
                  static_cast<int>(std::ceil(-p.y * dy)) - Vista()->verticalScrollBar()->value());
  }
  Point EnFila(std::int32_t ref) {
    const Rect& r = M().GetCorriente(ref).m_rect;
    return Point{r.left + 500, static_cast<std::int32_t>(r.bottom + r.Height() / 2)};
  }
  void CtrlClic(std::int32_t ref) {
    QTest::mouseClick(Vista()->viewport(), Qt::LeftButton, Qt::ControlModifier, Pixel(EnFila(ref)));
    Procesar();
  }

  std::vector<std::string> Arbol() {
    std::vector<std::string> v;
    QTreeWidget* t = Visor()->Arbol();
    for (int i = 0; i < t->topLevelItemCount(); ++i) {
      QTreeWidgetItem* r = t->topLevelItem(i);
      v.push_back(r->text(0).toStdString());
      for (int k = 0; k < r->childCount(); ++k) v.push_back("  " + r->child(k)->text(0).toStdString());
    }
    return v;
  }
  std::vector<std::vector<std::string>> FilasTabla() {
    std::vector<std::vector<std::string>> v;
    Celdix& t = Tabla()->Tabla();
    for (int r = 1; r < t.Rows(); ++r) {
      v.emplace_back();
      for (int c = 0; c < kColumnasTablaCorrientes; ++c)
        v.back().push_back(t.TextMatrix(r, c).toStdString());
    }
    return v;
  }
  std::vector<std::string> EntradasBarra() {
    std::vector<std::string> l;
    QComboBox* c = Barra()->Combo();
    for (int i = 0; i < c->count(); ++i) l.push_back(c->itemText(i).toStdString());
    return l;
  }
  std::vector<std::string> Contadores() {
    return {Marco().PaneText(kPanelCamb).toStdString(), Marco().PaneText(kPanelCal).toStdString(),
            Marco().PaneText(kPanelRef).toStdString()};
  }

  // The counts, the browser, the streams table and the area bar show the
  // model as it is (the counts recomputed on a copy).
  void PanelesAlDia() {
    CDiagrama copia;
    CopiarModeloCompleto(copia, M());
    const TextosContadores t =
        copia.m_corrientes.empty() ? ContadoresVacios() : CalcularContadores(copia);
    EXPECT_EQ(Contadores(), (std::vector<std::string>{t.camb, t.cal, t.ref}));
    // Without streams the browser is empty.
    EXPECT_EQ(Arbol(), copia.m_corrientes.empty() ? std::vector<std::string>{}
                                                  : TextosArbol(ArbolVisor(M())));
    std::vector<std::vector<std::string>> filas;
    for (const FilaTablaCorrientes& f : FilasTablaCorrientes(M()))
      filas.emplace_back(f.celdas.begin(), f.celdas.end());
    EXPECT_EQ(FilasTabla(), filas);
    EXPECT_EQ(EntradasBarra(), EntradasAreas(M()).textos);
  }
};

// In "Áreas de Integridad" of the sample with two areas: H4 leaves the second
// area for a new third one, which is shown alone.
void NuevaAreaConH4(Driver& d) {
  using A = CAreasIntegridadDlg;
  d.Click(A::kIdNueva);
  d.Choose(A::kIdAreas, 1);
  d.Choose(A::kIdSeleccionadas, 1);
  d.Click(A::kIdSacar);
  d.Choose(A::kIdAreas, 2);
  d.Choose(A::kIdDisponibles, 0);
  d.Click(A::kIdMeter);
  d.Click(A::kIdMostrarSeleccionada);
  d.Ok();
}

using Hacer = std::function<void(CambiosDocumento&)>;

struct Caso {
  const char* nombre;
  const char* ejemplo;
  Hacer preparar;  // the state the user starts from (may be empty)
  Hacer hacer;     // the command as the user runs it, its dialogs scripted
  bool cambia;     // the stored model changes
  int pasos;       // undo steps the command takes
};

// The fixture's protected members, reached from the table's functions.
class CambiosTabla : public CambiosDocumento {
 public:
  using CambiosDocumento::Doc;
  ScriptedRunner& Dialogos() { return kitRunner_; }
  ScriptedMessageRunner& Mensajes() { return runner_; }
  void Ej(int id) { ASSERT_TRUE(Ejecutar(id)); }
  void Tecla(int tecla, Qt::KeyboardModifiers m) { Teclas(tecla, m); }
  void Sel(std::int32_t s) { Seleccionar(s); }
  void Clic(std::int32_t ref) { CtrlClic(ref); }
  void Modelo(const CDiagrama& m) {
    M() = m;
    Doc()->SetModifiedFlag(false);
    Doc()->ActualizarContadores();
    Procesar();
  }
};

CambiosTabla& T(CambiosDocumento& f) { return static_cast<CambiosTabla&>(f); }

const Caso kCasos[] = {
    {"hoja de corrientes: un nombre", "cuatro_corrientes.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         d.Type(CCorrientesDlg::kIdNombre, "Alimento");
         d.Ok();
       });
       T(f).Tecla(Qt::Key_S, Qt::ControlModifier);
     },
     true, 1},
    {"hoja de corrientes: Aceptar sin cambios", "cuatro_corrientes.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) { d.Ok(); });
       T(f).Tecla(Qt::Key_S, Qt::ControlModifier);
     },
     false, 1},
    {"borrar una corriente", "servicios_y_area.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         d.Click(CBorrarDlg::kIdUno);
         d.Choose(CBorrarDlg::kIdLista, 1);
         d.Ok();
       });
       T(f).Mensajes().Script({Answer::Yes});
       T(f).Ej(cmd::kBorrarCorrientes);
     },
     true, 1},
    {"borrar todas las corrientes", "servicios_y_area.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         d.Click(CBorrarDlg::kIdTodos);
         d.Ok();
       });
       T(f).Mensajes().Script({Answer::Yes});
       T(f).Ej(cmd::kBorrarCorrientes);
     },
     true, 1},
    {"borrar todos los cambiadores", "servicios_y_area.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         d.Click(CBorrarDlg::kIdTodos);
         d.Ok();
       });
       T(f).Mensajes().Script({Answer::Yes});
       T(f).Ej(cmd::kBorrarCambiadores);
     },
     true, 1},
    {"borrar todos los servicios", "servicios_y_area.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         d.Click(CBorrarDlg::kIdTodos);
         d.Ok();
       });
       T(f).Mensajes().Script({Answer::Yes});
       T(f).Ej(cmd::kBorrarServicios);
     },
     true, 1},
    {"añadir un cambiador", "cuatro_corrientes.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         d.Choose(CAddCambDlg::kIdTipo, 2);
         d.Ok();
       });
       T(f).Ej(cmd::kAnadirCambiadores);
     },
     true, 1},
    {"cambiador añadido con clics y cancelado", "cuatro_corrientes.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([&f](Driver& d) {
         // The panes show the provisional exchanger while the dialog is
         // open (the view takes the focus back as it closes, refreshing).
         T(f).Doc()->ActualizarContadores();
         d.Cancel();
       });
       T(f).Clic(1);
       T(f).Clic(2);
     },
     false, 0},
    {"bifurcar una corriente", "cuatro_corrientes.vdo",
     [](CambiosDocumento& f) { T(f).Sel(0); },
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         d.Type(CBifurcarDlg::kIdSalida1, "380");
         d.Type(CBifurcarDlg::kIdPorcentaje1, "33.3");
         d.Enter();
       });
       T(f).Ej(cmd::kBifurcarNueva);
     },
     true, 1},
    {"servicios generales: uno nuevo", "servicios_y_area.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         auto& hoja = dynamic_cast<CServGenSheet&>(d.Dialog());
         Celdix& t = *hoja.m_add.Get<Celdix>(CAddSGDlg::kIdTabla);
         PulsarBoton(t.AddButton());
         const int fila = t.Rows() - 1;
         EditCell(t, fila, 1, "Aceite");
         EditCell(t, fila, 4, "573.15");
         d.Ok();
       });
       T(f).Tecla(Qt::Key_U, Qt::ControlModifier);
     },
     true, 1},
    {"áreas de integridad: una nueva", "servicios_y_area.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog(NuevaAreaConH4);
       T(f).Ej(cmd::kAreasIntegridad);
     },
     true, 1},
    {"cascada: DT min 20", "cuatro_corrientes.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         d.Type(CCalculoCascadaDlg::kIdDTMin, "20");
         d.Enter();
         d.Ok();
       });
       T(f).Tecla(Qt::Key_M, Qt::ControlModifier);
     },
     true, 1},
    {"área mínima: un coeficiente", "servicios_y_area.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         d.Type(CAreaMinimaDlg::kIdCoefCorriente, "0.25");
         d.Ok();
       });
       T(f).Ej(cmd::kAreaMinima);
     },
     true, 1},
    {"coste mínimo: los años", "servicios_y_area.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         d.Type(CCosteMinimoDlg::kIdAnos, "8");
         d.Ok();
       });
       T(f).Tecla(Qt::Key_D, Qt::ControlModifier);
     },
     true, 1},
    {"área mínima frente a DT min, sin cambios", "servicios_y_area.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) { d.Ok(); });
       T(f).Ej(cmd::kAreaMinDTMin);
     },
     false, 1},
    {"área mínima frente a DT min: un coeficiente", "servicios_y_area.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         d.Type(CVariacionAreaDlg::kIdCoeficiente, "0.25");
         d.Ok();
       });
       T(f).Ej(cmd::kAreaMinDTMin);
     },
     true, 1},
    {"coste de inmovilizado frente a DT min: los años", "servicios_y_area.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         d.Type(CVariacionCosteDlg::kIdAnos, "8");
         d.Ok();
       });
       T(f).Ej(cmd::kCosteInmDTMin);
     },
     true, 1},
    {"costes totales frente a DT min: calefacción 80", "servicios_y_area.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         d.Type(CVariacionCosteDlg::kIdCosteCalefaccion, "80");
         d.Ok();
       });
       T(f).Ej(cmd::kCosteTotalDTMin);
     },
     true, 1},
    {"coste de operación frente a DT min, sin cambios", "servicios_y_area.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) { d.Ok(); });
       T(f).Ej(cmd::kCosteOperacionDTMin);
     },
     false, 1},
    {"costes de un anillo", "cuatro_corrientes.vdo",
     [](CambiosDocumento& f) {
       CDiagrama m = DisenoCuatroCorrientes();
       m.CalcularObjetivos();
       ASSERT_TRUE(Calculada(CalcularRed(m)));
       T(f).Modelo(m);
     },
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         for (int i : {2, 1, 5}) {
           d.Choose(CCostesTotalesDlg::kIdCambiadores, i);
           d.Click(CCostesTotalesDlg::kIdAnadir);
         }
         d.Type(CCostesTotalesDlg::kIdPuntos, "10");
         d.Ok();
       });
       T(f).Ej(cmd::kCostesAnillo);
     },
     true, 1},
    {"diferencia de temperaturas óptima: Aplicar", "cuatro_corrientes.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         ASSERT_TRUE(d.Timer(CDifTempOptimaDlg::kTemporizador));
         d.Ok();
       });
       T(f).Ej(cmd::kDifTemperaturas);
     },
     true, 0},
    {"anillos: Añadir", "cuatro_corrientes.vdo",
     [](CambiosDocumento& f) {
       CDiagrama d = CuatroCorrientes();
       d.AddCambiador(kModoQ, 1, 2, kTipoExtremo, 0, 0, 0, 0, 0, kTipoExtremo, 0, 1, 100);
       d.AddCambiador(kModoQ, 1, 2, kTipoCambiador, 0, 0, 0, 0, 0, kTipoCambiador, 0, 1, 140);
       ReconstruirListas(d);
       ASSERT_TRUE(Calculada(d.CalcularRed()));
       T(f).Modelo(d);
     },
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         d.Click(CAnadirAnillosDlg::kIdBuscar);
         d.Type(CAnadirAnillosDlg::kIdCantidad, "40");
         d.Ok();
       });
       T(f).Mensajes().Script({Answer::Yes});
       T(f).Tecla(Qt::Key_L, Qt::ControlModifier);
     },
     true, 1},
    {"problema remanente: Sí", "servicios_y_area.vdo",
     [](CambiosDocumento& f) {
       CDiagrama m = T(f).Doc()->m_Diagrama;
       m.m_tCalienteGenerico = 400.0;
       m.m_tFrioGenerico = 300.0;
       T(f).Modelo(m);
     },
     [](CambiosDocumento& f) {
       T(f).Mensajes().Script({Answer::Yes});
       T(f).Dialogos().ScriptDialog([](Driver& d) { d.Ok(); });
       T(f).Ej(cmd::kProblemaRemanente);
     },
     true, 0},
    {"exergía: la temperatura ambiente no se guarda", "servicios_y_area.vdo", nullptr,
     [](CambiosDocumento& f) {
       T(f).Dialogos().ScriptDialog([](Driver& d) {
         d.Type(CExergiaDlg::kIdTemperatura, "300");
         d.Ok();
       });
       T(f).Ej(cmd::kCompuestasExergia);
     },
     false, 1},
};

TEST_F(CambiosTabla, CadaOrdenMarcaDeshaceYRefrescaSegunLoQueGuarda) {
  ASSERT_NO_FATAL_FAILURE(Abrir("cuatro_corrientes.vdo"));
  for (const Caso& c : kCasos) {
    SCOPED_TRACE(c.nombre);
    ASSERT_NO_FATAL_FAILURE(Reabrir(c.ejemplo));
    if (c.preparar) ASSERT_NO_FATAL_FAILURE(c.preparar(*this));
    ASSERT_FALSE(Doc()->IsModified());
    const std::vector<std::uint8_t> antes = Guardado(M());
    const int pasos = Doc()->NumDeshacer();
    kitRunner_.Clear();
    runner_.Clear();
    ASSERT_NO_FATAL_FAILURE(c.hacer(*this));
    EXPECT_TRUE(kitRunner_.Done());
    const bool cambio = Guardado(M()) != antes;
    EXPECT_EQ(cambio, c.cambia);
    EXPECT_EQ(Doc()->IsModified(), cambio);
    EXPECT_EQ(Doc()->NumDeshacer(), pasos + c.pasos);
    PanelesAlDia();
  }
}

// "Sí" to the generic utility temperatures of the available-temperature-
// difference chart is a change of the document: marked, one undo step, and
// the close asks to save it.
TEST_F(CambiosTabla, DTDisponibleConSiSeGuardaAlCerrar) {
  ASSERT_NO_FATAL_FAILURE(Abrir("cuatro_corrientes.vdo"));
  const QString ruta = QString::fromStdString(Doc()->GetPathName());
  // DT min raised to 20 K in the toolbar, and the document saved.
  TeclearDTMin("20");
  ASSERT_EQ(M().m_dtMin, 20.0);
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kGuardar));
  Procesar();
  ASSERT_FALSE(Doc()->IsModified());
  const double calAntes = M().m_tCalienteGenerico;
  const int pasos = Doc()->NumDeshacer();

  runner_.Clear();
  runner_.Script({Answer::Yes});
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kDTDisponible));
  Procesar();
  ASSERT_EQ(runner_.Log().size(), 1u);
  EXPECT_EQ(runner_.Log()[0].text,
            "Las temperaturas de los servicios generales violan la diferencia de temperaturas "
            "mínima para el nuevo valor de ésta. ¿Desea actualizarlos?");
  EXPECT_EQ(Doc()->m_nModo, 12);
  EXPECT_NEAR(M().m_tCalienteGenerico, 453.15, 1e-9);
  EXPECT_NEAR(M().m_tFrioGenerico, 273.15, 1e-9);
  EXPECT_TRUE(Doc()->IsModified());
  EXPECT_EQ(Doc()->NumDeshacer(), pasos + 1);

  // Archivo > Cerrar asks to save; "Sí" writes the new temperatures.
  runner_.Clear();
  runner_.Script({Answer::Yes});
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kCerrar));
  Procesar();
  ASSERT_EQ(runner_.Log().size(), 1u);
  EXPECT_EQ(runner_.Log()[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_TRUE(Marco().Marcos().empty());
  CVardoDoc leido;
  ASSERT_TRUE(leido.OnOpenDocument(ruta.toStdString()).ok);
  EXPECT_NE(leido.m_Diagrama.m_tCalienteGenerico, calAntes);
  EXPECT_NEAR(leido.m_Diagrama.m_tCalienteGenerico, 453.15, 1e-9);
  EXPECT_NEAR(leido.m_Diagrama.m_tFrioGenerico, 273.15, 1e-9);
}

// The cascade's new DT min reaches the counts at once.
TEST_F(CambiosTabla, CascadaConDTMin20DejaLosContadoresNuevos) {
  ASSERT_NO_FATAL_FAILURE(Abrir("cuatro_corrientes.vdo"));
  EXPECT_EQ(Contadores(), (std::vector<std::string>{"Camb:0/7", "Cal:0./20.", "Ref:0./60."}));
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Type(CCalculoCascadaDlg::kIdDTMin, "20");
    d.Enter();
    d.Ok();
  });
  Teclas(Qt::Key_M, Qt::ControlModifier);
  EXPECT_EQ(Contadores()[1], "Cal:0./65.");
  EXPECT_EQ(Contadores()[2], "Ref:0./105.");
}

// A stream number typed in "Añadir Corrientes" and left by a page change
// from the keyboard shows that stream and stores nothing into it.
TEST_F(CambiosTabla, CambioDePaginaConTeclasTrasTeclearUnNumero) {
  ASSERT_NO_FATAL_FAILURE(Abrir("cuatro_corrientes.vdo"));
  const std::pair<const char*, std::pair<int, Qt::KeyboardModifiers>> teclas[] = {
      {"Ctrl+AvPág", {Qt::Key_PageDown, Qt::ControlModifier}},
      {"Ctrl+RePág", {Qt::Key_PageUp, Qt::ControlModifier}},
      {"Ctrl+Tab", {Qt::Key_Tab, Qt::ControlModifier}},
  };
  for (const auto& [nombre, tecla] : teclas) {
    SCOPED_TRACE(nombre);
    ASSERT_NO_FATAL_FAILURE(Reabrir("cuatro_corrientes.vdo"));
    const CDiagrama antes = M();
    int paginaTras = -1;
    std::string nombreMostrado;
    kitRunner_.ScriptDialog([&](Driver& d) {
      auto& hoja = dynamic_cast<kit::PropertySheet&>(d.Dialog());
      d.Type(CCorrientesDlg::kIdNumero, "3");
      d.Key(tecla.first, tecla.second);
      paginaTras = hoja.ActiveIndex();
      ASSERT_TRUE(hoja.SetActivePage(0));
      nombreMostrado = d.Text(CCorrientesDlg::kIdNombre);
      d.Grab(std::string(::testing::TempDir()) + "cambios_hoja_pagina.png");
      d.Ok();
    });
    Teclas(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(kitRunner_.Done());
    EXPECT_NE(paginaTras, 0);
    EXPECT_EQ(nombreMostrado, antes.m_corrientes[2].GetNombre());
    EXPECT_EQ(Guardado(M()), Guardado(antes));
    EXPECT_FALSE(Doc()->IsModified());
  }
}

// With the last document closed the panes and counts show nothing of it,
// and typing into the streams table then changes nothing.
TEST_F(CambiosTabla, SinDocumentoLosPanelesQuedanVacios) {
  ASSERT_NO_FATAL_FAILURE(Abrir("servicios_y_area.vdo"));
  ASSERT_FALSE(Arbol().empty());
  Doc()->SetModifiedFlag(false);
  Activo()->CerrarSinPreguntar();
  Procesar();
  ASSERT_EQ(Doc(), nullptr);
  EXPECT_TRUE(Arbol().empty());
  EXPECT_EQ(Tabla()->Tabla().Rows(), 1);
  EXPECT_EQ(EntradasBarra(), std::vector<std::string>{"Diagrama Completo"});
  EXPECT_EQ(Contadores(), (std::vector<std::string>{"Camb:0/0", "Cal:0/0", "Ref:0/0"}));
  QWidget* rejilla = Tabla()->Tabla().Grid();
  rejilla->setFocus();
  QTest::keyClicks(rejilla, "12");
  QTest::keyClick(rejilla, Qt::Key_Return);
  Procesar();
  EXPECT_EQ(Tabla()->Tabla().Rows(), 1);
  EXPECT_EQ(CVardoDoc::Documentos().size(), 0u);
  Marco().grab().save(QString::fromStdString(std::string(::testing::TempDir()) +
                                             "cambios_sin_documento.png"));
}

// The area bar, hidden while the areas change, lists them as they are when
// shown again.
TEST_F(CambiosTabla, BarraDeAreasOcultaSeRellenaAlMostrarse) {
  ASSERT_NO_FATAL_FAILURE(Abrir("servicios_y_area.vdo"));
  ASSERT_TRUE(Ejecutar(cmd::kVerBarraAreas));
  ASSERT_FALSE(Marco().Commands().State(cmd::kVerBarraAreas).checked.value_or(true));
  const std::vector<std::string> antes = EntradasBarra();
  kitRunner_.ScriptDialog(NuevaAreaConH4);
  ASSERT_TRUE(Ejecutar(cmd::kAreasIntegridad));
  ASSERT_EQ(M().m_areas.size(), 3u);
  ASSERT_TRUE(Ejecutar(cmd::kVerBarraAreas));
  EXPECT_EQ(EntradasBarra(), EntradasAreas(M()).textos);
  EXPECT_EQ(EntradasBarra().size(), antes.size() + 1);
}

// After the coefficient wizard's Finish the area beside the new coefficient
// is already the one it gives.
TEST_F(CambiosTabla, AreaMinimaRecalculaTrasElAsistente) {
  ASSERT_NO_FATAL_FAILURE(Abrir("cuatro_corrientes.vdo"));
  std::string antes, trasAsistente, trasIntro;
  kitRunner_.ScriptDialog([&](Driver& d) {
    antes = d.Text(CAreaMinimaDlg::kIdArea);
    kitRunner_.ScriptDialog([](Driver& w) {
      w.Next();
      w.Next();
      w.Finish();
    });
    d.Click(CAreaMinimaDlg::kIdEstimarCorriente);
    trasAsistente = d.Text(CAreaMinimaDlg::kIdArea);
    d.Focus(CAreaMinimaDlg::kIdCoefCorriente);
    d.Enter();
    trasIntro = d.Text(CAreaMinimaDlg::kIdArea);
    d.Grab(std::string(::testing::TempDir()) + "cambios_area_minima.png");
    d.Cancel();
  });
  ASSERT_TRUE(Ejecutar(cmd::kAreaMinima));
  EXPECT_TRUE(kitRunner_.Done());
  EXPECT_NE(trasAsistente, antes);
  EXPECT_EQ(trasAsistente, trasIntro);
}

}  // namespace
}  // namespace vardo::prueba

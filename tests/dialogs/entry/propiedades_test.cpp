// The property windows of streams, utilities and exchangers: what they show,
// several open at once, deleted when closed, usable while a modal dialog
// runs.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/dlg_borrar.h"
#include "dialogs/entry/dlg_propiedades.h"
#include "dialogs/entry/registro.h"
#include "tests/comun/kit_prueba.h"
#include "tests/dialogs/entry/ventanas.h"

namespace vardo::prueba {
namespace {

class Propiedades : public ::testing::Test {
 protected:
  Propiedades() { RegistrarDialogosEntrada(fabrica_); }
  ~Propiedades() override {
    for (kit::Dialog* d : Abiertas<kit::Dialog>()) d->close();
    Borrados();
  }
  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

TEST_F(Propiedades, CorrienteLatenteConGuionYVariasVentanasALaVez) {
  using D = CPropCorrienteDlg;
  ASSERT_TRUE(fabrica_.Disponible(DialogoId::PropCorriente));
  VentanaPropCorriente latente{"2", "Vapor", "373.15", "373.15", "-200.", "0.", "-",
                               {"1: desde 373.15 K hasta 373.15 K"}};
  VentanaPropCorriente sensible{"1", "Agua", "293.15", "408.15", "230.", "0.", "2.", {}};
  fabrica_.PropCorriente(latente);
  fabrica_.PropCorriente(sensible);
  auto abiertas = Abiertas<D>();
  ASSERT_EQ(abiertas.size(), 2u);
  // Each window has its own snapshot.
  D* v1 = abiertas[0]->Text(D::kIdNumero) == "2" ? abiertas[0] : abiertas[1];
  D* v2 = v1 == abiertas[0] ? abiertas[1] : abiertas[0];
  EXPECT_EQ(v1->windowTitle(), QString::fromUtf8("Propiedades de la corriente"));
  EXPECT_EQ(v1->parentWidget(), nullptr);
  EXPECT_EQ(v1->Text(D::kIdMcp), "-");
  EXPECT_EQ(v1->Text(D::kIdNombre), "Vapor");
  EXPECT_EQ(v1->Text(D::kIdTotal), "-200.");
  EXPECT_EQ(v1->Text(D::kIdSinCambiadores), "0.");
  EXPECT_EQ(Lineas(*v1, D::kIdCambiadores), latente.cambiadores);
  EXPECT_TRUE(v1->IsReadOnly(D::kIdEntrada));
  EXPECT_EQ(v2->Text(D::kIdMcp), "2.");
  EXPECT_EQ(v2->Count(D::kIdCambiadores), 0);
  EXPECT_TRUE(Driver(*v1).Grab(std::string(::testing::TempDir()) + "prop_corriente.png"));
  // "Cerrar" closes and deletes one window; the other stays.
  QPointer<D> cerrada = v1;
  Driver(*v1).Click(kit::kIdCancel);
  Borrados();
  EXPECT_TRUE(cerrada.isNull());
  EXPECT_EQ(Abiertas<D>().size(), 1u);
  // Escape closes too.
  QPointer<D> otra = v2;
  Driver(*v2).Escape();
  Borrados();
  EXPECT_TRUE(otra.isNull());
}

TEST_F(Propiedades, ServicioLatenteEscribeGuionEnMcp) {
  using D = CPropServicioDlg;
  struct Caso {
    double mcp;
    const char* texto;
  } casos[] = {{-1.0, "-"}, {2.5, "2.5"}, {1.0 / 3.0, "0.333333333333333"}};
  for (const Caso& c : casos) {
    VentanaPropServicio v;
    v.nombre = "Vapor de alta";
    v.numero = 3;
    v.tEntrada = 523.15;
    v.tSalida = 522.15;
    v.entalpiaTotal = 150;
    v.entalpiaMaxima = 400;
    v.entalpiaSinCambiadores = 150;
    v.mcp = c.mcp;
    v.cambiadores = {"4: desde 523.15 K hasta 522.15 K", "6: desde 522.65 K hasta 522.15 K"};
    fabrica_.PropServicio(v);
    auto abiertas = Abiertas<D>();
    ASSERT_EQ(abiertas.size(), 1u);
    D& w = *abiertas[0];
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Propiedades del Servicio"));
    EXPECT_EQ(w.Text(D::kIdMcp), c.texto);
    EXPECT_EQ(w.Text(D::kIdNumero), "3");
    EXPECT_EQ(w.Text(D::kIdEntrada), "523.15");
    EXPECT_EQ(w.Text(D::kIdMaxima), "400");
    EXPECT_EQ(Lineas(w, D::kIdCambiadores), v.cambiadores);
    EXPECT_EQ(w.Text(kit::kIdCancel), "Aceptar");
    if (c.mcp < 0) {
      EXPECT_TRUE(Driver(w).Grab(std::string(::testing::TempDir()) + "prop_servicio.png"));
    }
    // Enter presses its "Aceptar", which closes it.
    QPointer<D> p = &w;
    Driver(w).Enter();
    Borrados();
    EXPECT_TRUE(p.isNull());
  }
}

TEST_F(Propiedades, CambiadorConElServicioGeneral) {
  using D = CPropCambiadorDlg;
  VentanaPropCambiador v{"3", "120.", "10.123", "45678.", "S.G.", "-", "-",
                         "1", "293.15", "353.15"};
  fabrica_.PropCambiador(v);
  auto abiertas = Abiertas<D>();
  ASSERT_EQ(abiertas.size(), 1u);
  D& w = *abiertas[0];
  EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Propiedades del cambiador"));
  const std::pair<int, const char*> campos[] = {
      {D::kIdNumero, "3"},          {D::kIdCarga, "120."},        {D::kIdArea, "10.123"},
      {D::kIdCoste, "45678."},      {D::kIdCaliente, "S.G."},     {D::kIdEntradaCaliente, "-"},
      {D::kIdSalidaCaliente, "-"},  {D::kIdFria, "1"},            {D::kIdEntradaFria, "293.15"},
      {D::kIdSalidaFria, "353.15"}};
  for (const auto& [id, texto] : campos) {
    EXPECT_EQ(w.Text(id), texto) << id;
    EXPECT_TRUE(w.IsReadOnly(id)) << id;
  }
  EXPECT_TRUE(Driver(w).Grab(std::string(::testing::TempDir()) + "prop_cambiador.png"));
}

TEST_F(Propiedades, UnaVentanaSeUsaMientrasCorreUnDialogoModal) {
  // The real modal loop of a delete dialog, parented to a main window; from
  // inside it a properties window opens, takes a click and closes.
  kit::QtModalRunner real;
  kit::ScopedModalRunner usarReal(real);
  QWidget principal;
  principal.resize(400, 300);
  principal.show();
  fabrica_.SetPadre(&principal);
  QPointer<CPropCambiadorDlg> ventana;
  bool cerradaDentro = false;
  QTimer::singleShot(0, &principal, [&] {
    fabrica_.PropCambiador(VentanaPropCambiador{"1", "5.", "1.", "1.", "1", "400.", "350.",
                                                "S.G.", "-", "-"});
    auto abiertas = Abiertas<CPropCambiadorDlg>();
    ASSERT_EQ(abiertas.size(), 1u);
    ventana = abiertas[0];
    QApplication::processEvents();
    ClickAt(ventana->Widget(kit::kIdCancel));
    Borrados();
    cerradaDentro = ventana.isNull();
    // Back in the delete dialog: choose all and accept.
    auto* modal = qobject_cast<kit::Dialog*>(QApplication::activeModalWidget());
    ASSERT_NE(modal, nullptr);
    Driver d(*modal);
    d.Click(CBorrarDlg::kIdTodos);
    d.Ok();
  });
  QTimer::singleShot(5000, &principal, [] {
    if (auto* m = qobject_cast<kit::Dialog*>(QApplication::activeModalWidget())) m->End(-1);
  });
  DlgBorrarCambiadores d;
  d.numero = 2;
  EXPECT_TRUE(fabrica_.BorrarCambiadores(d));
  EXPECT_TRUE(cerradaDentro);
  EXPECT_EQ(d.eleccion, 1);
}

}  // namespace
}  // namespace vardo::prueba

// The flat look: a dialog's controls drawn flat while idle and in 3D while
// the mouse is over them or they have the focus; group boxes, flat buttons
// and the main window's own controls as the underlying style draws them.
// The dialog is saved idle, hovered and focused for a look.
#include "platform/qt/flatstyle.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QStyleFactory>
#include <QPainter>
#include <QStyleOption>
#include <QTest>
#include <QToolBar>
#include <memory>

namespace vardo {
namespace {

void Procesar() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

// Gives a widget and all its children one style.
void ConEstilo(QWidget* w, QStyle* s) {
  w->setStyle(s);
  for (QWidget* c : w->findChildren<QWidget*>()) c->setStyle(s);
}

QImage Imagen(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

class Plano : public ::testing::Test {
 protected:
  void SetUp() override {
    estilo = std::make_unique<CGestorControles>(QStyleFactory::create(QStringLiteral("Fusion")));
    base.reset(QStyleFactory::create(QStringLiteral("Fusion")));
    auto* g = new QGridLayout(&dialogo);
    edit = new QLineEdit(QStringLiteral("350.5"));
    combo = new QComboBox;
    combo->addItems({QStringLiteral("Lado Caliente"), QStringLiteral("Lado Frío")});
    auto* editable = new QComboBox;
    editable->setEditable(true);
    editable->addItem(QStringLiteral("10"));
    spin = new QSpinBox;
    boton = new QPushButton(QStringLiteral("Aceptar"));
    boton->setDefault(true);
    cancelar = new QPushButton(QStringLiteral("Cancelar"));
    plano = new QPushButton(QStringLiteral("Plano"));
    plano->setFlat(true);
    check = new QCheckBox(QStringLiteral("Mostrar nombres"));
    check->setChecked(true);
    radio = new QRadioButton(QStringLiteral("Hot"));
    radio->setChecked(true);
    lista = new QListWidget;
    lista->addItems({QStringLiteral("1 Norte"), QStringLiteral("2 Sur")});
    grupo = new QGroupBox(QStringLiteral("Criterios"));
    auto* gl = new QGridLayout(grupo);
    gl->addWidget(new QLabel(QStringLiteral("m·cp caliente <= m·cp fría")));
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setValue(30);
    auto* barra = new QScrollBar(Qt::Horizontal);
    barra->setRange(0, 100);
    g->addWidget(edit, 0, 0);
    g->addWidget(combo, 0, 1);
    g->addWidget(editable, 1, 0);
    g->addWidget(spin, 1, 1);
    g->addWidget(boton, 2, 0);
    g->addWidget(cancelar, 2, 1);
    g->addWidget(check, 3, 0);
    g->addWidget(radio, 3, 1);
    g->addWidget(lista, 4, 0, 1, 2);
    g->addWidget(grupo, 5, 0);
    g->addWidget(plano, 5, 1);
    g->addWidget(slider, 6, 0);
    g->addWidget(barra, 6, 1);
    auto* tabla = new QTableWidget(2, 3);
    tabla->setHorizontalHeaderLabels({QStringLiteral("T1 (K)"), QStringLiteral("T2 (K)"),
                                      QStringLiteral("H (kW)")});
    g->addWidget(tabla, 7, 0, 1, 2);
    ConEstilo(&dialogo, estilo.get());
    dialogo.resize(420, 480);
    dialogo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogo));
    dialogo.activateWindow();
    Procesar();
    // The mouse starts outside every control, the focus on the radio
    // button (which never shows it in its border).
    radio->setFocus();
    Fuera();
  }
  void TearDown() override {
    dialogo.hide();
    ConEstilo(&dialogo, base.get());
  }

  void Guardar(const char* nombre) {
    ASSERT_TRUE(Imagen(&dialogo).save(QString::fromStdString(::testing::TempDir() + nombre)));
  }
  // The mouse moved onto the centre of a control (the platform delivers
  // the move a little later).
  void Encima(QWidget* w) {
    QTest::mouseMove(dialogo.windowHandle(), w->mapTo(&dialogo, w->rect().center()));
    EXPECT_TRUE(QTest::qWaitFor([w] { return w->underMouse(); }, 2000));
    Procesar();
  }
  void Fuera() {
    QTest::mouseMove(dialogo.windowHandle(), QPoint(2, 2));
    EXPECT_TRUE(QTest::qWaitFor([this] { return !edit->underMouse() && !combo->underMouse(); }, 2000));
    Procesar();
  }

  // The inner ring's top-left pixel of a control's border.
  QRgb Anillo(QWidget* w) { return Imagen(w).pixel(1, w->height() / 2); }
  QRgb Color(QPalette::ColorRole r) { return dialogo.palette().color(r).rgb(); }

  std::unique_ptr<CGestorControles> estilo;
  std::unique_ptr<QStyle> base;
  QDialog dialogo;
  QLineEdit* edit = nullptr;
  QComboBox* combo = nullptr;
  QSpinBox* spin = nullptr;
  QPushButton* boton = nullptr;
  QPushButton* plano = nullptr;
  QPushButton* cancelar = nullptr;
  QCheckBox* check = nullptr;
  QRadioButton* radio = nullptr;
  QListWidget* lista = nullptr;
  QGroupBox* grupo = nullptr;
};

TEST_F(Plano, PlanoEnReposoRelieveConRatonOFoco) {
  Guardar("/vardo_plano_reposo.png");
  // Idle: the fields' inner ring in the face colour, the outer in the shadow.
  for (QWidget* w : std::initializer_list<QWidget*>{edit, combo, spin, lista}) {
    EXPECT_FALSE(w->underMouse());
    EXPECT_EQ(Imagen(w).pixel(0, w->height() / 2), Color(QPalette::Dark)) << w->metaObject()->className();
    EXPECT_EQ(Anillo(w), Color(QPalette::Button)) << w->metaObject()->className();
  }
  EXPECT_EQ(Anillo(cancelar), Color(QPalette::Button));

  // Hovered: the edit fully sunken, the others still flat.
  Encima(edit);
  ASSERT_TRUE(edit->underMouse());
  Guardar("/vardo_plano_raton.png");
  EXPECT_EQ(Anillo(edit), Color(QPalette::Shadow));
  EXPECT_EQ(Anillo(combo), Color(QPalette::Button));
  Encima(cancelar);
  EXPECT_EQ(Anillo(cancelar), Color(QPalette::Midlight));  // raised while hot
  EXPECT_EQ(Anillo(edit), Color(QPalette::Button));          // back to flat

  // Focused: the combo box in 3D without the mouse over it.
  Fuera();
  combo->setFocus();
  Procesar();
  ASSERT_TRUE(combo->hasFocus());
  Guardar("/vardo_plano_foco.png");
  EXPECT_EQ(Anillo(combo), Color(QPalette::Shadow));
  EXPECT_EQ(Anillo(edit), Color(QPalette::Button));
}

// Check boxes and radio buttons take the 3D look from the mouse only.
TEST_F(Plano, CasillasSoloConElRaton) {
  for (const auto pe : {QStyle::PE_IndicatorCheckBox, QStyle::PE_IndicatorRadioButton}) {
    auto pintar = [&](QStyle::State s) {
      QImage img(13, 13, QImage::Format_RGB32);
      img.fill(Qt::white);
      QPainter p(&img);
      QStyleOptionButton o;
      o.initFrom(check);
      o.rect = img.rect();
      o.state = QStyle::State_Enabled | QStyle::State_On | s;
      estilo->drawPrimitive(pe, &o, &p, check);
      return img;
    };
    const QImage reposo = pintar({});
    EXPECT_EQ(pintar(QStyle::State_HasFocus), reposo) << pe;
    EXPECT_NE(pintar(QStyle::State_MouseOver), reposo) << pe;
  }
}

TEST_F(Plano, GruposYBotonesPlanosConservanSuAspecto) {
  for (QWidget* w : std::initializer_list<QWidget*>{grupo, plano}) {
    const QImage conPlano = Imagen(w);
    ConEstilo(w, base.get());
    EXPECT_EQ(Imagen(w), conPlano) << w->metaObject()->className();
    ConEstilo(w, estilo.get());
  }
}

TEST(PlanoVentanaPrincipal, SusBarrasNoCambian) {
  QMainWindow marco;
  std::unique_ptr<QStyle> base(QStyleFactory::create(QStringLiteral("Fusion")));
  CGestorControles estilo(QStyleFactory::create(QStringLiteral("Fusion")));
  auto* banda = marco.addToolBar(QStringLiteral("DT"));
  auto* campo = new QLineEdit(QStringLiteral("10."));
  banda->addWidget(campo);
  auto* lista = new QListWidget;
  marco.setCentralWidget(lista);
  marco.resize(300, 200);
  marco.show();
  ConEstilo(&marco, base.get());
  const QImage antesCampo = Imagen(campo), antesLista = Imagen(lista);
  ConEstilo(&marco, &estilo);
  EXPECT_EQ(Imagen(campo), antesCampo);
  EXPECT_EQ(Imagen(lista), antesLista);
  EXPECT_FALSE(CGestorControles::EnDialogo(campo));
  ConEstilo(&marco, base.get());
}

}  // namespace
}  // namespace vardo

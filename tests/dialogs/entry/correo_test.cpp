// The three mail forms driven as a user drives them, handing their message
// through the real xdg-email to a recording mail client.
#include <QCoreApplication>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "dialogs/entry/dlg_correo.h"
#include "tests/comun/cliente_correo.h"
#include "tests/comun/kit_prueba.h"

namespace vardo::prueba {
namespace {

constexpr const char* kContacto = "soporte@example.org";
constexpr const char* kLista = "lista@example.org";

class Correo : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(perfil_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, perfil_.path());
    QCoreApplication::setOrganizationName(QStringLiteral("PruebaCorreo"));
    QCoreApplication::setApplicationName(QStringLiteral("formularios"));
    Destinatarios(kContacto, kLista);
  }
  static void Destinatarios(const char* contacto, const char* lista) {
    QSettings s;
    s.clear();
    if (contacto) s.setValue(kClaveCorreoContacto, QString::fromUtf8(contacto));
    if (lista) s.setValue(kClaveCorreoLista, QString::fromUtf8(lista));
  }
  // What the mail program received equals what the form composed: an empty
  // subject or text is left out.
  static void Recibe(const ClienteCorreo& cliente, const std::string& asunto,
                     const std::string& cuerpo, const std::string& para) {
    const CorreoRecibido r = cliente.Recibido();
    EXPECT_EQ(r.para, para);
    EXPECT_EQ(r.asunto.value_or("(ninguno)"), asunto.empty() ? "(ninguno)" : asunto);
    EXPECT_EQ(r.cuerpo.value_or("(ninguno)"), cuerpo.empty() ? "(ninguno)" : cuerpo);
    EXPECT_TRUE(r.adjuntos.empty());
  }

  QTemporaryDir perfil_;
  ClienteCorreo correo_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

TEST_F(Correo, ContactarVacioEnviaLasEtiquetasYElPrimerAsunto) {
  std::vector<std::string> asuntos;
  bool mostrar = true;
  runner_.ScriptDialog([&](Driver& d) {
    for (int i = 0; i < d.Dialog().Count(CContactarDlg::kAsunto); ++i)
      asuntos.push_back(d.Dialog().ItemText(CContactarDlg::kAsunto, i));
    mostrar = d.Dialog().Checked(CCorreoDlg::kMostrar);
    d.Grab(std::string(::testing::TempDir()) + "correo_contactar.png");
    d.Ok();
  });
  CContactarDlg dlg;
  EXPECT_EQ(dlg.Run(), kit::kIdOk);
  EXPECT_EQ(runner_.Log().size(), 1u);  // no message: it was handed over
  ASSERT_EQ(asuntos.size(), 8u);
  EXPECT_EQ(asuntos.front(), "Consulta sobre el funcionamiento de Calorama");
  EXPECT_EQ(asuntos[2], "Cosulta sobre la Tecnología de Pinch en general");
  EXPECT_EQ(asuntos.back(), "Otro");
  EXPECT_FALSE(mostrar);
  Recibe(correo_, "Consulta sobre el funcionamiento de Calorama",
                     "Nombre: \nOrganización: \nDirección: \n\n", kContacto);
}

TEST_F(Correo, ContactarYListaEnvianLoEscrito) {
  runner_.ScriptDialog([](Driver& d) {
    d.Type(CContactarDlg::kAsunto, "Duda «ñ» & ?x=1");
    d.Type(CContactarDlg::kNombre, "Ana Pérez");
    d.Type(CContactarDlg::kOrganizacion, "Planta Norte");
    d.Type(CContactarDlg::kDireccion, "ana@example.org");
    d.Type(CContactarDlg::kTexto, "¿Cómo se añade un servicio?");
    d.Click(CCorreoDlg::kMostrar);
    d.Ok();
  });
  CContactarDlg contactar;
  EXPECT_EQ(contactar.Run(), kit::kIdOk);
  Recibe(correo_, "Duda «ñ» & ?x=1",
                     "Nombre: Ana Pérez\nOrganización: Planta Norte\nDirección: ana@example.org"
                     "\n\n¿Cómo se añade un servicio?",
                     kContacto);

  runner_.ScriptDialog([](Driver& d) {
    EXPECT_FALSE(d.Dialog().Checked(CCorreoDlg::kMostrar));
    EXPECT_EQ(d.Text(CCorreoDlg::kMostrar), "Mostrar mensaje al cerrar este diálogo");
    d.Type(CListaCorreoDlg::kAsunto, "Alta");
    d.Type(CListaCorreoDlg::kTexto, "Quiero recibir las novedades.");
    d.Grab(std::string(::testing::TempDir()) + "correo_lista.png");
    d.Ok();
  });
  CListaCorreoDlg lista;
  EXPECT_EQ(lista.Run(), kit::kIdOk);
  Recibe(correo_, "Alta", "Quiero recibir las novedades.", kLista);
  EXPECT_EQ(correo_.Llamadas(), 2);
}

TEST_F(Correo, OpinionSinElegirConservaAmbosEncabezados) {
  runner_.ScriptDialog([](Driver& d) {
    for (int lista : {COpinionDlg::kPositivos, COpinionDlg::kMejorar}) {
      ASSERT_EQ(d.Dialog().Count(lista), 21);
      EXPECT_EQ(d.Dialog().ItemText(lista, 0), "Diseño de la interfaz");
      EXPECT_EQ(d.Dialog().ItemText(lista, 4), "Áreas de Integridad");
      EXPECT_EQ(d.Dialog().ItemText(lista, 20), "Obtención de Resultados");
    }
    d.Grab(std::string(::testing::TempDir()) + "correo_opinion.png");
    d.Ok();
  });
  COpinionDlg dlg;
  EXPECT_EQ(dlg.Run(), kit::kIdOk);
  Recibe(correo_, kAsuntoOpinion,
                     "Nombre: \nOrganización: \nPaís: \nDirección: \n\nAspectos Positivos:\n"
                     "\nAspectos Negativos:\n\nFunciones usadas frecuentemente: \nFunciones "
                     "deseadas: \nOtros comentarios: ",
                     kContacto);
}

TEST_F(Correo, OpinionTomaLosElegidosEnOrdenYLosAnadidos) {
  using D = COpinionDlg;
  runner_.ScriptDialog([](Driver& d) {
    // Several topics, chosen out of order; a second click unchooses.
    d.Choose(D::kPositivos, 3);
    d.Choose(D::kPositivos, 0);
    d.Choose(D::kPositivos, 5);
    d.Choose(D::kPositivos, 5);
    d.Choose(D::kMejorar, 20);
    // "Añadir" with an empty "Otros:" does nothing.
    d.Click(D::kAnadirPositivos);
    EXPECT_EQ(d.Dialog().Count(D::kPositivos), 21);
    d.Type(D::kOtrosPositivos, "Rapidez");
    d.Click(D::kAnadirPositivos);
    EXPECT_EQ(d.Dialog().Count(D::kPositivos), 22);
    EXPECT_EQ(d.Dialog().ItemText(D::kPositivos, 21), "Rapidez");
    EXPECT_EQ(d.Text(D::kOtrosPositivos), "");
    d.Type(D::kOtrosMejorar, "Ayuda en línea");
    d.Click(D::kAnadirMejorar);
    d.Type(D::kNombre, "Luis");
    d.Type(D::kOrganizacion, "Refinería");
    d.Type(D::kPais, "España");
    d.Type(D::kDireccion, "luis@example.org");
    d.Type(D::kUsadas, "Cascada, para objetivos");
    d.Type(D::kDeseadas, "Vapor");
    d.Type(D::kComentarios, "Gracias");
    d.Grab(std::string(::testing::TempDir()) + "correo_opinion_elegidos.png");
    d.Ok();
  });
  COpinionDlg dlg;
  EXPECT_EQ(dlg.Run(), kit::kIdOk);
  Recibe(correo_, kAsuntoOpinion,
                     "Nombre: Luis\nOrganización: Refinería\nPaís: España\nDirección: "
                     "luis@example.org\n\nAspectos Positivos:\nDiseño de la interfaz\nCálculo de "
                     "cascada\nRapidez\n\nAspectos Negativos:\nObtención de Resultados\nAyuda en "
                     "línea\n\nFunciones usadas frecuentemente: Cascada, para objetivos\nFunciones "
                     "deseadas: Vapor\nOtros comentarios: Gracias",
                     kContacto);
}

// Every way the message may fail to leave: the form says why and keeps
// what the user wrote; once the cause is gone, "Enviar" sends it.
TEST_F(Correo, UnFalloConservaElDialogoYSuTexto) {
  struct Caso {
    const char* nombre;
    std::function<void(ClienteCorreo&)> romper;
    std::string mensaje;
    bool corre;  // whether the mail client ran
  };
  const std::string sinDestinatario =
      "No hay ninguna dirección de correo configurada para este mensaje. Escríbala en la clave "
      "Correo/Contacto de la configuración de Calorama.";
  const std::vector<Caso> casos = {
      {"sin destinatario", [](ClienteCorreo&) { Destinatarios(nullptr, kLista); },
       sinDestinatario, false},
      {"destinatario en blanco", [](ClienteCorreo&) { Destinatarios("  ", kLista); },
       sinDestinatario, false},
      {"sin programa de correo", [](ClienteCorreo& c) { c.SinCliente(); }, kMsgCorreoSinPrograma,
       false},
      {"fallo del programa", [](ClienteCorreo& c) { c.Codigo(1); },
       "El programa de correo no ha podido preparar el mensaje (código 4).", true},
      {"sin xdg-email", [](ClienteCorreo& c) { c.Sin(); }, kMsgCorreoNoInicia, false},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    ClienteCorreo correo;
    Destinatarios(kContacto, kLista);
    runner_.Clear();
    c.romper(correo);
    bool abierto = false;
    std::string texto, nombre;
    runner_.ScriptDialog([&](Driver& d) {
      d.Type(CContactarDlg::kNombre, "Ana");
      d.Type(CContactarDlg::kTexto, "No arranca");
      d.Ok();
      abierto = d.Dialog().IsOpen();
      texto = d.Text(CContactarDlg::kTexto);
      nombre = d.Text(CContactarDlg::kNombre);
      d.Cancel();
    });
    CContactarDlg dlg;
    EXPECT_EQ(dlg.Run(), kit::kIdCancel);
    EXPECT_TRUE(abierto);
    EXPECT_EQ(texto, "No arranca");
    EXPECT_EQ(nombre, "Ana");
    ASSERT_EQ(runner_.Log().size(), 2u);
    EXPECT_EQ(runner_.Log()[1].kind, RunRecord::Kind::Message);
    EXPECT_EQ(runner_.Log()[1].text, c.mensaje);
    EXPECT_EQ(correo.Llamadas(), c.corre ? 1 : 0);
  }
}

TEST_F(Correo, ListaSinSuDestinatarioNombraSuClave) {
  Destinatarios(kContacto, nullptr);
  runner_.ScriptDialog([](Driver& d) {
    d.Type(CListaCorreoDlg::kTexto, "Hola");
    d.Ok();
    EXPECT_TRUE(d.Dialog().IsOpen());
    // Set meanwhile: the next "Enviar" sends.
    Destinatarios(kContacto, kLista);
    d.Ok();
  });
  CListaCorreoDlg dlg;
  EXPECT_EQ(dlg.Run(), kit::kIdOk);
  ASSERT_EQ(runner_.Log().size(), 2u);
  EXPECT_NE(runner_.Log()[1].text.find("Correo/ListaCorreo"), std::string::npos);
  Recibe(correo_, "", "Hola", kLista);
  EXPECT_EQ(correo_.Llamadas(), 1);
}

// "Lista de Correo" with its subject, its text or both left empty still
// reaches the mail program, without the empty part.
TEST_F(Correo, ListaConAsuntoOTextoVacio) {
  const std::pair<std::string, std::string> casos[] = {{"", "Hola"}, {"Alta", ""}, {"", ""}};
  for (const auto& [asunto, texto] : casos) {
    SCOPED_TRACE(asunto + "|" + texto);
    runner_.Clear();
    runner_.ScriptDialog([&](Driver& d) {
      d.Type(CListaCorreoDlg::kAsunto, asunto);
      d.Type(CListaCorreoDlg::kTexto, texto);
      d.Ok();
    });
    CListaCorreoDlg dlg;
    EXPECT_EQ(dlg.Run(), kit::kIdOk);
    EXPECT_EQ(runner_.Log().size(), 1u);  // no message
    Recibe(correo_, asunto, texto, kLista);
  }
  EXPECT_EQ(correo_.Llamadas(), 3);
}

TEST_F(Correo, NombreDelAdjunto) {
  const std::vector<std::pair<std::string, std::string>> casos = {
      {"Vardo1", "Vardo1.vdo"},
      {"planta norte", "planta norte.vdo"},
      {"copia.VDO", "copia.VDO"},
      {"a/b\\c", "a_b_c.vdo"},
      {"", "Vardo.vdo"},
      {"..", "Vardo.vdo"},
      // Only letters (of any script, accents kept), digits, blanks and "._-".
      {"a b'c\"d,e", "a b_c_d_e.vdo"},
      {"Año ñú-1_2.3", "Año ñú-1_2.3.vdo"},
      {"炼油厂", "炼油厂.vdo"},
      {"x;y|z<>$`=&?*\n\t", "x_y_z__________.vdo"},
  };
  for (const auto& [titulo, nombre] : casos) EXPECT_EQ(NombreAdjunto(titulo), nombre) << titulo;
}

}  // namespace
}  // namespace vardo::prueba

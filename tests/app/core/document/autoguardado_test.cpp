#include "app/core/document/autoguardado.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/core/document/documento.h"
#include "tests/comun/archivos.h"
#include "tests/comun/puertos_prueba.h"

namespace vardo {
namespace {

namespace fs = std::filesystem;

using prueba::Carpeta;
using prueba::LeerBytes;

class AutograbacionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CAutograbacion::Puertos p;
    p.temporizadores = &timers;
    p.estado = &estado;
    p.ui = &ui;
    p.guardar = [this] { ++guardados; };
    a.SetPuertos(p);
    PuertosDocumento pd;
    pd.ui = &ui;
    doc.SetPuertos(pd);
    CVardoDoc::SetDocActivo(&doc);
    estado.SetTextoEstado("Preparado");
  }
  void TearDown() override { CVardoDoc::SetDocActivo(nullptr); }

  // The active document saved as <dir>/planta.vdo and modified afterwards.
  void DocumentoGuardado() {
    ASSERT_TRUE(doc.OnOpenDocument("examples/servicios_y_area.vdo").ok);
    ASSERT_TRUE(doc.OnSaveDocument(dir / "planta.vdo").ok);
    doc.SetModifiedFlag();
  }
  std::vector<std::string> Preguntas() const {
    std::vector<std::string> v;
    for (const auto& e : ui.Log())
      if (e.type == RecordingUiPort::Entry::Type::YesNo) v.push_back(e.text);
    return v;
  }

  Carpeta dir;
  RecordingUiPort ui;
  EstadoGrabado estado;
  TemporizadoresGrabados timers;
  int guardados = 0;
  CVardoDoc doc;
  CAutograbacion a;
};

TEST_F(AutograbacionTest, CuentaAtrasConLosValoresPorDefecto) {
  a.Iniciar();
  EXPECT_EQ(timers.Periodo(kTimerAutograbacion), 600000);
  EXPECT_EQ(timers.Periodo(kTimerCuentaAtras), 150000);

  a.OnTimer(kTimerCuentaAtras);
  EXPECT_EQ(estado.UltimoMensaje(), "Próxima grabación automática en 7:30 min");
  EXPECT_EQ(timers.Periodo(kTimerRestaurar), 1500);
  a.OnTimer(kTimerRestaurar);
  EXPECT_EQ(estado.UltimoMensaje(), "Preparado");
  EXPECT_FALSE(timers.Activo(kTimerRestaurar));

  const char* siguientes[] = {"5:0", "2:30", "0:0"};
  for (const char* s : siguientes) {
    a.OnTimer(kTimerCuentaAtras);
    EXPECT_EQ(estado.UltimoMensaje(), std::string("Próxima grabación automática en ") + s + " min");
    a.OnTimer(kTimerRestaurar);
  }
  // A late save tick never makes the countdown negative.
  a.OnTimer(kTimerCuentaAtras);
  EXPECT_EQ(estado.UltimoMensaje(), "Próxima grabación automática en 0:0 min");
}

TEST_F(AutograbacionTest, LaCopiaSeEscribeJuntoAlDocumentoSinTocarlo) {
  DocumentoGuardado();
  doc.m_Diagrama.m_grafoConstruido = 1;
  // An older, longer copy is replaced whole.
  {
    std::ofstream viejo(dir / "Backup_of_planta.vdo", std::ios::binary);
    viejo << std::string(LeerBytes(dir / "planta.vdo").size() * 2, 'x');
  }
  a.Iniciar();
  a.OnTimer(kTimerAutograbacion);

  const std::string copia = dir / "Backup_of_planta.vdo";
  EXPECT_EQ(LeerBytes(copia), LeerBytes(dir / "planta.vdo"));
  EXPECT_EQ(dir.NumArchivos(), 2u);
  EXPECT_EQ(estado.UltimoMensaje(), "Grabando automáticamente en " + copia);
  EXPECT_EQ(timers.Periodo(kTimerRestaurar), 1500);
  EXPECT_TRUE(ui.Log().empty());
  // The document is as it was.
  EXPECT_EQ(doc.GetPathName(), dir / "planta.vdo");
  EXPECT_EQ(doc.GetTitle(), "planta");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.m_Diagrama.m_grafoConstruido, 1);

  a.OnTimer(kTimerRestaurar);
  EXPECT_EQ(estado.UltimoMensaje(), "Preparado");
  // The countdown tick right after a copy shows nothing; the next one
  // counts from the full interval.
  const std::size_t textos = estado.textos.size();
  a.OnTimer(kTimerCuentaAtras);
  EXPECT_EQ(estado.textos.size(), textos);
  a.OnTimer(kTimerCuentaAtras);
  EXPECT_EQ(estado.UltimoMensaje(), "Próxima grabación automática en 7:30 min");
}

TEST_F(AutograbacionTest, PreguntaEnVezDeCopiar) {
  struct Caso {
    bool guardado;     // the document has a file
    bool preguntar;    // ask mode
    Answer respuesta;
  };
  const Caso casos[] = {
      {false, false, Answer::Yes},  // never saved: ask instead of copying
      {false, false, Answer::No},
      {true, true, Answer::Yes},    // ask mode, even with nothing changed
      {true, true, Answer::No},
  };
  for (const Caso& c : casos) {
    Carpeta otra;
    CVardoDoc d;
    CVardoDoc::SetDocActivo(&d);
    if (c.guardado) {
      ASSERT_TRUE(d.OnSaveDocument(otra / "p.vdo").ok);
    }
    a.Aplicar({c.preguntar ? AjustesAutograbacion::kPreguntar : AjustesAutograbacion::kSegundoPlano,
               10.0});
    ui.Clear();
    ui.Script({c.respuesta});
    guardados = 0;
    a.m_nRestante = 1;
    a.OnTimer(kTimerAutograbacion);
    EXPECT_EQ(Preguntas(), std::vector<std::string>{"¿Desea guardar ahora el documento?"});
    EXPECT_EQ(guardados, c.respuesta == Answer::Yes ? 1 : 0);
    EXPECT_EQ(otra.NumArchivos(), c.guardado ? 1u : 0u);  // no copy written
    EXPECT_EQ(a.m_nRestante, 600000);
  }
}

TEST_F(AutograbacionTest, SinDocumentoOApagadaNoHaceNada) {
  CVardoDoc::SetDocActivo(nullptr);
  a.m_nRestante = 1;
  a.OnTimer(kTimerAutograbacion);
  EXPECT_TRUE(ui.Log().empty());
  EXPECT_EQ(a.m_nRestante, 600000);  // only the time left is reset

  CVardoDoc::SetDocActivo(&doc);  // never saved: would ask
  a.Aplicar({AjustesAutograbacion::kSinGrabacion, 10.0});
  a.m_nRestante = 1;
  a.OnTimer(kTimerAutograbacion);
  EXPECT_TRUE(ui.Log().empty());
  EXPECT_EQ(a.m_nRestante, 1);
}

// A question left open while the next save tick comes: only one is asked.
TEST_F(AutograbacionTest, UnaSolaPreguntaALaVez) {
  class Reentrante : public RecordingUiPort {
   public:
    CAutograbacion* a = nullptr;
    int preguntas = 0;
    Answer AskYesNo(const std::string& t, Answer def) override {
      // The timer fires while the first box is open.
      if (++preguntas == 1) a->OnTimer(kTimerAutograbacion);
      return RecordingUiPort::AskYesNo(t, def);
    }
  } reentrante;
  reentrante.a = &a;
  CAutograbacion::Puertos p;
  p.temporizadores = &timers;
  p.estado = &estado;
  p.ui = &reentrante;
  p.guardar = [this] { ++guardados; };
  a.SetPuertos(p);

  a.OnTimer(kTimerAutograbacion);
  EXPECT_EQ(reentrante.preguntas, 1);
  // Once answered, the next tick asks again.
  a.OnTimer(kTimerAutograbacion);
  EXPECT_EQ(reentrante.preguntas, 2);
}

TEST_F(AutograbacionTest, UnaCopiaQueNoSePuedeEscribirSeInforma) {
  DocumentoGuardado();
  a.Iniciar();
  fs::remove_all(dir / "");  // the document's folder is gone
  a.OnTimer(kTimerAutograbacion);
  ASSERT_EQ(ui.Log().size(), 1u);
  EXPECT_EQ(ui.Log()[0].kind, MsgKind::Error);
  EXPECT_NE(ui.Log()[0].text.find("Imposible encontrar este archivo"), std::string::npos);
  EXPECT_EQ(estado.UltimoMensaje(), "Preparado");
  EXPECT_TRUE(timers.Activo(kTimerAutograbacion));
  EXPECT_TRUE(timers.Activo(kTimerCuentaAtras));
  // No copy written: the next countdown tick counts down.
  a.OnTimer(kTimerCuentaAtras);
  EXPECT_EQ(estado.UltimoMensaje(), "Próxima grabación automática en 7:30 min");
}

TEST_F(AutograbacionTest, Ajustes) {
  a.Iniciar();
  struct Caso {
    int eleccion;
    double minutos;
    int intervalo, cuenta, restaurar;
  };
  const Caso casos[] = {
      {AjustesAutograbacion::kSegundoPlano, 2.0, 120000, 30000, 1500},
      {AjustesAutograbacion::kPreguntar, 0.5, 30000, 7500, 375},
      {AjustesAutograbacion::kSegundoPlano, 300.0, 18000000, 4500000, 1500},
  };
  for (const Caso& c : casos) {
    a.Aplicar({c.eleccion, c.minutos});
    EXPECT_EQ(timers.Periodo(kTimerAutograbacion), c.intervalo);
    EXPECT_EQ(timers.Periodo(kTimerCuentaAtras), c.cuenta);
    EXPECT_EQ(a.m_nRestante, c.intervalo);
    a.OnTimer(kTimerCuentaAtras);
    EXPECT_EQ(timers.Periodo(kTimerRestaurar), c.restaurar);
    // Reopening the dialog shows what was chosen.
    const AjustesAutograbacion vuelta = a.Ajustes();
    EXPECT_EQ(vuelta.eleccion, c.eleccion);
    EXPECT_EQ(vuelta.minutos, c.minutos);
  }

  a.Aplicar({AjustesAutograbacion::kSinGrabacion, 0.5});
  EXPECT_FALSE(timers.Activo(kTimerAutograbacion));
  EXPECT_FALSE(timers.Activo(kTimerCuentaAtras));
  EXPECT_EQ(a.Ajustes().eleccion, AjustesAutograbacion::kSinGrabacion);
  // Choosing a mode again starts from the full interval.
  a.m_nRestante = 5;
  a.Aplicar({AjustesAutograbacion::kSegundoPlano, 1.0});
  EXPECT_EQ(timers.Periodo(kTimerAutograbacion), 60000);
  EXPECT_EQ(timers.Periodo(kTimerCuentaAtras), 15000);
  EXPECT_EQ(a.m_nRestante, 60000);
}

TEST(AutograbacionMinutos, Validacion) {
  const struct {
    const char* texto;
    const char* mensaje;  // empty: accepted
  } casos[] = {
      {"10", ""},
      {"0.5", ""},
      {"300", ""},
      {" 2.25 ", ""},
      {"2,5", ""},
      {"2,5,0", "Introduzca un número."},
      {"abc", "Introduzca un número."},
      {"", "Introduzca un número."},
      {"-1", "Introduzca un número entre 0 y 300."},
      {"300.5", "Introduzca un número entre 0 y 300."},
      {"0", "El intervalo entre grabaciones debe ser de al menos 1 segundo."},
      {"0.01", "El intervalo entre grabaciones debe ser de al menos 1 segundo."},
  };
  for (const auto& c : casos) {
    double m = -7.0;
    EXPECT_EQ(ValidarMinutos(c.texto, m), c.mensaje) << c.texto;
    if (*c.mensaje == '\0') {
      EXPECT_NE(m, -7.0) << c.texto;
    }
  }
}

TEST(AutograbacionRuta, CopiaJuntoAlDocumento) {
  EXPECT_EQ(RutaCopiaSeguridad("/datos/planta.vdo"), "/datos/Backup_of_planta.vdo");
  EXPECT_EQ(RutaCopiaSeguridad("/datos/mi.planta.vdo"), "/datos/Backup_of_mi.planta.vdo");
  EXPECT_EQ(RutaCopiaSeguridad(""), "");
}

}  // namespace
}  // namespace vardo

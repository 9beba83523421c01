#include "dialogs/entry/dlg_correo.h"

#include <QCoreApplication>
#include <QDir>
#include <QListWidget>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

#include "app/core/document/documento.h"
#include "platform/qt/messagerunner.h"
#include "platform/core/sustituir.h"

namespace vardo {

namespace {

const std::vector<std::string> kAsuntosContactar = {
    "Consulta sobre el funcionamiento de Calorama",
    "Consulta sobre la implementación de la Tecnología de Pinch en Calorama",
    "Cosulta sobre la Tecnología de Pinch en general",
    "Error o problema de Calorama",
    "Sugerencias",
    "Opinión",
    "Petición de información adicional sobre Calorama",
    "Otro",
};

const std::vector<std::string> kAspectos = {
    "Diseño de la interfaz",
    "Manejo del programa",
    "Definición de corrientes",
    "Cálculo de cascada",
    "Áreas de Integridad",
    "División de corrientes",
    "Elaboración de diagramas",
    "Cálculo de área y costes",
    "Estimación de coef. TC.",
    "Formato del diagrama de trama",
    "Formato de otras gráficas",
    "Criterios de factibilidad",
    "Definición de cambiadores",
    "Detección de errores",
    "Análisis del problema remanente",
    "Anillos y sendas",
    "Perturbaciones",
    "Definición de Servicios",
    "Diseño del sistema de servicios",
    "Informes",
    "Obtención de Resultados",
};

constexpr const char* kMostrarVentana = "Mostrar el mensaje al cerrar esta ventana";

kit::Template PlantillaContactar() {
  using namespace kit;
  using D = CContactarDlg;
  return Template{"Contactar",
                  310,
                  232,
                  {
                      Label("Asunto:", 7, 9, 32, 8),
                      Combo(D::kAsunto, 40, 7, 263, 110, kPlain, kAsuntosContactar),
                      Label("Nombre:", 7, 28, 110, 8),
                      Edit(D::kNombre, 120, 26, 183, 12),
                      Label("Organización:", 7, 44, 110, 8),
                      Edit(D::kOrganizacion, 120, 42, 183, 12),
                      Label("Dirección de correo electrónico:", 7, 60, 110, 8),
                      Edit(D::kDireccion, 120, 58, 183, 12),
                      Edit(D::kTexto, 7, 76, 296, 108, kMultiline),
                      Check(D::kMostrar, kMostrarVentana, 7, 191, 200, 10),
                      Button(kIdOk, "Enviar", 199, 211, 50, 14, kDefault),
                      Button(kIdCancel, "Cancelar", 253, 211, 50, 14),
                  }};
}

kit::Template PlantillaListaCorreo() {
  using namespace kit;
  using D = CListaCorreoDlg;
  return Template{"Lista de Correo",
                  262,
                  190,
                  {
                      Label("Asunto:", 7, 9, 36, 8),
                      Edit(D::kAsunto, 45, 7, 210, 12),
                      Label("Texto:", 7, 25, 36, 8),
                      Edit(D::kTexto, 7, 35, 248, 112, kMultiline),
                      Check(D::kMostrar, "Mostrar mensaje al cerrar este diálogo", 7, 153, 200, 10),
                      Button(kIdOk, "Enviar", 151, 169, 50, 14, kDefault),
                      Button(kIdCancel, "Cancelar", 205, 169, 50, 14),
                  }};
}

kit::Template PlantillaOpinion() {
  using namespace kit;
  using D = COpinionDlg;
  return Template{
      "Opinión",
      420,
      340,
      {
          Label("Por favor, explíquenos su opinión de Calorama.", 7, 7, 406, 8),
          Label("Nos será muy útil para mejorar nuestro trabajo.", 7, 16, 406, 8),
          Label("Aspectos positivos:", 7, 30, 200, 8),
          List(D::kPositivos, 7, 40, 200, 90),
          Label("Otros:", 7, 137, 26, 8),
          Edit(D::kOtrosPositivos, 35, 135, 125, 12),
          Button(D::kAnadirPositivos, "Añadir", 164, 134, 43, 14),
          Label("Aspectos que deben mejorar:", 213, 30, 200, 8),
          List(D::kMejorar, 213, 40, 200, 90),
          Label("Otros:", 213, 137, 26, 8),
          Edit(D::kOtrosMejorar, 241, 135, 125, 12),
          Button(D::kAnadirMejorar, "Añadir", 370, 134, 43, 14),
          Label("¿Qué funciones del programa ha usado más frecuentemente? ¿Con qué objetivo?", 7,
                155, 406, 8),
          Edit(D::kUsadas, 7, 165, 406, 28, kMultiline),
          Label("¿Qué funciones cree que deberían incluirse en versiones futuras?", 7, 197, 406, 8),
          Edit(D::kDeseadas, 7, 207, 406, 28, kMultiline),
          Label("Otros comentarios", 7, 239, 406, 8),
          Edit(D::kComentarios, 7, 249, 406, 28, kMultiline),
          Label("Nombre:", 7, 286, 72, 8),
          Edit(D::kNombre, 80, 284, 127, 12),
          Label("Organización:", 213, 286, 72, 8),
          Edit(D::kOrganizacion, 286, 284, 127, 12),
          Label("País:", 7, 302, 72, 8),
          Edit(D::kPais, 80, 300, 127, 12),
          Label("Correo electrónico:", 213, 302, 72, 8),
          Edit(D::kDireccion, 286, 300, 127, 12),
          Check(D::kMostrar, kMostrarVentana, 7, 322, 200, 10),
          Button(kIdOk, "Enviar", 309, 320, 50, 14, kDefault),
          Button(kIdCancel, "Cancelar", 363, 320, 50, 14),
      }};
}

// The recipient as the profile holds it, without surrounding blanks.
std::string Destinatario(const char* clave) {
  QSettings perfil;
  return perfil.value(QString::fromLatin1(clave)).toString().trimmed().toStdString();
}

}  // namespace

// ---------------------------------------------------------------- the forms

CCorreoDlg::CCorreoDlg(kit::Template t, const char* clave, QWidget* parent)
    : kit::Dialog(std::move(t), parent), clave_(clave) {}

void CCorreoDlg::OnOK() {
  MensajeCorreo m = Componer();
  m.destinatario = Destinatario(clave_);
  if (m.destinatario.empty()) {
    ShowMessage(this, Sustituir(kMsgCorreoSinDestinatario, clave_), MsgIcon::Warning);
    return;
  }
  ResultadoCorreo r;
  {
    kit::WaitCursor espera;
    r = EntregarCorreo(m);
  }
  if (!r.ok) {
    // The form keeps everything the user wrote, to try again.
    ShowMessage(this, r.error, MsgIcon::Warning);
    return;
  }
  kit::Dialog::OnOK();
}

CContactarDlg::CContactarDlg(QWidget* parent)
    : CCorreoDlg(PlantillaContactar(), kClaveCorreoContacto, parent) {}

void CContactarDlg::OnInit() { SetCurSel(kAsunto, 0); }

MensajeCorreo CContactarDlg::Componer() const {
  MensajeCorreo m;
  m.asunto = Text(kAsunto);
  m.cuerpo = "Nombre: " + Text(kNombre) + "\nOrganización: " + Text(kOrganizacion) +
             "\nDirección: " + Text(kDireccion) + "\n\n" + Text(kTexto);
  return m;
}

CListaCorreoDlg::CListaCorreoDlg(QWidget* parent)
    : CCorreoDlg(PlantillaListaCorreo(), kClaveCorreoLista, parent) {}

MensajeCorreo CListaCorreoDlg::Componer() const {
  MensajeCorreo m;
  m.asunto = Text(kAsunto);
  m.cuerpo = Text(kTexto);
  return m;
}

COpinionDlg::COpinionDlg(QWidget* parent)
    : CCorreoDlg(PlantillaOpinion(), kClaveCorreoContacto, parent) {
  OnClick(kAnadirPositivos, [this] { Anadir(kPositivos, kOtrosPositivos); });
  OnClick(kAnadirMejorar, [this] { Anadir(kMejorar, kOtrosMejorar); });
}

void COpinionDlg::OnInit() {
  for (int lista : {kPositivos, kMejorar}) {
    // Each click chooses or unchooses one topic; several may be chosen.
    Get<QListWidget>(lista)->setSelectionMode(QAbstractItemView::MultiSelection);
    for (const std::string& a : kAspectos) AddString(lista, a);
  }
}

void COpinionDlg::Anadir(int lista, int otros) {
  const std::string texto = Text(otros);
  if (texto.empty()) return;
  const int i = AddString(lista, texto);
  auto* l = Get<QListWidget>(lista);
  l->item(i)->setSelected(true);
  l->scrollToItem(l->item(i));
  SetText(otros, "");
}

std::string COpinionDlg::Elegidos(int lista) const {
  std::string s;
  const auto* l = Get<QListWidget>(lista);
  for (int i = 0; i < l->count(); ++i)
    if (l->item(i)->isSelected()) s += l->item(i)->text().toStdString() + "\n";
  return s;
}

MensajeCorreo COpinionDlg::Componer() const {
  MensajeCorreo m;
  m.asunto = kAsuntoOpinion;
  m.cuerpo = "Nombre: " + Text(kNombre) + "\nOrganización: " + Text(kOrganizacion) +
             "\nPaís: " + Text(kPais) + "\nDirección: " + Text(kDireccion) +
             "\n\nAspectos Positivos:\n" + Elegidos(kPositivos) + "\nAspectos Negativos:\n" +
             Elegidos(kMejorar) + "\nFunciones usadas frecuentemente: " + Text(kUsadas) +
             "\nFunciones deseadas: " + Text(kDeseadas) +
             "\nOtros comentarios: " + Text(kComentarios);
  return m;
}

void EjecutarContactar(QWidget* padre) {
  CContactarDlg dlg(padre);
  dlg.Run();
}

void EjecutarListaCorreo(QWidget* padre) {
  CListaCorreoDlg dlg(padre);
  dlg.Run();
}

void EjecutarOpinion(QWidget* padre) {
  COpinionDlg dlg(padre);
  dlg.Run();
}

// ---------------------------------------------------------------- the document

namespace {

// Keeps a sent copy's folder until the program ends.
class CarpetaAdjunto : public QObject {
 public:
  CarpetaAdjunto(std::unique_ptr<QTemporaryDir> dir, QObject* dueno)
      : QObject(dueno), dir_(std::move(dir)) {}

 private:
  std::unique_ptr<QTemporaryDir> dir_;
};

}  // namespace

std::string NombreAdjunto(const std::string& titulo) {
  // Letters (accented ones and other scripts too), digits, blanks and "._-"
  // only: some mail programs are handed the attachment inside a quoted list
  // of fields, where a quote or a comma would start a field of its own.
  QString limpio;
  for (const char32_t c : QString::fromStdString(titulo).toUcs4()) {
    const bool sirve = QChar::isLetterOrNumber(c) || c == U' ' || c == U'.' || c == U'_' || c == U'-';
    limpio += sirve ? QString::fromUcs4(&c, 1) : QStringLiteral("_");
  }
  std::string nombre = limpio.toStdString();
  if (nombre.empty() || nombre == "." || nombre == "..") nombre = kTituloBase;
  const std::string ext = kExtensionDocumento;
  const bool conExtension =
      nombre.size() > ext.size() &&
      QString::fromStdString(nombre.substr(nombre.size() - ext.size()))
              .compare(QString::fromLatin1(ext.c_str()), Qt::CaseInsensitive) == 0;
  return conExtension ? nombre : nombre + ext;
}

bool CorreoDisponible() {
  return !QStandardPaths::findExecutable(QString::fromLatin1(kProgramaCorreo)).isEmpty();
}

bool EnviarDocumento(QWidget* padre, const CVardoDoc& doc) {
  // Only this user can read the folder (QTemporaryDir makes it so).
  auto dir = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                             QStringLiteral("/calorama-XXXXXX"));
  if (!dir->isValid()) {
    ShowMessage(padre, kMsgNoGuardar, MsgIcon::Warning);
    return false;
  }
  const std::string ruta =
      QDir(dir->path()).filePath(QString::fromStdString(NombreAdjunto(doc.GetTitle()))).toStdString();
  const ResultadoArchivo copia = doc.GuardarCopia(ruta);
  if (!copia.ok) {
    ShowMessage(padre, copia.mensaje.empty() ? kMsgNoGuardar : copia.mensaje, MsgIcon::Warning);
    return false;
  }
  MensajeCorreo m;
  m.adjuntos.push_back(ruta);
  ResultadoCorreo r;
  {
    kit::WaitCursor espera;
    r = EntregarCorreo(m);
  }
  if (!r.ok) {
    ShowMessage(padre, r.error, MsgIcon::Warning);
    return false;
  }
  new CarpetaAdjunto(std::move(dir), QCoreApplication::instance());
  return true;
}

}  // namespace vardo

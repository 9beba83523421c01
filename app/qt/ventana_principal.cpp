#include "app/qt/ventana_principal.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <limits>

#include "app/qt/dlg_autograbacion.h"
#include "app/core/document/comandos_documento.h"
#include "app/core/document/documento.h"
#include "app/qt/iconos.h"
#include "app/core/document/ids_comandos.h"
#include "app/qt/marco_hijo.h"
#include "app/qt/vista.h"
#include "dialogs/entry/dlg_correo.h"
#include "platform/core/numtext.h"
#include "platform/qt/filedialogs.h"
#include "platform/qt/frameworktexts.h"
#include "platform/qt/messagerunner.h"

namespace vardo {

namespace {

struct DefComando {
  int id;
  const char* texto;   // menu text
  const char* ayuda;   // fly-by prompt, then the tooltip after a newline
};

// Every command the menus, toolbars and keys show.
const DefComando kComandos[] = {
    // File
    {cmd::kNuevo, "&Nuevo\tCtrl+N", "Crea un documento nuevo\nNuevo"},
    {cmd::kAbrir, "&Abrir...\tCtrl+A", "Abre un documento existente\nAbrir"},
    {cmd::kCerrar, "&Cerrar", "Cierra el documento activo\nCerrar"},
    {cmd::kGuardar, "&Guardar\tCtrl+G", "Guarda el documento activo\nGuardar"},
    {cmd::kGuardarComo, "Guardar c&omo...", "Guarda el documento activo con otro nombre\nGuardar como"},
    {cmd::kConfigurarImpresion, "Configurar impresión...", "Cambia la impresora y sus opciones\nConfigurar impresión"},
    {cmd::kImprimir, "&Imprimir...\tCtrl+I", "Imprime el documento activo\nImprimir"},
    {cmd::kConfigurarImpresora, "Con&figurar impresora...", "Cambia la impresora y sus opciones\nConfigurar impresora"},
    {cmd::kEnviar, "&Enviar", "Envía el documento activo por correo electrónico\nEnviar"},
    {cmd::kSalir, "&Salir", "Sale del programa; pregunta si desea guardar los documentos\nSalir"},
    // Edit
    {cmd::kDeshacer, "&Deshacer\tCtrl+Z", "Deshace el último cambio\nDeshacer"},
    {cmd::kRehacer, "&Rehacer", "Rehace el último cambio deshecho\nRehacer"},
    {cmd::kCopiar, "&Copiar", "Copia la imagen al Portapapeles\nCopiar"},
    {cmd::kGrabarImagen, "G&rabar", "Graba la imagen en un archivo\nGrabar imagen"},
    {cmd::kExportarGrafica, "&Exportar", "Escribe los datos de la gráfica en un archivo de texto\nExportar"},
    // View
    {cmd::kBarraEstandar, "Barra de &herramientas estándar", "Muestra u oculta la barra de herramientas estándar\nBarra estándar"},
    {cmd::kVerBarraPrincipal, "Barra de herramientas &principal", "Muestra u oculta la barra de herramientas principal\nBarra principal"},
    {cmd::kVerBarraDiagrama, "Barra de herramientas de &diagrama", "Muestra u oculta la barra de herramientas de diagrama\nBarra de diagrama"},
    {cmd::kVerBarraAnillos, "Barra de herramientas de &anillos y sendas", "Muestra u oculta la barra de herramientas de anillos y sendas\nBarra de anillos y sendas"},
    {cmd::kVerBarraAreas, "Barra de herramientas de áreas de &integridad", "Muestra u oculta la barra de áreas de integridad\nBarra de áreas de integridad"},
    {cmd::kBarraEstado, "Barra de &estado", "Muestra u oculta la barra de estado\nBarra de estado"},
    {cmd::kVerTablaCorrientes, "&Tabla de Corrientes", "Muestra u oculta la tabla de corrientes\nTabla de corrientes"},
    {cmd::kVerVisorObjetos, "&Visor de Objetos", "Muestra u oculta el visor de objetos\nVisor de objetos"},
    // Streams
    {cmd::kAnadirCorrientes, "&Añadir\tCtrl+S", "Añade corrientes de proceso\nAñadir corrientes"},
    {cmd::kBorrarCorrientes, "&Borrar", "Borra corrientes de proceso\nBorrar corrientes"},
    {cmd::kPropiedadesCorriente, "Ver &Propiedades", "Muestra las propiedades de la corriente seleccionada\nPropiedades de la corriente"},
    {cmd::kBifurcarNueva, "&Nueva", "Bifurca la corriente seleccionada\nNueva bifurcación"},
    {cmd::kBifurcarModificar, "&Modificar", "Modifica la bifurcación de la corriente seleccionada\nModificar bifurcación"},
    {cmd::kBifurcarBorrar, "&Borrar", "Borra la bifurcación de la corriente seleccionada\nBorrar bifurcación"},
    {cmd::kBifurcarTemperaturas, "&Calcular Temperaturas", "Calcula las temperaturas de la bifurcación\nCalcular temperaturas"},
    {cmd::kAreasIntegridad, "Áreas de &Integridad", "Define las áreas de integridad\nÁreas de integridad"},
    {cmd::kSeleccionarArea, "&Seleccionar", "Muestra sólo el área de integridad seleccionada\nSeleccionar área"},
    {cmd::kModificarCorriente, "&Modificar", "Modifica la corriente seleccionada\nModificar corriente"},
    {cmd::kBorrarCorrienteSel, "&Borrar", "Borra la corriente seleccionada\nBorrar corriente"},
    {cmd::kPropiedadesCorrienteSel, "Ver &Propiedades", "Muestra las propiedades de la corriente seleccionada\nPropiedades de la corriente"},
    {cmd::kLadoCalienteCorriente, "Lado &Caliente", "Criterios de factibilidad del lado caliente\nFactibilidad, lado caliente"},
    {cmd::kLadoFrioCorriente, "Lado &Frío", "Criterios de factibilidad del lado frío\nFactibilidad, lado frío"},
    {cmd::kTablaCorrientes, "&Tabla", "Muestra la tabla de corrientes\nTabla de corrientes"},
    // Exchangers
    {cmd::kAnadirCambiadores, "&Añadir\tCtrl+H", "Añade cambiadores de calor\nAñadir cambiadores"},
    {cmd::kBorrarCambiadores, "&Borrar", "Borra cambiadores de calor\nBorrar cambiadores"},
    {cmd::kFormatoCambiadores, "&Formato", "Cambia el formato de todos los cambiadores\nFormato de los cambiadores"},
    {cmd::kPropiedadesCambiador, "Ver &Propiedades", "Muestra las propiedades del cambiador seleccionado\nPropiedades del cambiador"},
    {cmd::kBorrarCambiadorSel, "&Borrar", "Borra el cambiador seleccionado\nBorrar cambiador"},
    {cmd::kFormatoCambiador, "&Formato", "Cambia las temperaturas que muestra el cambiador seleccionado\nFormato del cambiador"},
    {cmd::kPropiedadesCambiadorSel, "Ver &Propiedades", "Muestra las propiedades del cambiador seleccionado\nPropiedades del cambiador"},
    {cmd::kTablaCambiadores, "&Tabla", "Muestra la tabla de cambiadores\nTabla de cambiadores"},
    {cmd::kErrores, "&Errores", "Comprueba las especificaciones de los cambiadores\nErrores"},
    {cmd::kCrucePinch, "Emparejamientos a través del Pinch\tMayús+P", "Busca los emparejamientos a través del pinch\nEmparejamientos a través del pinch"},
    // Utilities
    {cmd::kAnadirServicios, "&Añadir\tCtrl+U", "Añade servicios generales\nAñadir servicios"},
    {cmd::kBorrarServicios, "&Borrar", "Borra servicios generales\nBorrar servicios"},
    {cmd::kCombinarServicios, "&Combinar", "Combina los servicios generales\nCombinar servicios"},
    {cmd::kCostesServicios, "Co&stes", "Optimiza los costes de los servicios generales\nCostes de los servicios"},
    {cmd::kMostrarServicios, "&Mostrar\tMayús+M", "Muestra u oculta los servicios generales\nMostrar servicios"},
    {cmd::kTablaServicios, "&Tabla", "Muestra la tabla de servicios generales\nTabla de servicios"},
    {cmd::kPropiedadesServicio, "Ver &Propiedades", "Muestra las propiedades del servicio seleccionado\nPropiedades del servicio"},
    {cmd::kBorrarServicioSel, "&Borrar", "Borra el servicio seleccionado\nBorrar servicio"},
    // Charts
    {cmd::kDiagramaTrama, "Diagrama de &Trama\tCtrl+T", "Muestra el diagrama de trama\nDiagrama de trama"},
    {cmd::kCompuestas, "&Curvas Compuestas\tMayús+C", "Muestra las curvas compuestas\nCurvas compuestas"},
    {cmd::kGrandCompuesta, "Curva &Grand compuesta\tMayús+G", "Muestra la curva grand compuesta\nCurva grand compuesta"},
    {cmd::kCompuestasServicios, "Curvas Compuestas con &Servicios", "Muestra las curvas compuestas con los servicios\nCurvas compuestas con servicios"},
    {cmd::kDTDisponible, "Diferencia de Temperatura Dis&ponible", "Muestra la diferencia de temperatura disponible\nDT disponible"},
    {cmd::kCompuestasExergia, "Curvas Compuestas de E&xergía\tCtrl+U", "Muestra las curvas compuestas de exergía\nCurvas compuestas de exergía"},
    {cmd::kGrandCompuestaExergia, "Curva Grand Compuesta de Exe&rgía", "Muestra la curva grand compuesta de exergía\nCurva grand compuesta de exergía"},
    {cmd::kExergiaDisponible, "Exergía Disponible\tCtrl+X", "Muestra la exergía disponible\nExergía disponible"},
    {cmd::kTPinchDTMin, "Temperatura de &pinch", "Temperatura de pinch frente a DT mínima\nT pinch vs DTmin"},
    {cmd::kServiciosDTMin, "&Servicios Generales", "Servicios generales frente a DT mínima\nServicios generales vs DTmin"},
    {cmd::kNMinDTMin, "&Número mínimo de cambiadores", "Número mínimo de cambiadores frente a DT mínima\nNúmero de cambiadores vs DTmin"},
    {cmd::kAreaMinDTMin, "&Área &mínima de intercambio", "Área mínima de intercambio frente a DT mínima\nÁrea mínima vs DTmin"},
    {cmd::kCosteOperacionDTMin, "Costes de &operación", "Costes de operación frente a DT mínima\nCostes de operación vs DTmin"},
    {cmd::kCosteInmDTMin, "Costes de &inmovilizado", "Costes de inmovilizado frente a DT mínima\nCostes de inmovilizado vs DTmin"},
    {cmd::kCosteTotalDTMin, "Costes &totales\tMayús+D", "Costes totales frente a DT mínima\nCostes totales vs DTmin"},
    {cmd::kCostesAnillo, "&Variación de los costes", "Costes frente al flujo de calor de un anillo\nCostes en anillo"},
    {cmd::kGraficaPersonalizada, "Gráfica P&ersonalizada", "Una variable frente a otra al variar la DT mínima\nGráfica personalizada"},
    {cmd::kOtrasGraficas, "Otras Gráficas", "Muestra las demás gráficas\nOtras gráficas"},
    {cmd::kFormatoGrafica, "&Formato de gráfica", "Cambia el formato del diagrama o de la gráfica\nFormato de gráfica"},
    // Analysis
    {cmd::kVadizod, "&Vadizod\tCtrl+M", "Calcula la cascada de calor\nCascada"},
    {cmd::kFactibilidadCaliente, "Lado &Caliente", "Criterios de factibilidad del lado caliente\nFactibilidad, lado caliente"},
    {cmd::kFactibilidadFrio, "Lado &Frío", "Criterios de factibilidad del lado frío\nFactibilidad, lado frío"},
    {cmd::kTablaEmparejamientos, "&Tabla de emparejamientos", "Muestra los emparejamientos posibles en el pinch\nTabla de emparejamientos"},
    {cmd::kUsarFactibilidad, "&Usar Factibilidad para definir cambiadores", "Define los cambiadores con los criterios de factibilidad\nUsar factibilidad"},
    {cmd::kAreaMinima, "Á&rea Mínima", "Calcula el área mínima de intercambio\nÁrea mínima"},
    {cmd::kCostesMinimos, "Costes &Mínimos\tCtrl+D", "Calcula los costes mínimos\nCostes mínimos"},
    {cmd::kProblemaRemanente, "Problema &Remanente\tCtrl+R", "Analiza el problema remanente\nProblema remanente"},
    // Loops and paths
    {cmd::kAnadirAnillo, "&Añadir\tCtrl+L", "Añade un anillo o senda\nAñadir anillo o senda"},
    {cmd::kBuscarAnillos, "&Buscar", "Busca los anillos y sendas de la red\nBuscar anillos y sendas"},
    {cmd::kAnilloAnterior, "A&nterior", "Muestra el anillo o senda anterior\nAnterior"},
    {cmd::kAnilloSiguiente, "&Siguiente", "Muestra el anillo o senda siguiente\nSiguiente"},
    {cmd::kMAN, "&MAN y Árbol Máximo", "Matriz de adyacencia de nodos y árbol máximo\nMAN y árbol máximo"},
    {cmd::kPerturbaciones, "&Perturbaciones", "Caminos de transmisión de perturbaciones\nPerturbaciones"},
    // Tools
    {cmd::kInforme, "&Informe", "Escribe el informe del problema\nInforme"},
    {cmd::kDifTemperaturas, "&Diferencia de temperaturas", "Busca la DT mínima de coste total mínimo\nDiferencia de temperaturas óptima"},
    {cmd::kAutograbacion, "&Autograbación", "Cambia la grabación automática de los documentos\nAutograbación"},
    // Help
    {cmd::kAyuda, "&Temas de ayuda", "Muestra los temas de ayuda\nAyuda"},
    {cmd::kPaginaWeb, "Página &Web", "Abre la página web del programa\nPágina web"},
    {cmd::kListaCorreo, "&Lista de Correo", "Se apunta a la lista de correo\nLista de correo"},
    {cmd::kOpinion, "&Opinión", "Envía su opinión sobre el programa\nOpinión"},
    {cmd::kContactar, "&Contactar", "Escribe a los autores\nContactar"},
    {cmd::kAcercaDe, "&Acerca de Calorama...", "Muestra el programa, su versión y su contacto\nAcerca de"},
};

// The drop-down of the other charts: its own texts, the commands' ids.
struct EntradaOtras {
  int id;
  const char* texto;
};
const EntradaOtras kEntradasOtras[] = {
    {cmd::kCompuestasServicios, "Curvas Compuestas con Servicios"},
    {cmd::kDTDisponible, "DT disponible"},
    {0, nullptr},
    {cmd::kCompuestasExergia, "Curvas Compuestas de Exergía"},
    {cmd::kGrandCompuestaExergia, "Curvas Grand Compuestas de Exergía"},
    {cmd::kExergiaDisponible, "Exergía Disponible"},
    {0, nullptr},
    {cmd::kTPinchDTMin, "T pinch vs DTmin"},
    {cmd::kServiciosDTMin, "Servicios Generales vs DTmin"},
    {cmd::kNMinDTMin, "Número de Cambiadores vs DTmin"},
    {cmd::kAreaMinDTMin, "Área Mínima vs DTmin"},
    {cmd::kCosteOperacionDTMin, "Costes Operación vs DTmin"},
    {cmd::kCosteInmDTMin, "Costes Inmovilizado vs DTmin"},
    {cmd::kCosteTotalDTMin, "Costes Totales vs DTmin"},
    {cmd::kCostesAnillo, "Costes en Anillo"},
    {cmd::kGraficaPersonalizada, "Gráfica Personalizada"},
};

QString Q(const char* s) { return QString::fromUtf8(s); }

}  // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : MdiFrame(parent), timers_(this, [this](int id) { autograbacion_.OnTimer(id); }) {
  setWindowTitle(QStringLiteral("Calorama"));
  setWindowIcon(IconoPrograma());
  setAcceptDrops(true);
  DefinirComandos();
  CrearBarras();
  CrearMenus();
  CrearTeclas();
  DefinirComandosMarco();
  DefinirComandosDocumento();
  dialogoAutograbacion = [this](AjustesAutograbacion& a) {
    return EjecutarDialogoAutograbacion(this, a);
  };
  CAutograbacion::Puertos pa;
  pa.temporizadores = this;
  pa.estado = this;
  pa.guardar = [this] {
    // Posted, as the frame's save command, so that the timer's handler
    // has returned before a save dialog opens.
    QTimer::singleShot(0, this, [this] { Commands().Execute(cmd::kGuardar); });
  };
  autograbacion_.SetPuertos(pa);
  connect(this, &MdiFrame::ActiveChildChanged, this,
          [this](MdiChild* hijo) { AlCambiarMarcoActivo(hijo); });
  AlCambiarMarcoActivo(nullptr);
}

CMainFrame::~CMainFrame() {
  timers_.StopAll();
  // The documents and their views go first, while the menus, bars and panes
  // that their close updates still exist.
  DestroyChildren();
  CVardoDoc::SetDocActivo(nullptr);
  CVardoView::SetVistaActiva(nullptr);
}

// ---------------------------------------------------------------- building

void CMainFrame::DefinirComandos() {
  for (const DefComando& c : kComandos) {
    QIcon icono = TieneIcono(c.id) ? IconoComando(c.id) : QIcon();
    Commands().Define(c.id, Q(c.texto), Q(c.ayuda), icono);
  }
}

void CMainFrame::CrearBarras() {
  using namespace cmd;
  // The band order: the DT min field, then the standard, main, loops and
  // diagram toolbars.
  AddFieldBand(Q(kEtiquetaDTMin), 50);
  AddToolBar(kRecursoBarraEstandar, Q("Barra de &herramientas estándar"),
             {kNuevo, kAbrir, kGuardar, kImprimir, 0, kCopiar, 0, kVerTablaCorrientes,
              kVerVisorObjetos, 0, kDeshacer, kRehacer, 0, kAyuda});
  AddToolBar(kRecursoBarraPrincipal, Q("Barra de herramientas &principal"),
             {kAnadirCorrientes, kBorrarCorrientes, 0, kAnadirCambiadores, kBorrarCambiadores, 0,
              kAnadirServicios, kBorrarServicios, kMostrarServicios, 0, kVadizod,
              kProblemaRemanente, kCrucePinch, kCostesMinimos, 0, kInforme});
  AddToolBar(kRecursoBarraAnillos, Q("Barra de herramientas de &anillos y sendas"),
             {kAnadirAnillo, kBuscarAnillos, kAnilloAnterior, kAnilloSiguiente});
  AddToolBar(kRecursoBarraDiagrama, Q("Barra de herramientas de &diagrama"),
             {kCompuestas, kGrandCompuesta, kCosteTotalDTMin, kDiagramaTrama, kOtrasGraficas,
              kFormatoGrafica});
  const TextosContadores vacios = ContadoresVacios();
  AddCountPane(kPanelCamb, QString::fromStdString(vacios.camb));
  AddCountPane(kPanelCal, QString::fromStdString(vacios.cal));
  AddCountPane(kPanelRef, QString::fromStdString(vacios.ref));

  menuOtras_ = new QMenu(Q("Diagrama"), this);
  for (const EntradaOtras& e : kEntradasOtras) {
    if (e.id == 0) {
      menuOtras_->addSeparator();
      continue;
    }
    QAction* a = menuOtras_->addAction(Q(e.texto));
    a->setData(e.id);
    const int id = e.id;
    connect(a, &QAction::triggered, this, [this, id] { Commands().Execute(id); });
  }
  connect(menuOtras_, &QMenu::aboutToShow, this, [this] {
    for (QAction* a : menuOtras_->actions())
      if (!a->isSeparator()) a->setEnabled(Commands().State(a->data().toInt()).enabled);
  });
}

void CMainFrame::CrearMenus() {
  using namespace cmd;
  CommandRegistry& c = Commands();
  QMenuBar* barra = menuBar();
  auto menu = [&](const char* titulo, const std::vector<int>& ids, bool documento) {
    QMenu* m = barra->addMenu(Q(titulo));
    c.AddToMenu(m, ids);
    if (documento) menusDocumento_.push_back(m);
    return m;
  };
  auto submenu = [&](QMenu* padre, const char* titulo, const std::vector<int>& ids) {
    QMenu* m = padre->addMenu(Q(titulo));
    c.AddToMenu(m, ids);
    return m;
  };

  menuArchivo_ = menu("&Archivo",
                      {kNuevo, kAbrir, kCerrar, kGuardar, kGuardarComo, kGrabarImagen, 0, kImprimir,
                       kConfigurarImpresora, 0, kEnviar, 0},
                      false);
  antesDeSalir_ = menuArchivo_->addSeparator();
  c.AddToMenu(menuArchivo_, {kSalir});

  menu("&Edición", {kDeshacer, kRehacer, 0, kCopiar, kExportarGrafica}, true);
  menu("&Ver",
       {cmd::kBarraEstandar, kVerBarraPrincipal, kVerBarraDiagrama, kVerBarraAnillos, kVerBarraAreas,
        kBarraEstado, 0, kVerTablaCorrientes, kVerVisorObjetos},
       false);
  QMenu* corrientes = menu("&Corrientes", {kAnadirCorrientes, kBorrarCorrientes,
                                           kPropiedadesCorriente, kTablaCorrientes}, true);
  submenu(corrientes, "B&ifurcar",
          {kBifurcarNueva, kBifurcarModificar, kBifurcarBorrar, kBifurcarTemperaturas});
  submenu(corrientes, "&Factibilidad",
          {kFactibilidadCaliente, kFactibilidadFrio, kTablaEmparejamientos, kUsarFactibilidad});
  menu("Ca&mbiadores",
       {kAnadirCambiadores, kBorrarCambiadores, kFormatoCambiadores, kPropiedadesCambiador,
        kTablaCambiadores, 0, kErrores, kProblemaRemanente, kCrucePinch},
       true);
  menu("&Servicios",
       {kAnadirServicios, kBorrarServicios, kCombinarServicios, kCostesServicios,
        kMostrarServicios, kTablaServicios, kPropiedadesServicio},
       true);
  QMenu* diagrama = menu("&Diagrama",
                         {kDiagramaTrama, kCompuestas, kGrandCompuesta, kCompuestasServicios,
                          kDTDisponible, 0, kCompuestasExergia, kGrandCompuestaExergia,
                          kExergiaDisponible, 0},
                         true);
  submenu(diagrama, "Variación con DT &mínima",
          {kTPinchDTMin, kServiciosDTMin, kNMinDTMin, kAreaMinDTMin, kCosteOperacionDTMin,
           kCosteInmDTMin, kCosteTotalDTMin});
  c.AddToMenu(diagrama, {kCostesAnillo, kGraficaPersonalizada, 0, kFormatoGrafica});
  menu("A&nálisis", {kVadizod, kAreaMinima, kCostesMinimos, kAreasIntegridad}, true);
  menu("Anillos y Sen&das",
       {kAnadirAnillo, kBuscarAnillos, kAnilloAnterior, kAnilloSiguiente, 0, kMAN,
        kPerturbaciones},
       true);
  QMenu* herramientas = menu("&Herramientas", {kInforme}, false);
  submenu(herramientas, "&Optimizar", {kDifTemperaturas});
  c.AddToMenu(herramientas, {0, kAutograbacion});
  QMenu* ventana = menu("Ve&ntana", {}, true);
  AttachWindowList(ventana);
  menu("Ay&uda", {kAyuda, 0, kPaginaWeb, kListaCorreo, kOpinion, kContactar, 0, kAcercaDe},
       false);
}

void CMainFrame::CrearTeclas() {
  using namespace cmd;
  KeyTable& p = MainKeys();
  p.Add(QKeySequence(Qt::CTRL | Qt::Key_N), kNuevo);
  p.Add(QKeySequence(Qt::CTRL | Qt::Key_O), kAbrir);
  p.Add(QKeySequence(Qt::CTRL | Qt::Key_S), kGuardar);
  p.Add(QKeySequence(Qt::CTRL | Qt::Key_P), kImprimir);
  // The keys the File menu shows.
  p.Add(QKeySequence(Qt::CTRL | Qt::Key_A), kAbrir);
  p.Add(QKeySequence(Qt::CTRL | Qt::Key_G), kGuardar);
  p.Add(QKeySequence(Qt::CTRL | Qt::Key_I), kImprimir);
  p.Add(QKeySequence(Qt::CTRL | Qt::Key_Z), kDeshacer);
  p.Add(QKeySequence(Qt::ALT | Qt::Key_Backspace), kDeshacer);
  p.Add(QKeySequence(Qt::Key_F1), kAyuda);
  p.Add(QKeySequence(Qt::SHIFT | Qt::Key_F1), kAyuda);

  KeyTable& d = DocumentKeys();
  d.Add(QKeySequence(Qt::SHIFT | Qt::Key_C), kCompuestas);
  d.Add(QKeySequence(Qt::CTRL | Qt::Key_D), kCostesMinimos);
  d.Add(QKeySequence(Qt::SHIFT | Qt::Key_D), kCosteTotalDTMin);
  d.Add(QKeySequence(Qt::CTRL | Qt::Key_E), kCompuestasExergia);
  d.Add(QKeySequence(Qt::SHIFT | Qt::Key_G), kGrandCompuesta);
  d.Add(QKeySequence(Qt::CTRL | Qt::Key_H), kAnadirCambiadores);
  d.Add(QKeySequence(Qt::CTRL | Qt::Key_L), kAnadirAnillo);
  d.Add(QKeySequence(Qt::CTRL | Qt::Key_M), kVadizod);
  d.Add(QKeySequence(Qt::SHIFT | Qt::Key_M), kMostrarServicios);
  d.Add(QKeySequence(Qt::SHIFT | Qt::Key_P), kCrucePinch);
  d.Add(QKeySequence(Qt::CTRL | Qt::Key_R), kProblemaRemanente);
  d.Add(QKeySequence(Qt::CTRL | Qt::Key_S), kAnadirCorrientes);
  d.Add(QKeySequence(Qt::CTRL | Qt::Key_T), kDiagramaTrama);
  d.Add(QKeySequence(Qt::CTRL | Qt::Key_U), kAnadirServicios);
  d.Add(QKeySequence(Qt::CTRL | Qt::Key_X), kExergiaDisponible);
}

void CMainFrame::DefinirComandosMarco() {
  using namespace cmd;
  CommandTarget& t = FrameTarget();
  auto barra = [this](int recurso, QToolBar* extra = nullptr) {
    return std::pair<std::function<void()>, CommandTarget::Update>{
        [this, recurso, extra] {
          QToolBar* b = ToolBar(recurso);
          const bool mostrar = b->isHidden();
          b->setVisible(mostrar);
          if (extra) extra->setVisible(mostrar);
        },
        [this, recurso](CmdUi& ui) { ui.checked = !ToolBar(recurso)->isHidden(); }};
  };
  auto [h1, u1] = barra(kRecursoBarraDiagrama);
  t.OnCommand(kVerBarraDiagrama, h1, u1);
  auto [h2, u2] = barra(kRecursoBarraPrincipal, FieldBand());
  t.OnCommand(kVerBarraPrincipal, h2, u2);
  auto [h3, u3] = barra(kRecursoBarraAnillos);
  t.OnCommand(kVerBarraAnillos, h3, u3);
  auto [h4, u4] = barra(kRecursoBarraEstandar);
  t.OnCommand(cmd::kBarraEstandar, h4, u4);
  t.OnCommand(kBarraEstado, [this] { statusBar()->setVisible(statusBar()->isHidden()); },
              [this](CmdUi& ui) { ui.checked = !statusBar()->isHidden(); });
  t.OnCommand(kAutograbacion, [this] { OnAutograbacion(); });
  t.OnCommand(kAyuda, [this] { ShowMessage(this, kMsgSinAyuda, MsgIcon::Information); });
  t.OnCommand(kPaginaWeb, [this] { ShowMessage(this, kMsgSinPaginaWeb, MsgIcon::Information); });
  // The mail forms and the mailing of the active document.
  t.OnCommand(kContactar, [this] { EjecutarContactar(this); });
  t.OnCommand(kListaCorreo, [this] { EjecutarListaCorreo(this); });
  t.OnCommand(kOpinion, [this] { EjecutarOpinion(this); });
  t.OnCommand(
      kEnviar,
      [this] {
        if (CVardoDoc* doc = CVardoDoc::GetDocActivo()) EnviarDocumento(this, *doc);
      },
      [](CmdUi& ui) { ui.enabled = CVardoDoc::GetDocActivo() && CorreoDisponible(); });
  t.OnCommand(kSalir, [this] { close(); });
  t.OnCommand(kOtrasGraficas, [this] { MostrarOtrasGraficas(); }, [](CmdUi& ui) {
    CVardoDoc* doc = CVardoDoc::GetDocActivo();
    ui.enabled = doc && doc->m_Diagrama.GetNumCorrientes() > 0;
  });
}

void CMainFrame::DefinirComandosDocumento() {
  // The active document runs them; without one they are disabled.
  CommandTarget& t = FrameTarget();
  for (int id : ComandosDocumento()) {
    t.OnCommand(
        id,
        [id] {
          if (CVardoDoc* doc = CVardoDoc::GetDocActivo()) EjecutarComandoDocumento(*doc, id);
        },
        [id](CmdUi& ui) {
          const EstadoComando e = EstadoComandoDocumento(CVardoDoc::GetDocActivo(), id);
          ui.enabled = e.habilitado;
          ui.checked = e.marcado;
        });
  }
}

// ---------------------------------------------------------------- ports

std::string CMainFrame::ElegirArchivoGuardar(const PeticionGuardar& p) {
  FileDialogRequest r;
  r.save = true;
  r.title = QString::fromUtf8(textos::kTituloGuardarComo);
  r.filter = Q(p.filtro.c_str()) + QStringLiteral(" (*.") + Q(p.extension.c_str()) +
             QLatin1Char(')');
  r.defaultSuffix = Q(p.extension.c_str());
  r.initialPath = Q(p.nombre.c_str());
  return CurrentFileDialogRunner().Run(this, r).toStdString();
}

void CMainFrame::SetTextoEstado(const std::string& texto) {
  SetMessage(QString::fromStdString(TextoEstado(texto)));
}

std::string CMainFrame::UltimoMensaje() const { return LastMessage().toStdString(); }

void CMainFrame::SetContadores(const std::string& camb, const std::string& cal,
                               const std::string& ref) {
  SetPaneText(kPanelCamb, QString::fromStdString(camb));
  SetPaneText(kPanelCal, QString::fromStdString(cal));
  SetPaneText(kPanelRef, QString::fromStdString(ref));
}

void CMainFrame::SetTexto(const std::string& texto) {
  if (Field()) Field()->setText(QString::fromStdString(texto));
}

void CMainFrame::ActualizarTablaCorrientes(const CDiagrama& modelo) {
  auto it = paneles_.find(cmd::kVerTablaCorrientes);
  if (it != paneles_.end() && it->second.puerto && PanelVisible(it->first))
    it->second.puerto->ActualizarTablaCorrientes(modelo);
}

void CMainFrame::ActualizarVisorObjetos(const CDiagrama& modelo, bool conCorrientes) {
  auto it = paneles_.find(cmd::kVerVisorObjetos);
  if (it != paneles_.end() && it->second.puerto && PanelVisible(it->first))
    it->second.puerto->ActualizarVisorObjetos(modelo, conCorrientes);
}

void CMainFrame::ActualizarBarraAreas(const CDiagrama& modelo) {
  // Hidden too: shown again, the bar lists the areas as they are.
  if (puertoBarraAreas_ && bandaAreas_) puertoBarraAreas_->ActualizarBarraAreas(modelo);
}

void CMainFrame::Iniciar(int id, int periodoMs) {
  // A period of 0 would fire without pause.
  timers_.Start(id, std::max(periodoMs, 1));
}

void CMainFrame::Parar(int id) { timers_.Stop(id); }
bool CMainFrame::TemporizadorActivo(int id) const { return timers_.Active(id); }
int CMainFrame::PeriodoTemporizador(int id) const { return timers_.Period(id); }

void CMainFrame::Disparar(int id) { autograbacion_.OnTimer(id); }

// ---------------------------------------------------------------- panes

void CMainFrame::RegistrarPanel(const Panel& panel) {
  paneles_[panel.comando] = panel;
  const int id = panel.comando;
  FrameTarget().OnCommand(id, [this, id] { AlternarPanel(id); },
                          [this, id](CmdUi& ui) { ui.checked = PanelVisible(id); });
  if (!primeraActivacion_) CrearPanel(paneles_[id]);
}

bool CMainFrame::PanelVisible(int comando) const {
  QDockWidget* d = Dock(comando);
  return d && !d->isHidden();
}

QDockWidget* CMainFrame::Dock(int comando) const {
  auto it = docks_.find(comando);
  return it == docks_.end() ? nullptr : it->second;
}

QDockWidget* CMainFrame::CrearPanel(Panel& p) {
  if (QDockWidget* d = Dock(p.comando)) return d;
  QWidget* contenido = p.crear ? p.crear() : nullptr;
  if (!contenido) return nullptr;
  QDockWidget* d = AddDock(p.titulo, contenido, p.lado);
  d->show();
  docks_[p.comando] = d;
  return d;
}

void CMainFrame::AlternarPanel(int comando) {
  auto it = paneles_.find(comando);
  if (it == paneles_.end()) return;
  QDockWidget* d = Dock(comando);
  if (d && !d->isHidden()) {
    d->hide();
    return;
  }
  if (!d) d = CrearPanel(it->second);
  if (d) d->show();
  PanelesDelDocumentoActivo();
}

void CMainFrame::PanelesDelDocumentoActivo() {
  const CVardoDoc* doc = CVardoDoc::GetDocActivo();
  if (!doc) {
    // No document: the panes and counts show nothing of the last one.
    static const CDiagrama vacio;
    const TextosContadores t = ContadoresVacios();
    SetContadores(t.camb, t.cal, t.ref);
    ActualizarTablaCorrientes(vacio);
    ActualizarVisorObjetos(vacio, false);
    ActualizarBarraAreas(vacio);
    return;
  }
  const CDiagrama& m = doc->m_Diagrama;
  ActualizarTablaCorrientes(m);
  ActualizarVisorObjetos(m, !m.m_corrientes.empty());
  ActualizarBarraAreas(m);
}

void CMainFrame::RegistrarBarraAreas(std::function<QWidget*()> crear, PuertoPaneles* puerto) {
  crearBarraAreas_ = std::move(crear);
  puertoBarraAreas_ = puerto;
  FrameTarget().OnCommand(
      cmd::kVerBarraAreas,
      [this] {
        if (!bandaAreas_) return;
        // Hiding the focused list would hand the focus on to whatever comes
        // next, another document's view maybe, which would then become the
        // active one: the active view takes it first.
        QWidget* foco = QApplication::focusWidget();
        if (!bandaAreas_->isHidden() && foco && bandaAreas_->isAncestorOf(foco)) {
          if (CChildFrame* activo = MarcoActivo(); activo && activo->Vista())
            activo->Vista()->setFocus(Qt::OtherFocusReason);
        }
        bandaAreas_->setVisible(bandaAreas_->isHidden());
        if (!bandaAreas_->isHidden()) PanelesDelDocumentoActivo();
      },
      [this](CmdUi& ui) {
        ui.enabled = bandaAreas_ != nullptr;
        ui.checked = bandaAreas_ && !bandaAreas_->isHidden();
      });
}

// ---------------------------------------------------------------- activation

void CMainFrame::PrimeraActivacion() {
  if (!primeraActivacion_) return;
  // Panes: the streams table at the bottom, the object browser at the left.
  for (auto& [id, p] : paneles_) {
    if (!CrearPanel(p)) return;  // retried at the next activation
  }
  if (crearBarraAreas_ && !bandaAreas_) {
    QWidget* w = crearBarraAreas_();
    if (!w) return;
    bandaAreas_ = new QToolBar(Q("Barra de herramientas de áreas de integridad"), this);
    bandaAreas_->setObjectName(QStringLiteral("bandaAreas"));
    bandaAreas_->addWidget(w);
    addToolBar(Qt::TopToolBarArea, bandaAreas_);
  }
  // A document opened before the panes existed: they show it now.
  PanelesDelDocumentoActivo();
  autograbacion_.Iniciar();
  primeraActivacion_ = false;
  ContadorEjecuciones();
  Commands().UpdateSoon();
}

void CMainFrame::ContadorEjecuciones() {
  QSettings perfil;
  const QVariant v = perfil.value(QString::fromLatin1(kClaveEjecuciones));
  if (!v.isValid()) return;
  // The profile is the user's to edit: a value past the counter's range is
  // held at its ends, one that is no number counts as 0, and the count
  // stops at its largest value instead of overflowing.
  const double leido = TextoANumero(v.toString().toStdString());
  constexpr int kMaximo = std::numeric_limits<int>::max();
  const int n = std::isnan(leido) ? 0
                                  : static_cast<int>(std::clamp<double>(
                                        leido, std::numeric_limits<int>::min(), kMaximo));
  if (n == 50) {
    ShowMessage(this, kMsgOpinion);
    // The opinion dialog follows when the program has one.
    Commands().Execute(cmd::kOpinion);
  }
  perfil.setValue(QString::fromLatin1(kClaveEjecuciones), QString::number(n < kMaximo ? n + 1 : n));
}

void CMainFrame::showEvent(QShowEvent* e) {
  MdiFrame::showEvent(e);
  if (primeraActivacion_) QTimer::singleShot(0, this, [this] { PrimeraActivacion(); });
}

void CMainFrame::changeEvent(QEvent* e) {
  MdiFrame::changeEvent(e);
  if (e->type() == QEvent::ActivationChange && primeraActivacion_ && isVisible())
    QTimer::singleShot(0, this, [this] { PrimeraActivacion(); });
}

// ---------------------------------------------------------------- commands

void CMainFrame::OnAutograbacion() {
  AjustesAutograbacion a = autograbacion_.Ajustes();
  if (!dialogoAutograbacion || !dialogoAutograbacion(a)) return;
  autograbacion_.Aplicar(a);
}

void CMainFrame::MostrarOtrasGraficas() {
  QPoint donde = QCursor::pos();
  QToolBar* b = ToolBar(kRecursoBarraDiagrama);
  if (b && !b->isHidden()) {
    if (QWidget* boton = b->widgetForAction(Commands().Action(cmd::kOtrasGraficas)))
      donde = boton->mapToGlobal(boton->rect().bottomLeft());
  }
  menuOtras_->popup(donde);
}

// ---------------------------------------------------------------- documents

CChildFrame* CMainFrame::MarcoActivo() const { return dynamic_cast<CChildFrame*>(ActiveChild()); }

std::vector<CChildFrame*> CMainFrame::Marcos() const {
  std::vector<CChildFrame*> out;
  for (MdiChild* c : Children())
    if (auto* m = dynamic_cast<CChildFrame*>(c)) out.push_back(m);
  return out;
}

void CMainFrame::AnadirMarco(CChildFrame* marco) { AddChild(marco); }

void CMainFrame::AlCambiarMarcoActivo(MdiChild* hijo) {
  auto* marco = dynamic_cast<CChildFrame*>(hijo);
  CVardoDoc::SetDocActivo(marco ? marco->Documento() : nullptr);
  CVardoView::SetVistaActiva(marco ? marco->Vista() : nullptr);
  for (QMenu* m : menusDocumento_) m->menuAction()->setVisible(marco != nullptr);
  if (marco) SetTexto(NumTexto(marco->Documento()->m_Diagrama.m_dtMin));
  PanelesDelDocumentoActivo();
  Commands().UpdateSoon();
}

void CMainFrame::closeEvent(QCloseEvent* e) {
  if (alCerrar && !alCerrar()) {
    e->ignore();
    return;
  }
  e->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* e) {
  if (e->mimeData()->hasUrls()) {
    for (const QUrl& u : e->mimeData()->urls())
      if (u.isLocalFile()) {
        e->acceptProposedAction();
        return;
      }
  }
}

void CMainFrame::dropEvent(QDropEvent* e) {
  const auto urls = e->mimeData()->urls();
  e->acceptProposedAction();
  activateWindow();
  for (const QUrl& u : urls)
    if (u.isLocalFile() && alSoltarArchivo) alSoltarArchivo(u.toLocalFile());
}

}  // namespace vardo

// Numeric ids of the program's commands, as menus, toolbars, key tables and
// the window-free command logic name them.
#pragma once

namespace vardo::cmd {

// ---- Application and framework ----
inline constexpr int kNuevo = 57600;
inline constexpr int kAbrir = 57601;
inline constexpr int kCerrar = 57602;
inline constexpr int kGuardar = 57603;
inline constexpr int kGuardarComo = 57604;
inline constexpr int kConfigurarImpresion = 57606;  // no menu entry
inline constexpr int kImprimir = 57607;
inline constexpr int kEnviar = 57612;
inline constexpr int kArchivoReciente = 57616;  // first of the recent-file entries
inline constexpr int kCopiar = 57634;           // picture to the clipboard
inline constexpr int kDeshacer = 57643;
inline constexpr int kRehacer = 57644;
inline constexpr int kAcercaDe = 57664;
inline constexpr int kSalir = 57665;
inline constexpr int kAyuda = 57667;
inline constexpr int kBarraEstandar = 59392;
inline constexpr int kBarraEstado = 59393;

// ---- Main frame ----
inline constexpr int kVerTablaCorrientes = 32781;
inline constexpr int kVerVisorObjetos = 110;
inline constexpr int kVerBarraDiagrama = 32810;
inline constexpr int kVerBarraPrincipal = 32811;
inline constexpr int kVerBarraAnillos = 32814;
inline constexpr int kVerBarraAreas = 32831;
inline constexpr int kAutograbacion = 32793;
inline constexpr int kPaginaWeb = 32865;
inline constexpr int kListaCorreo = 32867;
inline constexpr int kOpinion = 32864;
inline constexpr int kContactar = 32863;

// ---- View: drawing modes and charts ----
inline constexpr int kGrandCompuesta = 32775;       // mode 1
inline constexpr int kCompuestas = 32774;           // mode 2
inline constexpr int kDiagramaTrama = 32776;        // mode 3
inline constexpr int kServiciosDTMin = 32787;       // mode 4
inline constexpr int kNMinDTMin = 32789;            // mode 5
inline constexpr int kTPinchDTMin = 32788;          // mode 6
inline constexpr int kAreaMinDTMin = 32812;         // mode 7
inline constexpr int kCosteInmDTMin = 32816;        // mode 8
inline constexpr int kCosteOperacionDTMin = 32815;  // mode 9
inline constexpr int kCosteTotalDTMin = 32817;      // mode 10
inline constexpr int kCostesAnillo = 32837;         // mode 11
inline constexpr int kDTDisponible = 32792;         // mode 12
inline constexpr int kGraficaPersonalizada = 32825; // mode 13
inline constexpr int kCompuestasServicios = 32826;  // mode 14
inline constexpr int kCompuestasExergia = 32869;    // mode 15
inline constexpr int kGrandCompuestaExergia = 32871;  // mode 16
inline constexpr int kExergiaDisponible = 32872;    // mode 17
inline constexpr int kOtrasGraficas = 32822;        // drops down the other charts
inline constexpr int kFormatoGrafica = 32777;
inline constexpr int kConfigurarImpresora = 32858;
inline constexpr int kGrabarImagen = 32779;
inline constexpr int kExportarGrafica = 32857;
// Exports reached from the panes' and dialogs' pop-up menus.
inline constexpr int kCopiarTablaCambiadores = 32824;
inline constexpr int kCopiarTablaCorrientes = 32827;
inline constexpr int kCopiarMAN = 32855;
inline constexpr int kExportarMAN = 32856;

// ---- Loops and paths ----
inline constexpr int kAnadirAnillo = 32828;
inline constexpr int kBuscarAnillos = 32847;
inline constexpr int kAnilloAnterior = 32848;
inline constexpr int kAnilloSiguiente = 32849;

// ---- Document ----
inline constexpr int kAnadirCorrientes = 32771;
inline constexpr int kBorrarCorrientes = 32772;
inline constexpr int kBifurcarNueva = 32838;
inline constexpr int kBifurcarModificar = 32839;
inline constexpr int kBifurcarBorrar = 32840;
inline constexpr int kBifurcarTemperaturas = 32859;
inline constexpr int kVadizod = 32773;
inline constexpr int kFactibilidadCaliente = 32833;
inline constexpr int kFactibilidadFrio = 32834;
inline constexpr int kTablaEmparejamientos = 32861;
inline constexpr int kUsarFactibilidad = 32862;
inline constexpr int kAreaMinima = 32809;
inline constexpr int kCostesMinimos = 32813;
inline constexpr int kAreasIntegridad = 32830;
inline constexpr int kPropiedadesCorriente = 32835;
inline constexpr int kAnadirCambiadores = 32786;
inline constexpr int kBorrarCambiadores = 32803;
inline constexpr int kErrores = 32841;
inline constexpr int kTablaCambiadores = 32808;
inline constexpr int kTablaCorrientes = 32806;
inline constexpr int kProblemaRemanente = 32818;
inline constexpr int kCrucePinch = 32794;
inline constexpr int kFormatoCambiadores = 32843;
inline constexpr int kPropiedadesCambiador = 32836;
inline constexpr int kAnadirServicios = 32805;
inline constexpr int kBorrarServicios = 113;
inline constexpr int kCombinarServicios = 32821;
inline constexpr int kCostesServicios = 32823;
inline constexpr int kMostrarServicios = 32845;
inline constexpr int kTablaServicios = 32829;
inline constexpr int kPropiedadesServicio = 32844;
inline constexpr int kMAN = 32842;
inline constexpr int kPerturbaciones = 32790;
inline constexpr int kInforme = 32778;
inline constexpr int kDifTemperaturas = 32866;

// ---- Document: context menus of the selected object ----
inline constexpr int kModificarCorriente = 32782;       // stream menu "&Modificar"
inline constexpr int kBorrarCorrienteSel = 32783;       // stream menu "&Borrar", Delete
inline constexpr int kPropiedadesCorrienteSel = 32785;  // stream menu "Ver &Propiedades"
inline constexpr int kLadoCalienteCorriente = 32819;    // stream menu "Lado &Caliente"
inline constexpr int kLadoFrioCorriente = 32820;        // stream menu "Lado &Frío"
inline constexpr int kBorrarCambiadorSel = 32797;       // exchanger menu "&Borrar", Delete
inline constexpr int kFormatoCambiador = 32846;         // exchanger menu "&Formato"
inline constexpr int kPropiedadesCambiadorSel = 32802;  // exchanger menu "Ver &Propiedades"
inline constexpr int kBorrarServicioSel = 115;          // utility menu "&Borrar"
inline constexpr int kSeleccionarArea = 32832;          // area menu "&Seleccionar"

// ---- View: exchanger menu of the grid diagram ----
inline constexpr int kModificarCambiador = 32796;  // "&Modificar": the exchangers dialog on it
inline constexpr int kMoverCaliente = 32798;       // "Mo&ver" / "Nodo &superior"
inline constexpr int kMoverFrio = 32799;           // "Mo&ver" / "Nodo &inferior"
inline constexpr int kAlinearCaliente = 32800;     // "&Alinear" / "Nodo &superior"
inline constexpr int kAlinearFrio = 32801;         // "&Alinear" / "Nodo &inferior"

}  // namespace vardo::cmd

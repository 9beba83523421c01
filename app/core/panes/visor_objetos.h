// The object browser without its window: the tree of the model's objects
// (texts, icons, tooltips), what a tree item's text names in the current
// model, the item that follows the view's selection, the rows of the
// property grid, and the small chart built on the browser's own copy of the
// model.
//
// Tree items carry only their text, so a handler finds the object again from
// the text; an item left over from an older model (a tree not yet rebuilt)
// names nothing once the current model has fewer objects.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/core/charts/grafica.h"
#include "model/diagrama.h"

namespace vardo {

// Icons of the tree, by their index in the image list.
enum IconoVisor : int {
  kIconoCambiador = 0,        // process exchanger
  kIconoFria = 1,             // cold stream
  kIconoCaliente = 2,         // hot stream
  kIconoCalentador = 3,       // hot side a utility
  kIconoRaizCorrientes = 4,
  kIconoRaizCambiadores = 5,
  kIconoEnfriador = 6,        // cold side a utility
  kIconoRaizAnillos = 7,
  kIconoAnillo = 8,
  kIconoSenda = 9,
  kIconoRaizAreas = 10,
  kIconoArea = 11,
  kIconoRaizServicios = 12,
  kIconoServicioCalefaccion = 13,
  kIconoServicioRefrigeracion = 14,
  kNumIconosVisor = 15
};

// Root texts.
inline constexpr const char* kRaizCorrientes = "Corrientes";
inline constexpr const char* kRaizCambiadores = "Cambiadores";
inline constexpr const char* kRaizServicios = "Servicios";
inline constexpr const char* kRaizAreas = "Áreas de Integridad";
inline constexpr const char* kRaizAnillos = "Anillos y Sendas";

// Entries of the chart chooser, by index.
inline constexpr const char* kGraficasVisor[] = {
    "Curvas Compuestas", "Curvas Compuestas con Servicios", "Curvas Grand Compuestas",
    "DT Disponible", "Vadizod"};
inline constexpr int kGraficaVisorCascada = 4;

// What a tree item names.
enum class ClaseObjetoVisor { Ninguna, Corriente, Cambiador, Servicio, Area, Anillo, Senda };
struct ObjetoVisor {
  ClaseObjetoVisor clase = ClaseObjetoVisor::Ninguna;
  std::int32_t indice = -1;  // 0-based in its list
  friend bool operator==(const ObjetoVisor&, const ObjetoVisor&) = default;
};

struct ElementoVisor {
  std::string texto;
  int icono = 0;
  std::string ayuda;  // tooltip; empty for the roots
  ObjetoVisor objeto;
  std::vector<ElementoVisor> hijos;
};

// The whole tree: each root only when its list is not empty, in the order
// streams, exchangers, utilities, areas, loops and paths.
std::vector<ElementoVisor> ArbolVisor(const CDiagrama& d);

// The object an item's text names in d: "Corriente %d", "Cambiador %d",
// "Servicio %d", "%d %s" (area number and name), "Anillo %d", "Senda %d".
// A root, an unknown text, or a number past d's counts names nothing.
ObjetoVisor IdentificarElemento(const CDiagrama& d, const std::string& texto);

// Whether a found loop is a path (else a ring), as the chain classifies it.
bool EsSenda(const CDiagrama& d, std::int32_t lazo);

// The view shows the current found loop, and the chain under construction
// holds exactly its exchangers.
bool LazoActualMostrado(const CDiagrama& d, bool anilloMostrado);

// The item that shows the view's selection (tipo: kSel* of puertos.h): its
// root and its text; false when the selection names no item.
bool ElementoDeSeleccion(const CDiagrama& d, int tipo, bool anilloMostrado, std::string& raiz,
                         std::string& texto);

// Property grid rows: caption and value.
using FilasPropiedades = std::vector<std::pair<std::string, std::string>>;

// The grid of an empty browser: two rows, every cell empty.
FilasPropiedades PropiedadesVacias();
// The view's selection: the loop shown, a utility, a stream or an exchanger.
// Computes on d (cross-pinch heat recomputes targets): pass a copy. Nothing
// selected gives no rows.
FilasPropiedades PropiedadesSeleccion(CDiagrama& d, int tipo, bool anilloMostrado);
FilasPropiedades PropiedadesCorriente(const CDiagrama& d, std::int32_t ref);
FilasPropiedades PropiedadesCambiador(CDiagrama& d, std::int32_t i);
FilasPropiedades PropiedadesArea(const CDiagrama& d, std::int32_t area);

// The small chart of chooser entry 0 to 3 on d (the browser's copy), for a
// drawing area of ancho × alto in 0.01 mm; it never asks the user. True
// when the chart has something to draw.
bool GraficaVisor(CDiagrama& d, CGrafica& g, int indice, bool mostrarSeleccionada,
                  std::int32_t ancho, std::int32_t alto);

}  // namespace vardo

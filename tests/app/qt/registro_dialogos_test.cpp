// The program registers its built dialogs at start-up: their commands may be
// enabled; the dialogs not built yet stay unavailable.
#include <gtest/gtest.h>

#include "fixture.h"

namespace vardo::prueba {
namespace {

class RegistroDialogos : public AppFixture {};

TEST_F(RegistroDialogos, LosDialogosConstruidosEstanDisponiblesAlArrancar) {
  ASSERT_EQ(Iniciar(), -1);
  const struct {
    DialogoId id;
    bool disponible;
  } casos[] = {{DialogoId::BorrarCorrientes, true},  {DialogoId::BorrarCambiadores, true},
               {DialogoId::BorrarServicios, true},   {DialogoId::PropCorriente, true},
               {DialogoId::PropCambiador, true},     {DialogoId::PropServicio, true},
               {DialogoId::CalculoCascada, true},    {DialogoId::CorrientesSheet, true},
               {DialogoId::AreaMinima, true},        {DialogoId::CosteMinimo, true},
               {DialogoId::CostesOperacion, true},   {DialogoId::CostesTotales, true},
               {DialogoId::VariacionDT, true},       {DialogoId::VariacionArea, true},
               {DialogoId::VariacionCosteInm, true}, {DialogoId::VariacionCosteTot, true},
               {DialogoId::DifTempOptima, true},     {DialogoId::Exergia, true},
               {DialogoId::CrucePinch, true},        {DialogoId::TablaCorrientes, true},
               {DialogoId::TablaCambiadores, true},  {DialogoId::TablaServicios, true},
               {DialogoId::TablaEmparejamientos, true}, {DialogoId::Remanente, true},
               {DialogoId::AnadirAnillos, true},     {DialogoId::Perturbaciones, true},
               {DialogoId::MAN, true}};
  for (const auto& c : casos)
    EXPECT_EQ(app_->Fabrica().Disponible(c.id), c.disponible) << static_cast<int>(c.id);
}

}  // namespace
}  // namespace vardo::prueba

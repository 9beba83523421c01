// Targets over a range of DT min from one sweep object: at every DT min they
// are the model's own targets there, and the area and capital cost those of
// the plain walk.
#include "model/objetivos_barrido.h"

#include <gtest/gtest.h>

#include "model/objetivos_area.h"
#include "model/objetivos_coste.h"
#include "tests/comun/objetivos_referencia.h"

namespace vardo {
namespace {

// The model at one DT min as the charts set it: targets computed, the
// generic utilities DT min beyond the ends of the shifted intervals.
CDiagrama En(const CDiagrama& modelo, double dt) {
  CDiagrama e(modelo);
  e.SetDTMin(dt);
  e.CalcularObjetivos();
  e.m_tCalienteGenerico = e.m_temperaturas.front() + dt;
  e.m_tFrioGenerico = e.m_temperaturas.back() - dt;
  return e;
}

TEST(BarridoObjetivos, IgualQueCadaObjetivo) {
  struct Caso {
    const char* nombre;
    bool especiales, enteras, leyes, servicios;
  };
  for (const Caso& c : {Caso{"sensibles", false, false, false, false},
                        Caso{"latentes y tablas", true, false, true, false},
                        Caso{"kelvin enteros", true, true, false, false},
                        Caso{"servicios definidos", true, false, true, true}}) {
    const CDiagrama modelo = referencia::ProblemaAleatorio({.corrientes = 40,
                                                            .semilla = 31,
                                                            .enteras = c.enteras,
                                                            .especiales = c.especiales,
                                                            .servicios = c.servicios,
                                                            .leyes = c.leyes});
    CDiagrama d(modelo);
    BarridoObjetivos b(d);
    // From below the tables' tolerances (the generic utilities then sit
    // right at the curves' ends) to well above them; a DT min asked twice.
    for (double dt : {0.02, 1.0, 3.7, 10.0, 10.0, 22.2, 30.0}) {
      SCOPED_TRACE(::testing::Message() << c.nombre << " DT " << dt);
      CDiagrama e = En(modelo, dt);
      EXPECT_EQ(b.CalienteMinimo(dt), e.m_cascada.front());
      EXPECT_EQ(b.FrioMinimo(dt), e.m_cascada.back());
      EXPECT_EQ(b.TemperaturaPinch(dt), e.m_tPinch);
      EXPECT_EQ(b.CosteOperacion(dt), CosteOperacion(e, 1));
      EXPECT_EQ(b.NMinCambiadores(dt), CalcularNMinCambiadores(e, 1));
      EXPECT_TRUE(referencia::Cerca(b.AreaMinima(dt), referencia::Area(e, 1), 1e-9))
          << b.AreaMinima(dt) << " vs " << referencia::Area(e, 1);
      EXPECT_TRUE(
          referencia::Cerca(b.CosteInmovilizado(dt), referencia::CosteInmovilizado(e, 1), 1e-9));
      // Each point leaves DT min and the generic temperatures of its own.
      EXPECT_EQ(d.m_dtMin, dt);
      EXPECT_EQ(d.m_tCalienteGenerico, e.m_tCalienteGenerico);
      EXPECT_EQ(d.m_tFrioGenerico, e.m_tFrioGenerico);
    }
  }
}

}  // namespace
}  // namespace vardo

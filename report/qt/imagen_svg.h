// The report's SVG pictures: a recorded drawing replayed through QtDc onto
// Qt's SVG generator, at 96 pixels per inch, its view box the drawing's
// extent.
#pragma once
#include <string>
#include <vector>

#include "platform/core/dc.h"
#include "platform/core/types.h"
#include "report/informe.h"

namespace vardo {

class ImagenSvgInforme : public PuertoImagenInforme {
 public:
  std::string Svg(const std::vector<RecordingDc::Item>& dibujo, const Rect& extension) override;
};

}  // namespace vardo

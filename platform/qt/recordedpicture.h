// A picture laid out once and painted many times. Drawing code runs into a
// MeasuringRecordingDc (in an event handler, where it may lay out and store
// what hit tests need); each paint then replays the recorded items on the
// device. Text extents during the layout are those of a real device of the
// given resolution, so the replayed picture is the one that was laid out.
#pragma once
#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

#include "platform/core/dc.h"

namespace vardo {

class QtDc;

class MeasuringRecordingDc : public RecordingDc {
 public:
  // dpi: the logical resolution of the device the picture is meant for.
  explicit MeasuringRecordingDc(double dpi = 96.0);
  ~MeasuringRecordingDc() override;
  Point TextExtent(const std::string& utf8) override;

 private:
  QImage image_;
  QPainter painter_;
  std::unique_ptr<QtDc> measure_;
};

// Draws recorded items on any Dc, each with the pen, brush, font and text
// colour it was recorded with. The Dc's own state is saved and restored.
void ReplayItems(const std::vector<RecordingDc::Item>& items, Dc& dc);
// The same for the items that can reach the logical rectangle `vista` (y
// upwards: top above bottom), what a scrolled view shows; those wholly
// outside it are skipped, so a paint costs the rows in view.
void ReplayItemsEn(const std::vector<RecordingDc::Item>& items, Dc& dc, const Rect& vista);

// Bounding box of recorded items in logical units (texts counted by their
// reference point only); an empty list gives a zero rectangle.
Rect ItemsBounds(const std::vector<RecordingDc::Item>& items);

}  // namespace vardo

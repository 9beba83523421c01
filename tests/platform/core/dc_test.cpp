#include <gtest/gtest.h>

#include "platform/core/dc.h"
#include "platform/core/types.h"
#include "platform/core/uiport.h"

namespace vardo {
namespace {

TEST(RecordingDc, RecordsShapesWithTheirSelections) {
  RecordingDc dc;
  const Pen red{PenStyle::Dash, 1, MakeRgb(255, 0, 0)};
  dc.SelectPen(red);
  dc.SelectBrush(Brush::Hollow);
  dc.MoveTo(0, 0);
  dc.LineTo(100, -50);
  dc.LineTo(200, -50);
  dc.Rectangle({0, 10, 20, -10});
  const Rgb old = dc.SetTextColor(MakeRgb(0, 0, 255));
  EXPECT_EQ(old, 0u);
  dc.TextOut(5, 6, "T1");

  const auto& items = dc.Items();
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0].op, RecordingDc::Op::Line);
  EXPECT_EQ(items[1].points[0], (Point{100, -50}));  // LineTo continues from the last end
  EXPECT_EQ(items[1].pen, red);
  EXPECT_EQ(items[2].brush, Brush::Hollow);
  EXPECT_EQ(items[3].textColor, MakeRgb(0, 0, 255));
  ASSERT_NE(dc.FindText("T1"), nullptr);
  EXPECT_EQ(dc.FindText("T1")->points[0], (Point{5, 6}));
}

TEST(RecordingDc, SaveAndRestoreNest) {
  RecordingDc dc;
  LogFont big;
  big.height = 360;
  const int outer = dc.SaveDc();
  dc.SelectFont(big);
  dc.SelectPen({PenStyle::Dot, 0, 7});
  const int inner = dc.SaveDc();
  dc.SetTextColor(9);
  dc.RestoreDc(inner);
  EXPECT_EQ(dc.CurrentTextColor(), 0u);
  EXPECT_EQ(dc.CurrentFont().height, 360);
  dc.RestoreDc(outer);
  EXPECT_EQ(dc.CurrentFont().height, 0);
  EXPECT_EQ(dc.CurrentPen().style, PenStyle::Solid);
  dc.RestoreDc(outer);  // nothing left to restore: no change, no crash
  EXPECT_EQ(dc.CurrentPen().style, PenStyle::Solid);
}

TEST(TruncCoord, TruncatesTowardZeroAndSaturates) {
  EXPECT_EQ(TruncCoord(2.9), 2);
  EXPECT_EQ(TruncCoord(-2.9), -2);
  EXPECT_EQ(TruncCoord(1e20), 2147483647);
  EXPECT_EQ(TruncCoord(-1e20), -2147483647 - 1);
  EXPECT_EQ(TruncCoord(0.0 / 0.0), 0);
}

TEST(FuenteDibujo, ScalesTheStoredHeightWithoutOverflow) {
  LogFont f;
  f.height = 18;
  EXPECT_EQ(FuenteDibujo(f).height, 360);
  f.height = -18;
  EXPECT_EQ(FuenteDibujo(f).height, -360);
  f.height = 200000000;  // from a damaged document
  EXPECT_EQ(FuenteDibujo(f).height, 2147483647);
  EXPECT_EQ(Saturar32(-5000000000LL), -2147483647 - 1);
}

TEST(RgbValue, RedIsTheLowByte) {
  EXPECT_EQ(MakeRgb(255, 0, 0), 0x0000FFu);
  EXPECT_EQ(MakeRgb(0, 0, 255), 0xFF0000u);
  EXPECT_EQ(RgbGreen(MakeRgb(1, 2, 3)), 2);
}

TEST(RecordingUiPort, ScriptedAnswersAndQuietMode) {
  RecordingUiPort ui;
  ui.Script({Answer::Yes});
  EXPECT_EQ(ui.AskYesNo("¿Seguro?"), Answer::Yes);
  EXPECT_EQ(ui.AskYesNo("¿Otra vez?"), Answer::No);  // script used up: default
  {
    QuietScope quiet(ui);
    ui.Message("no se ve");
    EXPECT_EQ(ui.AskYesNoCancel("¿?", Answer::Yes), Answer::Yes);
  }
  ui.Message("Hecho", MsgKind::Information);
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"¿Seguro?", "¿Otra vez?", "Hecho"}));
}

}  // namespace
}  // namespace vardo

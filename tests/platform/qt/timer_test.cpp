// The windows' timers on the manual clock the tests move on: ticks come in
// time order, a periodic timer once per whole period, and only when the
// clock is moved, never from the event loop.
#include "platform/qt/timer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QObject>
#include <memory>
#include <string>
#include <vector>

namespace vardo {
namespace {

struct Tick {
  std::string timer;
  std::int64_t at;
  bool operator==(const Tick&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Tick& t) { return os << t.timer << "@" << t.at; }

TEST(Temporizadores, TicsEnOrdenDeTiempoSoloAlAvanzarElReloj) {
  ASSERT_TRUE(ManualClock::Enabled());
  QObject dueno;
  std::vector<Tick> tics;
  const std::int64_t t0 = ManualClock::Now();
  auto anotar = [&](const char* n) { tics.push_back({n, ManualClock::Now() - t0}); };
  auto* a = new Timer(&dueno, [&] { anotar("a"); });
  auto* b = new Timer(&dueno, [&] { anotar("b"); });
  auto* s = new Timer(&dueno, [&] { anotar("s"); });
  s->SetSingleShot(true);
  a->Start(30);
  b->Start(50);
  s->Start(40);
  EXPECT_TRUE(a->Active());
  EXPECT_EQ(b->Period(), 50);

  // The event loop alone never ticks them.
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_TRUE(tics.empty());
  ManualClock::Advance(29);
  EXPECT_TRUE(tics.empty());

  ManualClock::Advance(71);
  EXPECT_EQ(tics, (std::vector<Tick>{{"a", 30}, {"s", 40}, {"b", 50}, {"a", 60}, {"a", 90},
                                     {"b", 100}}));
  EXPECT_FALSE(s->Active());
  EXPECT_EQ(ManualClock::Now() - t0, 100);

  // Restarted, a timer counts its period from then; stopped, it ticks no more.
  tics.clear();
  a->Start(30);
  b->Stop();
  ManualClock::Advance(29);
  EXPECT_TRUE(tics.empty());
  ManualClock::Advance(1);
  EXPECT_EQ(tics, (std::vector<Tick>{{"a", 130}}));
  EXPECT_FALSE(b->Active());
}

// A tick may stop its own timer or delete its owner (a window closing on
// its tick); the later ticks still come.
TEST(Temporizadores, UnTicPuedeBorrarSuTemporizador) {
  std::vector<std::string> tics;
  auto ventana = std::make_unique<QObject>();
  QObject otro;
  auto* cierre = new Timer(ventana.get(), [&] {
    tics.push_back("cierre");
    ventana.reset();
  });
  auto* tarde = new Timer(&otro, [&] { tics.push_back("tarde"); });
  tarde->SetSingleShot(true);
  cierre->Start(10);
  tarde->Start(20);
  ManualClock::Advance(50);
  EXPECT_EQ(ventana, nullptr);
  EXPECT_EQ(tics, (std::vector<std::string>{"cierre", "tarde"}));
}

}  // namespace
}  // namespace vardo

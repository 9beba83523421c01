// Timers of the program's windows (the dialog kit's, the main window's, the
// splash's). They run on the event loop's time; a test switches every one of
// them to a manual clock it moves forward itself, so that a tick comes only
// when the test asks for it, however slow or loaded the machine is.
#pragma once
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <map>

class QTimer;

namespace vardo {

class Timer : public QObject {
 public:
  // fire runs at every tick (once for a single-shot timer).
  Timer(QObject* parent, std::function<void()> fire);
  ~Timer() override;

  void SetSingleShot(bool singleShot);
  // (Re)starts the timer: its first tick comes periodMs from now.
  void Start(int periodMs);
  void Stop();
  bool Active() const;
  int Period() const { return period_; }

 private:
  friend class ManualClock;
  std::function<void()> fire_;
  QTimer* real_ = nullptr;  // on the event loop's time
  int period_ = 0;
  bool singleShot_ = false;
  // On the manual clock.
  bool due_ = false;
  std::int64_t at_ = 0;
  std::uint64_t order_ = 0;  // start order, for ticks due at the same time
};

// Numbered timers of one window, each made at its first start; a tick of
// timer id calls fire(id). The window owns the timers.
class TimerSet {
 public:
  TimerSet(QObject* owner, std::function<void(int)> fire);
  // (Re)starts timer id: its first tick comes periodMs from now.
  void Start(int id, int periodMs);
  void Stop(int id);
  void StopAll();
  bool Active(int id) const;
  // The period of a running timer, -1 when it does not run.
  int Period(int id) const;

 private:
  QObject* owner_;
  std::function<void(int)> fire_;
  std::map<int, QPointer<Timer>> timers_;
};

// The clock of the timers while a test drives them.
class ManualClock {
 public:
  // From now on every Timer started runs on the manual clock (for good).
  static void Enable();
  static bool Enabled();
  // Moves the clock ms forward, running every tick that falls due on the way
  // in time order (a periodic timer once per whole period).
  static void Advance(int ms);
  static std::int64_t Now();
};

}  // namespace vardo

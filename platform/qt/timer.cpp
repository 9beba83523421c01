#include "platform/qt/timer.h"

#include <QTimer>
#include <algorithm>
#include <set>

namespace vardo {

namespace {

struct Clock {
  bool enabled = false;
  std::int64_t now = 0;
  std::uint64_t starts = 0;
  std::set<Timer*> timers;  // every live timer while the clock is manual
};

Clock& TheClock() {
  static Clock c;
  return c;
}

}  // namespace

Timer::Timer(QObject* parent, std::function<void()> fire) : QObject(parent), fire_(std::move(fire)) {
  Clock& c = TheClock();
  if (c.enabled) {
    c.timers.insert(this);
    return;
  }
  real_ = new QTimer(this);
  QObject::connect(real_, &QTimer::timeout, this, [this] {
    // The handler may delete the timer's owner, and the timer with it.
    const std::function<void()> f = fire_;
    f();
  });
}

Timer::~Timer() { TheClock().timers.erase(this); }

void Timer::SetSingleShot(bool singleShot) {
  singleShot_ = singleShot;
  if (real_) real_->setSingleShot(singleShot);
}

void Timer::Start(int periodMs) {
  period_ = std::max(periodMs, 0);
  if (real_) {
    real_->start(period_);
    return;
  }
  Clock& c = TheClock();
  due_ = true;
  at_ = c.now + period_;
  order_ = ++c.starts;
}

void Timer::Stop() {
  if (real_) real_->stop();
  due_ = false;
}

bool Timer::Active() const { return real_ ? real_->isActive() : due_; }

TimerSet::TimerSet(QObject* owner, std::function<void(int)> fire)
    : owner_(owner), fire_(std::move(fire)) {}

void TimerSet::Start(int id, int periodMs) {
  QPointer<Timer>& t = timers_[id];
  if (!t) t = new Timer(owner_, [this, id] { fire_(id); });
  t->Start(periodMs);
}

void TimerSet::Stop(int id) {
  auto it = timers_.find(id);
  if (it != timers_.end() && it->second) it->second->Stop();
}

void TimerSet::StopAll() {
  for (auto& [id, t] : timers_)
    if (t) t->Stop();
}

bool TimerSet::Active(int id) const {
  auto it = timers_.find(id);
  return it != timers_.end() && it->second && it->second->Active();
}

int TimerSet::Period(int id) const { return Active(id) ? timers_.at(id)->Period() : -1; }

void ManualClock::Enable() { TheClock().enabled = true; }
bool ManualClock::Enabled() { return TheClock().enabled; }
std::int64_t ManualClock::Now() { return TheClock().now; }

void ManualClock::Advance(int ms) {
  Clock& c = TheClock();
  const std::int64_t end = c.now + std::max(ms, 0);
  for (;;) {
    // The next tick due by the end; a tick may start, stop or delete timers.
    Timer* next = nullptr;
    for (Timer* t : c.timers)
      if (t->due_ && t->at_ <= end &&
          (!next || t->at_ < next->at_ || (t->at_ == next->at_ && t->order_ < next->order_)))
        next = t;
    if (!next) break;
    // A tick may move the clock itself (a test driving a window it opened):
    // the clock never goes back.
    c.now = std::max(c.now, next->at_);
    if (next->singleShot_) {
      next->due_ = false;
    } else {
      // A period of 0 ticks once per call, not without end.
      next->at_ = c.now + std::max(next->period_, 1);
      next->order_ = ++c.starts;
      if (next->period_ == 0) next->at_ = std::max(next->at_, end + 1);
    }
    const std::function<void()> f = next->fire_;
    f();
  }
  c.now = std::max(c.now, end);
}

}  // namespace vardo

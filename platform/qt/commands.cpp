#include "platform/qt/commands.h"

#include <QAction>
#include <QMenu>
#include <QTimer>
#include <QToolBar>

namespace vardo {

// ---------------------------------------------------------------- targets

void CommandTarget::OnCommand(int id, Handler handler, Update update) {
  entries_[id] = Entry{std::move(handler), std::move(update)};
}

void CommandTarget::OnUpdate(int id, Update update) { entries_[id].update = std::move(update); }

void CommandTarget::Remove(int id) { entries_.erase(id); }

bool CommandTarget::HandlesCommand(int id) const {
  auto it = entries_.find(id);
  return it != entries_.end() && it->second.handler;
}

bool CommandTarget::HandlesUpdate(int id) const {
  auto it = entries_.find(id);
  return it != entries_.end() && it->second.update;
}

void CommandTarget::Run(int id) const {
  auto it = entries_.find(id);
  if (it != entries_.end() && it->second.handler) it->second.handler();
}

void CommandTarget::UpdateUi(int id, CmdUi& ui) const {
  auto it = entries_.find(id);
  if (it != entries_.end() && it->second.update) it->second.update(ui);
}

// ---------------------------------------------------------------- registry

CommandRegistry::CommandRegistry(QObject* parent) : QObject(parent), idle_(new QTimer(this)) {
  idle_->setSingleShot(true);
  idle_->setInterval(0);
  connect(idle_, &QTimer::timeout, this, &CommandRegistry::UpdateAll);
}

CommandRegistry::~CommandRegistry() = default;

QAction* CommandRegistry::Define(int id, const QString& text, const QString& prompt,
                                 const QIcon& icon) {
  Def& d = defs_[id];
  if (!d.action) {
    d.action = new QAction(this);
    d.action->setData(id);
    // Keys come from the key tables, never from the actions themselves: the
    // text after the tab is only what the menu shows.
    d.action->setShortcutContext(Qt::WidgetShortcut);
    connect(d.action, &QAction::triggered, this, [this, id] { Execute(id); });
  }
  d.action->setText(text);
  const qsizetype nl = prompt.indexOf(QLatin1Char('\n'));
  d.prompt = nl < 0 ? prompt : prompt.left(nl);
  QString tip = nl < 0 ? QString() : prompt.mid(nl + 1);
  if (tip.isEmpty()) {
    tip = text.section(QLatin1Char('\t'), 0, 0);
    tip.remove(QLatin1Char('&'));
  }
  d.action->setStatusTip(d.prompt);
  d.action->setToolTip(tip);
  if (!icon.isNull()) d.action->setIcon(icon);
  return d.action;
}

bool CommandRegistry::IsDefined(int id) const { return defs_.contains(id); }

QAction* CommandRegistry::Action(int id) const {
  auto it = defs_.constFind(id);
  return it == defs_.constEnd() ? nullptr : it->action;
}

QString CommandRegistry::Prompt(int id) const {
  auto it = defs_.constFind(id);
  return it == defs_.constEnd() ? QString() : it->prompt;
}

void CommandRegistry::SetIcon(int id, const QIcon& icon) {
  if (QAction* a = Action(id)) a->setIcon(icon);
}

void CommandRegistry::SetText(int id, const QString& text) {
  if (QAction* a = Action(id)) a->setText(text);
}

void CommandRegistry::SetRoute(std::function<std::vector<CommandTarget*>()> route) {
  route_ = std::move(route);
  UpdateSoon();
}

std::vector<CommandTarget*> CommandRegistry::Route() const {
  return route_ ? route_() : std::vector<CommandTarget*>{};
}

CmdUi CommandRegistry::State(int id) const {
  CmdUi ui;
  bool handled = false;
  for (CommandTarget* t : Route()) {
    if (!t) continue;
    if (t->HandlesUpdate(id)) {
      t->UpdateUi(id, ui);
      return ui;
    }
    if (t->HandlesCommand(id)) {
      handled = true;
      break;
    }
  }
  ui.enabled = handled;
  return ui;
}

bool CommandRegistry::Execute(int id) {
  if (!State(id).enabled) return false;
  for (CommandTarget* t : Route()) {
    if (t && t->HandlesCommand(id)) {
      t->Run(id);
      emit Executed(id);
      UpdateSoon();
      return true;
    }
  }
  return false;
}

void CommandRegistry::Apply(int id, QAction* action, const CmdUi& ui) {
  action->setEnabled(ui.enabled);
  if (ui.checked.has_value()) {
    action->setCheckable(true);
    action->setChecked(*ui.checked);
  } else if (action->isCheckable()) {
    action->setChecked(false);
  }
}

void CommandRegistry::UpdateAll() {
  for (auto it = defs_.begin(); it != defs_.end(); ++it) Apply(it.key(), it->action, State(it.key()));
}

void CommandRegistry::UpdateMenu(QMenu* menu) {
  for (QAction* a : menu->actions()) {
    bool ok = false;
    const int id = a->data().toInt(&ok);
    if (ok && id != 0 && Action(id) == a) Apply(id, a, State(id));
  }
}

void CommandRegistry::UpdateSoon() {
  if (!idle_->isActive()) idle_->start();
}

void CommandRegistry::AddToMenu(QMenu* menu, const std::vector<int>& ids) {
  for (int id : ids) {
    if (id == 0) {
      menu->addSeparator();
    } else if (QAction* a = Action(id)) {
      menu->addAction(a);
    }
  }
  WatchMenu(menu);
}

void CommandRegistry::AddToToolBar(QToolBar* bar, const std::vector<int>& ids) {
  for (int id : ids) {
    if (id == 0) {
      bar->addSeparator();
    } else if (QAction* a = Action(id)) {
      bar->addAction(a);
    }
  }
}

void CommandRegistry::WatchMenu(QMenu* menu) {
  if (menu->property("vardoWatched").toBool()) return;
  menu->setProperty("vardoWatched", true);
  connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenu(menu); });
}

// ---------------------------------------------------------------- keys

void KeyTable::Add(const QKeySequence& key, int id) {
  if (!key.isEmpty()) keys_[key[0].toCombined()] = id;
}

int KeyTable::Find(int keyWithModifiers) const {
  auto it = keys_.find(keyWithModifiers);
  return it == keys_.end() ? 0 : it->second;
}

}  // namespace vardo

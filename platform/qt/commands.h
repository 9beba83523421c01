// Commands by numeric id, as menus, toolbars and key tables send them.
//
// A command is described once (menu text, fly-by prompt, icon) in a
// CommandRegistry, which owns the one QAction that every menu and toolbar
// shows for it. Handlers live in CommandTargets (the view, the document, the
// main window, the application); the registry asks a route function for the
// targets in the order they are tried and runs the first one that handles the
// id. A command that no target handles is disabled; a handler without an
// update handler is enabled. Enable and check states are refreshed at idle
// time and before a menu opens.
#pragma once
#include <QHash>
#include <QIcon>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QAction;
class QMenu;
class QTimer;
class QToolBar;
class QWidget;

namespace vardo {

// What an update handler says of one command.
struct CmdUi {
  bool enabled = true;
  std::optional<bool> checked;  // empty: no check mark
};

class CommandTarget {
 public:
  using Handler = std::function<void()>;
  using Update = std::function<void(CmdUi&)>;

  virtual ~CommandTarget() = default;

  // Registers a handler (and optionally its update handler) for an id.
  void OnCommand(int id, Handler handler, Update update = {});
  // An update handler alone: enables a command that another target runs.
  void OnUpdate(int id, Update update);
  void Remove(int id);

  bool HandlesCommand(int id) const;
  bool HandlesUpdate(int id) const;
  void Run(int id) const;
  void UpdateUi(int id, CmdUi& ui) const;

 private:
  struct Entry {
    Handler handler;
    Update update;
  };
  std::map<int, Entry> entries_;
};

class CommandRegistry : public QObject {
  Q_OBJECT
 public:
  explicit CommandRegistry(QObject* parent = nullptr);
  ~CommandRegistry() override;

  // Describes a command. text is the menu text, access key marked with '&'
  // and the key shown after a tab ("&Nuevo\tCtrl+N"); prompt is the fly-by
  // text of the status bar, its tooltip after a newline ("...\nNuevo").
  QAction* Define(int id, const QString& text, const QString& prompt = {}, const QIcon& icon = {});
  bool IsDefined(int id) const;
  QAction* Action(int id) const;  // nullptr for an unknown id
  QString Prompt(int id) const;   // the status-bar part of the prompt
  void SetIcon(int id, const QIcon& icon);
  void SetText(int id, const QString& text);

  // The targets tried, first to last, for the current state of the program.
  void SetRoute(std::function<std::vector<CommandTarget*>()> route);
  std::vector<CommandTarget*> Route() const;

  // The state of a command as its update handler gives it.
  CmdUi State(int id) const;
  // Runs a command when it is enabled; false when it was not run.
  bool Execute(int id);

  // Refreshes every action's enabled and checked state.
  void UpdateAll();
  // Refreshes the actions shown in one menu (before it opens).
  void UpdateMenu(QMenu* menu);
  // Refreshes at idle time: after every command and every event burst.
  void UpdateSoon();

  // Menus and toolbars built from ids; 0 is a separator.
  void AddToMenu(QMenu* menu, const std::vector<int>& ids);
  void AddToToolBar(QToolBar* bar, const std::vector<int>& ids);
  // Keeps the command states of a menu current while it opens.
  void WatchMenu(QMenu* menu);

 signals:
  // A command was run (after its handler returned).
  void Executed(int id);

 private:
  void Apply(int id, QAction* action, const CmdUi& ui);

  struct Def {
    QAction* action = nullptr;
    QString prompt;
  };
  QHash<int, Def> defs_;
  std::function<std::vector<CommandTarget*>()> route_;
  QTimer* idle_ = nullptr;
};

// A key table: keys to command ids.
class KeyTable {
 public:
  void Add(const QKeySequence& key, int id);
  // The command of a key (modifiers included), or 0.
  int Find(int keyWithModifiers) const;
  bool Empty() const { return keys_.empty(); }

 private:
  std::map<int, int> keys_;
};

}  // namespace vardo

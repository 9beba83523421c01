// The multiple-document main window: document windows (always maximised) in
// an MDI area, the menu bar, toolbars in the top band, a labelled field band,
// dock areas on every side, and a status bar with a message pane and count
// panes sized to their texts. Commands go through the frame's
// CommandRegistry; keys go through two key tables: the document table while
// the focus is inside the active document window, then the main table.
#pragma once
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "platform/qt/commands.h"

class QDockWidget;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMenu;
class QToolBar;

namespace vardo {

class MdiFrame;

// One document window. It shows one widget (the view) and is maximised
// whenever it is activated; its command targets come before the frame's in
// the route.
class MdiChild : public QMdiSubWindow {
  Q_OBJECT
 public:
  explicit MdiChild(QWidget* view, QWidget* parent = nullptr);

  void SetTargets(std::vector<CommandTarget*> targets) { targets_ = std::move(targets); }
  const std::vector<CommandTarget*>& Targets() const { return targets_; }
  // Asked before the window closes; false keeps it open.
  void SetCanClose(std::function<bool()> canClose) { canClose_ = std::move(canClose); }
  QWidget* View() const { return widget(); }

 signals:
  void Closed(MdiChild* child);

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  std::vector<CommandTarget*> targets_;
  std::function<bool()> canClose_;
};

class MdiFrame : public QMainWindow {
  Q_OBJECT
 public:
  // Longest text of the message pane.
  static constexpr int kMaxMessage = 255;
  // Ids of the window-list entries of the window menu.
  static constexpr int kFirstWindowId = 0xFF00;

  explicit MdiFrame(QWidget* parent = nullptr);
  ~MdiFrame() override;

  CommandRegistry& Commands() { return *commands_; }
  // The frame's own handlers (windows, bars, help ...).
  CommandTarget& FrameTarget() { return frameTarget_; }
  // Handlers tried after the frame's (the application's).
  void SetAppTarget(CommandTarget* target) { appTarget_ = target; }
  KeyTable& MainKeys() { return mainKeys_; }
  KeyTable& DocumentKeys() { return documentKeys_; }
  // Handles a key typed into target (the focus widget when null) as the key
  // tables say; true when the key was taken. The document table applies only
  // inside the active document window. A key whose command is disabled is
  // taken without effect, except in a text field, which receives it as typed.
  bool TranslateKey(int keyWithModifiers, QWidget* target = nullptr);

  // ---- documents ----
  QMdiArea* Area() const { return area_; }
  MdiChild* AddChild(QWidget* view, const QString& title);
  // Adds a document window, maximised, and makes it the current one.
  void AddChild(MdiChild* child);
  // The current document window: the last one activated, kept while the
  // application or the MDI area is inactive; null when none is open.
  MdiChild* ActiveChild() const;
  std::vector<MdiChild*> Children() const;
  void ActivateChild(MdiChild* child);

  // ---- bars ----
  QToolBar* AddToolBar(int resourceId, const QString& name, const std::vector<int>& ids);
  QToolBar* ToolBar(int resourceId) const;
  // A band holding a label and a one-line field.
  QLineEdit* AddFieldBand(const QString& label, int widthPixels);
  QToolBar* FieldBand() const { return fieldBand_; }
  QLineEdit* Field() const { return field_; }
  QDockWidget* AddDock(const QString& title, QWidget* content, Qt::DockWidgetArea area);

  // ---- status bar ----
  void AddCountPane(int id, const QString& text);
  // Sets a count pane's text and makes the pane exactly as wide as it.
  void SetPaneText(int id, const QString& text);
  QString PaneText(int id) const;
  int PaneWidth(int id) const;
  // Shows a message in the message pane, taken literally and cut at
  // kMaxMessage characters; it stays until the next one and comes back after
  // every fly-by prompt.
  void SetMessage(const QString& text);
  QString LastMessage() const { return lastMessage_; }
  QString ShownMessage() const;

  // ---- menus ----
  // Fills the menu with the list of document windows each time it opens.
  void AttachWindowList(QMenu* menu);

 protected:
  // Destroys the document windows at once, each reporting its close while
  // the whole frame still exists. A subclass calls it first in its
  // destructor, so that no window outlives the menus and panes it updates.
  void DestroyChildren();

 signals:
  void ActiveChildChanged(MdiChild* child);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<CommandTarget*> RouteNow();
  void FillWindowList(QMenu* menu);
  void SetCurrent(MdiChild* child);

  CommandRegistry* commands_;
  CommandTarget frameTarget_;
  CommandTarget* appTarget_ = nullptr;
  KeyTable mainKeys_;
  KeyTable documentKeys_;
  QMdiArea* area_;
  std::map<int, QToolBar*> toolBars_;
  QToolBar* fieldBand_ = nullptr;
  QLineEdit* field_ = nullptr;
  QLabel* messagePane_;
  std::map<int, QLabel*> panes_;
  QString lastMessage_;
  std::vector<QAction*> windowEntries_;
  MdiChild* current_ = nullptr;  // reset when the window is destroyed
  bool pending_ = false;         // current_ still to be activated in the area
};

}  // namespace vardo

#include "platform/qt/mainframe.h"

#include <QAction>
#include <QApplication>
#include <QAbstractSpinBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

#include "platform/qt/dockbar.h"

namespace vardo {

// ---------------------------------------------------------------- child

MdiChild::MdiChild(QWidget* view, QWidget* parent) : QMdiSubWindow(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  if (view) setWidget(view);
}

void MdiChild::closeEvent(QCloseEvent* e) {
  if (canClose_ && !canClose_()) {
    e->ignore();
    return;
  }
  QMdiSubWindow::closeEvent(e);
  if (e->isAccepted()) emit Closed(this);
}

// ---------------------------------------------------------------- frame

MdiFrame::MdiFrame(QWidget* parent)
    : QMainWindow(parent), commands_(new CommandRegistry(this)), area_(new QMdiArea(this)) {
  setCentralWidget(area_);
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks |
                 QMainWindow::AllowTabbedDocks);
  commands_->SetRoute([this] { return RouteNow(); });

  messagePane_ = new QLabel(this);
  messagePane_->setMinimumWidth(1);
  messagePane_->setTextFormat(Qt::PlainText);
  statusBar()->addWidget(messagePane_, 1);

  // The current document window stays current while the application is
  // inactive or the focus is outside the MDI area (in a bar or a pane);
  // QMdiArea reports no window then.
  connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
    if (w && !(w->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized))) w->showMaximized();
    auto* c = qobject_cast<MdiChild*>(w);
    if (c && pending_ && current_ && c != current_) {
      // The window chosen while the area was inactive wins over the one the
      // area brings back on its reactivation.
      pending_ = false;
      area_->setActiveSubWindow(current_);
      return;
    }
    if (c) {
      pending_ = false;
      SetCurrent(c);
    }
    commands_->UpdateSoon();
  });
  qApp->installEventFilter(this);
}

MdiFrame::~MdiFrame() {
  if (qApp) qApp->removeEventFilter(this);
  // Windows still there (closed ones waiting for their deferred delete
  // too) are destroyed with the area, after this frame's own part: they
  // must not report to it any more.
  for (MdiChild* c : area_->findChildren<MdiChild*>()) disconnect(c, nullptr, this, nullptr);
  current_ = nullptr;
}

void MdiFrame::DestroyChildren() {
  // Closed windows leave the area's list at once but are deleted later: they
  // go now as well.
  for (MdiChild* c : area_->findChildren<MdiChild*>()) delete c;
}

namespace {

// A widget that takes typed text.
bool IsTextField(const QWidget* w) {
  if (!w) return false;
  if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
      qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w))
    return true;
  auto* combo = qobject_cast<const QComboBox*>(w);
  return combo && combo->isEditable();
}

}  // namespace

std::vector<CommandTarget*> MdiFrame::RouteNow() {
  std::vector<CommandTarget*> route;
  if (MdiChild* c = ActiveChild()) route = c->Targets();
  route.push_back(&frameTarget_);
  if (appTarget_) route.push_back(appTarget_);
  return route;
}

bool MdiFrame::TranslateKey(int key, QWidget* target) {
  if (!target) target = QApplication::focusWidget();
  int id = 0;
  // The document's keys belong to its window: typed into a bar's field or a
  // docked pane they are that widget's.
  MdiChild* child = ActiveChild();
  if (child && target && (target == child || child->isAncestorOf(target)))
    id = documentKeys_.Find(key);
  if (id == 0) id = mainKeys_.Find(key);
  if (id == 0) return false;
  if (!commands_->State(id).enabled) return !IsTextField(target);
  commands_->Execute(id);
  return true;
}

bool MdiFrame::eventFilter(QObject* watched, QEvent* event) {
  // Idle refresh of the command states after what the user did.
  switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::FocusIn:
      commands_->UpdateSoon();
      break;
    default:
      break;
  }
  if (event->type() == QEvent::KeyPress) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && w->window() == this && !QApplication::activeModalWidget() &&
        !QApplication::activePopupWidget()) {
      auto* ke = static_cast<QKeyEvent*>(event);
      const int key = ke->keyCombination().toCombined() & ~int(Qt::KeypadModifier);
      if (TranslateKey(key, w)) return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

MdiChild* MdiFrame::AddChild(QWidget* view, const QString& title) {
  auto* child = new MdiChild(view);
  child->setWindowTitle(title);
  AddChild(child);
  return child;
}

void MdiFrame::AddChild(MdiChild* child) {
  area_->addSubWindow(child);
  connect(child, &QObject::destroyed, this, [this, child] {
    if (current_ == child) {
      // The most recently active of the others becomes current.
      MdiChild* next = nullptr;
      for (QMdiSubWindow* w : area_->subWindowList(QMdiArea::ActivationHistoryOrder))
        if (w != child)
          if (auto* c = qobject_cast<MdiChild*>(w)) next = c;
      SetCurrent(next);
      if (next) area_->setActiveSubWindow(next);
    }
    commands_->UpdateSoon();
  });
  child->showMaximized();
  ActivateChild(child);
}

void MdiFrame::SetCurrent(MdiChild* child) {
  if (child == current_) return;
  current_ = child;
  emit ActiveChildChanged(child);
}

MdiChild* MdiFrame::ActiveChild() const { return current_; }

std::vector<MdiChild*> MdiFrame::Children() const {
  std::vector<MdiChild*> out;
  for (QMdiSubWindow* w : area_->subWindowList(QMdiArea::CreationOrder))
    if (auto* c = qobject_cast<MdiChild*>(w)) out.push_back(c);
  return out;
}

void MdiFrame::ActivateChild(MdiChild* child) {
  if (!child) return;
  area_->setActiveSubWindow(child);
  child->showMaximized();
  // The focus goes to its view, so that the window's reactivation, which
  // gives the focus back, does not bring another document forward.
  if (QWidget* view = child->widget()) view->setFocus(Qt::OtherFocusReason);
  // An inactive area activates its windows only when it becomes active.
  pending_ = area_->activeSubWindow() != child;
  SetCurrent(child);
  commands_->UpdateSoon();
}

QToolBar* MdiFrame::AddToolBar(int resourceId, const QString& name, const std::vector<int>& ids) {
  QString title = name;
  title.remove(QLatin1Char('&'));
  auto* bar = new QToolBar(title, this);
  bar->setObjectName(QStringLiteral("toolbar%1").arg(resourceId));
  bar->setIconSize(QSize(16, 15));
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  commands_->AddToToolBar(bar, ids);
  addToolBar(Qt::TopToolBarArea, bar);
  toolBars_[resourceId] = bar;
  return bar;
}

QToolBar* MdiFrame::ToolBar(int resourceId) const {
  auto it = toolBars_.find(resourceId);
  return it == toolBars_.end() ? nullptr : it->second;
}

QLineEdit* MdiFrame::AddFieldBand(const QString& label, int widthPixels) {
  fieldBand_ = new QToolBar(label, this);
  fieldBand_->setObjectName(QStringLiteral("fieldBand"));
  auto* l = new QLabel(label + QLatin1Char(' '), fieldBand_);
  field_ = new QLineEdit(fieldBand_);
  QFont f(QStringLiteral("Arial"));
  f.setPointSize(9);
  field_->setFont(f);
  field_->setFixedWidth(widthPixels);
  fieldBand_->addWidget(l);
  fieldBand_->addWidget(field_);
  addToolBar(Qt::TopToolBarArea, fieldBand_);
  return field_;
}

QDockWidget* MdiFrame::AddDock(const QString& title, QWidget* content, Qt::DockWidgetArea where) {
  auto* dock = new CBarraAcoplable(title, content, this);
  addDockWidget(where, dock);
  return dock;
}

void MdiFrame::AddCountPane(int id, const QString& text) {
  auto* l = new QLabel(this);
  l->setTextFormat(Qt::PlainText);
  l->setAlignment(Qt::AlignCenter);
  l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panes_[id] = l;
  statusBar()->addPermanentWidget(l);
  SetPaneText(id, text);
}

void MdiFrame::SetPaneText(int id, const QString& text) {
  auto it = panes_.find(id);
  if (it == panes_.end()) return;
  QLabel* l = it->second;
  l->setText(text);
  const int frame = 2 * l->frameWidth();
  const QMargins m = l->contentsMargins();
  const int w = QFontMetrics(l->font()).horizontalAdvance(text) + 8 + frame + m.left() + m.right();
  l->setFixedWidth(w);
}

QString MdiFrame::PaneText(int id) const {
  auto it = panes_.find(id);
  return it == panes_.end() ? QString() : it->second->text();
}

int MdiFrame::PaneWidth(int id) const {
  auto it = panes_.find(id);
  return it == panes_.end() ? 0 : it->second->width();
}

void MdiFrame::SetMessage(const QString& text) {
  lastMessage_ = text.left(kMaxMessage);
  messagePane_->setText(lastMessage_);
  statusBar()->clearMessage();
}

QString MdiFrame::ShownMessage() const {
  const QString temporary = statusBar()->currentMessage();
  return temporary.isEmpty() ? messagePane_->text() : temporary;
}

void MdiFrame::AttachWindowList(QMenu* menu) {
  connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillWindowList(menu); });
}

void MdiFrame::FillWindowList(QMenu* menu) {
  for (QAction* a : windowEntries_) {
    menu->removeAction(a);
    a->deleteLater();
  }
  windowEntries_.clear();
  const auto children = Children();
  if (children.empty()) return;
  windowEntries_.push_back(menu->addSeparator());
  MdiChild* active = ActiveChild();
  int n = 0;
  for (MdiChild* c : children) {
    QString title = c->windowTitle();
    title.remove(QStringLiteral("[*]"));
    title.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(n + 1).arg(title));
    a->setData(kFirstWindowId + n);
    a->setCheckable(true);
    a->setChecked(c == active);
    connect(a, &QAction::triggered, this, [this, c] { ActivateChild(c); });
    windowEntries_.push_back(a);
    ++n;
  }
}

}  // namespace vardo

#include "platform/qt/kit/sheet.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTabBar>
#include <algorithm>

namespace vardo::kit {

namespace {

// Sheet geometry in dialog units.
constexpr int kMargen = 7;
constexpr int kAnchoBoton = 50;
constexpr int kAltoBoton = 14;
constexpr int kEntreBotones = 4;

// The first control of a page a user could tab to.
QWidget* PrimerFoco(QWidget& page) {
  for (QWidget* w : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && !w->isHidden()) return w;
  }
  return nullptr;
}

}  // namespace

// ---------------------------------------------------------------- page

Page::Page(Template t) : QWidget(nullptr), ControlHost(static_cast<QWidget&>(*this)),
                         template_(std::move(t)) {}

Page::~Page() { KillTimers(); }

bool Page::Live() const { return Built() && sheet_ && sheet_->IsOpen(); }

bool Page::Quiet() const { return ControlHost::Quiet() || (sheet_ && sheet_->Quiet()); }

void Page::OnSetActive() {
  if (visited_) UpdateData(false);
}

bool Page::OnKillActive() { return UpdateData(true); }

// ---------------------------------------------------------------- sheet

PropertySheet::PropertySheet(std::string caption, QWidget* parent, int startPage)
    : Dialog(Template{std::move(caption), 0, 0, {}}, parent), start_(startPage) {
  // The page keys reach the sheet before the focused control sees them.
  qApp->installEventFilter(this);
}

PropertySheet::~PropertySheet() {
  qApp->removeEventFilter(this);
  // Pages outliving the sheet must not be deleted with it.
  for (const QPointer<Page>& p : pages_)
    if (p) {
      p->setParent(nullptr);
      p->sheet_ = nullptr;
    }
}

void PropertySheet::AddPage(Page& page) {
  page.sheet_ = this;
  pages_.emplace_back(&page);
}

Page* PropertySheet::ActivePage() const {
  return active_ < 0 ? nullptr : pages_[static_cast<std::size_t>(active_)].data();
}

void PropertySheet::BeforeBuild() {
  Template t = Layout();
  t.controls.clear();
  if (wizard_) {
    t.controls = {Button(kIdBack, "< Atrás", 0, 0, kAnchoBoton, kAltoBoton),
                  Button(kIdNext, "Siguiente >", 0, 0, kAnchoBoton, kAltoBoton),
                  Button(kIdFinish, "Finalizar", 0, 0, kAnchoBoton, kAltoBoton),
                  Button(kIdCancel, "Cancelar", 0, 0, kAnchoBoton, kAltoBoton)};
  } else {
    t.controls = {Button(kIdOk, "Aceptar", 0, 0, kAnchoBoton, kAltoBoton, kDefault),
                  Button(kIdCancel, "Cancelar", 0, 0, kAnchoBoton, kAltoBoton)};
  }
  SetLayout(std::move(t));
  active_ = -1;
}

void PropertySheet::AfterBuild() {
  // Pages of an earlier run go back to their first activation.
  for (const QPointer<Page>& p : pages_)
    if (p) {
      p->visited_ = false;
      p->setParent(nullptr);
    }
  delete tabs_;
  delete area_;
  delete line_;
  tabs_ = nullptr;
  area_ = nullptr;
  line_ = nullptr;

  int w = 0, h = 0;
  for (const QPointer<Page>& p : pages_) {
    if (!p) continue;
    w = std::max(w, p->Layout().w);
    h = std::max(h, p->Layout().h);
  }
  const QRect pagina = ToPixels(Font(), 0, 0, w, h);
  const QRect margen = ToPixels(Font(), 0, 0, kMargen, kMargen);
  const QRect boton = ToPixels(Font(), 0, 0, kAnchoBoton, kAltoBoton);
  const QRect entre = ToPixels(Font(), 0, 0, kEntreBotones, kEntreBotones);

  int abajo = 0;
  auto* marco = new QFrame(this);
  area_ = marco;
  if (wizard_) {
    marco->setFrameStyle(QFrame::NoFrame);
    marco->setGeometry(0, 0, pagina.width(), pagina.height());
    abajo = marco->geometry().bottom() + 1;
    auto* linea = new QFrame(this);
    linea->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line_ = linea;
    abajo += margen.height();
  } else {
    tabs_ = new QTabBar(this);
    tabs_->setFont(Font());
    tabs_->setFocusPolicy(Qt::StrongFocus);
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    for (const QPointer<Page>& p : pages_)
      tabs_->addTab(p ? QString::fromStdString(p->Layout().caption) : QString());
    tabs_->installEventFilter(this);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int i) {
      if (switching_ || i == active_) return;
      // A change the filter did not see: put it back and ask the page.
      switching_ = true;
      tabs_->setCurrentIndex(active_);
      switching_ = false;
      SetActivePage(i);
    });
    const int altoTabs = tabs_->sizeHint().height();
    tabs_->setGeometry(margen.width(), margen.height(), pagina.width() + 4, altoTabs);
    marco->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    marco->setGeometry(margen.width(), margen.height() + altoTabs - 1, pagina.width() + 4,
                       pagina.height() + 4);
    abajo = marco->geometry().bottom() + 1 + margen.height();
  }
  stack_ = new QStackedWidget(marco);
  stack_->setGeometry(wizard_ ? 0 : 2, wizard_ ? 0 : 2, pagina.width(), pagina.height());
  for (const QPointer<Page>& p : pages_)
    if (p) stack_->addWidget(p);

  // Buttons right-aligned in one row.
  const std::vector<int> ids = wizard_ ? std::vector<int>{kIdBack, kIdNext, kIdFinish, kIdCancel}
                                       : std::vector<int>{kIdOk, kIdCancel};
  const int botones = static_cast<int>(ids.size());
  const int ancho = std::max(wizard_ ? pagina.width() : pagina.width() + 4 + 2 * margen.width(),
                             botones * (boton.width() + entre.width()) + 2 * margen.width());
  // A wizard's line runs across the window above its buttons.
  if (line_)
    line_->setGeometry(margen.width(), abajo - margen.height() / 2 - 1, ancho - 2 * margen.width(), 2);
  int x = ancho - margen.width() - botones * boton.width() - (botones - 1) * entre.width();
  for (int id : ids) {
    // In a wizard, Back and Next sit together, apart from the others.
    if (wizard_ && id == kIdFinish) x += entre.width();
    Widget(id)->setGeometry(x, abajo, boton.width(), boton.height());
    x += boton.width() + (wizard_ && id == kIdBack ? 0 : entre.width());
  }
  setFixedSize(ancho, abajo + boton.height() + margen.height());

  if (!pages_.empty()) {
    const int inicio = start_ >= 0 && start_ < PageCount() ? start_ : 0;
    Activate(inicio);
  }
}

bool PropertySheet::SetActivePage(int index) {
  if (index < 0 || index >= PageCount() || !pages_[static_cast<std::size_t>(index)]) return false;
  if (index == active_) return true;
  // By key or by mouse, the field being left takes its focus-out first, so
  // that the page stores what the field now says.
  if (!LeaveFocusedField()) return false;
  if (Page* actual = ActivePage(); actual && !actual->OnKillActive()) return false;
  Activate(index);
  return true;
}

void PropertySheet::Activate(int index) {
  Page& p = *pages_[static_cast<std::size_t>(index)];
  Hold();
  p.Hold();
  // The first activation in this run builds the controls afresh, also for
  // a page an earlier run of the sheet left built: it shows its data, not
  // what that run left in its controls, and starts from OnInit again.
  const bool primera = !p.visited_;
  if (primera) {
    p.Build(p.template_);
    p.UpdateData(false);
  }
  active_ = index;
  if (wizard_) {
    unsigned b = 0;
    if (index > 0) b |= kWizBack;
    if (index + 1 < PageCount()) b |= kWizNext;
    else b |= kWizFinish;
    SetWizardButtons(b);
    const std::string& titulo = p.Layout().caption;
    setWindowTitle(QString::fromStdString(titulo.empty() ? Layout().caption : titulo));
  }
  if (primera) p.OnInit();
  p.OnSetActive();
  p.visited_ = true;
  switching_ = true;
  stack_->setCurrentWidget(&p);
  if (tabs_) tabs_->setCurrentIndex(index);
  switching_ = false;
  QWidget* foco = QApplication::focusWidget();
  if (!foco || !isAncestorOf(foco) || !foco->isVisible()) {
    if (QWidget* w = PrimerFoco(p)) w->setFocus(Qt::OtherFocusReason);
  }
  p.Release();
  Release();
}

void PropertySheet::SetWizardButtons(unsigned buttons) {
  buttons_ = buttons;
  if (!wizard_ || !Built()) return;
  Enable(kIdBack, buttons & kWizBack);
  Enable(kIdNext, buttons & kWizNext);
  Enable(kIdFinish, buttons & kWizFinish);
}

void PropertySheet::Command(int id) {
  if (!IsOpen()) return;
  if (wizard_ && id == kIdNext) Next();
  else if (wizard_ && id == kIdBack) Back();
  else if (wizard_ && id == kIdFinish) Finish();
  else Dialog::Command(id);
}

void PropertySheet::OnOK() {
  if (!CommitHostedEdit()) return;
  if (Page* p = ActivePage(); p && !p->OnKillActive()) return;
  if (UpdateData(true)) End(kIdOk);
}

void PropertySheet::Next() {
  Page* p = ActivePage();
  if (!p || !(buttons_ & kWizNext)) return;
  if (!CommitHostedEdit()) return;
  if (!p->OnKillActive() || !p->OnWizardNext()) return;
  if (active_ + 1 < PageCount()) Activate(active_ + 1);
}

void PropertySheet::Back() {
  Page* p = ActivePage();
  if (!p || !(buttons_ & kWizBack)) return;
  if (!p->OnWizardBack() || active_ == 0) return;
  if (!p->OnKillActive()) return;
  Activate(active_ - 1);
}

void PropertySheet::Finish() {
  Page* p = ActivePage();
  if (!p || !(buttons_ & kWizFinish)) return;
  if (!CommitHostedEdit()) return;
  if (!p->OnWizardFinish()) return;
  End(kIdFinish);
}

ControlHost& PropertySheet::HostOf(QWidget* focus) {
  Page* p = ActivePage();
  if (p && focus && p->isAncestorOf(focus)) return *p;
  return *this;
}

int PropertySheet::EnterId(ControlHost& focusHost) const {
  if (wizard_) {
    if (buttons_ & kWizNext) return kIdNext;
    if (buttons_ & kWizFinish) return kIdFinish;
    return kNoId;
  }
  return Dialog::EnterId(focusHost);
}

bool PropertySheet::PageKey(QKeyEvent* e) {
  if (wizard_ || PageCount() == 0) return false;
  const auto mods = e->modifiers() & ~Qt::KeypadModifier;
  int paso = 0;
  if (mods == Qt::ControlModifier) {
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_PageDown) paso = 1;
    else if (e->key() == Qt::Key_Backtab || e->key() == Qt::Key_PageUp) paso = -1;
  } else if (mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) paso = -1;
  }
  if (paso == 0) return false;
  SetActivePage((active_ + paso + PageCount()) % PageCount());
  return true;
}

bool PropertySheet::eventFilter(QObject* obj, QEvent* ev) {
  // Installed on the application: a page key typed anywhere in this sheet's
  // window (a list, a combo, a grid, a cell being edited) changes the page
  // and goes no further.
  if (ev->type() == QEvent::KeyPress && obj->isWidgetType() && IsOpen()) {
    auto* w = static_cast<QWidget*>(obj);
    if ((w == this || isAncestorOf(w)) && PageKey(static_cast<QKeyEvent*>(ev))) return true;
  }
  if (obj != tabs_) return Dialog::eventFilter(obj, ev);
  switch (ev->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      const auto* m = static_cast<QMouseEvent*>(ev);
      if (m->button() != Qt::LeftButton) return true;
      const int i = tabs_->tabAt(m->position().toPoint());
      if (i >= 0 && i != active_) SetActivePage(i);
      return true;
    }
    case QEvent::KeyPress: {
      const auto* k = static_cast<QKeyEvent*>(ev);
      int i = -1;
      if (k->key() == Qt::Key_Left || k->key() == Qt::Key_Up) i = active_ - 1;
      else if (k->key() == Qt::Key_Right || k->key() == Qt::Key_Down) i = active_ + 1;
      else if (k->key() == Qt::Key_Home) i = 0;
      else if (k->key() == Qt::Key_End) i = PageCount() - 1;
      else return false;
      if (i >= 0 && i < PageCount()) SetActivePage(i);
      return true;
    }
    case QEvent::Wheel:
      return true;
    default:
      return false;
  }
}

}  // namespace vardo::kit

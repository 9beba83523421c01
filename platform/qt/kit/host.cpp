#include "platform/qt/kit/host.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "platform/core/numtext.h"
#include "platform/qt/colorlist.h"
#include "platform/qt/componentregistry.h"
#include "platform/qt/gradientprogress.h"
#include "platform/qt/hostedwidgets.h"
#include "platform/qt/kit/widgets.h"
#include "platform/qt/kit/runner.h"
#include "platform/qt/messagerunner.h"
#include "platform/qt/olecolor.h"
#include "platform/qt/timer.h"

namespace vardo::kit {

// Focus events of the controls, and a list box's click on the entry it
// already had.
class HostFilter : public QObject {
 public:
  explicit HostFilter(ControlHost& host) : host_(host) {}

  bool eventFilter(QObject* obj, QEvent* ev) override {
    auto* w = qobject_cast<QWidget*>(obj);
    if (!w) return false;
    switch (ev->type()) {
      case QEvent::FocusIn:
      case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(ev)->reason();
        // Another window or a popup took or gave back the focus: the focus
        // did not move inside the dialog.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
        const int id = host_.IdOf(w);
        if (id == kNoId) break;
        if (ev->type() == QEvent::FocusIn) {
          host_.Notify(id, ControlHost::Event::FocusIn);
          break;
        }
        // The control finishes losing the focus before it is told, so that
        // a handler that gives the focus back (a refused number) leaves it
        // focused, its cursor shown and its text selected.
        static_cast<QObject*>(w)->event(ev);
        host_.Notify(id, ControlHost::Event::FocusOut);
        return true;
      }
      case QEvent::MouseButtonPress: {
        // A list box row pressed again counts as a choice too.
        auto* lista = qobject_cast<QListWidget*>(w->parentWidget());
        if (!lista) break;
        const auto* m = static_cast<QMouseEvent*>(ev);
        QListWidgetItem* item = lista->itemAt(m->position().toPoint());
        if (item && lista->row(item) == lista->currentRow()) pulsada_ = lista->currentRow();
        else pulsada_ = -2;
        break;
      }
      case QEvent::MouseButtonRelease: {
        auto* lista = qobject_cast<QListWidget*>(w->parentWidget());
        if (!lista || pulsada_ < 0) break;
        const int fila = pulsada_;
        pulsada_ = -2;
        const auto* m = static_cast<QMouseEvent*>(ev);
        QListWidgetItem* item = lista->itemAt(m->position().toPoint());
        if (item && lista->row(item) == fila) host_.Notify(host_.IdOf(lista), ControlHost::Event::Select);
        break;
      }
      default:
        break;
    }
    return false;
  }

 private:
  ControlHost& host_;
  int pulsada_ = -2;
};

// Relays one signal of a hosted control to its event handler.
class EventRelay : public QObject {
  Q_OBJECT
 public:
  EventRelay(std::function<void()> f, QObject* parent) : QObject(parent), f_(std::move(f)) {}
 public slots:
  void Fire() { f_(); }

 private:
  std::function<void()> f_;
};

namespace {

// The beep that stands for a refusal's message during an arrow step.
constexpr int kPitidoHz = 1000;
constexpr int kPitidoMs = 50;

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

[[noreturn]] void WrongKind(int id, const char* what) {
  throw std::logic_error("control " + std::to_string(id) + " has no " + what);
}

// Case-blind order of a sorted list, as a user reads it.
bool Antes(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; }

void MarcarSoloLectura(QWidget* w, bool on) {
  // Read-only fields look grey, as the dialog's background.
  QPalette p = w->palette();
  p.setColor(QPalette::Base, on ? w->palette().color(QPalette::Window)
                                : QApplication::palette(w).color(QPalette::Base));
  w->setPalette(p);
}

}  // namespace

// ------------------------------------------------------------- dialog units

QFont DialogFont() {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPointSize(8);
  f.setStyleHint(QFont::SansSerif);
  return f;
}

QRect ToPixels(const QFont& font, int x, int y, int w, int h) {
  const QFontMetrics fm(font);
  const QString letras = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const int ancho = (fm.horizontalAdvance(letras) / 26 + 1) / 2;
  const int alto = fm.height();
  auto mx = [ancho](int v) { return (v * ancho + (v >= 0 ? 2 : -2)) / 4; };
  auto my = [alto](int v) { return (v * alto + (v >= 0 ? 4 : -4)) / 8; };
  return QRect(mx(x), my(y), mx(w), my(h));
}

// ---------------------------------------------------------------- building

ControlHost::ControlHost(QWidget& self)
    : self_(self), font_(DialogFont()), timers_(&self, [this](int id) { FireTimer(id); }) {
  filter_ = new HostFilter(*this);
}

ControlHost::~ControlHost() {
  // The controls go first, while their handlers' host still exists; nothing
  // notifies any more.
  built_ = false;
  ++quiet_;
  KillTimers();
  for (Entry& e : entries_) delete e.widget;
  entries_.clear();
  delete filter_;
}

void ControlHost::Build(const Template& t) {
  KillTimers();
  Hold();
  for (Entry& e : entries_) delete e.widget;
  Release();
  entries_.clear();
  index_.clear();
  defaultId_ = kNoId;
  self_.setFont(font_);

  int grupo = 0;
  entries_.reserve(t.controls.size());
  for (const DefControl& s : t.controls) {
    if ((s.style & kGroup) && !entries_.empty()) ++grupo;
    Entry e;
    e.def = s;
    e.group = grupo;
    const QRect r = ToPixels(font_, s.x, s.y, s.w, s.h);
    QWidget* w = nullptr;
    switch (s.kind) {
      case Kind::Label: {
        auto* l = new QLabel(Q(s.text), &self_);
        Qt::Alignment a = Qt::AlignTop;
        a |= (s.style & kAlignRight) ? Qt::AlignRight : (s.style & kCenter) ? Qt::AlignHCenter
                                                                          : Qt::AlignLeft;
        l->setAlignment(a);
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
        w = l;
        break;
      }
      case Kind::Frame: {
        auto* f = new QFrame(&self_);
        f->setFrameStyle(QFrame::Box | QFrame::Sunken);
        w = f;
        break;
      }
      case Kind::Group:
        w = new QGroupBox(Q(s.text), &self_);
        break;
      case Kind::Edit:
        if (s.style & kMultiline) {
          auto* m = new QPlainTextEdit(&self_);
          m->setReadOnly(s.style & kReadOnly);
          m->setTabChangesFocus(true);
          w = m;
        } else {
          auto* le = new QLineEdit(&self_);
          le->setReadOnly(s.style & kReadOnly);
          le->setValidator(new TypingRule(s.style & kDigits, s.limit, le));
          le->setFrame(true);
          w = le;
        }
        if (s.style & kReadOnly) MarcarSoloLectura(w, true);
        break;
      case Kind::Button: {
        auto* b = new QPushButton(Q(s.text), &self_);
        b->setAutoDefault(false);
        b->setDefault(s.style & kDefault);
        if (s.style & kDefault) defaultId_ = s.id;
        if (s.id == kIdCancel) b->setProperty(kPropiedadCancelar, true);
        w = b;
        break;
      }
      case Kind::Check:
        w = new QCheckBox(Q(s.text), &self_);
        break;
      case Kind::Radio: {
        auto* rb = new RadioWidget(Q(s.text), &self_);
        rb->setAutoExclusive(false);
        w = rb;
        break;
      }
      case Kind::List:
        if (s.style & kOwnerDrawn) {
          w = new CListaColores(&self_);
        } else {
          w = new CListaEleccion(&self_);
        }
        break;
      case Kind::Combo: {
        auto* c = new QComboBox(&self_);
        c->setEditable(!(s.style & kListOnly));
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setMaxVisibleItems(std::max(5, (s.h - 12) / 8));
        w = c;
        break;
      }
      case Kind::UpDown:
        w = new UpDownWidget(&self_);
        break;
      case Kind::Slider:
        w = new QSlider(s.w >= s.h ? Qt::Horizontal : Qt::Vertical, &self_);
        break;
      case Kind::Progress:
        w = new CGradientProgressCtrl(&self_);
        break;
      case Kind::Paint:
        w = new PaintWidget(&self_);
        break;
      case Kind::Hosted:
        w = ComponentRegistry::Instance().Create(s.classId, &self_);
        if (!w) throw std::runtime_error("control class " + s.classId + " is not registered");
        break;
    }
    if (s.kind == Kind::Combo) {
      // The closed box is 12 units high whatever the dropped height.
      w->setGeometry(QRect(r.topLeft(), QSize(r.width(), ToPixels(font_, 0, 0, 0, 12).height())));
    } else {
      w->setGeometry(r);
    }
    w->setFont(font_);
    if (s.kind == Kind::Label || s.kind == Kind::Frame || s.kind == Kind::Group ||
        s.kind == Kind::Progress || s.kind == Kind::Paint)
      w->setFocusPolicy(Qt::NoFocus);
    if (s.style & kDisabled) w->setEnabled(false);
    if (s.style & kHidden) w->setVisible(false);
    e.widget = w;
    if (s.id != kNoId) {
      if (index_.count(s.id)) throw std::logic_error("control id " + std::to_string(s.id) + " twice");
      index_[s.id] = entries_.size();
    }
    entries_.push_back(std::move(e));
  }
  // Frames and groups lie under the controls they surround.
  for (Entry& e : entries_) {
    if (e.def.kind == Kind::Frame || e.def.kind == Kind::Group) {
      e.widget->lower();
      e.widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
  }
  for (Entry& e : entries_) {
    for (const std::string& item : e.def.items) AddString(e.def.id, item);
    Connect(e);
  }
  self_.setFixedSize(ToPixels(font_, 0, 0, t.w, t.h).size());
  built_ = true;
}

void ControlHost::Connect(Entry& e) {
  QWidget* w = e.widget;
  const int id = e.def.id;
  if (id == kNoId) return;
  w->installEventFilter(filter_);
  switch (e.def.kind) {
    case Kind::Edit:
      if (auto* le = qobject_cast<QLineEdit*>(w))
        QObject::connect(le, &QLineEdit::textEdited, w, [this, id] { Notify(id, Event::Edit); });
      break;
    case Kind::Button:
    case Kind::Check:
      QObject::connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, w,
                       [this, id] { if (Live() && !Quiet()) Command(id); });
      break;
    case Kind::Radio: {
      const int grupo = e.group;
      QObject::connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, w,
                       [this, grupo, w, id] {
                         Uncheck(grupo, w);
                         if (Live() && !Quiet()) Command(id);
                       });
      break;
    }
    case Kind::List: {
      auto* l = static_cast<QListWidget*>(w);
      l->viewport()->installEventFilter(filter_);
      QObject::connect(l, &QListWidget::currentRowChanged, w,
                       [this, id](int) { Notify(id, Event::Select); });
      QObject::connect(l, &QListWidget::itemDoubleClicked, w,
                       [this, id] { Notify(id, Event::DoubleClick); });
      break;
    }
    case Kind::Combo: {
      auto* c = static_cast<QComboBox*>(w);
      if (c->lineEdit()) {
        c->lineEdit()->installEventFilter(filter_);
        QObject::connect(c->lineEdit(), &QLineEdit::textEdited, w,
                         [this, id] { Notify(id, Event::Edit); });
      }
      QObject::connect(c, &QComboBox::activated, w, [this, id] { Notify(id, Event::Select); });
      break;
    }
    case Kind::UpDown: {
      auto* u = static_cast<UpDownWidget*>(w);
      if (e.def.buddy != kNoId) {
        const Entry& b = At(e.def.buddy);
        auto* le = qobject_cast<QLineEdit*>(b.widget);
        if (!le) WrongKind(e.def.buddy, "one-line edit to be an up-down's buddy");
        u->SetBuddy(le, e.def.style & kArrowKeys);
        if (e.def.style & kAlignRight) {
          // The arrows take the right end of the buddy.
          const QRect br = le->geometry();
          const int ancho = std::min(w->width(), br.width() / 2);
          le->setGeometry(br.adjusted(0, 0, -ancho, 0));
          w->setGeometry(br.right() - ancho + 1, br.top(), ancho, br.height());
        }
      }
      u->onStep = [this, id](int pos, int delta) {
        if (!Live() || Quiet()) return true;
        auto it = stepHandlers_.find(id);
        return it == stepHandlers_.end() || it->second(pos, delta);
      };
      break;
    }
    case Kind::Slider:
      QObject::connect(static_cast<QSlider*>(w), &QSlider::valueChanged, w,
                       [this, id] { Notify(id, Event::Slide); });
      break;
    case Kind::Paint:
      static_cast<PaintWidget*>(w)->onPaint = [this, id](QtDc& dc) {
        auto it = painters_.find(id);
        if (it != painters_.end()) it->second(dc);
      };
      break;
    case Kind::Hosted: {
      const QMetaObject* mo = w->metaObject();
      int n = 0;
      for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        const QMetaMethod m = mo->method(i);
        if (m.methodType() != QMetaMethod::Signal) continue;
        ++n;
        auto* relay = new EventRelay(
            [this, id, n] {
              if (!Live() || Quiet()) return;
              auto it = eventHandlers_.find({id, n});
              if (it != eventHandlers_.end()) it->second();
            },
            w);
        QObject::connect(w, m, relay, relay->metaObject()->method(
                                          relay->metaObject()->indexOfSlot("Fire()")));
      }
      break;
    }
    default:
      break;
  }
}

// ---------------------------------------------------------------- lookup

const ControlHost::Entry* ControlHost::Find(int id) const {
  auto it = index_.find(id);
  return it == index_.end() ? nullptr : &entries_[it->second];
}

const ControlHost::Entry& ControlHost::At(int id) const {
  const Entry* e = Find(id);
  if (!e) throw std::out_of_range("no control " + std::to_string(id));
  return *e;
}

bool ControlHost::Has(int id) const { return Find(id) != nullptr; }
Kind ControlHost::KindOf(int id) const { return At(id).def.kind; }
QWidget* ControlHost::Widget(int id) const { return At(id).widget; }

int ControlHost::IdOf(const QWidget* w) const {
  for (; w && w != &self_; w = w->parentWidget()) {
    if (w->parentWidget() != &self_) continue;
    for (const Entry& e : entries_)
      if (e.widget == w) return e.def.id;
    return kNoId;
  }
  return kNoId;
}

// ---------------------------------------------------------------- text

std::string ControlHost::Text(int id) const {
  QWidget* w = Widget(id);
  if (auto* le = qobject_cast<QLineEdit*>(w)) return le->text().toStdString();
  if (auto* m = qobject_cast<QPlainTextEdit*>(w)) return m->toPlainText().toStdString();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text().toStdString();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text().toStdString();
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title().toStdString();
  if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText().toStdString();
  WrongKind(id, "text");
}

void ControlHost::SetText(int id, std::string_view text) {
  QWidget* w = Widget(id);
  const QString t = Q(text);
  Hold();
  if (auto* le = qobject_cast<QLineEdit*>(w)) {
    le->setText(t);
    le->setCursorPosition(0);
  } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
    m->setPlainText(t);
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    l->setText(t);
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    b->setText(t);
  } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
    g->setTitle(t);
  } else if (auto* c = qobject_cast<QComboBox*>(w)) {
    if (c->isEditable()) {
      c->setEditText(t);
    } else {
      c->setCurrentIndex(c->findText(t, Qt::MatchFixedString));
    }
  } else {
    Release();
    WrongKind(id, "text");
  }
  Release();
}

double ControlHost::Number(int id) const { return TextoANumero(Text(id)); }

bool ControlHost::ArrowHeld(int id) const {
  const auto* u = qobject_cast<UpDownWidget*>(Widget(id));
  return u && u->Pulsada();
}

bool ControlHost::Typed(int id) const {
  QWidget* w = Widget(id);
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->isModified();
  if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit()) return c->lineEdit()->isModified();
  return true;
}

bool ControlHost::ReadNumber(int id, double& v, const RangoNumero& rango, bool duringStep) {
  const std::string texto = Text(id);
  if (!Typed(id)) {
    if (const auto n = LeerNumeroTecleado(texto)) v = *n;
    return true;
  }
  const std::string mensaje = ComprobarNumeroTecleado(texto, rango, v);
  if (mensaje.empty()) return true;
  Refuse(id, mensaje, duringStep);
  return false;
}

int ControlHost::Integer(int id) const {
  const std::string s = Text(id);
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  if (i < s.size() && s[i] == '+') ++i;
  int v = 0;
  const auto r = std::from_chars(s.data() + i, s.data() + s.size(), v);
  return r.ec == std::errc() ? v : 0;
}

void ControlHost::SetNumber(int id, double v, int digits) { SetText(id, NumTexto(v, digits)); }

void ControlHost::SetInt(int id, int v) { SetText(id, std::to_string(v)); }

// ---------------------------------------------------------------- buttons

bool ControlHost::Checked(int id) const {
  auto* b = qobject_cast<QAbstractButton*>(Widget(id));
  if (!b) WrongKind(id, "check");
  return b->isChecked();
}

void ControlHost::SetCheck(int id, bool on) {
  auto* b = qobject_cast<QAbstractButton*>(Widget(id));
  if (!b || !b->isCheckable()) WrongKind(id, "check");
  b->setChecked(on);
}

void ControlHost::Uncheck(int group, const QWidget* except) {
  for (const Entry& e : entries_)
    if (e.widget != except && e.def.kind == Kind::Radio && e.group == group)
      static_cast<QAbstractButton*>(e.widget)->setChecked(false);
}

std::vector<const ControlHost::Entry*> ControlHost::RadiosOf(int firstId) const {
  const Entry& first = At(firstId);
  if (first.def.kind != Kind::Radio) WrongKind(firstId, "radio group");
  std::vector<const Entry*> radios;
  for (std::size_t i = index_.at(firstId); i < entries_.size(); ++i) {
    const Entry& e = entries_[i];
    if (e.group != first.group) break;
    if (e.def.kind == Kind::Radio) radios.push_back(&e);
  }
  return radios;
}

int ControlHost::RadioIndex(int firstId) const {
  const auto radios = RadiosOf(firstId);
  for (std::size_t i = 0; i < radios.size(); ++i)
    if (static_cast<QAbstractButton*>(radios[i]->widget)->isChecked()) return static_cast<int>(i);
  return -1;
}

void ControlHost::SetRadioIndex(int firstId, int index) {
  const auto radios = RadiosOf(firstId);
  for (std::size_t i = 0; i < radios.size(); ++i)
    static_cast<QAbstractButton*>(radios[i]->widget)->setChecked(static_cast<int>(i) == index);
}

// ---------------------------------------------------------------- state

void ControlHost::Enable(int id, bool on) {
  // Disabling the focused control moves the focus: nobody is told.
  Hold();
  Widget(id)->setEnabled(on);
  Release();
}
bool ControlHost::IsEnabled(int id) const { return Widget(id)->isEnabled(); }
void ControlHost::Show(int id, bool on) {
  Hold();
  Widget(id)->setVisible(on);
  Release();
}
bool ControlHost::IsShown(int id) const { return !Widget(id)->isHidden(); }

void ControlHost::SetReadOnly(int id, bool on) {
  QWidget* w = Widget(id);
  if (auto* le = qobject_cast<QLineEdit*>(w)) le->setReadOnly(on);
  else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) m->setReadOnly(on);
  else WrongKind(id, "read-only state");
  MarcarSoloLectura(w, on);
}

bool ControlHost::IsReadOnly(int id) const {
  QWidget* w = Widget(id);
  if (auto* le = qobject_cast<QLineEdit*>(w)) return le->isReadOnly();
  if (auto* m = qobject_cast<QPlainTextEdit*>(w)) return m->isReadOnly();
  WrongKind(id, "read-only state");
}

void ControlHost::SetLimit(int id, int maxChars) {
  auto* le = qobject_cast<QLineEdit*>(Widget(id));
  auto* regla = le ? qobject_cast<const TypingRule*>(le->validator()) : nullptr;
  if (!regla) WrongKind(id, "text limit");
  const_cast<TypingRule*>(regla)->SetLimit(maxChars);
}

void ControlHost::Focus(int id) {
  Hold();
  Widget(id)->setFocus(Qt::OtherFocusReason);
  Release();
}

int ControlHost::FocusedId() const { return IdOf(QApplication::focusWidget()); }

void ControlHost::SelectAll(int id) {
  QWidget* w = Widget(id);
  if (auto* le = qobject_cast<QLineEdit*>(w)) le->selectAll();
  else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) m->selectAll();
  else if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit()) c->lineEdit()->selectAll();
}

void ControlHost::SetDefaultId(int id) {
  for (const Entry& e : entries_)
    if (auto* b = qobject_cast<QPushButton*>(e.widget)) b->setDefault(e.def.id == id);
  defaultId_ = id;
}

// ---------------------------------------------------------------- lists

namespace {
// A list box or a combo: the two kinds with entries.
struct Lista {
  QListWidget* list = nullptr;
  QComboBox* combo = nullptr;
};
Lista ListaDe(QWidget* w, int id) {
  Lista l{qobject_cast<QListWidget*>(w), qobject_cast<QComboBox*>(w)};
  if (!l.list && !l.combo) WrongKind(id, "entries");
  return l;
}
}  // namespace

void ControlHost::ResetContent(int id) {
  const Lista l = ListaDe(Widget(id), id);
  Hold();
  if (l.list) l.list->clear();
  else l.combo->clear();
  Release();
}

int ControlHost::AddString(int id, std::string_view text, Rgb colour) {
  const Entry& e = At(id);
  int index = Count(id);
  if (e.def.style & kSorted) {
    const QString t = Q(text);
    index = 0;
    while (index < Count(id) && !Antes(t, QString::fromStdString(ItemText(id, index)))) ++index;
  }
  return InsertString(id, index, text, colour);
}

int ControlHost::InsertString(int id, int index, std::string_view text, Rgb colour) {
  const Lista l = ListaDe(Widget(id), id);
  const int n = Count(id);
  if (index < 0 || index > n) index = n;
  Hold();
  if (l.list) {
    auto* item = new QListWidgetItem(Q(text));
    item->setData(Qt::UserRole, static_cast<uint>(colour));
    l.list->insertItem(index, item);
  } else {
    // A combo's edit keeps its text when entries come and go.
    const QString texto = l.combo->isEditable() ? l.combo->currentText() : QString();
    l.combo->insertItem(index, Q(text), static_cast<uint>(colour));
    if (l.combo->isEditable()) {
      l.combo->setCurrentIndex(-1);
      l.combo->setEditText(texto);
    } else if (n == 0) {
      l.combo->setCurrentIndex(-1);
    }
  }
  Release();
  return index;
}

void ControlHost::DeleteString(int id, int index) {
  const Lista l = ListaDe(Widget(id), id);
  if (index < 0 || index >= Count(id)) return;
  Hold();
  if (l.list) delete l.list->takeItem(index);
  else l.combo->removeItem(index);
  Release();
}

int ControlHost::Count(int id) const {
  const Lista l = ListaDe(Widget(id), id);
  return l.list ? l.list->count() : l.combo->count();
}

std::string ControlHost::ItemText(int id, int index) const {
  const Lista l = ListaDe(Widget(id), id);
  if (index < 0 || index >= Count(id)) return {};
  return (l.list ? l.list->item(index)->text() : l.combo->itemText(index)).toStdString();
}

int ControlHost::FindExact(int id, std::string_view text) const {
  const QString t = Q(text);
  for (int i = 0; i < Count(id); ++i)
    if (QString::fromStdString(ItemText(id, i)).compare(t, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

int ControlHost::CurSel(int id) const {
  const Lista l = ListaDe(Widget(id), id);
  return l.list ? l.list->currentRow() : l.combo->currentIndex();
}

void ControlHost::SetCurSel(int id, int index) {
  const Lista l = ListaDe(Widget(id), id);
  if (index < -1 || index >= Count(id)) index = -1;
  Hold();
  if (l.list) {
    l.list->setCurrentRow(index);
    if (index < 0) l.list->clearSelection();
  } else {
    l.combo->setCurrentIndex(index);
  }
  Release();
}

void ControlHost::SetItemColor(int id, int index, Rgb colour) {
  const Lista l = ListaDe(Widget(id), id);
  if (index < 0 || index >= Count(id)) return;
  if (auto* colores = qobject_cast<CListaColores*>(l.list)) colores->SetColor(index, colour);
  else if (l.list) l.list->item(index)->setData(Qt::UserRole, static_cast<uint>(colour));
  else l.combo->setItemData(index, static_cast<uint>(colour));
}

Rgb ControlHost::ItemColor(int id, int index) const {
  const Lista l = ListaDe(Widget(id), id);
  if (index < 0 || index >= Count(id)) return 0;
  return l.list ? l.list->item(index)->data(Qt::UserRole).toUInt()
                : l.combo->itemData(index).toUInt();
}

// ---------------------------------------------------------------- ranges

void ControlHost::SetRange(int id, int lo, int hi) {
  QWidget* w = Widget(id);
  Hold();
  if (auto* u = qobject_cast<UpDownWidget*>(w)) u->SetRange(lo, hi);
  else if (auto* s = qobject_cast<QSlider*>(w)) s->setRange(lo, hi);
  else if (auto* p = qobject_cast<CGradientProgressCtrl*>(w)) p->SetRange(lo, hi);
  else {
    Release();
    WrongKind(id, "range");
  }
  Release();
}

void ControlHost::SetPos(int id, int pos) {
  QWidget* w = Widget(id);
  Hold();
  if (auto* u = qobject_cast<UpDownWidget*>(w)) u->SetPos(pos);
  else if (auto* s = qobject_cast<QSlider*>(w)) s->setValue(pos);
  else if (auto* p = qobject_cast<CGradientProgressCtrl*>(w)) p->SetPos(pos);
  else {
    Release();
    WrongKind(id, "position");
  }
  Release();
}

int ControlHost::Pos(int id) const {
  QWidget* w = Widget(id);
  if (auto* u = qobject_cast<UpDownWidget*>(w)) return u->Pos();
  if (auto* s = qobject_cast<QSlider*>(w)) return s->value();
  if (auto* p = qobject_cast<CGradientProgressCtrl*>(w)) return p->Pos();
  WrongKind(id, "position");
}

void ControlHost::SetStep(int id, int step) {
  auto* p = qobject_cast<CGradientProgressCtrl*>(Widget(id));
  if (!p) WrongKind(id, "step");
  p->SetStep(step);
}

void ControlHost::StepIt(int id) {
  auto* p = qobject_cast<CGradientProgressCtrl*>(Widget(id));
  if (!p) WrongKind(id, "step");
  p->StepIt();
}

void ControlHost::SetGradient(int id, Rgb from, Rgb to) {
  auto* p = qobject_cast<CGradientProgressCtrl*>(Widget(id));
  if (!p) WrongKind(id, "gradient");
  p->SetColores({OleToQColor(from & 0xFFFFFFu), OleToQColor(to & 0xFFFFFFu)});
}

void ControlHost::Invalidate(int id) { Widget(id)->update(); }

// ---------------------------------------------------------------- notifications

void ControlHost::OnClick(int id, Handler h) { handlers_[{id, Event::Click}] = std::move(h); }
void ControlHost::OnDoubleClick(int id, Handler h) {
  handlers_[{id, Event::DoubleClick}] = std::move(h);
}
void ControlHost::OnSelect(int id, Handler h) { handlers_[{id, Event::Select}] = std::move(h); }
void ControlHost::OnFocusIn(int id, Handler h) { handlers_[{id, Event::FocusIn}] = std::move(h); }
void ControlHost::OnFocusOut(int id, Handler h) { handlers_[{id, Event::FocusOut}] = std::move(h); }
void ControlHost::OnEdit(int id, Handler h) { handlers_[{id, Event::Edit}] = std::move(h); }
void ControlHost::OnSlide(int id, Handler h) { handlers_[{id, Event::Slide}] = std::move(h); }
void ControlHost::OnStep(int id, std::function<bool(int, int)> h) {
  stepHandlers_[id] = std::move(h);
}
void ControlHost::OnEvent(int id, int n, Handler h) { eventHandlers_[{id, n}] = std::move(h); }
void ControlHost::OnPaint(int id, std::function<void(QtDc&)> h) { painters_[id] = std::move(h); }

void ControlHost::Notify(int id, Event e) {
  if (id == kNoId || Quiet() || !Live()) return;
  auto it = handlers_.find({id, e});
  if (it == handlers_.end()) return;
  // The handler may replace itself; run a copy.
  const Handler h = it->second;
  h();
}

void ControlHost::Command(int id) { Notify(id, Event::Click); }

bool ControlHost::Live() const { return built_; }

// ---------------------------------------------------------------- timers

void ControlHost::SetTimer(int id, int periodMs) { timers_.Start(id, std::max(periodMs, 0)); }
void ControlHost::KillTimer(int id) { timers_.Stop(id); }
void ControlHost::KillTimers() { timers_.StopAll(); }
bool ControlHost::TimerActive(int id) const { return timers_.Active(id); }
int ControlHost::TimerPeriod(int id) const { return timers_.Period(id); }

void ControlHost::OnTimer(std::function<void(int)> h) { timerHandler_ = std::move(h); }

bool ControlHost::FireTimer(int id) {
  if (!TimerActive(id) || !Live()) return false;
  if (timerHandler_) {
    const auto h = timerHandler_;
    h(id);
  }
  return true;
}

// ---------------------------------------------------------------- exchange

bool ControlHost::UpdateData(bool save) {
  Exchange dx(*this, save);
  Hold();
  try {
    DataExchange(dx);
  } catch (const ExchangeFailed&) {
    Release();
    return false;
  }
  Release();
  return true;
}

void ControlHost::Refuse(int id, const std::string& message, bool duringStep) {
  // The message first, then the field gets the focus with its text selected;
  // the field the focus was leaving for is told nothing.
  if (duringStep)
    Beep(kPitidoHz, kPitidoMs);
  else
    ShowMessage(self_.window(), message, MsgIcon::Warning);
  if (Has(id)) {
    Focus(id);
    SelectAll(id);
  }
}

void ControlHost::Fail(int id, const std::string& message) {
  Refuse(id, message);
  throw ExchangeFailed{};
}

}  // namespace vardo::kit

#include "host.moc"

// Finds the texts a window cuts: every shown label, button, check box,
// radio, group title, combo entry and heading cell of a table whose text is
// wider than the room its control gives it at the font in use; the window's
// caption when the frame's title bar cannot show it whole; and a wrapped
// line that starts with a tab, whose continuation would lose the indent.
#pragma once
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <algorithm>
#include <string>
#include <vector>

#include "platform/qt/gridwidget.h"

namespace vardo::prueba {

// A control's text as shown: mnemonic marks taken out.
inline QString TextoVisible(const QString& t) {
  QString s;
  for (qsizetype i = 0; i < t.size(); ++i) {
    if (t[i] == QLatin1Char('&') && i + 1 < t.size()) ++i;
    s += t[i];
  }
  return s;
}

// The widest line of a text (lines split at "\n").
inline int AnchoTexto(const QFontMetrics& fm, const QString& t) {
  int w = 0;
  for (const QString& linea : t.split(QLatin1Char('\n')))
    w = std::max(w, fm.horizontalAdvance(linea));
  return w;
}

// The caption font of a desktop's window frame: bold, 11 points, in the
// dialogs' family.
inline QFont FuenteTitulo() {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setStyleHint(QFont::SansSerif);
  f.setPointSize(11);
  f.setBold(true);
  return f;
}

// The room a caption has in a window's title bar: the window's width less the
// frame's three buttons (each a square of the bar's height) and a margin of
// one average character at each end.
inline int AnchoTitulo(const QWidget* ventana) {
  const QFontMetrics fm(FuenteTitulo());
  const int barra = fm.height() + 8;
  return ventana->frameGeometry().width() - 3 * barra - 2 * fm.averageCharWidth();
}

// The width a label needs to show one line of text unwrapped, measured by a
// label like it (font, alignment, indent, margins and text interaction,
// which decide how tabs expand).
inline int AnchoEnEtiqueta(const QLabel* l, const QString& linea) {
  QLabel medida;
  medida.setFont(l->font());
  medida.setTextFormat(Qt::PlainText);
  medida.setAlignment(l->alignment());
  medida.setIndent(l->indent());
  medida.setMargin(l->margin());
  medida.setContentsMargins(l->contentsMargins());
  medida.setTextInteractionFlags(l->textInteractionFlags());
  medida.setText(linea);
  return medida.sizeHint().width();
}

inline std::string Describir(const QWidget* w, const QString& texto, int necesita, int tiene) {
  return std::string(w->metaObject()->className()) + " \"" + texto.toStdString() + "\": " +
         std::to_string(necesita) + " px en " + std::to_string(tiene) + " px";
}

// One table's heading cells (fixed rows and columns): the text must fit the
// cell, and a cell that the control's edge cuts counts as cut unless the
// table scrolls that way.
inline void RecortesRejilla(const GridWidget* g, std::vector<std::string>& out) {
  const QFontMetrics fm(g->font());
  const int visible = g->viewport()->width();
  const bool desplaza = g->horizontalScrollBar()->maximum() > 0;
  for (int r = 0; r < g->Rows(); ++r)
    for (int c = 0; c < g->Cols(); ++c) {
      if (r >= g->FixedRows() && c >= g->FixedCols()) continue;
      const QString t = g->Text(r, c);
      if (t.isEmpty()) continue;
      const QRect celda = g->CellRect(r, c);
      if (celda.isNull()) continue;
      int ancho = g->AnchoTextoPx(c);
      const int izquierda = celda.left() - g->viewport()->geometry().left();
      if (!desplaza && r < g->FixedRows()) ancho = std::min(ancho, visible - izquierda);
      const int necesita = fm.horizontalAdvance(t);
      if (necesita > ancho)
        out.push_back(Describir(g, t, necesita, ancho) + " (celda " + std::to_string(r) + "," +
                      std::to_string(c) + ")");
    }
}

// Every cut text under `raiz` (itself included), only shown controls.
inline std::vector<std::string> TextosRecortados(const QWidget* raiz) {
  std::vector<std::string> out;
  std::vector<const QWidget*> todos{raiz};
  for (const QWidget* w : raiz->findChildren<const QWidget*>()) todos.push_back(w);
  if (raiz->isWindow() && !raiz->windowTitle().isEmpty()) {
    const QString t = raiz->windowTitle();
    const int necesita = QFontMetrics(FuenteTitulo()).horizontalAdvance(t);
    if (necesita > AnchoTitulo(raiz)) out.push_back(Describir(raiz, t, necesita, AnchoTitulo(raiz)) + " (título)");
  }
  for (const QWidget* w : todos) {
    if (!w->isVisibleTo(raiz->window()) && w != raiz) continue;
    if (w->width() <= 0) continue;
    const QFontMetrics fm(w->font());
    QStyle* st = w->style();
    if (auto* l = qobject_cast<const QLabel*>(w)) {
      const QString t = TextoVisible(l->text());
      if (t.isEmpty() || l->textFormat() == Qt::RichText || Qt::mightBeRichText(l->text()))
        continue;
      const QRect r = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
      if (l->wordWrap()) {
        // The lines the text wraps to must stand in the label; the line
        // height's last pixel is below every glyph.
        const QRect b = fm.boundingRect(QRect(0, 0, r.width(), 100000), Qt::TextWordWrap, t);
        if (b.height() > r.height() + 1 || b.width() > r.width())
          out.push_back(Describir(w, t, b.height(), r.height()) + " (alto)");
        // A line that starts with a tab and is wrapped continues at the
        // left margin: its indent is lost.
        for (const QString& linea : t.split(QLatin1Char('\n'))) {
          if (!linea.startsWith(QLatin1Char('\t'))) continue;
          const int ancho = AnchoEnEtiqueta(l, linea);
          if (ancho > l->width()) out.push_back(Describir(w, linea, ancho, l->width()) + " (sangría perdida)");
        }
      } else if (AnchoTexto(fm, t) > r.width()) {
        out.push_back(Describir(w, t, AnchoTexto(fm, t), r.width()));
      }
    } else if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
      const QString t = TextoVisible(b->text());
      if (t.isEmpty()) continue;
      QStyleOptionButton o;
      o.initFrom(b);
      o.text = b->text();
      QStyle::SubElement e = QStyle::SE_PushButtonContents;
      if (qobject_cast<const QCheckBox*>(b)) e = QStyle::SE_CheckBoxContents;
      else if (qobject_cast<const QRadioButton*>(b)) e = QStyle::SE_RadioButtonContents;
      else if (!qobject_cast<const QPushButton*>(b)) continue;
      const int ancho = st->subElementRect(e, &o, b).width();
      if (AnchoTexto(fm, t) > ancho) out.push_back(Describir(w, t, AnchoTexto(fm, t), ancho));
    } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
      const QString t = TextoVisible(g->title());
      if (t.isEmpty()) continue;
      // The title stands inside the frame's corners.
      const int ancho = g->width() - 2 * fm.averageCharWidth();
      if (fm.horizontalAdvance(t) > ancho) out.push_back(Describir(w, t, fm.horizontalAdvance(t), ancho));
    } else if (auto* c = qobject_cast<const QComboBox*>(w)) {
      QStyleOptionComboBox o;
      o.initFrom(c);
      o.editable = c->isEditable();
      const int ancho =
          st->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c).width();
      for (int i = 0; i < c->count(); ++i) {
        const QString t = c->itemText(i);
        if (fm.horizontalAdvance(t) > ancho) out.push_back(Describir(w, t, fm.horizontalAdvance(t), ancho));
      }
    } else if (auto* g = qobject_cast<const GridWidget*>(w)) {
      RecortesRejilla(g, out);
    }
  }
  return out;
}

}  // namespace vardo::prueba

#include "platform/qt/textwrap.h"

#include <QStringList>

namespace vardo {

QString Partible(const QString& texto) {
  constexpr int kTramo = 20;
  const QChar corte(0x200B);
  QString r;
  r.reserve(texto.size() + texto.size() / kTramo);
  int tramo = 0;
  for (qsizetype i = 0; i < texto.size(); ++i) {
    const QChar c = texto[i];
    r += c;
    if (c.isSpace()) {
      tramo = 0;
      continue;
    }
    ++tramo;
    // Never inside a character of two halves.
    if (c.isHighSurrogate() || (i + 1 < texto.size() && texto[i + 1].isSpace())) continue;
    if (c == u'/' || c == u'\\' || tramo >= kTramo) {
      r += corte;
      tramo = 0;
    }
  }
  return r;
}

bool TieneSangria(const QString& texto) {
  for (const QString& linea : texto.split(QLatin1Char('\n')))
    if (linea.startsWith(QLatin1Char('\t'))) return true;
  return false;
}

QString EnvolverConSangria(const QString& texto, int ancho,
                           const std::function<int(const QString&)>& medir) {
  const QChar corte(0x200B);
  QStringList salida;
  for (const QString& linea : texto.split(QLatin1Char('\n'))) {
    qsizetype n = 0;
    while (n < linea.size() && linea[n] == QLatin1Char('\t')) ++n;
    const QString sangria = linea.left(n);
    // The pieces of the line, each ending after a blank or a break point.
    QStringList piezas;
    QString pieza;
    for (qsizetype i = n; i < linea.size(); ++i) {
      pieza += linea[i];
      if (linea[i] == QLatin1Char(' ') || linea[i] == corte) {
        piezas << pieza;
        pieza.clear();
      }
    }
    if (!pieza.isEmpty() || piezas.isEmpty()) piezas << pieza;
    QString actual;
    for (const QString& p : piezas) {
      if (!actual.isEmpty() && medir(sangria + actual + p.trimmed()) > ancho) {
        // The blank at the break goes; the line ends where the text did.
        while (actual.endsWith(QLatin1Char(' '))) actual.chop(1);
        salida << sangria + actual;
        actual.clear();
      }
      actual += p;
    }
    salida << sangria + actual;
  }
  return salida.join(QLatin1Char('\n'));
}

}  // namespace vardo

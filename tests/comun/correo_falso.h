// A stand-in xdg-email, first on the PATH while the object lives: it writes
// down each argument it gets, counts its runs and answers with the exit code
// the test sets. No mail is ever sent. Sin() takes every mail program off the
// PATH instead.
#pragma once
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vardo::prueba {

class CorreoFalso {
 public:
  CorreoFalso() : path_(qgetenv("PATH")) {
    EXPECT_TRUE(dir_.isValid());
    const QString programa = dir_.filePath(QStringLiteral("bin/xdg-email"));
    QDir(dir_.path()).mkpath(QStringLiteral("bin"));
    QDir(dir_.path()).mkpath(QStringLiteral("vacio"));
    const QByteArray d = dir_.path().toLocal8Bit();
    QFile f(programa);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n"
            "d='" + d + "'\n"
            ": > \"$d/argumentos\"\n"
            "for a in \"$@\"; do printf '%s\\0' \"$a\" >> \"$d/argumentos\"; done\n"
            "echo >> \"$d/llamadas\"\n"
            "exit $(cat \"$d/codigo\" 2>/dev/null || echo 0)\n");
    f.close();
    QFile::setPermissions(programa, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", (dir_.filePath(QStringLiteral("bin")) + QStringLiteral(":/usr/bin:/bin")).toLocal8Bit());
  }
  ~CorreoFalso() { qputenv("PATH", path_); }
  CorreoFalso(const CorreoFalso&) = delete;
  CorreoFalso& operator=(const CorreoFalso&) = delete;

  // The exit code of the next runs (0: the mail program took the message).
  void Codigo(int codigo) {
    QFile f(dir_.filePath(QStringLiteral("codigo")));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::number(codigo));
  }
  // No xdg-email anywhere on the PATH.
  void Sin() { qputenv("PATH", dir_.filePath(QStringLiteral("vacio")).toLocal8Bit()); }

  // The arguments of the last run.
  std::vector<std::string> Argumentos() const {
    QFile f(dir_.filePath(QStringLiteral("argumentos")));
    std::vector<std::string> a;
    if (!f.open(QIODevice::ReadOnly)) return a;
    for (const QByteArray& b : f.readAll().split('\0')) a.push_back(b.toStdString());
    a.pop_back();  // after the last NUL
    return a;
  }
  int Llamadas() const {
    QFile f(dir_.filePath(QStringLiteral("llamadas")));
    return f.open(QIODevice::ReadOnly) ? static_cast<int>(f.readAll().count('\n')) : 0;
  }

 private:
  QTemporaryDir dir_;
  QByteArray path_;
};

}  // namespace vardo::prueba

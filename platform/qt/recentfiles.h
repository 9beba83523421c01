// The recent-file list of the File menu: the last paths opened or saved,
// newest first, kept in the profile under "Recent File List" as File1..FileN.
// Its menu entries are the commands firstId .. firstId + size - 1; while the
// list is empty one disabled entry reads "Archivo reciente".
#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QAction;
class QMenu;
class QSettings;

namespace vardo {

class RecentFileList : public QObject {
  Q_OBJECT
 public:
  RecentFileList(int firstId, int size, QObject* parent = nullptr);

  void Add(const QString& path);
  void Remove(const QString& path);
  const QStringList& Paths() const { return paths_; }
  int FirstId() const { return firstId_; }
  int Size() const { return size_; }

  void Load(QSettings& settings);
  void Save(QSettings& settings) const;

  // Puts the list's entries into a menu before `before` (or at its end) and
  // keeps them current; choosing one calls `open` with its path.
  void Attach(QMenu* menu, QAction* before, std::function<void(const QString&)> open);

  // The menu text of entry i: "&1 name" (the file name; the whole path when
  // two entries share a name).
  QString EntryText(int i) const;

 private:
  void Rebuild();

  int firstId_;
  int size_;
  QStringList paths_;
  QMenu* menu_ = nullptr;
  QAction* before_ = nullptr;
  QList<QAction*> entries_;
  std::function<void(const QString&)> open_;
};

}  // namespace vardo

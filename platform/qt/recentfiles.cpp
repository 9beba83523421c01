#include "platform/qt/recentfiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "platform/qt/frameworktexts.h"

namespace vardo {

namespace {
const char* const kGroup = "Recent File List";

QString Canonical(const QString& path) {
  QFileInfo fi(path);
  return QDir::cleanPath(fi.absoluteFilePath());
}
}  // namespace

RecentFileList::RecentFileList(int firstId, int size, QObject* parent)
    : QObject(parent), firstId_(firstId), size_(size) {}

void RecentFileList::Add(const QString& path) {
  const QString p = Canonical(path);
  paths_.removeAll(p);
  paths_.prepend(p);
  while (paths_.size() > size_) paths_.removeLast();
  Rebuild();
}

void RecentFileList::Remove(const QString& path) {
  paths_.removeAll(Canonical(path));
  Rebuild();
}

void RecentFileList::Load(QSettings& settings) {
  paths_.clear();
  settings.beginGroup(QString::fromLatin1(kGroup));
  for (int i = 1; i <= size_; ++i) {
    const QString p = settings.value(QStringLiteral("File%1").arg(i)).toString();
    if (!p.isEmpty() && !paths_.contains(p)) paths_.append(p);
  }
  settings.endGroup();
  Rebuild();
}

void RecentFileList::Save(QSettings& settings) const {
  settings.beginGroup(QString::fromLatin1(kGroup));
  for (int i = 1; i <= size_; ++i) {
    const QString key = QStringLiteral("File%1").arg(i);
    if (i <= paths_.size())
      settings.setValue(key, paths_[i - 1]);
    else
      settings.remove(key);
  }
  settings.endGroup();
}

QString RecentFileList::EntryText(int i) const {
  const QString name = QFileInfo(paths_[i]).fileName();
  bool shared = false;
  for (int k = 0; k < paths_.size(); ++k)
    if (k != i && QFileInfo(paths_[k]).fileName() == name) shared = true;
  QString shown = shared ? QDir::toNativeSeparators(paths_[i]) : name;
  shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return QStringLiteral("&%1 %2").arg(i + 1).arg(shown);
}

void RecentFileList::Attach(QMenu* menu, QAction* before,
                            std::function<void(const QString&)> open) {
  menu_ = menu;
  before_ = before;
  open_ = std::move(open);
  Rebuild();
}

void RecentFileList::Rebuild() {
  if (!menu_) return;
  for (QAction* a : entries_) {
    menu_->removeAction(a);
    a->deleteLater();
  }
  entries_.clear();
  if (paths_.isEmpty()) {
    auto* a = new QAction(QString::fromUtf8(textos::kArchivoReciente), this);
    a->setData(firstId_);
    a->setEnabled(false);
    entries_.append(a);
  } else {
    for (int i = 0; i < paths_.size(); ++i) {
      auto* a = new QAction(EntryText(i), this);
      a->setData(firstId_ + i);
      a->setStatusTip(QStringLiteral("Abre este documento"));
      const QString path = paths_[i];
      connect(a, &QAction::triggered, this, [this, path] {
        if (open_) open_(path);
      });
      entries_.append(a);
    }
  }
  menu_->insertActions(before_, entries_);
}

}  // namespace vardo

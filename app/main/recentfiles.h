// The list of recently opened projects, most recent first.
#pragma once

#include <QString>
#include <QStringList>

namespace torve::app {

// At most ten paths; opening one moves it to the top, an eleventh pushes the oldest off.
class RecentFiles {
  public:
    static constexpr int kMaximum = 10;

    explicit RecentFiles(const QStringList& files = {});

    const QStringList& files() const { return files_; }
    // Puts `path` at the top; false when it already was there.
    bool add(const QString& path);
    // The File menu's text of entry `index` (from 0): its number, a blank and the path, shown without
    // its folder when that is `currentDir`.
    QString menuText(int index, const QString& currentDir) const;

  private:
    QStringList files_;
};

}  // namespace torve::app

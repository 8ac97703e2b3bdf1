// The main window with its file dialogs answered by the test and the pages it would open in the
// user's browser recorded instead.
#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>
#include <memory>

#include "app/main/mainwindow.h"

namespace torve::app::test {

class TestWindow : public MainWindow {
  public:
    explicit TestWindow(const QString& settingsFile)
        : MainWindow(std::make_unique<AppSettings>(settingsFile)) {}
    QStringList savePaths;  // answers of the save dialog in turn; none left: Cancel
    QList<QUrl> opened;

  protected:
    QString askOpenPath(ProjectFormat*) override { return {}; }
    QString askSavePath(const QString&, const QString&) override {
        return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
    }
    bool openExternally(const QUrl& url) override {
        opened.append(url);
        return true;
    }
};

}  // namespace torve::app::test

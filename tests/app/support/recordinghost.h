// A window host for testing child windows alone: it owns a project and settings and records what
// the windows ask of the main window.
#pragma once

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "app/project/project.h"
#include "app/widgets/appsettings.h"
#include "app/widgets/windowhost.h"

namespace torve::app::test {

class RecordingHost : public WindowHost {
  public:
    RecordingHost() : settings_(dir_.filePath(QStringLiteral("settings.ini"))) {}

    Project& project() override { return project_; }
    AppSettings& settings() override { return settings_; }
    void showDialog(DialogId id) override { dialogs.append(id); }
    void showTable(GridTable& table) override { tables.append(&table); }
    void showGraph(Graph& graph) override { graphs.append(&graph); }
    void viewFile(const QString& path) override { files.append(path); }

    // A folder for the test's files, removed with the host.
    QString path(const QString& name) const { return dir_.filePath(name); }

    QList<DialogId> dialogs;
    QList<GridTable*> tables;
    QList<Graph*> graphs;
    QStringList files;

  private:
    QTemporaryDir dir_;
    Project project_;
    AppSettings settings_;
};

}  // namespace torve::app::test

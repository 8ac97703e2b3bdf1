// A window host for child windows tested alone: a project, settings in a scratch file, and a
// record of what the children asked the host to open.
#pragma once

#include <QStringList>
#include <QTemporaryDir>

#include "app/project/project.h"
#include "app/widgets/appsettings.h"
#include "app/widgets/windowhost.h"

namespace torve::app::test {

class TestHost : public WindowHost {
  public:
    TestHost() : settings_(dir_.filePath(QStringLiteral("settings.ini"))) {}

    Project& project() override { return project_; }
    AppSettings& settings() override { return settings_; }
    void showDialog(DialogId id) override { dialogs.append(id); }
    void showTable(GridTable& table) override { tables.append(&table); }
    void showGraph(Graph& graph) override { graphs.append(&graph); }
    void viewFile(const QString& path) override { viewed.append(path); }

    QList<DialogId> dialogs;
    QList<GridTable*> tables;
    QList<Graph*> graphs;
    QStringList viewed;

  private:
    QTemporaryDir dir_;
    Project project_;
    AppSettings settings_;
};

}  // namespace torve::app::test

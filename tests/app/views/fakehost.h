// A window host for testing child windows alone: its own project and settings, requests recorded.
#pragma once

#include <QDir>
#include <QString>
#include <vector>

#include "app/project/project.h"
#include "app/widgets/appsettings.h"
#include "app/widgets/windowhost.h"

namespace torve::app::test {

class FakeHost : public WindowHost {
  public:
    FakeHost() : settings_(QDir::temp().filePath(QStringLiteral("torve-views-test.ini"))) {}

    Project& project() override { return project_; }
    AppSettings& settings() override { return settings_; }
    void showDialog(DialogId id) override { dialogs.push_back(id); }
    void showTable(GridTable&) override {}
    void showGraph(Graph&) override {}
    void viewFile(const QString&) override {}

    std::vector<DialogId> dialogs;

  private:
    Project project_;
    AppSettings settings_;
};

}  // namespace torve::app::test

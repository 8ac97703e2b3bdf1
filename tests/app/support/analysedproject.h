// A project shown the results of a hand-made plot file (tests/data/plot, written by
// make_plot_files.py beside them, whose docstring gives the value of every number).
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <string>

#include "app/controls/usererror.h"
#include "app/graph/plotfile.h"
#include "app/graph/wordreader.h"
#include "app/project/project.h"
#include "tests/support/scratch_dir.h"

namespace torve::app::test {

// The bytes of tests/data/plot/NAME.
inline QByteArray plotDataFile(const char* name) {
    QFile f(QString::fromStdString(torve::test::source_path(std::string("tests/data/plot/") + name)));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

// A project selecting FHWA and API, API for the load transfer, extra t-z curves, two soil layers.
struct Analysed {
    Project project;
    ProjectData data = project.data();
    Analysed() {
        data.selectedMethods.fill(false);
        data.setSelected(Method::Fhwa, true);
        data.setSelected(Method::Api, true);
        data.loadTransferMethod = Method::Api;
        data.printExtraTz = true;
        data.outsideDiameter = 24;  // circumference pi x 24 / 12 = 6.2832 ft
        GridTable& layers = project.tables().soilLayers;
        layers.setRowCount(2);
        layers.cell(ProjectTables::BottomDepthColumn, 0).setDouble(10);
        layers.cell(ProjectTables::SoilTypeColumn, 1).setInt(2);
        layers.cell(ProjectTables::BottomDepthColumn, 1).setDouble(30);
    }
    // Reads the text as a plot file of the project and shows it; false with the message on failure.
    bool read(const QByteArray& text, QString* error = nullptr) {
        project.setData(data);
        WordReader r = WordReader::fromText(text);
        try {
            project.showResults(
                readPlotFile(r, data.printExtraTz ? ExtraTzBlock::Present : ExtraTzBlock::Absent));
        } catch (const UserError& e) {
            if (error) *error = e.message();
            return false;
        }
        return true;
    }
    const Graph& graph(ResultGraph g) const { return project.graph(g); }
};

}  // namespace torve::app::test

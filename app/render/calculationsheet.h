// What a calculation sheet says: the title block, the inputs, the results at a glance and the graphs.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "app/graph/graph.h"
#include "app/project/resultssummary.h"
#include "app/render/soilprofile.h"
#include "app/render/titleblock.h"

class QDate;

namespace torve::app {

class Project;

// A table of the sheet: its caption, the titles of its columns (none for a table of labelled values,
// whose first column names each value) and its rows of texts.
struct SheetTable {
    QString caption;
    QStringList headings;
    std::vector<QStringList> rows;
    // Columns from this one on hold numbers, set flush right.
    int firstNumberColumn = 1;
};

// A graph of the sheet, drawn by the graph painter.
struct SheetGraph {
    QString caption;
    Graph graph;
};

struct CalculationSheet {
    TitleBlock title;
    std::vector<SheetTable> inputs;   // pile, soil layers, methods and control
    std::vector<SheetTable> results;  // capacity at the tip, working loads, warnings
    // The capacity against depth of every method beside the soil profile, then the load-settlement
    // curve with the working loads marked.
    SheetGraph capacity;
    SoilProfile soilProfile;
    SheetGraph loadSettlement;
};

// The sheet of a project whose results are `project.results()` and `summary` (the capacities,
// working loads and warnings of the same run), dated `date`.
CalculationSheet calculationSheet(const Project& project, const ResultsSummary& summary, const QDate& date);

}  // namespace torve::app

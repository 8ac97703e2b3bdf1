// Reading a cone penetration test from a table of comma-separated values.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

#include "app/sounding/sounding.h"

namespace torve::app {

// A column the user names for a quantity, with its unit when the heading does not give it.
struct CsvColumnChoice {
    SoundingQuantity quantity = SoundingQuantity::Qc;
    QString heading;
    QString unit;
};

// The column of a quantity a heading names, with the unit it carries: "depth_m", "qc_MPa",
// "fs (kPa)", "u2 [kPa]", "penetration_length_m", case aside; nullopt for any other heading.
struct CsvHeading {
    SoundingQuantity quantity;
    QString unit;
};
std::optional<CsvHeading> recognisedHeading(const QString& heading);

// The headings of a CSV file's header row, for the user to name the columns. Raises UserError naming
// `file` and the line when there is no header row.
QStringList csvHeadings(QByteArrayView bytes, const QString& file);

// Whether the headings name a column of qc and one of depth or penetration length, each with its unit.
bool csvNamesConeColumns(const QStringList& headings);

// The one test of a CSV file: a header row, then one row per reading, separated by commas,
// semicolons or tabs (whichever the header row uses outside double quotes: of those it holds there,
// the one that gives the most headings of known quantities, then the most frequent; with semicolons
// or tabs a decimal comma is read as a point), fields in double quotes allowed, blank cells missing. Columns
// are recognised by their headings or taken as `chosen`, which names them for the quantities it lists. Raises
// UserError naming `file` and the line for a damaged file.
Sounding readCsvSounding(QByteArrayView bytes, const QString& file,
                         const std::vector<CsvColumnChoice>& chosen = {});

}  // namespace torve::app

// The cone data files a CPT import reads besides the plain column files: AGS4, GEF, BRO-XML and CSV.
#pragma once

#include <QString>
#include <vector>

#include "app/sounding/csvreader.h"
#include "app/sounding/sounding.h"

namespace torve::app {

enum class SoundingFormat { Plain, Ags, Gef, BroXml, Csv };

// The format of a cone data file by its extension (.ags, .gef, .xml, .csv, case aside); Plain for
// any other, which the plain column import reads.
SoundingFormat soundingFormatOf(const QString& path);

// Why the file at `path` is no cone data file, or empty when it may be one: a file of a kind that
// holds no columns of numbers (a program, a document, a picture, an archive, the project's own
// files), a spreadsheet (to be saved as CSV first), or one that is not text. Asked before any number
// is read, so that a script's digits never become a profile.
QString notConeDataFile(const QString& path);

// The largest cone data file read: far beyond any sounding, small enough to hold in memory.
inline constexpr qint64 kMostSoundingFileBytes = 64LL * 1024 * 1024;

// Reads the tests of a file of one of the exchange formats (not Plain). A test without a name of
// its own is named after the file. Raises UserError when the file is missing, too large or damaged.
Sounding readSoundingFile(const QString& path, const std::vector<CsvColumnChoice>& csvColumns = {});

// The test of `sounding` that `id` names: by its name, by the location it was made at when no other
// test was made there, or by its number in the file counted from 1; an empty id names the only
// test. Names come before numbers. Raises UserError listing the tests when there is no such test,
// and the location's tests when it holds several.
const SoundingTest& soundingTest(const Sounding& sounding, const QString& id, const QString& file);

}  // namespace torve::app

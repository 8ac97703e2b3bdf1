// Reading the cone penetration tests of an AGS4 file.
#pragma once

#include <QByteArrayView>
#include <QString>

#include "app/sounding/sounding.h"

namespace torve::app {

// The tests of the groups SCPG (LOCA_ID, SCPG_TESN, area ratio SCPG_CAR) and SCPT (SCPT_DPTH,
// SCPT_RES qc, SCPT_FRES fs, SCPT_PWP2 u2, SCPT_QT) of an AGS4 file, one per location and test, with
// the units of the SCPT group's UNIT row. Every row of every group is checked: quoted fields, as many
// as the group's HEADING row has. Raises UserError naming `file` and the line for a damaged file or a
// file without an SCPT group.
Sounding readAgsSounding(QByteArrayView bytes, const QString& file);

}  // namespace torve::app

// The soil settlement file kept beside a project (PROJECT.settlement.csv): the settlement profile
// and the sustained head load of the project's downdrag.
#pragma once

#include <QByteArray>
#include <QString>

#include "engine/model/file_format.h"
#include "engine/model/soil_settlement_file.h"

namespace torve::app {

// Where a project at `projectPath` keeps its soil settlement.
QString settlementFileOf(const QString& projectPath);

// True when the record holds a settlement profile or a head load worth keeping.
bool hasSettlement(const SettlementRecord& record);
// True when it holds a profile: a run then solves its downdrag.
bool hasSettlementProfile(const SettlementRecord& record);

// The file's text in the project's units; the engine reads back what is written.
QByteArray settlementFileText(const SettlementRecord& record, UnitSystem units);

// Reads a settlement file from text (`name` is the file named in the messages), or from the file at
// `path`. A line that cannot be read raises UserError with the reader's message naming the line, and
// that line as its location.
SettlementRecord parseSettlementText(const QByteArray& text, const QString& name);
SettlementRecord readSettlementFile(const QString& path);

}  // namespace torve::app

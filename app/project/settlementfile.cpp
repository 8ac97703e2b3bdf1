// The soil settlement file kept beside a project.
#include "app/project/settlementfile.h"

#include <QFileInfo>

#include "app/controls/filereading.h"
#include "app/controls/usererror.h"
#include "app/graph/texts.h"
#include "app/project/projectfile.h"
#include "engine/model/input_error.h"

namespace torve::app {

QString settlementFileOf(const QString& projectPath) {
    return QString::fromStdString(settlement_file_beside(projectPath.toStdString()));
}

bool hasSettlement(const SettlementRecord& record) {
    return !record.soil.depth.empty() || record.head_load;
}

bool hasSettlementProfile(const SettlementRecord& record) {
    return !record.soil.depth.empty();
}

QByteArray settlementFileText(const SettlementRecord& record, UnitSystem units) {
    return QByteArray::fromStdString(settlement_record_text(record, units == UnitSystem::English));
}

SettlementRecord parseSettlementText(const QByteArray& text, const QString& name) {
    try {
        return parse_settlement_record(
            std::string_view(text.constData(), static_cast<std::size_t>(text.size())), name.toStdString());
    } catch (const InputError& e) {
        throw UserError(QString::fromStdString(e.what()),
                        FileLocation{name, static_cast<int>(e.place().line), 0});
    }
}

SettlementRecord readSettlementFile(const QString& path) {
    return parseSettlementText(readFileWhole(path, texts::kCannotOpen), path);
}

}  // namespace torve::app

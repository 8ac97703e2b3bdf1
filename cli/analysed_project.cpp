// Reading an analysed project and its plot data file.
#include "cli/analysed_project.h"

#include <QFileInfo>
#include <QString>
#include <iostream>

#include "app/controls/usererror.h"
#include "app/project/project.h"
#include "app/project/texts.h"
#include "cli/commands.h"
#include "cli/file_name.h"

namespace torve::cli {

int read_analysed_project(const std::string& path, app::Project& project, bool plotRequired) {
    using namespace torve::app;
    const std::optional<QString> name = core_file_name(path);
    if (!name) {
        std::cerr << unusable_file_name(path) << '\n';
        return kExitRunFailed;
    }
    const QString& file = *name;
    const bool current = QFileInfo(file).suffix().toLower() != QStringLiteral("tvd");
    try {
        project.readProject(file, current ? ProjectFormat::Current : ProjectFormat::Previous);
    } catch (const UserError& e) {
        // The core's messages part their lines with '\r', which a terminal would print over.
        std::cerr << path << ": " << QString(e.message()).replace(u'\r', u' ').toStdString() << '\n';
        return kExitRunFailed;
    }
    const QString plot =
        QFileInfo(file).path() + u'/' + QFileInfo(file).completeBaseName() + QStringLiteral(".tv6p");
    if (!QFileInfo::exists(plot)) {
        if (!plotRequired) return kExitOk;
        std::cerr << native_file_name(plot) << ": no plot data file; run the analysis first (torve run)\n";
        return kExitRunFailed;
    }
    try {
        project.readResults(plot);
    } catch (const UserError& e) {
        // The reader's message names the file, the line and what was expected there.
        std::cerr << QString(app::texts::kPlotReadFailed).toStdString() << '\n'
                  << QString(e.message()).replace(u'\r', u'\n').toStdString() << '\n';
        return kExitRunFailed;
    }
    return kExitOk;
}

}  // namespace torve::cli

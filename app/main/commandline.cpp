// The desktop program's command line.
#include "app/main/commandline.h"

#include <QFileInfo>

namespace torve::app {
namespace {

bool isOption(const QString& argument) {
    return argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    const QString program =
        arguments.isEmpty() ? QStringLiteral("torve6") : QFileInfo(arguments.first()).fileName();
    QStringList files;
    bool optionsEnded = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (!optionsEnded && a == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && (a == QLatin1String("-h") || a == QLatin1String("--help"))) {
            line.action = CommandLine::Action::Usage;
            line.message = usageText(program);
            return line;
        } else if (!optionsEnded && a == QLatin1String("--version")) {
            line.action = CommandLine::Action::Version;
            line.message = versionText();
            return line;
        } else if (!optionsEnded && isOption(a)) {
            line.action = CommandLine::Action::Refused;
            line.message = QStringLiteral("%1: unknown option %2\nTry '%1 --help' for more information.\n")
                               .arg(program, a);
            return line;
        } else {
            files.append(a);
        }
    }
    if (files.size() > 1) {
        line.action = CommandLine::Action::Refused;
        line.message =
            QStringLiteral("%1: one project at a time; %2 named\nTry '%1 --help' for more information.\n")
                .arg(program)
                .arg(files.size());
        return line;
    }
    if (!files.isEmpty()) line.project = files.first();
    return line;
}

QString usageText(const QString& program) {
    return QStringLiteral(
               "Usage: %1 [OPTION]... [PROJECT]\n"
               "The desktop program of TORVE: axial capacity and load-settlement analysis of a single\n"
               "driven pile. Opens PROJECT (a .tv6d file; \".tv6d\" is added to a name without an\n"
               "extension), or a new project when none is named or the file does not exist.\n"
               "\n"
               "Options:\n"
               "  -h, --help     show this help and exit\n"
               "      --version  show the version and exit\n"
               "  --             end of options: the next argument is the project, even if it\n"
               "                 begins with \"-\"\n"
               "\n"
               "The toolkit's own options (-platform NAME, -style NAME and the like) are taken too.\n"
               "The command-line runner torve analyses projects without a window (torve --help).\n")
        .arg(program);
}

QString versionText() {
    return QStringLiteral("torve6 " TORVE_VERSION "\n");
}

}  // namespace torve::app

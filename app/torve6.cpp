// torve6, the desktop program: the main window over one project, optionally named on the command line.
#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "app/main/commandline.h"
#include "app/main/mainwindow.h"
#include "app/main/texts.h"

namespace {

QStringList argumentList(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int print(std::FILE* stream, const QString& text, int status) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    using torve::app::CommandLine;
    // The usage and the version are answered before any display is opened, so that scripts and
    // package checks can ask for them on a machine without one.
    const CommandLine early = torve::app::parseCommandLine(argumentList(argc, argv));
    if (early.action == CommandLine::Action::Usage || early.action == CommandLine::Action::Version)
        return print(stdout, early.message, 0);
    QApplication app(argc, argv);
    // The toolkit has taken its own options by now; what is left is the program's.
    const CommandLine line = torve::app::parseCommandLine(QApplication::arguments());
    if (line.action == CommandLine::Action::Refused) return print(stderr, line.message, 2);
    if (line.action != CommandLine::Action::Open) return print(stdout, line.message, 0);
    QApplication::setApplicationName(torve::app::texts::kApplicationTitle);
    QApplication::setApplicationVersion(torve::app::texts::kVersion);
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("torve6"), QIcon(QStringLiteral(":/torve6.svg"))));
    torve::app::MainWindow window;
    if (!line.project.isEmpty()) window.openStartupFile(line.project);
    window.show();
    return QApplication::exec();
}

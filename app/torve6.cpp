// torve6, the desktop program: the main window over one project, optionally named on the command line.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstring>

#include "app/main/mainwindow.h"
#include "app/main/texts.h"

int main(int argc, char* argv[]) {
    // Answered before any display is opened, so that scripts and package checks can ask for it.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("torve6 %s\n", TORVE_VERSION);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(torve::app::texts::kApplicationTitle);
    QApplication::setApplicationVersion(torve::app::texts::kVersion);
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("torve6"), QIcon(QStringLiteral(":/torve6.svg"))));
    torve::app::MainWindow window;
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) window.openStartupFile(arguments.at(1));
    window.show();
    return QApplication::exec();
}

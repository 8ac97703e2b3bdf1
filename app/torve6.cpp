// torve6, the desktop program: the main window over one project, optionally named on the command line.
#include <QApplication>

#include "app/main/mainwindow.h"
#include "app/main/texts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(torve::app::texts::kApplicationTitle);
    QApplication::setApplicationVersion(torve::app::texts::kVersion);
    torve::app::MainWindow window;
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) window.openStartupFile(arguments.at(1));
    window.show();
    return QApplication::exec();
}

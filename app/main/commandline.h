// What the desktop program makes of its command line, before any window opens.
#pragma once

#include <QString>
#include <QStringList>

namespace torve::app {

// The command line after the toolkit took its own options (-platform, -style and the like).
struct CommandLine {
    enum class Action {
        Open,     // the main window, over `project` when one is named
        Usage,    // -h or --help: the usage on standard output, and nothing else
        Version,  // --version
        Refused,  // an option the program does not know: `message` on standard error
    };
    Action action = Action::Open;
    QString project;  // empty: a new project
    QString message;
};

// Options stand before "--"; after it every argument is a file name, so that a project whose name
// begins with "-" can still be opened. Of several file names the first is the project; the others
// are refused, since only one project is open at a time.
CommandLine parseCommandLine(const QStringList& arguments);

// "Usage: torve6 [OPTION]... [PROJECT]" and what follows.
QString usageText(const QString& program);
QString versionText();

}  // namespace torve::app

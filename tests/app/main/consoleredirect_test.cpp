// The engine's console lines in the run notes: the notes of the run before stand until the run's
// own are complete, and notes that cannot be written leave the console as it was.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

#include "app/main/consoleredirect.h"

using namespace torve::app;

class ConsoleRedirectTest : public QObject {
    Q_OBJECT

  private slots:
    void notesReplaceTheEarlierOnesWhenComplete();
    void notesThatCannotBeWrittenLeaveTheConsole();
};

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

// Writes to descriptor 1 as the engine library does, bypassing every buffer of this program.
void writeConsole(const char* text) {
    QVERIFY(::write(STDOUT_FILENO, text, std::strlen(text)) == static_cast<ssize_t>(std::strlen(text)));
}

}  // namespace

void ConsoleRedirectTest::notesReplaceTheEarlierOnesWhenComplete() {
    QTemporaryDir dir;
    const QString notes = dir.filePath(QStringLiteral("p.tv6r"));
    QFile old(notes);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("notes of the run before\n");
    old.close();
    {
        const ConsoleRedirect redirect(notes);
        writeConsole("COMPUTATION IS PROCEEDING........\n");
        // Half way through a run (a program ended here leaves this): the earlier notes stand.
        QCOMPARE(contents(notes), QByteArray("notes of the run before\n"));
    }
    QCOMPARE(contents(notes), QByteArray("COMPUTATION IS PROCEEDING........\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("p.tv6r")});
}

void ConsoleRedirectTest::notesThatCannotBeWrittenLeaveTheConsole() {
    QTemporaryDir dir;
    const QString notes = dir.filePath(QStringLiteral("p.tv6r"));
    QVERIFY(QDir().mkpath(notes));  // a folder of that name
    const int before = ::dup(STDOUT_FILENO);
    {
        const ConsoleRedirect redirect(notes);
        struct stat console {
        }, original{};
        QVERIFY(::fstat(STDOUT_FILENO, &console) == 0 && ::fstat(before, &original) == 0);
        QCOMPARE(console.st_ino, original.st_ino);  // still the program's own output
    }
    ::close(before);
    QVERIFY(QFileInfo(notes).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

QTEST_MAIN(ConsoleRedirectTest)
#include "consoleredirect_test.moc"

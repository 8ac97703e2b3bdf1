// The file of names for a run: its eight lines, and paths the engine could not take whole refused.
#include "app/project/namesfile.h"

#include <gtest/gtest.h>

#include "app/controls/usererror.h"

namespace {

using namespace torve::app;

TEST(NamesFile, EightLinesWithThePathsBesideTheProject) {
    const RunFileNames files = runFileNamesOf(QStringLiteral("/p/pile.tv6d"));
    EXPECT_EQ(
        namesFileText(files),
        QByteArray("2014.6.3\nTORVE\ntorve6\n0\n/p/pile.tv6d\n/p/pile.tv6o\n/p/pile.tv6p\n/p/pile.cpt\n"));
}

// The engine takes 255 bytes of a path; cut there a longer one would name another file. Bytes, not
// characters, count: "/", 125 times "é" and ".tv6d" are 131 characters but 256 bytes of UTF-8.
TEST(NamesFile, PathsTheEngineCannotTakeWholeAreRefused) {
    const QString fits = u'/' + QString(249, u'p') + QStringLiteral(".tv6d");  // 255 bytes
    EXPECT_NO_THROW(namesFileText(runFileNamesOf(fits)));
    for (const QString& path : {u'/' + QString(250, u'p') + QStringLiteral(".tv6d"),
                                u'/' + QString(125, QChar(0xE9)) + QStringLiteral(".tv6d")}) {
        try {
            namesFileText(runFileNamesOf(path));
            FAIL() << path.toStdString();
        } catch (const UserError& e) {
            EXPECT_TRUE(
                e.message().contains(QStringLiteral("is 256 bytes long; the analysis can use at most 255")))
                << e.message().toStdString();
        }
    }
}

}  // namespace

// The saved project run with another CPT data file, through the engine library beside the test as
// beside the program: the capacities torve characteristic prints for the shipped offshore example
// by NGI with its own sounding and with qc 1.3 times as large (12152.0 and 13106.9 kN at the 40 m
// tip).
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/main/soundingrun.h"

using namespace torve;
using namespace torve::app;
using namespace Qt::StringLiterals;

class SoundingRunTest : public QObject {
    Q_OBJECT

  private slots:
    void eachSoundingGivesItsCapacity();
    void aFileThatGivesNoCapacityIsNamed();
};

namespace {

const QString kExample = QStringLiteral(TORVE_SOURCE_DIR "/examples/open-pipe-offshore-si");

// The example's CPT data file with qc times `scale`.
QString scaledCpt(const QTemporaryDir& dir, const QString& name, double scale) {
    QFile in(kExample + u".cpt"_s);
    if (!in.open(QIODevice::ReadOnly)) qFatal("no example CPT file");
    const QStringList lines = QString::fromLatin1(in.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QString text = lines.first() + u'\n';
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList v = lines[i].simplified().split(u' ');
        text += v[0] + u' ' + QString::number(v[1].toDouble() * scale, 'f', 2) + u'\n';
    }
    QFile out(dir.filePath(name));
    if (!out.open(QIODevice::WriteOnly)) qFatal("cannot write");
    out.write(text.toLatin1());
    return out.fileName();
}

}  // namespace

void SoundingRunTest::eachSoundingGivesItsCapacity() {
    QTemporaryDir dir;
    const QString engine = QCoreApplication::applicationDirPath();
    const QString project = kExample + u".tv6d"_s;
    const struct {
        double scale;
        double tip;
    } cases[] = {{1.0, 12152.0}, {1.3, 13106.9}};
    for (const auto& c : cases) {
        const QString cpt = scaledCpt(dir, u"s%1.cpt"_s.arg(c.scale), c.scale);
        const SoundingRun run = runWithSounding(project, cpt, Method::Ngi, engine);
        QVERIFY2(run.capacity, qPrintable(run.error));
        QCOMPARE(run.capacity->depth.front(), 0.0);
        QCOMPARE(run.capacity->depth.back(), 40.0);
        QVERIFY(qAbs(run.capacity->capacity.back() - c.tip) < 0.05);
    }
}

void SoundingRunTest::aFileThatGivesNoCapacityIsNamed() {
    QTemporaryDir dir;
    const QString engine = QCoreApplication::applicationDirPath();
    const QString project = kExample + u".tv6d"_s;
    // The example selects no FHWA: its run has no FHWA curve.
    const SoundingRun notSelected =
        runWithSounding(project, scaledCpt(dir, u"a.cpt"_s, 1.0), Method::Fhwa, engine);
    QVERIFY(!notSelected.capacity);
    QCOMPARE(notSelected.error, u"the run gave no capacity by FHWA."_s);
    const SoundingRun missing =
        runWithSounding(project, dir.filePath(u"none.cpt"_s), Method::Unified, engine);
    QVERIFY(!missing.capacity);
    QVERIFY(!missing.error.isEmpty());
}

QTEST_MAIN(SoundingRunTest)
#include "soundingrun_test.moc"

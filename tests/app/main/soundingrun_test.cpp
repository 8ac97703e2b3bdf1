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
    void companionFilesGoWithTheCopy();
    void theRunReadsTheLayersBesideTheProject();
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

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size()) qFatal("cannot write");
}

// One soil constant on the first of the example's six soil points.
const QByteArray kLayers =
    "point,depth_m,shaft_quake_mm,toe_quake_mm,shaft_damping_s_per_m,toe_damping_s_per_m,setup_a,"
    "setup_t0_days\n1,0,3,,,,,\n2,12,,,,,,\n3,12,,,,,,\n4,30,,,,,,\n5,30,,,,,,\n6,60,,,,,,\n";
const QByteArray kReadings = "depth_m,fs_kPa,u2_kPa,qt_kPa\n0,40,,\n60,40,,\n";

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

// The layers are the project's and go with every sounding; the cone readings are the sounding's:
// those beside the CPT data file go with it, those beside the project only with the project's own.
void SoundingRunTest::companionFilesGoWithTheCopy() {
    const struct {
        const char* name;
        bool layers;         // NAME.layers.csv beside the project
        bool ownReadings;    // NAME.cone.csv beside the project
        bool ownCpt;         // the sounding is the project's own NAME.cpt, not other.cpt
        bool otherReadings;  // other.cone.csv beside other.cpt
        bool copiedLayers, copiedReadings;
    } cases[] = {
        {"no companion", false, false, true, false, false, false},
        {"the project's layers and readings", true, true, true, false, true, true},
        {"another sounding without readings", true, true, false, false, true, false},
        {"another sounding with its readings", false, true, false, true, false, true},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir, run;
        const QString project = dir.filePath(u"pile.tv6d"_s);
        QVERIFY(QFile::copy(kExample + u".tv6d"_s, project));
        QVERIFY(QFile::copy(kExample + u".cpt"_s, dir.filePath(u"pile.cpt"_s)));
        const QString cpt = c.ownCpt ? dir.filePath(u"pile.cpt"_s) : scaledCpt(dir, u"other.cpt"_s, 1.3);
        if (c.layers) writeFile(dir.filePath(u"pile.layers.csv"_s), kLayers);
        if (c.ownReadings) writeFile(dir.filePath(u"pile.cone.csv"_s), kReadings);
        const QByteArray otherReadings = "depth_m,fs_kPa,u2_kPa,qt_kPa\n0,55,,\n60,55,,\n";
        if (c.otherReadings) writeFile(dir.filePath(u"other.cone.csv"_s), otherReadings);

        const std::optional<QString> input = copySoundingFiles(project, cpt, run.path());
        QVERIFY2(input, c.name);
        QCOMPARE(*input, run.filePath(u"sounding.tv6d"_s));
        QCOMPARE(contents(*input), contents(project));
        QCOMPARE(contents(run.filePath(u"sounding.cpt"_s)), contents(cpt));
        QCOMPARE(QFile::exists(run.filePath(u"sounding.layers.csv"_s)), c.copiedLayers);
        if (c.copiedLayers) QCOMPARE(contents(run.filePath(u"sounding.layers.csv"_s)), kLayers);
        QCOMPARE(QFile::exists(run.filePath(u"sounding.cone.csv"_s)), c.copiedReadings);
        if (c.copiedReadings)
            QCOMPARE(contents(run.filePath(u"sounding.cone.csv"_s)), c.ownCpt ? kReadings : otherReadings);
    }
}

// A layers file that no longer fits the soil points is refused, naming it, by the run as by the
// project's own opening: the run does read the layers beside the project.
void SoundingRunTest::theRunReadsTheLayersBesideTheProject() {
    QTemporaryDir dir;
    const QString engine = QCoreApplication::applicationDirPath();
    const QString project = dir.filePath(u"pile.tv6d"_s);
    QVERIFY(QFile::copy(kExample + u".tv6d"_s, project));
    const QString cpt = scaledCpt(dir, u"pile.cpt"_s, 1.0);
    writeFile(dir.filePath(u"pile.layers.csv"_s), kLayers);
    const SoundingRun fitting = runWithSounding(project, cpt, Method::Ngi, engine);
    QVERIFY2(fitting.capacity, qPrintable(fitting.error));
    QVERIFY(qAbs(fitting.capacity->capacity.back() - 12152.0) < 0.05);

    writeFile(dir.filePath(u"pile.layers.csv"_s), kLayers.left(kLayers.indexOf("2,12")));
    const SoundingRun stale = runWithSounding(project, cpt, Method::Ngi, engine);
    QVERIFY(!stale.capacity);
    QVERIFY2(stale.error.contains(u"sounding.layers.csv"_s), qPrintable(stale.error));
}

QTEST_MAIN(SoundingRunTest)
#include "soundingrun_test.moc"

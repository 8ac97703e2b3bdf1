// The user's settings through QSettings.
#include "app/widgets/appsettings.h"

#include <QLocale>
#include <QSettings>
#include <cmath>

namespace torve::app {
namespace {

const QString kGroup = QString::fromLatin1(TORVE_VERSION);
const QString kWordProcessor = QStringLiteral("Word Processor");
const QString kNewProjectUnits = QStringLiteral("New Project Units");

QString recentKey(int n) {
    return QStringLiteral("File%1").arg(n);
}

const QString kDriveHammer = QStringLiteral("Driveability/Hammer");
const QString kDriveSrd = QStringLiteral("Driveability/SRD");

// The dialog's numbers, each blank for the engine's default.
struct DriveNumber {
    const char* key;
    std::optional<double> DriveabilitySettings::*value;
};
constexpr DriveNumber kDriveNumbers[] = {
    {"Driveability/From", &DriveabilitySettings::from},
    {"Driveability/To", &DriveabilitySettings::to},
    {"Driveability/Step", &DriveabilitySettings::step},
    {"Driveability/Segment Length", &DriveabilitySettings::segmentLength},
    {"Driveability/Shaft Factor", &DriveabilitySettings::shaftFactor},
    {"Driveability/Base Factor", &DriveabilitySettings::baseFactor},
    {"Driveability/Friction Angle", &DriveabilitySettings::frictionAngle},
};

DriveabilitySettings readDriveability(const QSettings& settings) {
    DriveabilitySettings d;
    d.hammer = settings.value(kDriveHammer).toString();
    d.srd = settings.value(kDriveSrd).toString() == srdRequestName(DriveabilitySettings::Srd::UnifiedSrd)
                ? DriveabilitySettings::Srd::UnifiedSrd
                : DriveabilitySettings::Srd::AlmHamre;
    for (const DriveNumber& n : kDriveNumbers) {
        bool ok = false;
        const double v = QLocale::c().toDouble(settings.value(QLatin1String(n.key)).toString(), &ok);
        // A value that does not read is the default: the dialog opens as it would the first time.
        if (ok && std::isfinite(v)) d.*n.value = v;
    }
    return d;
}

void writeDriveability(QSettings& settings, const DriveabilitySettings& d) {
    settings.setValue(kDriveHammer, d.hammer);
    settings.setValue(kDriveSrd, srdRequestName(d.srd));
    for (const DriveNumber& n : kDriveNumbers) {
        const std::optional<double>& v = d.*n.value;
        settings.setValue(QLatin1String(n.key), v ? QString::number(*v, 'g', 17) : QString());
    }
}

}  // namespace

AppSettings::AppSettings() : settings_(new QSettings(QStringLiteral("Halden"), QStringLiteral("TORVE"))) {}

AppSettings::AppSettings(const QString& iniFile) : settings_(new QSettings(iniFile, QSettings::IniFormat)) {}

AppSettings::~AppSettings() {
    delete settings_;
}

void AppSettings::setRecentFiles(const QStringList& files) {
    recentFiles_.clear();
    for (const QString& f : files)
        if (!f.isEmpty() && recentFiles_.size() < kMaxRecentFiles) recentFiles_.append(f);
}

void AppSettings::read() {
    settings_->beginGroup(kGroup);
    if (settings_->status() != QSettings::NoError) {
        wordProcessor_.clear();
        recentFiles_.clear();
    } else {
        // An empty stored editor keeps the one in use.
        const QString editor = settings_->value(kWordProcessor).toString();
        if (!editor.isEmpty()) wordProcessor_ = editor;
        QStringList files;
        for (int n = 1; n <= kMaxRecentFiles; ++n) files.append(settings_->value(recentKey(n)).toString());
        setRecentFiles(files);
        // Anything but "SI" is the English default: a stored value of another version stays harmless.
        newProjectUnits_ = settings_->value(kNewProjectUnits).toString() == QLatin1String("SI")
                               ? UnitSystem::SI
                               : UnitSystem::English;
        driveability_ = readDriveability(*settings_);
    }
    settings_->endGroup();
}

void AppSettings::write() {
    settings_->beginGroup(kGroup);
    settings_->setValue(kWordProcessor, wordProcessor_);
    for (int n = 1; n <= kMaxRecentFiles; ++n)
        settings_->setValue(recentKey(n), n <= recentFiles_.size() ? recentFiles_[n - 1] : QString());
    settings_->setValue(kNewProjectUnits, newProjectUnits_ == UnitSystem::SI ? QStringLiteral("SI")
                                                                             : QStringLiteral("English"));
    writeDriveability(*settings_, driveability_);
    settings_->endGroup();
    settings_->sync();
}

}  // namespace torve::app

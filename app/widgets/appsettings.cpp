// The user's settings through QSettings.
#include "app/widgets/appsettings.h"

#include <QSettings>

namespace torve::app {
namespace {

const QString kGroup = QString::fromLatin1(TORVE_VERSION);
const QString kWordProcessor = QStringLiteral("Word Processor");
const QString kNewProjectUnits = QStringLiteral("New Project Units");

QString recentKey(int n) {
    return QStringLiteral("File%1").arg(n);
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
    settings_->endGroup();
    settings_->sync();
}

}  // namespace torve::app

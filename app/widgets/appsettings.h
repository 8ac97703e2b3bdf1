// The user's settings of the desktop program: the text editor and the recent files.
#pragma once

#include <QString>
#include <QStringList>

#include "app/project/driveabilityrequest.h"
#include "engine/model/file_format.h"

class QSettings;

namespace torve::app {

// Kept per user with QSettings under organisation "Halden", application "TORVE", group "2014.6.3":
// "Word Processor", "File1" to "File10", "New Project Units" ("SI" or "English") and the Driveability
// dialog's last entries under "Driveability/" ("Hammer", "SRD", "From", "To", "Step", "Segment Length",
// "Shaft Factor", "Base Factor", "Friction Angle"; numbers with "." as decimal mark, blank for the
// default). Tests give their own QSettings (an INI file).
class AppSettings {
  public:
    static constexpr int kMaxRecentFiles = 10;

    AppSettings();  // the user's settings
    explicit AppSettings(const QString& iniFile);
    ~AppSettings();
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    // The text editor's program; empty means the desktop's default program for the file.
    QString wordProcessor() const { return wordProcessor_; }
    void setWordProcessor(const QString& program) { wordProcessor_ = program; }

    // Most recent first, at most kMaxRecentFiles, no empty entries.
    QStringList recentFiles() const { return recentFiles_; }
    void setRecentFiles(const QStringList& files);

    // The unit system last chosen for a new project; English until one was chosen.
    UnitSystem newProjectUnits() const { return newProjectUnits_; }
    void setNewProjectUnits(UnitSystem units) { newProjectUnits_ = units; }

    // The Driveability dialog's entries when it was last closed.
    DriveabilitySettings driveability() const { return driveability_; }
    void setDriveability(const DriveabilitySettings& settings) { driveability_ = settings; }

    // Reads the stored values; a value that cannot be read clears the editor and the recent files.
    void read();
    // Writes the values back.
    void write();

  private:
    QSettings* settings_;
    QString wordProcessor_;
    QStringList recentFiles_;
    UnitSystem newProjectUnits_ = UnitSystem::English;
    DriveabilitySettings driveability_;
};

}  // namespace torve::app

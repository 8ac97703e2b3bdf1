// What the desktop asks of a driveability run, and the request file that hands it to the engine.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace torve::app {

// The choices of the Driveability dialog. A value left out is the engine's own default: the tip
// depths every metre (or 3 ft) down to the pile's length, segments of 1 m, factors of 1 and an
// interface friction angle of 29 degrees. Depths in the project's units (ft | m), the segment
// length in m.
struct DriveabilitySettings {
    enum class Srd { AlmHamre, UnifiedSrd };
    QString hammer;  // the hammer file (JSON)
    Srd srd = Srd::AlmHamre;
    std::optional<double> from, to, step;
    std::optional<double> segmentLength;
    std::optional<double> shaftFactor, baseFactor, frictionAngle;

    bool operator==(const DriveabilitySettings&) const = default;
};

// The name the request file gives a method: "alm-hamre" or "unified-srd".
QString srdRequestName(DriveabilitySettings::Srd srd);

// Why the settings cannot run, or empty when they can: no hammer file, some of the three depths
// given without the others, a depth or a step that is not above 0, a last depth above the first, a segment
// length not above 0, a negative factor, a friction angle outside 0 to 90 degrees.
QString driveabilitySettingsProblem(const DriveabilitySettings& settings);

// The request file's text for a run of the project at `project` that writes its results to
// `results`: "name,value" lines, "." as decimal mark whatever the locale, numbers to 17 digits so
// that each reads back to the value given, paths in the platform's file-name encoding. A path that
// holds a line break cannot be said in the file and raises UserError.
QByteArray driveabilityRequestText(const DriveabilitySettings& settings, const QString& project,
                                   const QString& results);

}  // namespace torve::app

// The driveability request file of a desktop run.
#include "app/project/driveabilityrequest.h"

#include <QFile>
#include <cmath>

#include "app/controls/usererror.h"
#include "app/project/texts.h"

namespace torve::app {
namespace {

QByteArray number(double v) {
    return QByteArray::number(v, 'g', 17);
}

QByteArray pathLine(const char* name, const QString& path) {
    if (path.contains(u'\n') || path.contains(u'\r'))
        throw UserError(QString(texts::kRequestPathLineBreak).arg(path));
    return QByteArray(name) + ',' + QFile::encodeName(path) + '\n';
}

bool above0(const std::optional<double>& v) {
    return !v || (std::isfinite(*v) && *v > 0);
}

bool atLeast0(const std::optional<double>& v) {
    return !v || (std::isfinite(*v) && *v >= 0);
}

}  // namespace

QString srdRequestName(DriveabilitySettings::Srd srd) {
    return srd == DriveabilitySettings::Srd::UnifiedSrd ? QStringLiteral("unified-srd")
                                                        : QStringLiteral("alm-hamre");
}

QString driveabilitySettingsProblem(const DriveabilitySettings& s) {
    if (s.hammer.trimmed().isEmpty()) return texts::kNoHammerFile;
    const int given = int(s.from.has_value()) + int(s.to.has_value()) + int(s.step.has_value());
    if (given != 0 && given != 3) return texts::kDepthsAllOrNone;
    if (given == 3) {
        if (!above0(s.from) || !above0(s.to)) return texts::kDepthsNotBelowGround;
        if (!above0(s.step)) return texts::kDepthStepNotPositive;
        if (*s.to < *s.from) return texts::kDepthsReversed;
    }
    if (!above0(s.segmentLength)) return texts::kSegmentLengthNotPositive;
    if (!atLeast0(s.shaftFactor) || !atLeast0(s.baseFactor)) return texts::kSrdFactorNegative;
    if (s.frictionAngle &&
        !(std::isfinite(*s.frictionAngle) && *s.frictionAngle > 0 && *s.frictionAngle < 90))
        return texts::kFrictionAngleOutside;
    return {};
}

QByteArray driveabilityRequestText(const DriveabilitySettings& s, const QString& project,
                                   const QString& results) {
    QByteArray text =
        pathLine("project", project) + pathLine("hammer", s.hammer) + pathLine("results", results);
    text += "srd," + srdRequestName(s.srd).toLatin1() + '\n';
    if (s.from && s.to && s.step)
        text += "from," + number(*s.from) + "\nto," + number(*s.to) + "\nstep," + number(*s.step) + '\n';
    const std::pair<const char*, const std::optional<double>*> optional[] = {
        {"segment_length", &s.segmentLength},
        {"shaft_factor", &s.shaftFactor},
        {"base_factor", &s.baseFactor},
        {"friction_angle", &s.frictionAngle},
    };
    for (const auto& [name, value] : optional)
        if (*value) text += QByteArray(name) + ',' + number(**value) + '\n';
    return text;
}

}  // namespace torve::app

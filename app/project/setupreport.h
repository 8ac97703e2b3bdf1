// The set-up of the shaft a run's report names: the days after driving its capacity is given at.
#pragma once

#include <QString>
#include <optional>

namespace torve::app {

// The days of the report's set-up line ("SKIN FRICTION AND LOAD TRANSFER AT 30.00 DAYS AFTER
// DRIVING ..."); none when the report has none or cannot be read.
std::optional<double> setupDaysInReport(const QString& reportPath);

}  // namespace torve::app

// Finding the set-up line of a run's report.
#include "app/project/setupreport.h"

#include <QFile>

#include "app/controls/filereading.h"

namespace torve::app {

std::optional<double> setupDaysInReport(const QString& reportPath) {
    QFile f(reportPath);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    static constexpr QByteArrayView kBefore{"SKIN FRICTION AND LOAD TRANSFER AT"};
    static constexpr QByteArrayView kAfter{"DAYS AFTER DRIVING"};
    while (!f.atEnd()) {
        const QByteArray line = f.readLine();
        const qsizetype at = line.indexOf(kBefore);
        const qsizetype end = line.indexOf(kAfter);
        if (at < 0 || end < at) continue;
        const QByteArray days = line.mid(at + kBefore.size(), end - at - kBefore.size()).trimmed();
        double v = 0;
        if (engineNumber(days, v)) return v;
    }
    return std::nullopt;
}

}  // namespace torve::app

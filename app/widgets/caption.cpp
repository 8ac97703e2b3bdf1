// Accessible names from captions.
#include "app/widgets/caption.h"

#include <QString>
#include <QWidget>

namespace torve::app {

QString plainCaption(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) plain += caption[++i];
            continue;
        }
        plain += caption[i];
    }
    return plain;
}

void setAccessibleFromCaption(QWidget* widget, const QString& caption) {
    widget->setAccessibleName(plainCaption(caption));
}

}  // namespace torve::app

// Importing cone data through the CPT data dialog: its file field, its Qc graph button that reads
// the file, and the answer to the modal import dialog an exchange-format file opens.
#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

#include "app/dialogs/soundingimportdialog.h"
#include "tests/app/dialogs/dialogdriver.h"

namespace torve::app::test {

inline const QString kFileName = QStringLiteral("Name of file for input cone data");
inline const QString kQcGraph = QStringLiteral(" Graphics Button - Qc versus depth");

// Answers the import dialog once it is shown (it is modal), after `look` has seen it.
inline void answerImport(bool accept, std::function<void(SoundingImportDialog&)> look) {
    QTimer::singleShot(0, [accept, look] {
        auto* d = qobject_cast<SoundingImportDialog*>(QApplication::activeModalWidget());
        if (!d) qFatal("no import dialog shown");
        look(*d);
        if (accept)
            click(d, QStringLiteral("Import"));
        else
            d->reject();
    });
}

}  // namespace torve::app::test

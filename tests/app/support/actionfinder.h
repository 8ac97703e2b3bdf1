// Finding menu commands and toolbar buttons by what a screen reader says of them.
#pragma once

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "app/widgets/caption.h"

namespace torve::app::test {

// The command under `root` whose caption without its "&" is `name`; null when none or several.
inline QAction* findAction(QWidget* root, const QString& name) {
    QAction* found = nullptr;
    for (QAction* a : root->findChildren<QAction*>()) {
        if (a->isSeparator() || plainCaption(a->text()) != name) continue;
        if (found && found != a) return nullptr;
        found = a;
    }
    return found;
}

// The menu of the menu bar whose title without "&" is `name`, opened as far as its commands know:
// aboutToShow runs, so enabling rules and the commit of the active child window act as on a click.
inline QMenu* openMenu(QWidget* root, const QString& name) {
    for (QMenu* m : root->findChildren<QMenu*>()) {
        if (plainCaption(m->title()) != name) continue;
        emit m->aboutToShow();
        return m;
    }
    return nullptr;
}

}  // namespace torve::app::test

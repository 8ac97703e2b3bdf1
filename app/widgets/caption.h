// Visible captions and the accessible names derived from them.
#pragma once

class QString;
class QWidget;

namespace torve::app {

// A caption as a screen reader says it: every "&" accelerator mark removed, "&&" kept as one "&".
QString plainCaption(const QString& caption);

// Names `widget` for screen readers and tests by its visible caption without the accelerator mark.
void setAccessibleFromCaption(QWidget* widget, const QString& caption);

}  // namespace torve::app

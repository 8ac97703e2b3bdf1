// Information boxes and questions of the desktop program, through one replaceable presenter.
#pragma once

#include <QMessageBox>
#include <optional>

#include "engine/model/file_format.h"

class QString;
class QWidget;

namespace torve::app {

// Shows the program's message boxes. Tests install their own presenter to read the messages and
// give the answers, since a modal box would wait for a user who is not there.
class MessagePresenter {
  public:
    virtual ~MessagePresenter() = default;
    virtual void information(QWidget* parent, const QString& text) = 0;
    virtual void warning(QWidget* parent, const QString& text) = 0;
    // Something failed (a file not read or written, a run that did not complete): the critical
    // icon. Presenters that do not tell the kinds apart show it as a warning.
    virtual void error(QWidget* parent, const QString& text) { warning(parent, text); }
    // Yes, No or Cancel.
    virtual QMessageBox::StandardButton question(QWidget* parent, const QString& text) = 0;
    // File > New: the unit system of the new project, `suggested` (the last choice) offered first;
    // none when the user cancels. A presenter that does not ask takes the suggestion.
    virtual std::optional<UnitSystem> newProjectUnits(QWidget* parent, UnitSystem suggested) {
        (void)parent;
        return suggested;
    }
    // The same question about one thing, named by `detail` under the question (the file whose
    // changes would be lost). Presenters that show no detail ask the question alone.
    virtual QMessageBox::StandardButton questionAbout(QWidget* parent, const QString& text,
                                                      const QString& detail) {
        (void)detail;
        return question(parent, text);
    }
};

// The presenter in use: modal Qt message boxes unless another was installed. Not owned.
MessagePresenter& messages();
// Installs `presenter` (nullptr restores the message boxes) and returns the one it replaces.
MessagePresenter* setMessagePresenter(MessagePresenter* presenter);

}  // namespace torve::app

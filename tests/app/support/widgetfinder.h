// Finding widgets the way a screen reader does, and reading the program's message boxes.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "app/widgets/caption.h"
#include "app/widgets/messages.h"

namespace torve::app::test {

// The widget of type T under `root` whose accessible name is `name`; null when none or several.
template <class T>
T* findByAccessibleName(QWidget* root, const QString& name) {
    T* found = nullptr;
    for (T* w : root->findChildren<T*>()) {
        if (w->accessibleName() != name) continue;
        if (found) return nullptr;
        found = w;
    }
    return found;
}

// Records every message instead of showing it, and answers questions from a queue (Cancel when
// the queue is empty). Installed for its lifetime.
class RecordedMessages : public MessagePresenter {
  public:
    RecordedMessages() : previous_(setMessagePresenter(this)) {}
    ~RecordedMessages() override { setMessagePresenter(previous_); }

    void information(QWidget*, const QString& text) override { shown.append(text); }
    void warning(QWidget*, const QString& text) override { shown.append(text); }
    void error(QWidget*, const QString& text) override {
        shown.append(text);
        errors.append(text);
    }
    QMessageBox::StandardButton question(QWidget*, const QString& text) override {
        shown.append(text);
        return answers.isEmpty() ? QMessageBox::Cancel : answers.takeFirst();
    }
    QMessageBox::StandardButton questionAbout(QWidget* parent, const QString& text,
                                              const QString& detail) override {
        details.append(detail);
        return question(parent, text);
    }

    QStringList shown;
    QStringList details;  // what each question was about, for those that name it
    QStringList errors;   // those shown with the critical icon
    QList<QMessageBox::StandardButton> answers;

  private:
    MessagePresenter* previous_;
};

}  // namespace torve::app::test

// Modal message boxes, replaceable for tests.
#include "app/widgets/messages.h"

#include <QApplication>
#include <QString>

#include "app/widgets/newprojectdialog.h"

namespace torve::app {
namespace {

class BoxPresenter : public MessagePresenter {
  public:
    void information(QWidget* parent, const QString& text) override {
        QMessageBox::information(parent, QApplication::applicationName(), text);
    }
    void warning(QWidget* parent, const QString& text) override {
        QMessageBox::warning(parent, QApplication::applicationName(), text);
    }
    void error(QWidget* parent, const QString& text) override {
        QMessageBox::critical(parent, QApplication::applicationName(), text);
    }
    QMessageBox::StandardButton question(QWidget* parent, const QString& text) override {
        return QMessageBox::question(parent, QApplication::applicationName(), text,
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    }
    std::optional<UnitSystem> newProjectUnits(QWidget* parent, UnitSystem suggested) override {
        return NewProjectDialog::ask(parent, suggested);
    }
    QMessageBox::StandardButton questionAbout(QWidget* parent, const QString& text,
                                              const QString& detail) override {
        QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
        box.setInformativeText(detail);
        box.setDefaultButton(QMessageBox::Yes);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
};

BoxPresenter boxes;
MessagePresenter* current = &boxes;

}  // namespace

MessagePresenter& messages() {
    return *current;
}

MessagePresenter* setMessagePresenter(MessagePresenter* presenter) {
    MessagePresenter* old = current;
    current = presenter ? presenter : &boxes;
    return old;
}

}  // namespace torve::app

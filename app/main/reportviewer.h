// A text file of a run (report, input text, run notes) shown read-only inside the program.
#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPrinter;

namespace torve::app {

// Shows a text file in a fixed-width font, as the engine lays its tables out, with Find (Ctrl+F,
// then Enter or F3 for the next match, from the top again after the last) and Print. Nothing in it
// can be changed: the file is the run's record.
class ReportViewer : public QWidget {
    Q_OBJECT

  public:
    explicit ReportViewer(QWidget* parent = nullptr);

    // Shows the file at `path`, its name as the caption; false, showing nothing, when it cannot be
    // read. Text that is not UTF-8 is taken as Latin-1, as older reports were written.
    bool showFile(const QString& path);
    QString path() const { return path_; }

    // Selects the next match of `text` after the cursor, or the first from the top; false when the
    // text is nowhere.
    bool findNext(const QString& text);
    void printTo(QPrinter& printer) const;

    QPlainTextEdit* text() const { return text_; }
    QLineEdit* findField() const { return find_; }

  private:
    void openFind();
    void print();

    QPlainTextEdit* text_;
    QWidget* findBar_;
    QLineEdit* find_;
    QString path_;
};

}  // namespace torve::app

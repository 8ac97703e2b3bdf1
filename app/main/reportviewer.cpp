// A run's text file shown read-only inside the program.
#include "app/main/reportviewer.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "app/main/texts.h"
#include "app/widgets/caption.h"

namespace torve::app {

ReportViewer::ReportViewer(QWidget* parent)
    : QWidget(parent), text_(new QPlainTextEdit), findBar_(new QWidget), find_(new QLineEdit) {
    setAttribute(Qt::WA_DeleteOnClose);
    text_->setReadOnly(true);
    // Read-only, yet the keyboard still moves a cursor through it and selects for copying.
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setAccessibleFromCaption(text_, texts::kReportText);

    auto* findLabel = new QLabel(texts::kFindCaption);
    findLabel->setBuddy(find_);
    setAccessibleFromCaption(find_, texts::kFindCaption);
    auto* next = new QPushButton(texts::kFindNext);
    setAccessibleFromCaption(next, texts::kFindNext);
    auto* barLayout = new QHBoxLayout(findBar_);
    barLayout->setContentsMargins(0, 0, 0, 0);
    barLayout->addWidget(findLabel);
    barLayout->addWidget(find_, 1);
    barLayout->addWidget(next);
    findBar_->hide();

    auto* findButton = new QPushButton(texts::kFindButton);
    setAccessibleFromCaption(findButton, texts::kFindButton);
    auto* printButton = new QPushButton(texts::kPrintReport);
    setAccessibleFromCaption(printButton, texts::kPrintReport);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(findButton);
    buttons->addWidget(printButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(text_, 1);
    layout->addWidget(findBar_);

    auto* findAction = new QAction(this);
    findAction->setShortcut(QKeySequence::Find);
    findAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(findAction);
    auto* againAction = new QAction(this);
    againAction->setShortcut(QKeySequence::FindNext);
    againAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(againAction);
    const auto again = [this] {
        if (!find_->text().isEmpty()) findNext(find_->text());
    };
    connect(findAction, &QAction::triggered, this, &ReportViewer::openFind);
    connect(findButton, &QPushButton::clicked, this, &ReportViewer::openFind);
    connect(againAction, &QAction::triggered, this, again);
    connect(find_, &QLineEdit::returnPressed, this, again);
    connect(next, &QPushButton::clicked, this, again);
    connect(printButton, &QPushButton::clicked, this, &ReportViewer::print);
    resize(800, 560);
}

bool ReportViewer::showFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError()) text = QString::fromLatin1(bytes);
    text_->setPlainText(text);
    path_ = path;
    const QString caption = QFileInfo(path).fileName();
    setWindowTitle(caption);
    setAccessibleName(caption);
    return true;
}

bool ReportViewer::findNext(const QString& text) {
    if (text.isEmpty()) return false;
    if (text_->find(text)) return true;
    // Past the last match: once more from the top.
    QTextCursor top = text_->textCursor();
    top.movePosition(QTextCursor::Start);
    text_->setTextCursor(top);
    return text_->find(text);
}

void ReportViewer::printTo(QPrinter& printer) const {
    text_->print(&printer);
}

void ReportViewer::openFind() {
    findBar_->show();
    find_->setFocus();
    find_->selectAll();
}

void ReportViewer::print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) printTo(printer);
}

}  // namespace torve::app

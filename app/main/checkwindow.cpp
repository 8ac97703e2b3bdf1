// The findings of the check of a project's data, listed one per row.
#include "app/main/checkwindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/main/texts.h"

namespace torve::app {
namespace {

QString counted(int n, QLatin1StringView one, QLatin1StringView many) {
    return n == 1 ? QString(one) : QString(many).arg(n);
}

QPushButton* addButton(QDialogButtonBox* box, QLatin1StringView caption, QDialogButtonBox::ButtonRole role) {
    QPushButton* b = box->addButton(QString(caption), role);
    b->setAccessibleName(QString(caption).remove(u'&'));
    return b;
}

}  // namespace

QString findingsSummary(const std::vector<Finding>& findings, FindingsPurpose purpose) {
    int errors = 0;
    for (const Finding& f : findings) errors += f.severity == Finding::Severity::Error ? 1 : 0;
    const int warnings = static_cast<int>(findings.size()) - errors;
    const QString e = counted(errors, texts::kFindingsOneError, texts::kFindingsErrors);
    const QString w = counted(warnings, texts::kFindingsOneWarning, texts::kFindingsWarnings);
    switch (purpose) {
        case FindingsPurpose::Check:
            return findings.empty() ? QString(texts::kFindingsNone)
                                    : QString(texts::kFindingsCount).arg(e, w);
        case FindingsPurpose::RunStopped:
            return QString(texts::kFindingsRunStopped).arg(e, w);
        case FindingsPurpose::RunAnyway:
            return QString(texts::kFindingsRunAnyway).arg(w);
    }
    return {};
}

CheckWindow::CheckWindow(const std::vector<Finding>& findings, bool english, FindingsPurpose purpose,
                         QWidget* parent)
    : QDialog(parent), heading_(new QLabel(findingsSummary(findings, purpose))), list_(new QTreeWidget) {
    setWindowTitle(texts::kFindingsTitle);
    heading_->setWordWrap(true);
    list_->setAccessibleName(texts::kFindingsList);
    list_->setRootIsDecorated(false);
    list_->setAlternatingRowColors(true);
    // A finding is a sentence: the window is wide enough for the longest, and its tooltip holds it
    // whole when the window is made narrower.
    list_->setHeaderLabels(
        {texts::kFindingsSeverity, texts::kFindingsMethod, texts::kFindingsLayer,
         QString(texts::kFindingsDepth).arg(english ? QStringLiteral("ft") : QStringLiteral("m")),
         texts::kFindingsProblem});
    for (const Finding& f : findings) {
        auto* row = new QTreeWidgetItem(list_);
        row->setText(
            0, f.severity == Finding::Severity::Error ? texts::kFindingsError : texts::kFindingsWarning);
        if (f.method) row->setText(1, QString::fromUtf8(method_info(*f.method).name));
        if (f.layer > 0) row->setText(2, QString::number(f.layer));
        if (f.depth) row->setText(3, QString::number(*f.depth, 'f', 2));
        const QString message = QString::fromStdString(f.message);
        row->setText(4, message);
        row->setToolTip(4, message);
        row->setTextAlignment(2, Qt::AlignRight);
        row->setTextAlignment(3, Qt::AlignRight);
    }
    for (int c = 0; c < 4; ++c) list_->resizeColumnToContents(c);
    list_->setVisible(!findings.empty());

    auto* buttons = new QDialogButtonBox;
    if (purpose == FindingsPurpose::RunAnyway) {
        addButton(buttons, texts::kFindingsYes, QDialogButtonBox::YesRole)->setDefault(true);
        connect(addButton(buttons, texts::kFindingsNo, QDialogButtonBox::NoRole), &QPushButton::clicked, this,
                &QDialog::reject);
        connect(buttons->buttons().first(), &QPushButton::clicked, this, &QDialog::accept);
    } else {
        connect(addButton(buttons, texts::kFindingsClose, QDialogButtonBox::RejectRole),
                &QPushButton::clicked, this, &QDialog::reject);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(findings.empty() ? QSize(320, 100) : QSize(1180, 380));
}

QString CheckWindow::heading() const {
    return heading_->text();
}

}  // namespace torve::app

// The findings of the check of a project's data, listed one per row.
#include "app/main/checkwindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
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

// The message column as a paragraph: its row is as tall as the message wrapped to the column's
// width, so that no finding is cut short, however narrow the window.
class WrappingDelegate : public QStyledItemDelegate {
  public:
    WrappingDelegate(QTreeWidget* list, int column)
        : QStyledItemDelegate(list), list_(list), column_(column) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (index.column() != column_) return size;
        const int margin =
            2 * (list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1);
        const int width = std::max(40, list_->header()->sectionSize(column_) - margin);
        const QRect text = option.fontMetrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap,
                                                           index.data(Qt::DisplayRole).toString());
        size.setHeight(std::max(size.height(), text.height() + margin));
        return size;
    }

    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() == column_) option->features |= QStyleOptionViewItem::WrapText;
    }

  private:
    QTreeWidget* list_;
    int column_;
};

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
    : QDialog(parent),
      findings_(findings),
      heading_(new QLabel(findingsSummary(findings, purpose))),
      list_(new QTreeWidget) {
    setWindowTitle(texts::kFindingsTitle);
    heading_->setWordWrap(true);
    list_->setAccessibleName(texts::kFindingsList);
    list_->setRootIsDecorated(false);
    list_->setAlternatingRowColors(true);
    // A finding is a sentence or two: it wraps within its column, whatever the window's width, and
    // its rows grow to hold it whole.
    list_->setWordWrap(true);
    list_->setUniformRowHeights(false);
    list_->setItemDelegate(new WrappingDelegate(list_, 4));
    list_->setTextElideMode(Qt::ElideNone);
    list_->header()->setStretchLastSection(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setToolTip(QString(texts::kFindingsGoTo));
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
        // A wrapped finding's row grows downward: every column reads from its first line.
        for (int c = 0; c < 5; ++c)
            row->setTextAlignment(c, (c == 2 || c == 3 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    }
    for (int c = 0; c < 4; ++c) list_->resizeColumnToContents(c);
    list_->setVisible(!findings.empty());
    // The rows are laid out anew for the new width of the message column.
    connect(list_->header(), &QHeaderView::sectionResized, list_, [this] { list_->doItemsLayout(); });
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { choose(list_->indexOfTopLevelItem(item)); });

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
    auto* goTo = new QLabel(QString(texts::kFindingsGoTo));
    goTo->setVisible(!findings.empty());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(list_, 1);
    layout->addWidget(goTo);
    layout->addWidget(buttons);
    resize(findings.empty() ? QSize(320, 100) : QSize(900, 420));
}

void CheckWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    list_->doItemsLayout();
}

void CheckWindow::choose(int row) {
    if (row < 0 || row >= static_cast<int>(findings_.size())) return;
    chosen_ = row;
    done(kGoToFinding);
}

QString CheckWindow::heading() const {
    return heading_->text();
}

}  // namespace torve::app

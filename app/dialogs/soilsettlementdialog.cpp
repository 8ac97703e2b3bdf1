// The soil settlement dialog.
#include "app/dialogs/soilsettlementdialog.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/controls/usererror.h"
#include "app/dialogs/formrows.h"
#include "app/dialogs/settlementtablemodel.h"
#include "app/dialogs/texts.h"
#include "app/project/project.h"
#include "app/project/settlementfile.h"
#include "app/widgets/caption.h"
#include "app/widgets/messages.h"

namespace torve::app {

SoilSettlementDialog::SoilSettlementDialog(WindowHost& host, QWidget* parent)
    : ChildDialog(host, texts::kSoilSettlementCaption, parent), model_(new SettlementTableModel(this)) {
    auto* tableLabel = new QLabel(texts::kSettlementTable);
    table_ = new QTableView;
    table_->setModel(model_);
    tableLabel->setBuddy(table_);
    setAccessibleFromCaption(table_, texts::kSettlementTable);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] { project().setModified(true); });

    auto* add = captionedButton(texts::kAddSettlementRow);
    auto* remove = captionedButton(texts::kDeleteSettlementRow);
    auto* import = captionedButton(texts::kImportSettlement);
    connect(add, &QPushButton::clicked, this, [this] {
        model_->insertPoint(table_->currentIndex().isValid() ? table_->currentIndex().row() : -1);
        project().setModified(true);
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (!table_->currentIndex().isValid()) return;
        model_->removePoint(table_->currentIndex().row());
        project().setModified(true);
    });
    connect(import, &QPushButton::clicked, this, &SoilSettlementDialog::chooseImport);
    auto* rows = new QHBoxLayout;
    rows->addWidget(add);
    rows->addWidget(remove);
    rows->addStretch();
    rows->addWidget(import);

    auto* loadGrid = new QGridLayout;
    auto* loadLabel = new QLabel(texts::kHeadLoad);
    headLoad_ = new QLineEdit;
    loadLabel->setBuddy(headLoad_);
    setAccessibleFromCaption(headLoad_, texts::kHeadLoad);
    headLoad_->setPlaceholderText(texts::kHeadLoadBlank);
    connect(headLoad_, &QLineEdit::textEdited, this, [this] { project().setModified(true); });
    loadGrid->addWidget(loadLabel, 0, 0);
    loadGrid->addWidget(headLoad_, 0, 1);

    QPushButton* close = closeButton(this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(noteLabel(texts::kSettlementNote));
    layout->addWidget(tableLabel);
    layout->addWidget(table_, 1);
    layout->addLayout(rows);
    layout->addLayout(loadGrid);
    layout->addLayout(buttons);
}

void SoilSettlementDialog::load() {
    const ProjectData& d = project().data();
    model_->setSettlement(d.settlement.soil, d.units);
    shownHeadLoad_ = optionalText(d.settlement.head_load);
    headLoad_->setText(shownHeadLoad_);
}

void SoilSettlementDialog::store() {
    ProjectData d = project().data();
    SettlementRecord next = d.settlement;
    if (const std::optional<QString> fault = model_->fault()) {
        messages().warning(this, *fault);
    } else {
        next.soil = model_->settlement();
    }
    // A text left as it was shown leaves the load exact.
    if (headLoad_->text() != shownHeadLoad_) {
        // A head load of 0 or more, shown as every field shows a value (to 12 significant digits).
        std::optional<double> typed;
        if (typedOptional(headLoad_->text(), typed) && !(typed && *typed < 0)) {
            next.head_load = typed;
            shownHeadLoad_ = headLoad_->text();
        } else {
            messages().warning(this, QString(texts::kHeadLoadRefused).arg(headLoad_->text()));
            headLoad_->setText(shownHeadLoad_);
        }
    }
    d.settlement = next;
    project().setData(d);
}

bool SoilSettlementDialog::importFile(const QString& path) {
    SettlementRecord record;
    try {
        record = readSettlementFile(path);
    } catch (const UserError& e) {
        messages().warning(this, e.message());
        return false;
    }
    model_->setSettlement(record.soil, project().data().units);
    if (record.head_load) headLoad_->setText(optionalText(record.head_load));
    project().setModified(true);
    store();
    return true;
}

void SoilSettlementDialog::chooseImport() {
    const QString path = QFileDialog::getOpenFileName(this, plainCaption(texts::kImportSettlement), {},
                                                      texts::kSettlementFilter);
    if (!path.isEmpty()) importFile(path);
}

}  // namespace torve::app

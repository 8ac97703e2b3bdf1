#include "app/dialogs/characteristiccapacitydialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/dialogs/formrows.h"
#include "app/dialogs/texts.h"
#include "app/graph/characteristicgraph.h"
#include "app/graph/graph.h"
#include "app/views/graphcanvas.h"
#include "app/widgets/caption.h"
#include "engine/model/input_error.h"

namespace torve::app {
namespace {

QLabel* buddyLabel(const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    setAccessibleFromCaption(buddy, caption);
    return label;
}

QTableWidgetItem* cell(double value, int decimals) {
    auto* item = new QTableWidgetItem(QString::number(value, 'f', decimals));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

CharacteristicCapacityDialog::CharacteristicCapacityDialog(std::vector<Method> methods, bool english,
                                                           SoundingRunner runner, QWidget* parent)
    : QDialog(parent),
      methods_(std::move(methods)),
      english_(english),
      runner_(std::move(runner)),
      graph_(std::make_unique<Graph>()) {
    setWindowTitle(texts::kCharacteristicCaption);
    files_ = new QListWidget;
    files_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A few files at a glance; the table and the graph below take the room.
    files_->setMaximumHeight(110);
    QPushButton* add = captionedButton(texts::kCharacteristicAdd);
    QPushButton* remove = captionedButton(texts::kCharacteristicRemove);
    method_ = new QComboBox;
    for (Method m : methods_) method_->addItem(QString::fromLatin1(method_info(m).name));
    stiff_ = captionedCheckBox(texts::kCharacteristicStiff);
    QPushButton* computeButton = captionedButton(texts::kCharacteristicCompute);
    table_ = new QTableWidget;
    table_->verticalHeader()->hide();
    status_ = noteLabel(QString());
    *graph_ = characteristicGraph({}, english_);
    canvas_ = new GraphCanvas(*graph_);
    canvas_->setMinimumSize(360, 300);

    connect(add, &QPushButton::clicked, this, [this] {
        addCptFiles(QFileDialog::getOpenFileNames(this, plainCaption(texts::kCharacteristicAdd), QString(),
                                                  texts::kCharacteristicFilter));
    });
    connect(remove, &QPushButton::clicked, this, [this] { qDeleteAll(files_->selectedItems()); });
    connect(computeButton, &QPushButton::clicked, this, &CharacteristicCapacityDialog::compute);

    auto* fileButtons = new QVBoxLayout;
    fileButtons->addWidget(add);
    fileButtons->addWidget(remove);
    fileButtons->addStretch();
    auto* grid = new QGridLayout;
    grid->addWidget(buddyLabel(texts::kCharacteristicFiles, files_), 0, 0, Qt::AlignTop);
    grid->addWidget(files_, 0, 1);
    grid->addLayout(fileButtons, 0, 2);
    grid->addWidget(buddyLabel(texts::kCharacteristicMethod, method_), 1, 0);
    grid->addWidget(method_, 1, 1);
    grid->addWidget(stiff_, 2, 1);
    grid->addWidget(computeButton, 2, 2);

    auto* results = new QHBoxLayout;
    auto* tableColumn = new QVBoxLayout;
    tableColumn->addWidget(buddyLabel(texts::kCharacteristicTable, table_));
    tableColumn->addWidget(table_);
    results->addLayout(tableColumn, 3);
    results->addWidget(canvas_, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(noteLabel(texts::kCharacteristicNote));
    layout->addLayout(grid);
    layout->addWidget(status_);
    layout->addLayout(results, 1);
    layout->addWidget(closeButton(this), 0, Qt::AlignRight);
    if (methods_.empty()) {
        status_->setText(texts::kCharacteristicNoMethod);
        computeButton->setEnabled(false);
    }
}

CharacteristicCapacityDialog::~CharacteristicCapacityDialog() = default;

void CharacteristicCapacityDialog::addCptFiles(const QStringList& files) {
    for (const QString& f : files)
        if (files_->findItems(f, Qt::MatchExactly).isEmpty()) files_->addItem(f);
}

void CharacteristicCapacityDialog::compute() {
    result_.reset();
    table_->clear();
    table_->setRowCount(0);
    table_->setColumnCount(0);
    *graph_ = characteristicGraph({}, english_);
    canvas_->graphChanged(true);
    const int chosen = method_->currentIndex();
    if (chosen < 0 || chosen >= static_cast<int>(methods_.size())) {
        status_->setText(texts::kCharacteristicNoMethod);
        return;
    }
    if (files_->count() == 0) {
        status_->setText(texts::kCharacteristicNoFiles);
        return;
    }
    const Method method = methods_[static_cast<std::size_t>(chosen)];
    std::vector<SoundingCapacity> soundings;
    for (int i = 0; i < files_->count(); ++i) {
        const QString file = files_->item(i)->text();
        SoundingRun run = runner_(file, method);
        if (!run.capacity) {
            status_->setText(QFileInfo(file).fileName() + QStringLiteral(": ") + run.error);
            return;
        }
        run.capacity->name = QFileInfo(file).fileName().toStdString();
        soundings.push_back(std::move(*run.capacity));
    }
    try {
        result_ = characteristic_capacity(soundings, stiff_->isChecked());
    } catch (const InputError& e) {
        status_->setText(QString::fromStdString(e.what()));
        return;
    }
    status_->setText(QString(texts::kCharacteristicDone)
                         .arg(soundings.size())
                         .arg(result_->xi.xi3, 0, 'f', 4)
                         .arg(result_->xi.xi4, 0, 'f', 4));
    showTable(*result_);
    *graph_ = characteristicGraph(*result_, english_);
    canvas_->graphChanged(true);
}

void CharacteristicCapacityDialog::showTable(const CharacteristicCapacity& c) {
    const QString length = english_ ? QStringLiteral("ft") : QStringLiteral("m");
    const QString force = english_ ? QStringLiteral("kips") : QStringLiteral("kN");
    QStringList headings{QString(texts::kCharacteristicDepthColumn).arg(length)};
    for (const std::string& name : c.names)
        headings << QString::fromStdString(name) + QStringLiteral(" (") + force + u')';
    headings << QString(texts::kCharacteristicMeanColumn).arg(force)
             << QString(texts::kCharacteristicMinColumn).arg(force) << texts::kCharacteristicXi3Column
             << texts::kCharacteristicXi4Column << QString(texts::kCharacteristicRckColumn).arg(force)
             << QString(texts::kCharacteristicRcdColumn).arg(force);
    table_->setColumnCount(static_cast<int>(headings.size()));
    table_->setHorizontalHeaderLabels(headings);
    table_->setRowCount(static_cast<int>(c.depth.size()));
    for (std::size_t i = 0; i < c.depth.size(); ++i) {
        const int row = static_cast<int>(i);
        int column = 0;
        table_->setItem(row, column++, cell(c.depth[i], 2));
        for (const std::vector<double>& capacity : c.capacity)
            table_->setItem(row, column++, cell(capacity[i], 1));
        table_->setItem(row, column++, cell(c.mean[i], 1));
        table_->setItem(row, column++, cell(c.minimum[i], 1));
        table_->setItem(row, column++, cell(c.xi.xi3, 4));
        table_->setItem(row, column++, cell(c.xi.xi4, 4));
        table_->setItem(row, column++, cell(c.characteristic[i], 1));
        table_->setItem(row, column++, cell(c.design[i], 1));
    }
    table_->resizeColumnsToContents();
}

}  // namespace torve::app

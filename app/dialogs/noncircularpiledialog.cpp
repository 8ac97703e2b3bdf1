// The noncircular pile dialog.
#include "app/dialogs/noncircularpiledialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/formrows.h"
#include "app/dialogs/noncircularpilesketch.h"
#include "app/dialogs/sectionsketch.h"
#include "app/dialogs/texts.h"
#include "app/project/project.h"
#include "app/widgets/numberfield.h"

namespace torve::app {

NoncircularPileDialog::NoncircularPileDialog(WindowHost& host, QWidget* parent)
    : ChildDialog(host, texts::kNoncircularPileCaption, parent) {
    auto* grid = new QGridLayout;
    const QString length = QStringLiteral("L2");
    perimeter_ = addNumberRow(grid, 0, texts::kPerimeter, QStringLiteral("L1"));
    tipArea_ = addNumberRow(grid, 1, texts::kTipArea, QStringLiteral("L\u00b2"));
    totalLength_ = addNumberRow(grid, 2, texts::kTotalLength, length);
    zeroFrictionLength_ = addNumberRow(grid, 3, texts::kZeroFrictionFromLength, length);
    stickupLength_ = addNumberRow(grid, 4, texts::kStickupLength, length);
    for (NumberField* f : {perimeter_, tipArea_})
        connect(f, &NumberField::edited, this, [this] { project().setModified(true); });

    auto* fields = new QVBoxLayout;
    fields->addLayout(grid);
    fields->addWidget(createExamples());
    fields->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(fields, 1);
    body->addWidget(new NoncircularPileSketch(totalLength_, zeroFrictionLength_, stickupLength_));

    QPushButton* close = closeButton(this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
}

QWidget* NoncircularPileDialog::createExamples() {
    auto* examples = new QGroupBox(texts::kExamples);
    auto* grid = new QGridLayout(examples);
    auto column = [&](int at, SectionSketch::Shape shape, std::initializer_list<QLatin1StringView> lines) {
        int row = 0;
        for (QLatin1StringView line : lines) grid->addWidget(new QLabel(line), row++, at, Qt::AlignHCenter);
        grid->addWidget(new SectionSketch(shape), 3, at);
    };
    column(0, SectionSketch::Shape::Rectangle, {texts::kRectanglePerimeter, texts::kRectangleArea});
    column(1, SectionSketch::Shape::HSection, {texts::kHSectionArea});
    column(2, SectionSketch::Shape::EnclosedHSection,
           {texts::kVerySoftClays, texts::kRectanglePerimeter, texts::kRectangleArea});
    return examples;
}

void NoncircularPileDialog::load() {
    const ProjectData& d = project().data();
    const std::pair<NumberField*, double> values[] = {{perimeter_, d.perimeter},
                                                      {tipArea_, d.tipArea},
                                                      {totalLength_, d.totalPileLength},
                                                      {zeroFrictionLength_, d.zeroFrictionLength},
                                                      {stickupLength_, d.stickupLength}};
    for (const auto& [field, value] : values) {
        field->setUnitSystem(d.units);
        showValue(field, value);
    }
    showFromStart(this);
}

void NoncircularPileDialog::store() {
    ProjectData d = project().data();
    d.perimeter = fieldValue(perimeter_, d.perimeter);
    d.tipArea = fieldValue(tipArea_, d.tipArea);
    d.totalPileLength = fieldValue(totalLength_, d.totalPileLength);
    d.zeroFrictionLength = fieldValue(zeroFrictionLength_, d.zeroFrictionLength);
    d.stickupLength = fieldValue(stickupLength_, d.stickupLength);
    project().setData(d);
}

}  // namespace torve::app

// The title block of a printed page.
#include "app/render/titleblock.h"

#include <QDate>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "app/project/projectdata.h"
#include "app/render/sheetfonts.h"
#include "app/render/texts.h"

namespace torve::app {
namespace {

// The cells by row and their left and right edges as fractions of the width: the project and the
// job across the first row, the designer, date, program and file across the second.
struct CellPlace {
    int row;
    double from, to;
};
constexpr CellPlace kCells[] = {{0, 0, 0.75},   {0, 0.75, 1},   {1, 0, 0.25},
                                {1, 0.25, 0.5}, {1, 0.5, 0.75}, {1, 0.75, 1}};
constexpr double kLabelPoints = 6.5;
constexpr double kValuePoints = 9;
constexpr double kSubjectPoints = 12;

// A quarter of the text height of room inside each cell, above, below and at the left.
double padding(QPointF ppi) {
    return ppi.y() / 48;
}

double subjectHeight(QPointF ppi) {
    return QFontMetricsF(sheetFont(kSubjectPoints, ppi.y(), true)).height() + 2 * padding(ppi);
}

// A value takes up to two lines, so that a long project title or file name is there whole.
constexpr int kValueLines = 2;

// The height of the lines of a value, as the painter sets them one under the other.
double valueHeight(const QFontMetricsF& metrics) {
    return kValueLines * std::max(metrics.height(), metrics.lineSpacing());
}

double cellHeight(QPointF ppi) {
    return QFontMetricsF(sheetFont(kLabelPoints, ppi.y())).height() +
           valueHeight(QFontMetricsF(sheetFont(kValuePoints, ppi.y()))) + 2 * padding(ppi);
}

}  // namespace

TitleBlock titleBlockOf(const ProjectData& data, const QString& subject, const QDate& date) {
    TitleBlock b;
    b.subject = subject;
    b.project = data.title.trimmed();
    b.job = data.jobNumber.trimmed();
    b.designer = data.designer.trimmed();
    b.date = date.toString(Qt::ISODate);
    b.program = QStringLiteral("TORVE " TORVE_VERSION);
    b.file = QFileInfo(data.fileName).fileName();
    return b;
}

QStringList titleBlockLabels() {
    return {texts::kBlockProject, texts::kBlockJob,     texts::kBlockDesigner,
            texts::kBlockDate,    texts::kBlockProgram, texts::kBlockFile};
}

QStringList titleBlockValues(const TitleBlock& b) {
    return {b.project, b.job, b.designer, b.date, b.program, b.file};
}

int titleBlockHeight(QPointF ppi) {
    return static_cast<int>(std::ceil(subjectHeight(ppi) + 2 * cellHeight(ppi)));
}

void paintTitleBlock(QPainter& painter, const QRect& box, QPointF ppi, const TitleBlock& block) {
    painter.save();
    const double pad = padding(ppi);
    const double top = box.top(), left = box.left(), width = box.width();
    const double subject = subjectHeight(ppi), cell = cellHeight(ppi);
    const QRectF whole(left, top, width, subject + 2 * cell);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, std::max(1.0, ppi.x() / 96)));
    painter.drawRect(whole);
    painter.setPen(QPen(Qt::black, std::max(1.0, ppi.x() / 192)));
    painter.drawLine(QPointF(left, top + subject), QPointF(left + width, top + subject));
    painter.drawLine(QPointF(left, top + subject + cell), QPointF(left + width, top + subject + cell));
    for (const CellPlace& c : kCells)
        if (c.from > 0)
            painter.drawLine(QPointF(left + c.from * width, top + subject + c.row * cell),
                             QPointF(left + c.from * width, top + subject + (c.row + 1) * cell));

    painter.setPen(Qt::black);
    painter.setFont(sheetFont(kSubjectPoints, ppi.y(), true));
    painter.drawText(QRectF(left + pad * 2, top, width - 4 * pad, subject), Qt::AlignLeft | Qt::AlignVCenter,
                     block.subject);
    const QStringList labels = titleBlockLabels(), values = titleBlockValues(block);
    const QFont labelFont = sheetFont(kLabelPoints, ppi.y());
    const QFont valueFont = sheetFont(kValuePoints, ppi.y());
    const double labelHeight = QFontMetricsF(labelFont).height();
    for (int i = 0; i < static_cast<int>(labels.size()) && i < static_cast<int>(std::size(kCells)); ++i) {
        const CellPlace& c = kCells[i];
        const double x = left + c.from * width + 2 * pad;
        const double y = top + subject + c.row * cell + pad;
        const double w = (c.to - c.from) * width - 4 * pad;
        painter.setFont(labelFont);
        painter.setPen(QColor(0x50, 0x50, 0x50));
        painter.drawText(QRectF(x, y, w, labelHeight), Qt::AlignLeft | Qt::AlignVCenter, labels[i]);
        painter.setFont(valueFont);
        painter.setPen(Qt::black);
        // Wrapped at its words (a file name anywhere); what two lines cannot hold ends in an
        // ellipsis rather than running into the next cell.
        const QFontMetricsF metrics(valueFont);
        const int flags = Qt::AlignLeft | Qt::AlignTop |
                          (values[i].contains(u' ') ? Qt::TextWordWrap : Qt::TextWrapAnywhere);
        const QRectF room(x, y + labelHeight, w, valueHeight(metrics));
        QString value = values[i];
        const auto fits = [&](const QString& text) {
            // The painter's measure of two lines runs a pixel over twice the line height.
            return metrics.boundingRect(QRectF(0, 0, w, 1e6), flags, text).height() <=
                   room.height() + metrics.height() / 4;
        };
        for (qsizetype keep = value.size() - 1; !fits(value) && keep > 0; --keep)
            value = values[i].left(keep) + QChar(0x2026);
        painter.drawText(room, flags, value);
    }
    painter.restore();
}

}  // namespace torve::app

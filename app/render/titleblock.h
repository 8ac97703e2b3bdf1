// The title block of a printed page: what the page shows, of which project, by whom, when.
#pragma once

#include <QPointF>
#include <QRect>
#include <QString>

class QDate;
class QPainter;

namespace torve::app {

struct ProjectData;

struct TitleBlock {
    QString subject;  // what the page shows: "Calculation sheet", a graph's caption
    QString project;  // the project's title
    QString job;
    QString designer;
    QString date;
    QString program;  // "TORVE 2014.6.3"
    QString file;     // the project file's name
};

// The title block of a page about `data`, dated `date` (ISO form, which reads the same everywhere).
TitleBlock titleBlockOf(const ProjectData& data, const QString& subject, const QDate& date);

// The labels of the block's cells, in the order they are drawn: project, job, designer, then date,
// program, file.
QStringList titleBlockLabels();
QStringList titleBlockValues(const TitleBlock& block);

// The height of the block drawn at `ppi` pixels per inch: the subject line and two rows of cells.
int titleBlockHeight(QPointF ppi);
// Draws the block into the top `titleBlockHeight` pixels of `box`: the subject across the top, the
// project and the job below it, then the designer, date, program and file; each cell a small label
// over its value, all framed.
void paintTitleBlock(QPainter& painter, const QRect& box, QPointF ppi, const TitleBlock& block);

}  // namespace torve::app

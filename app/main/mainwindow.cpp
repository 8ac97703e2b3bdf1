// The main window.
#include "app/main/mainwindow.h"

#include <QAbstractSpinBox>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <cmath>
#include <functional>
#include <optional>

#include "app/controls/usererror.h"
#include "app/dialogs/aboutbox.h"
#include "app/dialogs/soildatadialog.h"
#include "app/dialogs/soillayersdialog.h"
#include "app/main/analysisrun.h"
#include "app/main/childwindows.h"
#include "app/main/displayname.h"
#include "app/main/driveabilityrun.h"
#include "app/main/findingplace.h"
#include "app/main/helpwindow.h"
#include "app/main/projecthistory.h"
#include "app/main/recentfiles.h"
#include "app/main/runcheck.h"
#include "app/main/texts.h"
#include "app/project/materialdefaults.h"
#include "app/project/project.h"
#include "app/table/units.h"
#include "app/views/graphwindowfactory.h"
#include "app/widgets/caption.h"
#include "app/widgets/childdialog.h"
#include "app/widgets/messages.h"
#include "app/widgets/tablewindow.h"

namespace torve::app {
namespace {

// Names a child window by what it shows, so that each exists at most once.
const char* const kChildKey = "torveChild";
constexpr int kMaxWindowItems = 50;

QString pointerKey(const char* kind, const void* p) {
    return QLatin1String(kind) + QString::number(reinterpret_cast<quintptr>(p), 16);
}

ProjectFormat formatOfPath(const QString& path) {
    return QFileInfo(path).suffix().toLower() == QLatin1String("tv6d") ? ProjectFormat::Current
                                                                       : ProjectFormat::Previous;
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<AppSettings> settings, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings ? std::move(settings) : std::make_unique<AppSettings>()),
      project_(std::make_unique<Project>()),
      mdiArea_(new QMdiArea),
      engineDirectory_(QCoreApplication::applicationDirPath()) {
    setCentralWidget(mdiArea_);
    setAcceptDrops(true);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &MainWindow::childActivated);
    // A maximized graph stays as it is while a dialog opens over it in its own size and frame.
    mdiArea_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    createMenus();
    createToolBar();
    createResultsCommands();
    readSettings();
    // The project at start is a new one in the units last chosen for one.
    project_ = std::make_unique<Project>(settings_->newProjectUnits());
    watchProject();
    showSoilColumns();
    updatePileShapeCommands();
    updateToolBar();
    // Wide enough for the whole toolbar, but never beyond the screen.
    resize(QSize(1200, 800).boundedTo(screen()->availableGeometry().size()));
}

MainWindow::~MainWindow() {
    // The children refer to the project; they go first, without committing anything.
    disconnect(mdiArea_, nullptr, this, nullptr);
    for (QMdiSubWindow* child : mdiArea_->subWindowList()) delete child;
    history_.reset();
}

// --- Building the window --------------------------------------------------------------------------

QAction* MainWindow::command(QMenu* menu, const QString& caption, const std::function<void()>& slot) {
    QAction* action = menu->addAction(caption);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

QAction* MainWindow::dialogCommand(QMenu* menu, const QString& caption, DialogId id) {
    return command(menu, caption, [this, id] { showDialog(id); });
}

QMenu* MainWindow::addMenu(const QString& title, bool commitsFirst) {
    QMenu* menu = menuBar()->addMenu(title);
    // The menu's commands see what the user just typed in the active child window.
    if (commitsFirst) {
        connect(menu, &QMenu::aboutToShow, this, [this, menu] {
            if (!commitActiveChild()) QTimer::singleShot(0, menu, &QMenu::close);
        });
    }
    return menu;
}

void MainWindow::createMenus() {
    createFileMenu();
    createEditMenu();
    createDataMenu();
    createOptionsMenu();
    createComputationMenu();
    createGraphicsMenu();
    windowMenu_ = addMenu(texts::kWindowMenu, false);
    connect(windowMenu_, &QMenu::aboutToShow, this, &MainWindow::updateWindowMenu);
    createHelpMenu();
}

void MainWindow::createFileMenu() {
    fileMenu_ = addMenu(texts::kFileMenu, true);
    command(fileMenu_, texts::kNew, [this] {
        newProject();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    command(fileMenu_, texts::kOpen, [this] { open(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    command(fileMenu_, texts::kSave, [this] { save(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    command(fileMenu_, texts::kSaveAs, [this] { saveAs(); });
    command(fileMenu_, texts::kExportSheet, [this] { exportCalculationSheet(); });
    recentSeparator_ = fileMenu_->addSeparator();
    for (int i = 0; i < RecentFiles::kMaximum; ++i) {
        QAction* recent = command(fileMenu_, QString(), [this, i] { openRecentFile(i); });
        recent->setVisible(false);
        recentActions_.append(recent);
    }
    fileMenu_->addSeparator();
    command(fileMenu_, texts::kExit, [this] { close(); });
    connect(fileMenu_, &QMenu::aboutToShow, this, &MainWindow::updateFileMenu);
}

void MainWindow::createEditMenu() {
    // Opening the menu stores the active dialog's values first: what was just typed is undone
    // as the last step, not lost.
    QMenu* edit = addMenu(texts::kEditMenu, true);
    undoAction_ = command(edit, texts::kUndo, [this] { undo(); });
    undoAction_->setShortcut(QKeySequence::Undo);
    redoAction_ = command(edit, texts::kRedo, [this] { redo(); });
    redoAction_->setShortcuts(QKeySequence::Redo);
    edit->addSeparator();
    QAction* copyAction = command(edit, texts::kCopy, [this] { copy(); });
    copyAction->setShortcut(QKeySequence::Copy);
    QAction* pasteAction = command(edit, texts::kPaste, [this] { paste(); });
    pasteAction->setShortcut(QKeySequence::Paste);
    for (QAction* a : {undoAction_, redoAction_, copyAction, pasteAction})
        editKeys_.append({a, a->shortcuts()});
    connect(edit, &QMenu::aboutToShow, this, &MainWindow::updateEditCommands);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &MainWindow::updateEditShortcuts);
}

void MainWindow::updateEditShortcuts(QMdiSubWindow* child) {
    QList<QKeySequence> taken;
    if (child && child->widget()) {
        for (const QAction* a : child->widget()->findChildren<QAction*>()) taken += a->shortcuts();
    }
    for (const auto& [action, keys] : editKeys_) {
        QList<QKeySequence> left;
        for (const QKeySequence& k : keys)
            if (!taken.contains(k)) left.append(k);
        action->setShortcuts(left);
    }
}

void MainWindow::updateEditCommands() {
    undoAction_->setEnabled(history_ && history_->canUndo());
    redoAction_->setEnabled(history_ && history_->canRedo());
}

void MainWindow::undo() {
    // A value typed into a dialog and not yet stored is the last change: stored, then undone.
    if (!commitActiveChild()) return;
    history_->undo();
    updateEditCommands();
}

void MainWindow::redo() {
    if (!commitActiveChild()) return;
    history_->redo();
    updateEditCommands();
}

void MainWindow::copy() {
    QWidget* focus = QApplication::focusWidget();
    QMdiSubWindow* child = mdiArea_->activeSubWindow();
    // A cell's editor holds the text of one cell; a selection of cells goes as a block.
    if (auto* table = child ? qobject_cast<TableWindow*>(child->widget()) : nullptr) {
        auto* editor = qobject_cast<QLineEdit*>(focus);
        if (!editor || !editor->hasSelectedText()) {
            QApplication::clipboard()->setText(table->copyText());
            return;
        }
    }
    if (auto* line = qobject_cast<QLineEdit*>(focus))
        line->copy();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(focus))
        text->copy();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(focus))
        QApplication::clipboard()->setText(spin->text());
}

void MainWindow::paste() {
    const QString text = QApplication::clipboard()->text();
    QMdiSubWindow* child = mdiArea_->activeSubWindow();
    if (auto* table = child ? qobject_cast<TableWindow*>(child->widget()) : nullptr) {
        // The whole paste is one step to undo.
        history_->beginGroup();
        table->paste(text);
        history_->endGroup();
        updateEditCommands();
        return;
    }
    if (auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget())) line->paste();
}

void MainWindow::createDataMenu() {
    QMenu* dataMenu = addMenu(texts::kDataMenu, true);
    connect(dataMenu, &QMenu::aboutToShow, this, &MainWindow::updatePileShapeCommands);
    dialogCommand(dataMenu, texts::kTitle, DialogId::Title);
    dialogCommand(dataMenu, texts::kComputationalMethod, DialogId::ComputationMethods);
    dialogCommand(dataMenu, texts::kPileMaterial, DialogId::PileMaterial);
    circularAction_ = dialogCommand(dataMenu, texts::kCircularPile, DialogId::CircularPile);
    noncircularAction_ = dialogCommand(dataMenu, texts::kNoncircularPile, DialogId::NoncircularPile);
    dialogCommand(dataMenu, texts::kSoilLayers, DialogId::SoilLayers);
    dialogCommand(dataMenu, texts::kSoilSettlement, DialogId::SoilSettlement);
    dialogCommand(dataMenu, texts::kCptDataFile, DialogId::CptData);
}

void MainWindow::createOptionsMenu() {
    QMenu* options = addMenu(texts::kOptionsMenu, true);
    connect(options, &QMenu::aboutToShow, this, &MainWindow::updateOptionsMenu);
    QMenu* units = options->addMenu(texts::kUnitsMenu);
    connect(units, &QMenu::aboutToShow, this, &MainWindow::updateOptionsMenu);
    auto* unitsGroup = new QActionGroup(this);
    englishAction_ = command(units, texts::kEnglishUnits, [this] { switchUnits(UnitSystem::English); });
    siAction_ = command(units, texts::kSiUnits, [this] { switchUnits(UnitSystem::SI); });
    for (QAction* u : {englishAction_, siAction_}) {
        u->setCheckable(true);
        unitsGroup->addAction(u);
    }
    extraTzOptionAction_ = dialogCommand(options, texts::kPrintExtraTz, DialogId::TzPrintOption);
    // The mark shows the project's choice; the dialog changes it.
    extraTzOptionAction_->setCheckable(true);
    connect(extraTzOptionAction_, &QAction::triggered, this, &MainWindow::updateOptionsMenu);
    dialogCommand(options, texts::kControlOptions, DialogId::ControlOptions);
}

void MainWindow::createComputationMenu() {
    QMenu* computation = addMenu(texts::kComputationMenu, true);
    connect(computation, &QMenu::aboutToShow, this, &MainWindow::updateComputationCommands);
    // F5 as in other programs that run what was entered; Ctrl+R for keyboards without one.
    command(computation, texts::kRunAnalysis, [this] {
        runAnalysis();
    })->setShortcuts({QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_R)});
    command(computation, texts::kCheckDataCommand, [this] { checkData(); });
    summaryAction_ = command(computation, texts::kResultsSummary, [this] { showResultsSummary(); });
    editInputAction_ = command(computation, texts::kEditInput, [this] { viewBesideProject(".tv6d"); });
    editNotesAction_ = command(computation, texts::kEditRunNotes, [this] { viewBesideProject(".tv6r"); });
    editOutputAction_ = command(computation, texts::kEditOutput, [this] { viewBesideProject(".tv6o"); });
    dialogCommand(computation, texts::kViewSoilLayers, DialogId::SoilProfile);
    command(computation, texts::kCharacteristicCapacity, [this] { showCharacteristicCapacity(); });
    command(computation, texts::kDriveability, [this] { showDriveability(); });
    editGrlweapAction_ = command(computation, texts::kEditGrlweap, [this] { viewBesideProject(".gwi"); });
}

void MainWindow::createGraphicsMenu() {
    QMenu* graphics = addMenu(texts::kGraphicsMenu, false);
    connect(graphics, &QMenu::aboutToShow, this, &MainWindow::updateGraphicsCommands);
    const std::pair<QLatin1StringView, ResultGraph> graphs[] = {
        {texts::kUnitSkinFriction, ResultGraph::UnitSkinFriction},
        {texts::kSkinFriction, ResultGraph::SkinFriction},
        {texts::kTipResistance, ResultGraph::TipResistance},
        {texts::kTotalCapacity, ResultGraph::TotalCapacity},
        {texts::kLoadDistribution, ResultGraph::LoadDistribution},
        {texts::kCombinedPlot, ResultGraph::Combined},
        {texts::kLoadSettlement, ResultGraph::LoadSettlement},
        {texts::kTzCurves, ResultGraph::TzCurves},
        {texts::kExtraTzCurves, ResultGraph::ExtraTzCurves},
        {texts::kQwCurve, ResultGraph::TipQw},
        {texts::kDowndragLoad, ResultGraph::Downdrag},
        {texts::kDowndragMovement, ResultGraph::DowndragMovement},
        {texts::kDriveSrdGraph, ResultGraph::DriveSrd},
        {texts::kDriveBlowsGraph, ResultGraph::DriveBlows},
        {texts::kDriveCumulativeGraph, ResultGraph::DriveCumulative},
        {texts::kDriveStressGraph, ResultGraph::DriveStress},
        {texts::kBearingGraph, ResultGraph::Bearing},
        {texts::kDriveHeadForceGraph, ResultGraph::DriveHeadForce},
        {texts::kDriveHeadVelocityGraph, ResultGraph::DriveHeadVelocity},
    };
    for (const auto& [caption, graph] : graphs) {
        const ResultGraph g = graph;
        graphActions_.append({command(graphics, caption, [this, g] { showResultGraph(g); }), g});
    }
}

void MainWindow::createHelpMenu() {
    QMenu* help = addMenu(texts::kHelpMenu, true);
    const auto manual = [](const char* name) {
        return HelpWindow::manualsFolder() + QLatin1Char('/') + QLatin1String(name);
    };
    command(help, texts::kContents,
            [this, manual] { showHelp(manual("user-manual.md"), QStringLiteral("contents")); });
    command(help, texts::kUsersManual, [this, manual] { showHelp(manual("user-manual.md"), {}); });
    command(help, texts::kTechnicalManual, [this, manual] { showHelp(manual("technical-manual.md"), {}); });
    command(help, texts::kAbout, [this] { about(); });
    command(help, texts::kCheckForUpdates, [this] { checkForUpdates(); });
}

void MainWindow::createToolBar() {
    QToolBar* tools = addToolBar(QString());
    tools->setObjectName(QStringLiteral("toolbar"));
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tools->setMovable(false);
    QStyle* s = style();
    const auto button = [&](const QString& hint, QStyle::StandardPixmap icon,
                            const std::function<void()>& slot) {
        QAction* a = tools->addAction(hint);
        if (icon != QStyle::SP_CustomBase) a->setIcon(s->standardIcon(icon));
        a->setToolTip(hint);
        connect(a, &QAction::triggered, this, slot);
        setAccessibleFromCaption(tools->widgetForAction(a), hint);
        return a;
    };
    button(texts::kNewFileHint, QStyle::SP_FileIcon, [this] { newProject(); });
    button(texts::kOpenFileHint, QStyle::SP_DialogOpenButton, [this] { open(); });
    button(texts::kSaveFileHint, QStyle::SP_DialogSaveButton, [this] { save(); });
    button(texts::kRunHint, QStyle::SP_MediaPlay, [this] { runAnalysis(); });
    tools->addSeparator();
    button(texts::kSoilLayersHint, QStyle::SP_CustomBase, [this] {
        if (commitActiveChild()) showDialog(DialogId::SoilLayers);
    });
    button(texts::kViewOutputHint, QStyle::SP_CustomBase, [this] { viewBesideProject(".tv6o"); });
    summaryToolAction_ =
        button(texts::kResultsSummaryHint, QStyle::SP_CustomBase, [this] { showResultsSummary(); });
    button(texts::kViewSoilProfileHint, QStyle::SP_CustomBase, [this] { showDialog(DialogId::SoilProfile); });
    tools->addSeparator();
    toolBarGraphActions_ = {
        button(texts::kCombinedPlotHint, QStyle::SP_CustomBase,
               [this] { showResultGraph(ResultGraph::Combined); }),
        button(texts::kTzCurvesHint, QStyle::SP_CustomBase,
               [this] { showResultGraph(ResultGraph::TzCurves); }),
        button(texts::kLoadSettlementHint, QStyle::SP_CustomBase,
               [this] { showResultGraph(ResultGraph::LoadSettlement); }),
    };
}

void MainWindow::readSettings() {
    settings_->read();
}

void MainWindow::writeSettings() {
    settings_->write();
}

// --- The project and its files ---------------------------------------------------------------------

void MainWindow::setProject(std::unique_ptr<Project> project) {
    closeChildWindows(true);
    // The steps of the project that goes would put its values into the new one.
    history_.reset();
    project_ = std::move(project);
    watchProject();
}

void MainWindow::watchProject() {
    history_ = std::make_unique<ProjectHistory>(*project_);
    connect(history_.get(), &ProjectHistory::stepsChanged, this, &MainWindow::updateEditCommands);
    updateEditCommands();
    connect(project_.get(), &Project::modifiedChanged, this, &QWidget::setWindowModified);
    // Save As names the project anew.
    connect(project_.get(), &Project::changed, this, &MainWindow::updateCaption);
    // The last run's outcome stands until the project changes.
    connect(project_.get(), &Project::changed, this, &MainWindow::clearRunStatus);
    setWindowModified(project_->isModified());
    updateCaption();
}

void MainWindow::newProject() {
    if (!commitActiveChild() || !maybeSave()) return;
    const std::optional<UnitSystem> units = messages().newProjectUnits(this, settings_->newProjectUnits());
    if (!units) return;
    settings_->setNewProjectUnits(*units);
    writeSettings();
    setProject(std::make_unique<Project>(*units));
    plotLoaded_ = false;
    updatePileShapeCommands();
    updateToolBar();
    showSoilColumns();
}

void MainWindow::switchUnits(UnitSystem units) {
    if (units == project_->data().units) return;
    // The increment converts to an odd length (1 ft to 0.3048 m); the user may take the new system's
    // own instead, which also keeps the computation grid on round depths.
    const double converted =
        project_->data().computationIncrement * (units == UnitSystem::SI ? kMetresPerFoot : kFeetPerMetre);
    const double own = newProjectIncrement(units);
    bool takeOwn = false;
    if (std::fabs(converted - own) > 1e-9 * own) {
        const bool si = units == UnitSystem::SI;
        const QLocale locale;
        const QString question =
            QString(texts::kIncrementAfterSwitch)
                .arg(locale.toString(project_->data().computationIncrement, 'g', 10),
                     si ? QStringLiteral("ft") : QStringLiteral("m"), locale.toString(converted, 'g', 10),
                     si ? QStringLiteral("m") : QStringLiteral("ft"), locale.toString(own, 'g', 10));
        const QMessageBox::StandardButton answer = messages().question(this, question);
        if (answer == QMessageBox::Cancel) {
            updateOptionsMenu();
            return;
        }
        takeOwn = answer == QMessageBox::Yes;
    }
    project_->setUnits(units);
    if (takeOwn) {
        ProjectData data = project_->data();
        data.computationIncrement = own;
        project_->setData(data);
    }
    updateOptionsMenu();
}

void MainWindow::open() {
    if (!commitActiveChild() || !maybeSave()) return;
    ProjectFormat format = ProjectFormat::Current;
    const QString path = askOpenPath(&format);
    if (!path.isEmpty()) openFile(path, format);
}

bool MainWindow::openProject(const QString& path, ProjectFormat format) {
    if (!commitActiveChild() || !maybeSave()) return false;
    return openFile(path, format);
}

void MainWindow::openRecentFile(int index) {
    const QStringList files = settings_->recentFiles();
    if (index < files.size()) openProject(files[index], formatOfPath(files[index]));
}

bool MainWindow::openFile(const QString& path, ProjectFormat format) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    auto read = std::make_unique<Project>();
    QStringList notices;
    try {
        notices = read->readProject(absolute, format);
    } catch (const UserError& e) {
        // The open project stays as it was.
        messages().error(this, e.message());
        return false;
    }
    QDir::setCurrent(QFileInfo(absolute).absolutePath());
    setProject(std::move(read));
    plotLoaded_ = false;
    const QString plot = besideProject(absolute, ".tv6p");
    if (QFileInfo::exists(plot)) {
        try {
            project_->readResults(plot);
            plotLoaded_ = true;
        } catch (const UserError&) {
            // A plot file that cannot be read leaves the graphs disabled; a run writes a new one.
        }
    }
    showKeptDriveability();
    for (const QString& notice : notices) messages().information(this, notice);
    updateToolBar();
    addRecentFile(absolute);
    showSoilColumns();
    updatePileShapeCommands();
    updateGraphicsCommands();
    return true;
}

void MainWindow::openStartupFile(const QString& argument) {
    QString path = argument;
    // Only the file's own name decides: a folder named "v2.1" does not give the file an extension.
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.'))) path += QLatin1String(".tv6d");
    if (!QFileInfo::exists(path)) return;
    auto read = std::make_unique<Project>();
    try {
        const QStringList notices =
            read->readProject(QFileInfo(path).absoluteFilePath(), ProjectFormat::Current);
        setProject(std::move(read));
        for (const QString& notice : notices) messages().information(this, notice);
    } catch (const UserError& e) {
        messages().error(this, e.message());
        return;
    }
    const QString plot = besideProject(project_->data().fileName, ".tv6p");
    plotLoaded_ = false;
    if (QFileInfo::exists(plot)) {
        try {
            project_->readResults(plot);
            plotLoaded_ = true;
        } catch (const UserError&) {
        }
    }
    showSoilColumns();
    updatePileShapeCommands();
    showKeptDriveability();
    // The results on disk are there to be looked at: the graph buttons follow them at once.
    updateToolBar();
    updateGraphicsCommands();
}

bool MainWindow::maybeSave() {
    if (!project_->isModified()) return true;
    // The question names the project: with several programs open, "any changes" alone leaves the
    // user guessing which file is meant.
    const QString name = project_->data().fileName;
    const QString shown = name == texts::kNewFileName ? name : QDir::toNativeSeparators(name);
    switch (
        messages().questionAbout(this, texts::kSaveChanges, QString(texts::kSaveChangesProject).arg(shown))) {
        case QMessageBox::Cancel:
            return false;
        case QMessageBox::No:
            return true;
        default:
            break;
    }
    QString error;
    const SaveResult result = saveProject(&error);
    reportSave(result, error);
    // A save that was cancelled or failed keeps the changes and the project.
    return result == SaveResult::Saved && project_->data().fileName != texts::kNewFileName;
}

bool MainWindow::save() {
    if (!commitActiveChild()) return false;
    QString error;
    const SaveResult result = saveProject(&error);
    reportSave(result, error);
    return result == SaveResult::Saved;
}

bool MainWindow::saveAs() {
    if (!commitActiveChild()) return false;
    QString error;
    const SaveResult result = saveProjectAs(&error);
    reportSave(result, error);
    return result == SaveResult::Saved;
}

MainWindow::SaveResult MainWindow::saveProject(QString* error) {
    const QString name = project_->data().fileName;
    if (name == texts::kNewFileName || QFileInfo(name).suffix().toLower() == QLatin1String("tvd"))
        return saveProjectAs(error);
    try {
        project_->saveProject();
        return SaveResult::Saved;
    } catch (const UserError& e) {
        *error = e.message();
        return SaveResult::Failed;
    }
}

MainWindow::SaveResult MainWindow::saveProjectAs(QString* error) {
    const QString name = project_->data().fileName;
    QString suggested = name;
    if (QFileInfo(name).suffix().toLower() == QLatin1String("tvd")) suggested = besideProject(name, ".tv6d");
    const QString path = askSavePath(QString(texts::kSaveAsTitle).arg(displayName(name)), suggested);
    SaveResult result = SaveResult::Cancelled;
    if (!path.isEmpty()) {
        ProjectData values = project_->data();
        values.fileName = QFileInfo(path).absoluteFilePath();
        project_->setData(values);
        updateCaption();
        try {
            project_->saveProject();
            result = SaveResult::Saved;
        } catch (const UserError& e) {
            *error = e.message();
            result = SaveResult::Failed;
        }
        // A project created here and saved is as much a recent file as one opened.
        if (result == SaveResult::Saved) addRecentFile(project_->data().fileName);
    }
    closeChildWindows(false);
    return result;
}

void MainWindow::reportSave(SaveResult result, const QString& error) {
    if (result == SaveResult::Failed) messages().error(this, error);
}

void MainWindow::addRecentFile(const QString& path) {
    RecentFiles recent(settings_->recentFiles());
    recent.add(path);
    settings_->setRecentFiles(recent.files());
    writeSettings();
}

QString MainWindow::askOpenPath(ProjectFormat* format) {
    QFileDialog dialog(this, QString(), QString(), texts::kOpenFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    *format = dialog.selectedNameFilter() == texts::kPreviousFormatFilter ? ProjectFormat::Previous
                                                                          : ProjectFormat::Current;
    return dialog.selectedFiles().first();
}

QString MainWindow::askSavePath(const QString& title, const QString& suggested) {
    QFileDialog dialog(this, title, suggested, texts::kSaveFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("tv6d"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

bool MainWindow::openExternally(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

// --- The analysis run ------------------------------------------------------------------------------

void MainWindow::checkData() {
    if (!commitActiveChild()) return;
    findingsPresenter().present(this, precheck(*project_), project_->data().units == UnitSystem::English,
                                FindingsPurpose::Check);
}

bool MainWindow::checkAndSaveForRun() {
    if (!commitActiveChild()) return false;
    // Everything the project lacks, at once, before the save and the engine's first refusal.
    if (!mayRunAfterCheck(this, precheck(*project_), project_->data().units == UnitSystem::English))
        return false;
    QString error;
    const SaveResult saved = saveProject(&error);
    if (saved == SaveResult::Failed) {
        // Running the engine on the file as it was before would show results of other input.
        messages().error(this, texts::kSaveFailed + QLatin1Char('\r') + error + QStringLiteral("\r\r") +
                                   texts::kRunNotSaved);
        return false;
    }
    return saved != SaveResult::Cancelled && project_->data().fileName != texts::kNewFileName;
}

void MainWindow::runAnalysis() {
    if (!checkAndSaveForRun()) return;
    if (const auto warning = project_->data().taperWarning()) {
        messages().warning(this, *warning);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QElapsedTimer clock;
    clock.start();
    const RunOutcome outcome = AnalysisRun(*project_, engineDirectory_).execute();
    showRunStatus(outcome, clock.elapsed());
    QApplication::restoreOverrideCursor();
    if (outcome.kind == RunOutcome::Kind::Completed)
        messages().information(this, outcome.message);
    else if (outcome.kind == RunOutcome::Kind::Stopped)
        messages().warning(this, outcome.message);
    else
        messages().error(this, outcome.message);
    if (outcome.kind == RunOutcome::Kind::NotRun) return;
    plotLoaded_ = outcome.plotLoaded;
    updateToolBar();
    updateGraphicsCommands();
    closeChildWindows(false);
}

// --- Child windows ----------------------------------------------------------------------------------

QMdiSubWindow* MainWindow::childWindow(const QString& key) const {
    for (QMdiSubWindow* child : mdiArea_->subWindowList())
        if (child->property(kChildKey).toString() == key && child->isVisible()) return child;
    return nullptr;
}

QMdiSubWindow* MainWindow::addChild(QWidget* widget, const QString& key, Qt::WindowFlags without) {
    // A window that chose its own size keeps it; the others open at their size hint.
    const bool sized = widget->testAttribute(Qt::WA_Resized);
    const QSize own = widget->size();
    QMdiSubWindow* child = mdiArea_->addSubWindow(widget);
    child->setAttribute(Qt::WA_DeleteOnClose);
    child->setProperty(kChildKey, key);
    // Flags are settled before the frame is shown: changing them on a shown frame drops its
    // decoration.
    if (without) child->setWindowFlags(child->windowFlags() & ~without);
    // Each child opens in its own size, within the working area: what does not fit there scrolls.
    const QSize frame = child->sizeHint() - widget->sizeHint();
    const QSize wanted = sized ? own + frame : child->sizeHint();
    child->resize(wanted.boundedTo(mdiArea_->viewport()->size()).expandedTo(QSize(120, 80)));
    child->showNormal();
    // Cascading may push a large child over the area's edge: it goes back to the corner instead.
    const QSize room = mdiArea_->viewport()->size();
    if (child->x() + child->width() > room.width() || child->y() + child->height() > room.height())
        child->move(0, 0);
    return child;
}

void MainWindow::showDialog(DialogId id) {
    const QString key = QStringLiteral("dialog:%1").arg(static_cast<int>(id));
    if (QMdiSubWindow* child = childWindow(key)) {
        mdiArea_->setActiveSubWindow(child);
        return;
    }
    if (QWidget* dialog = createChildWindow(id, *this, nullptr)) addChild(dialog, key);
}

void MainWindow::showTable(GridTable& table) {
    const QString key = pointerKey("table:", &table);
    if (QMdiSubWindow* child = childWindow(key)) {
        mdiArea_->setActiveSubWindow(child);
        return;
    }
    // A table window is sized to whole rows and columns: it has no maximize box.
    auto* window = new TableWindow(table, *this);
    connect(window, &TableWindow::pasteRequested, this, &MainWindow::paste);
    addChild(window, key, Qt::WindowMaximizeButtonHint);
}

void MainWindow::showGraph(Graph& graph) {
    const QString key = pointerKey("graph:", &graph);
    if (QMdiSubWindow* child = childWindow(key)) {
        mdiArea_->setActiveSubWindow(child);
        return;
    }
    // A graph opens over the whole working area, as large as the screen allows.
    if (QWidget* window = createGraphWindow(graph, *this, nullptr)) addChild(window, key)->showMaximized();
}

void MainWindow::viewFile(const QString& path) {
    const QString editor = settings_->wordProcessor();
    // Without an editor of the user's choice the program shows the file itself.
    if (editor.isEmpty()) {
        showReadOnly(path);
        return;
    }
    if (!QProcess::startDetached(editor, {path})) messages().error(this, texts::kEditorFailed);
}

namespace {

// The field under `scope` whose accessible name is `name`, or begins with it (a number field adds
// its units); the exact name first.
QWidget* fieldNamed(QWidget* scope, const QString& name) {
    QWidget* begins = nullptr;
    for (QWidget* w : scope->findChildren<QWidget*>()) {
        // Rows in a scroll area count as hidden until laid out there; the focus policy tells fields.
        if (w->focusPolicy() == Qt::NoFocus) continue;
        const QString accessible = w->accessibleName().trimmed();
        if (accessible == name) return w;
        if (!begins && accessible.startsWith(name)) begins = w;
    }
    return begins;
}

void focusField(QWidget* field) {
    for (QWidget* p = field->parentWidget(); p; p = p->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(p)) area->ensureWidgetVisible(field);
    }
    field->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(field)) line->selectAll();
}

}  // namespace

void MainWindow::goToFinding(const Finding& finding) {
    const std::optional<FindingPlace> place = placeOf(finding, project_->data().circular);
    if (!place) return;
    showDialog(place->dialog);
    const QString key = QStringLiteral("dialog:%1").arg(static_cast<int>(place->dialog));
    QMdiSubWindow* child = childWindow(key);
    if (!child) return;
    mdiArea_->setActiveSubWindow(child);
    if (place->field.isEmpty()) return;
    // Controls a dialog lays as it opens (one row per soil layer) are shown by the event loop: the
    // field takes the focus once they are.
    const FindingPlace where = *place;
    QMetaObject::invokeMethod(
        this,
        [this, where, key] {
            QMdiSubWindow* shown = childWindow(key);
            if (!shown) return;
            QWidget* scope = shown->widget();
            if (where.dataOfLayer > 0) {
                // The layer's own soil data: its row's button opens them.
                auto* layers = qobject_cast<SoilLayersDialog*>(scope);
                auto* edit =
                    qobject_cast<QPushButton*>(fieldNamed(scope, editLayerButton(where.dataOfLayer)));
                if (!layers || !edit) return;
                edit->click();
                scope = layers->soilDataDialog();
                if (!scope) return;
            }
            if (QWidget* field = fieldNamed(scope, where.field)) focusField(field);
        },
        Qt::QueuedConnection);
}

bool MainWindow::commitChild(QMdiSubWindow* child) {
    bool committed = true;
    if (auto* dialog = qobject_cast<ChildDialog*>(child->widget()))
        committed = dialog->commit();
    else if (auto* table = qobject_cast<TableWindow*>(child->widget()))
        committed = table->commit();
    if (!committed) mdiArea_->setActiveSubWindow(child);
    return committed;
}

bool MainWindow::commitActiveChild() {
    QMdiSubWindow* child = mdiArea_->activeSubWindow();
    if (!child) child = activeChild_;
    if (!child) return true;
    committingChild_ = true;
    const bool committed = commitChild(child);
    committingChild_ = false;
    return committed;
}

void MainWindow::childActivated(QMdiSubWindow* child) {
    // Null when the frame itself loses activation (a menu, a message box): nothing is left then.
    if (committingChild_ || !child) return;
    QMdiSubWindow* previous = activeChild_;
    if (previous && previous != child) {
        committingChild_ = true;
        const bool committed = commitChild(previous);
        committingChild_ = false;
        if (!committed) return;
    }
    activeChild_ = child;
}

void MainWindow::closeChildWindows(bool force) {
    // Each child commits as it closes; the one activated in its place has nothing to commit yet.
    committingChild_ = true;
    for (QMdiSubWindow* child : mdiArea_->subWindowList()) {
        child->close();
        if (force) delete child;
    }
    committingChild_ = false;
    activeChild_ = mdiArea_->activeSubWindow();
}

// --- Keeping commands up to date ----------------------------------------------------------------------

void MainWindow::updateCaption() {
    setWindowTitle(windowCaption(project_->data().fileName) + QStringLiteral("[*]"));
}

void MainWindow::updatePileShapeCommands() {
    const bool circular = project_->data().circular;
    circularAction_->setEnabled(circular);
    noncircularAction_->setEnabled(!circular);
    // The dialog of the other shape edits values the pile no longer has.
    const DialogId other = circular ? DialogId::NoncircularPile : DialogId::CircularPile;
    if (QMdiSubWindow* child = childWindow(QStringLiteral("dialog:%1").arg(static_cast<int>(other)))) {
        if (!child->close()) delete child;
    }
}

bool MainWindow::graphsAvailable() const {
    return plotLoaded_ && QFileInfo::exists(besideProject(project_->data().fileName, ".tv6p"));
}

void MainWindow::updateGraphicsCommands() {
    const bool available = graphsAvailable();
    const ProjectData& current = project_->data();
    for (const auto& [action, graph] : graphActions_) {
        // The driveability graphs come with a driveability run, which needs no analysis before it.
        if (static_cast<int>(graph) >= kFirstDriveGraph) {
            action->setEnabled(project_->graph(graph).lineCount() > 0);
            continue;
        }
        bool enabled = available;
        if (graph == ResultGraph::TipResistance || graph == ResultGraph::TipQw)
            enabled &= !current.isUplift();
        if (graph == ResultGraph::ExtraTzCurves) enabled &= current.printExtraTz;
        // The downdrag graphs come with a run of a project that holds a soil settlement.
        if (graph == ResultGraph::Downdrag || graph == ResultGraph::DowndragMovement)
            enabled &= project_->graph(graph).lineCount() > 0;
        action->setEnabled(enabled);
    }
}

void MainWindow::updateToolBar() {
    const bool available = graphsAvailable();
    for (QAction* a : toolBarGraphActions_) a->setEnabled(available);
}

void MainWindow::updateComputationCommands() {
    const QString name = project_->data().fileName;
    editInputAction_->setEnabled(QFileInfo::exists(name));
    editNotesAction_->setEnabled(QFileInfo::exists(besideProject(name, ".tv6r")));
    editOutputAction_->setEnabled(QFileInfo::exists(besideProject(name, ".tv6o")));
    editGrlweapAction_->setEnabled(QFileInfo::exists(besideProject(name, ".gwi")));
}

void MainWindow::updateFileMenu() {
    const RecentFiles recent(settings_->recentFiles());
    const QString here = QDir::currentPath();
    for (int i = 0; i < recentActions_.size(); ++i) {
        const bool shown = i < recent.files().size();
        recentActions_[i]->setVisible(shown);
        if (shown) recentActions_[i]->setText(recent.menuText(i, here));
    }
    recentSeparator_->setVisible(!recent.files().isEmpty());
}

void MainWindow::updateWindowMenu() {
    windowMenu_->clear();
    command(windowMenu_, texts::kCascade, [this] { mdiArea_->cascadeSubWindows(); });
    command(windowMenu_, texts::kArrangeIcons, [this] { mdiArea_->tileSubWindows(); });
    const QList<QMdiSubWindow*> children = mdiArea_->subWindowList();
    if (!children.isEmpty()) windowMenu_->addSeparator();
    for (int i = 0; i < children.size() && i < kMaxWindowItems; ++i) {
        const QPointer<QMdiSubWindow> child = children[i];
        QString caption = child->windowTitle();
        QAction* a =
            command(windowMenu_, caption.replace(QLatin1Char('&'), QLatin1String("&&")), [this, child] {
                if (child) mdiArea_->setActiveSubWindow(child);
            });
        a->setCheckable(true);
        a->setChecked(child == mdiArea_->activeSubWindow());
    }
}

void MainWindow::updateOptionsMenu() {
    const bool english = project_->data().units == UnitSystem::English;
    englishAction_->setChecked(english);
    siAction_->setChecked(!english);
    extraTzOptionAction_->setChecked(project_->data().printExtraTz);
}

void MainWindow::showSoilColumns() {
    const ProjectData& current = project_->data();
    project_->tables().showSoilColumns(current.offshoreEdition,
                                       current.loadTransferMethod == Method::UserSpecified);
}

void MainWindow::showResultGraph(ResultGraph graph) {
    const bool drive = static_cast<int>(graph) >= kFirstDriveGraph;
    if (drive ? project_->graph(graph).lineCount() > 0 : graphsAvailable()) showGraph(project_->graph(graph));
}

void MainWindow::viewBesideProject(const char* extension) {
    const QString path = besideProject(QFileInfo(project_->data().fileName).absoluteFilePath(), extension);
    if (QFileInfo::exists(path)) viewFile(path);
}

// --- Help ------------------------------------------------------------------------------------------

void MainWindow::showHelp(const QString& file, const QString& anchor) {
    // One help window beside the frame, kept across New and Open.
    if (!help_) {
        help_ = new HelpWindow(this);
        help_->setWindowFlag(Qt::Window);
    }
    help_->showManual(file, anchor);
    help_->show();
    help_->raise();
}

QString MainWindow::updateCheckAddress(const QDate& today) {
    return texts::kUpdateCheckAddress + QString(texts::kUpdateCheckProduct) +
           today.toString(QStringLiteral("MM/dd/yy"));
}

void MainWindow::checkForUpdates() {
    openExternally(QUrl(updateCheckAddress(QDate::currentDate())));
}

void MainWindow::about() {
    AboutBox box(this);
    box.exec();
}

// --- Frame events ----------------------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!commitActiveChild() || !maybeSave()) {
        event->ignore();
        return;
    }
    writeSettings();
    closeChildWindows(true);
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    // Of several files only the first is opened.
    const QString path = urls.first().toLocalFile();
    openProject(path, formatOfPath(path));
}

}  // namespace torve::app

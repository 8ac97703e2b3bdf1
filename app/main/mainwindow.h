// The program's frame: menus, toolbar, child windows, file commands and the analysis run.
#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "app/main/checkwindow.h"
#include "app/main/helpwindow.h"
#include "app/project/projectfile.h"
#include "app/widgets/appsettings.h"
#include "app/widgets/windowhost.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QDate;
class QMenu;

namespace torve::app {

class DriveabilityRun;
class ProjectHistory;
enum class ResultGraph;
struct DriveabilitySettings;
struct RunOutcome;

// Owns the one project and hosts every dialog, table and graph as a child window, each at most
// once. Before a menu opens and before a file command or a run acts, the active child hands its
// values to the project; a child that refuses (an entry that does not pass its check) comes back
// to the front and the command does not act. Every message and question goes through messages(),
// and the file dialogs through two virtual functions, so that tests can answer them.
class MainWindow : public QMainWindow, public WindowHost, public FindingTarget {
    Q_OBJECT

  public:
    // `settings` null: the user's own settings.
    explicit MainWindow(std::unique_ptr<AppSettings> settings = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The project named on the command line: without an extension ".tv6d" is added; a file that does
    // not exist leaves the new project.
    void openStartupFile(const QString& argument);
    // Opens `path` as File > Open does after its dialog (asks to save first).
    bool openProject(const QString& path, ProjectFormat format);
    // The folder of the engine library; the program's own by default.
    void setEngineDirectory(const QString& directory) { engineDirectory_ = directory; }

    bool plotLoaded() const { return plotLoaded_; }
    // The undo and redo steps of the open project.
    ProjectHistory& history() { return *history_; }
    // The address "Check for Updates" hands to the browser on `today`.
    static QString updateCheckAddress(const QDate& today);

    // WindowHost
    Project& project() override { return *project_; }
    AppSettings& settings() override { return *settings_; }
    void showDialog(DialogId id) override;
    void showTable(GridTable& table) override;
    void showGraph(Graph& graph) override;
    void viewFile(const QString& path) override;
    // FindingTarget: opens the dialog that holds the finding's value and puts the focus in its field.
    void goToFinding(const Finding& finding) override;

  public slots:
    void newProject();
    void open();
    bool save();
    bool saveAs();
    void runAnalysis();
    // The characteristic capacity from several CPT data files, the saved project run with each.
    void showCharacteristicCapacity();
    // Computation > Driveability...: the dialog, then a run of the saved project with its entries.
    void showDriveability();
    // Checks and saves the project as a run does, then drives its pile through the library on a
    // worker thread behind a progress dialog whose Cancel stops the engine; the event loop goes on
    // meanwhile. When the run ends its outcome is told, and the driveability graphs of a solved run
    // open. False when the run did not start (the check, the save or the library stopped it).
    bool runDriveability(const DriveabilitySettings& settings);
    bool isDriveabilityRunning() const;
    // "Check Data": the findings of the check before a run, in the check window.
    void checkData();
    // The results summary of the last run, opened or brought forward.
    void showResultsSummary();
    // File > Export Calculation Sheet: asks where, then writes the sheet of the last run's results.
    void exportCalculationSheet();
    // Writes the sheet to `path` (.pdf, .html; another name gets ".pdf"); false after showing why not.
    bool exportCalculationSheetTo(const QString& path);
    // A text file shown read-only inside the program (no editor set).
    void showReadOnly(const QString& path);
    // Edit > Undo and Redo: the project's last change taken back, or made again.
    void undo();
    void redo();
    // Edit > Copy and Paste: cells of the active table window, or the text of the focused field.
    void copy();
    void paste();

  protected:
    // The file dialogs; tests answer them. An empty path is a cancelled dialog.
    virtual QString askOpenPath(ProjectFormat* format);
    virtual QString askSavePath(const QString& title, const QString& suggested);
    // The Driveability dialog, showing `last`; its entries when the user chose Run. The entries it
    // was closed with are kept in the settings either way.
    virtual std::optional<DriveabilitySettings> askDriveability();
    // Hands an address to the desktop (a manual's web link, the update page, a file to view).
    virtual bool openExternally(const QUrl& url);

    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // The check before a run, then the save a run reads the project from: true when the saved
    // project may run, false after saying why not (or when the user cancelled).
    bool checkAndSaveForRun();
    enum class SaveResult { Saved, Cancelled, Failed };

    void createMenus();
    void createFileMenu();
    void createEditMenu();
    void updateEditCommands();
    // The Edit menu's keys give way in a child window that takes the same keys for its own commands
    // (a graph window's Ctrl+Z and Ctrl+C): two commands on one key would leave both deaf to it.
    void updateEditShortcuts(QMdiSubWindow* child);
    void createDataMenu();
    void createOptionsMenu();
    void createComputationMenu();
    void createGraphicsMenu();
    void createHelpMenu();
    QMenu* addMenu(const QString& title, bool commitsFirst);
    QAction* command(QMenu* menu, const QString& caption, const std::function<void()>& slot);
    QAction* dialogCommand(QMenu* menu, const QString& caption, DialogId id);
    void createToolBar();
    // The results summary's commands, enabled with the graphs, and the status bar.
    void createResultsCommands();
    void updateResultsCommands();
    // "Completed in 0.4 s" and the like in the status bar, until the project changes.
    void showRunStatus(const RunOutcome& outcome, qint64 milliseconds);
    void clearRunStatus();
    void readSettings();
    void writeSettings();

    // Asks to save a modified project; false when the user cancels or the save did not succeed.
    bool maybeSave();
    SaveResult saveProject(QString* error);
    SaveResult saveProjectAs(QString* error);
    void reportSave(SaveResult result, const QString& error);
    // Opens `path` after the question to save: replaces the project, reads its plot file.
    bool openFile(const QString& path, ProjectFormat format);
    void setProject(std::unique_ptr<Project> project);
    // Options > Units: converts the project, and offers the new system's own computation increment
    // in place of the converted one (Yes), keeps the converted one (No) or leaves the units (Cancel).
    void switchUnits(UnitSystem units);
    void watchProject();
    void addRecentFile(const QString& path);
    void openRecentFile(int index);

    bool commitActiveChild();
    bool commitChild(QMdiSubWindow* child);
    void childActivated(QMdiSubWindow* child);
    // Closes every child window; with `force`, also those that refuse (the project they show goes).
    void closeChildWindows(bool force);
    QMdiSubWindow* childWindow(const QString& key) const;
    // Adds `widget` as a child window of its own size (at most the working area's), its frame
    // `without` the given buttons.
    QMdiSubWindow* addChild(QWidget* widget, const QString& key, Qt::WindowFlags without = {});

    void updateCaption();
    void updatePileShapeCommands();
    void updateGraphicsCommands();
    void updateToolBar();
    void updateComputationCommands();
    void updateFileMenu();
    void updateWindowMenu();
    void updateOptionsMenu();
    void showSoilColumns();
    bool graphsAvailable() const;
    void showResultGraph(ResultGraph graph);
    // The end of a driveability run: its outcome told, the graphs of a solved run opened.
    void driveabilityEnded();
    // The driveability graphs of the last run kept beside the project just opened, when there are
    // readable ones; a file that cannot be read leaves them empty.
    void showKeptDriveability();
    void viewBesideProject(const char* extension);
    void showHelp(const QString& file, const QString& anchor);
    void checkForUpdates();
    void about();

    std::unique_ptr<AppSettings> settings_;
    std::unique_ptr<Project> project_;
    // Declared after the project, which it refers to: it goes first.
    std::unique_ptr<ProjectHistory> history_;
    QMdiArea* mdiArea_;
    QPointer<QMdiSubWindow> activeChild_;
    bool committingChild_ = false;
    bool plotLoaded_ = false;
    QString engineDirectory_;

    QMenu* fileMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QList<QPair<QAction*, QList<QKeySequence>>> editKeys_;
    QList<QAction*> recentActions_;
    QAction* circularAction_ = nullptr;
    QAction* noncircularAction_ = nullptr;
    QAction* englishAction_ = nullptr;
    QAction* siAction_ = nullptr;
    QAction* extraTzOptionAction_ = nullptr;
    QAction* editInputAction_ = nullptr;
    QAction* editNotesAction_ = nullptr;
    QAction* editOutputAction_ = nullptr;
    QAction* editGrlweapAction_ = nullptr;
    QAction* summaryAction_ = nullptr;
    QAction* summaryToolAction_ = nullptr;
    QList<QPair<QAction*, ResultGraph>> graphActions_;
    QList<QAction*> toolBarGraphActions_;
    QPointer<HelpWindow> help_;
    std::unique_ptr<DriveabilityRun> driveRun_;
};

}  // namespace torve::app

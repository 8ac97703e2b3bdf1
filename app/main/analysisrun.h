// One run of the engine library on a saved project, from the file of names to the plot file read back.
#pragma once

#include <QString>

namespace torve::app {

class Project;

// What a run came to, for the main window to tell the user.
struct RunOutcome {
    enum class Kind {
        Completed,  // results written and read back
        Stopped,    // the engine stopped at its soil-extent or segment-limit check
        Failed,     // the engine reported an error, or its plot data file could not be read
        NotRun,     // the file of names or the library could not be had
    };
    Kind kind = Kind::NotRun;
    QString message;  // what to show
    bool plotLoaded = false;
};

// Runs the engine on the project's saved input data file: writes the file of names into a private
// temporary folder that is the current directory for the call only, binds the library from
// `engineDirectory`, calls it with its console captured into the run-notes file (.tv6r) beside the
// project, releases it, removes the folder, and reads the plot data file of a completed run into
// the project's results. The result of a run that did not complete is cleared, never shown as new.
class AnalysisRun {
  public:
    AnalysisRun(Project& project, const QString& engineDirectory);

    RunOutcome execute();

  private:
    // Reads what the engine wrote: its status, the report's last error line, the console's lines.
    RunOutcome classify(int status) const;
    // What to add to a completed run's message when the downdrag asked for has no solution.
    QString downdragNotice() const;

    Project& project_;
    QString engineDirectory_;
    QString input_;  // absolute path of the input data file
};

}  // namespace torve::app

// The characteristic capacity of the project's pile from several CPT data files: the project run with
// each in turn, the table per depth and the graph of the capacities with R_c,k.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "engine/model/characteristic_capacity.h"
#include "engine/model/method_table.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QTableWidget;

namespace torve::app {

class Graph;
class GraphCanvas;

// What the project run with one CPT data file gave: the capacity of the method at each depth, or
// the message of the run that gave none.
struct SoundingRun {
    std::optional<SoundingCapacity> capacity;
    QString error;
};

// Runs the project with the CPT data file in place of its own and takes the method's capacity.
using SoundingRunner = std::function<SoundingRun(const QString& cptFile, Method method)>;

class CharacteristicCapacityDialog : public QDialog {
    Q_OBJECT

  public:
    // `methods`: those the project selects, offered in that order; forces in kips or kN by `english`.
    CharacteristicCapacityDialog(std::vector<Method> methods, bool english, SoundingRunner runner,
                                 QWidget* parent = nullptr);
    ~CharacteristicCapacityDialog() override;

    // Appends files to the list, each once.
    void addCptFiles(const QStringList& files);
    // Runs the project with every file listed and shows the table and the graph; the status line says
    // what went wrong when there is nothing to show.
    void compute();

    const std::optional<CharacteristicCapacity>& result() const { return result_; }
    const Graph& graph() const { return *graph_; }

  private:
    void showTable(const CharacteristicCapacity& c);

    std::vector<Method> methods_;
    bool english_;
    SoundingRunner runner_;
    std::optional<CharacteristicCapacity> result_;
    std::unique_ptr<Graph> graph_;
    QListWidget* files_ = nullptr;
    QComboBox* method_ = nullptr;
    QCheckBox* stiff_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* status_ = nullptr;
    GraphCanvas* canvas_ = nullptr;
};

}  // namespace torve::app

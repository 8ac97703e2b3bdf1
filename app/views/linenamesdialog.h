// The dialog that renames the curves of a graph for its legend.
#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;

namespace torve::app {

// Lists one name per curve; picking one puts it, in the curve's colour, into an edit box where it
// is retyped. Enter or leaving the box renames the picked curve; a name may not be empty. Takes and
// gives plain names: the graph window applies them when the dialog closes with OK.
class LineNamesDialog : public QDialog {
    Q_OBJECT

  public:
    LineNamesDialog(const QStringList& names, QWidget* parent = nullptr);

    // The names as they stand in the list.
    QStringList names() const;

    void accept() override;

  private:
    void pick(int row);
    // The edit box into the picked entry; false (with the message shown) when it is empty.
    bool commitEdit();

    QListWidget* list_;
    QLineEdit* edit_;
};

}  // namespace torve::app

// Where the user enters the value a finding of the check names: the dialog and its field.
#pragma once

#include <QString>
#include <optional>

#include "app/project/precheck.h"
#include "app/widgets/dialogid.h"

namespace torve::app {

struct FindingPlace {
    DialogId dialog = DialogId::Title;
    // The field's accessible name, or the beginning of it (a number field adds its units); empty
    // when the dialog as a whole holds the value (a choice of methods, a table).
    QString field;
    // A value of a layer's soil data: the layer (from 1) whose data dialog holds `field`.
    int dataOfLayer = 0;
    bool operator==(const FindingPlace&) const = default;
};

// The place of `finding` in a project whose pile is `circular`; none for a value no dialog edits.
std::optional<FindingPlace> placeOf(const Finding& finding, bool circular);
// The accessible name of the button of the soil layers dialog that opens layer `layer`'s data.
QString editLayerButton(int layer);

}  // namespace torve::app

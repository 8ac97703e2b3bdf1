// The input dialogs by name.
#include "app/dialogs/dialogfactory.h"

#include "app/dialogs/circularpiledialog.h"
#include "app/dialogs/computationmethodsdialog.h"
#include "app/dialogs/controloptionsdialog.h"
#include "app/dialogs/cptdatadialog.h"
#include "app/dialogs/criticaldepthdialog.h"
#include "app/dialogs/noncircularpiledialog.h"
#include "app/dialogs/pilematerialdialog.h"
#include "app/dialogs/soillayersdialog.h"
#include "app/dialogs/soilsettlementdialog.h"
#include "app/dialogs/titledialog.h"
#include "app/dialogs/tzprintoptiondialog.h"
#include "app/widgets/childdialog.h"

namespace torve::app {

namespace {

QWidget* newDialog(DialogId id, WindowHost& host, QWidget* parent) {
    switch (id) {
        case DialogId::ComputationMethods:
            return new ComputationMethodsDialog(host, parent);
        case DialogId::ControlOptions:
            return new ControlOptionsDialog(host, parent);
        case DialogId::TzPrintOption:
            return new TzPrintOptionDialog(host, parent);
        case DialogId::CriticalDepth:
            return new CriticalDepthDialog(host, parent);
        case DialogId::PileMaterial:
            return new PileMaterialDialog(host, parent);
        case DialogId::CircularPile:
            return new CircularPileDialog(host, parent);
        case DialogId::NoncircularPile:
            return new NoncircularPileDialog(host, parent);
        case DialogId::SoilLayers:
            return new SoilLayersDialog(host, parent);
        case DialogId::SoilSettlement:
            return new SoilSettlementDialog(host, parent);
        case DialogId::CptData:
            return new CptDataDialog(host, parent);
        case DialogId::Title:
            return new TitleDialog(host, parent);
        default:
            return nullptr;
    }
}

}  // namespace

QWidget* createDialog(DialogId id, WindowHost& host, QWidget* parent) {
    QWidget* made = newDialog(id, host, parent);
    // Forms scroll where the room is too small for them.
    if (auto* dialog = qobject_cast<ChildDialog*>(made)) dialog->scrollWhenLarge();
    return made;
}

}  // namespace torve::app

// Every file of texts in one translation unit: the texts of all folders share one namespace, and
// a name given twice (a dialog's caption and a menu command of the same words) would otherwise
// link as whichever definition the linker keeps, so that a check box could read as a menu command.
// Here a second definition of a name fails the build.
#include "app/controls/texts.h"
#include "app/dialogs/texts.h"
#include "app/graph/texts.h"
#include "app/main/texts.h"
#include "app/project/texts.h"
#include "app/render/texts.h"
#include "app/sounding/texts.h"
#include "app/table/texts.h"
#include "app/views/texts.h"
#include "app/widgets/texts.h"

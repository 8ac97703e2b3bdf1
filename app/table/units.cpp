// The desktop program's unit factors between English and S.I. units.
#include "app/table/units.h"

namespace torve::app {

double converted(double value, double factor) {
    return converted_value(value, factor);
}

}  // namespace torve::app

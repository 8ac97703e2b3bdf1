// The templates of a table column: entries naming a table by identifier or by registry position.
#include "app/table/gridtablelist.h"

#include "app/table/gridtableregistry.h"

namespace torve::app {

TGridTable* TGridTableList::resolve(int i, const TGridTableRegistry& registry) const {
    if (i < 0 || i >= count()) return nullptr;
    const Entry& e = entry(i);
    if (e.value < 0) return nullptr;
    return e.byIdentifier ? registry.byIdentifier(e.value) : registry.at(e.value);
}

}  // namespace torve::app

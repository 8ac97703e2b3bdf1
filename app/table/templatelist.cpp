// The templates of a sub-table column: entries naming a table by identifier or by registry position.
#include "app/table/templatelist.h"

#include "app/table/gridtableregistry.h"

namespace torve::app {

GridTable* TemplateList::resolve(int i, const GridTableRegistry& registry) const {
    if (i < 0 || i >= count()) return nullptr;
    const Entry& e = entry(i);
    if (e.value < 0) return nullptr;
    return e.byIdentifier ? registry.byIdentifier(e.value) : registry.at(e.value);
}

}  // namespace torve::app

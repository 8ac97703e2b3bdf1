// The tables of one project in creation order, with their identifiers.
#include "app/table/gridtableregistry.h"

#include <algorithm>

#include "app/table/gridtable.h"

namespace torve::app {

int GridTableRegistry::add(GridTable* table) {
    tables_.push_back(table);
    while (byIdentifier(counter_)) ++counter_;
    return counter_++;
}

void GridTableRegistry::remove(GridTable* table) {
    tables_.erase(std::remove(tables_.begin(), tables_.end(), table), tables_.end());
}

GridTable* GridTableRegistry::byIdentifier(int identifier) const {
    for (GridTable* t : tables_)
        if (t->identifier() == identifier) return t;
    return nullptr;
}

GridTable* GridTableRegistry::at(int position) const {
    if (position < 0 || position >= static_cast<int>(tables_.size())) return nullptr;
    return tables_[static_cast<std::size_t>(position)];
}

}  // namespace torve::app

// The tables of one workspace in creation order, with their identifiers.
#include "app/table/gridtableregistry.h"

#include <algorithm>

#include "app/table/gridtable.h"

namespace torve::app {

int TGridTableRegistry::add(TGridTable* table) {
    tables_.push_back(table);
    while (byIdentifier(counter_)) ++counter_;
    return counter_++;
}

void TGridTableRegistry::remove(TGridTable* table) {
    tables_.erase(std::remove(tables_.begin(), tables_.end(), table), tables_.end());
}

TGridTable* TGridTableRegistry::byIdentifier(int identifier) const {
    for (TGridTable* t : tables_)
        if (t->Identifier() == identifier) return t;
    return nullptr;
}

TGridTable* TGridTableRegistry::at(int position) const {
    if (position < 0 || position >= static_cast<int>(tables_.size())) return nullptr;
    return tables_[static_cast<std::size_t>(position)];
}

}  // namespace torve::app

// The tables of one project in creation order, with their identifiers.
#pragma once

#include <vector>

namespace torve::app {

class GridTable;

// Sub-table columns find their templates here by identifier or by position. One registry per
// project (not per process), so two projects open in one process, as in tests or the command-line
// runner, never trade identifiers.
class GridTableRegistry {
  public:
    GridTableRegistry() = default;
    GridTableRegistry(const GridTableRegistry&) = delete;
    GridTableRegistry& operator=(const GridTableRegistry&) = delete;

    // Enters a table and returns a fresh identifier: the counter's next value not already in use.
    int add(GridTable* table);
    void remove(GridTable* table);

    GridTable* byIdentifier(int identifier) const;  // the first registered table with it, or none
    GridTable* at(int position) const;              // by creation order, or none
    const std::vector<GridTable*>& tables() const { return tables_; }

  private:
    std::vector<GridTable*> tables_;
    int counter_ = 0;
};

}  // namespace torve::app

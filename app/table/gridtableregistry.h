// The tables of one workspace in creation order, with their identifiers.
#pragma once

#include <vector>

namespace torve::app {

class TGridTable;

// Table columns find their sub-table templates here by identifier or by position. One registry per
// workspace (not per process), so two projects open in one process, as in tests or the command-line
// runner, never trade identifiers.
class TGridTableRegistry {
  public:
    TGridTableRegistry() = default;
    TGridTableRegistry(const TGridTableRegistry&) = delete;
    TGridTableRegistry& operator=(const TGridTableRegistry&) = delete;

    // Enters a table and returns a fresh identifier: the counter's next value not already in use.
    int add(TGridTable* table);
    void remove(TGridTable* table);

    TGridTable* byIdentifier(int identifier) const;  // the first registered table with it, or none
    TGridTable* at(int position) const;              // by creation order, or none
    const std::vector<TGridTable*>& tables() const { return tables_; }

  private:
    std::vector<TGridTable*> tables_;
    int counter_ = 0;
};

}  // namespace torve::app

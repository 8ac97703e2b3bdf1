// The templates of a sub-table column: entries naming a table by identifier or by registry position.
#pragma once

#include <vector>

namespace torve::app {

class GridTable;
class GridTableRegistry;

class TemplateList {
  public:
    struct Entry {
        bool byIdentifier = true;
        int value = -1;  // an identifier, or a position in the registry; -1 names no table
    };

    void addIdentifier(int identifier) { entries_.push_back({true, identifier}); }
    void addPosition(int position) { entries_.push_back({false, position}); }
    int count() const { return static_cast<int>(entries_.size()); }
    // Pads with empty entries or cuts to exactly n entries.
    void resize(int n) { entries_.resize(static_cast<std::size_t>(n < 0 ? 0 : n)); }
    const Entry& entry(int i) const { return entries_[static_cast<std::size_t>(i)]; }

    // The table entry i names, or none (also for an index outside the list).
    GridTable* resolve(int i, const GridTableRegistry& registry) const;

  private:
    std::vector<Entry> entries_;
};

}  // namespace torve::app

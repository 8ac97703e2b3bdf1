// The graph of a characteristic capacity: the capacity calculated with each sounding against depth,
// and the characteristic capacity over them.
#pragma once

#include "app/graph/graph.h"
#include "engine/model/characteristic_capacity.h"

namespace torve::app {

// One curve per sounding, named as the sounding is, then R_c,k; depth down the graph, forces in kips
// or kN by `english`.
Graph characteristicGraph(const CharacteristicCapacity& capacity, bool english);

}  // namespace torve::app

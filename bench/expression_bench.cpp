// Speed of expression entry on long entries: evaluation is one walk over the text, so the time
// grows with the length and not with its square (Google Benchmark fits the order, "BigO").
#include <benchmark/benchmark.h>

#include <QLocale>
#include <QString>

#include "app/controls/expression.h"

namespace {

void BM_EvaluateLongSum(benchmark::State& state) {
    const QString text = QStringLiteral("1+").repeated(state.range(0)) + u'1';
    for (auto _ : state) benchmark::DoNotOptimize(torve::app::evaluateExpression(text, QLocale::c()));
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_EvaluateLongSum)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity();

// Loading the unit catalogue from its bytes: realistic code page 932 catalogues of growing size.
#include "catalogue/clsMsData.h"
#include "support/GeneratedCatalogue.h"

#include <benchmark/benchmark.h>
#include <limits>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

using velmora::clsMsData;
using velmora::bench::Catalogue;

void LoadRepeatedly(benchmark::State& state, bool warmUp) {
    const int units = int(state.range(0));
    const QByteArray bytes = Catalogue(units);
    if (warmUp && !clsMsData().LoadFromBytes(bytes).ok())
        throw std::runtime_error("the generated catalogue did not load");
    for (auto _ : state) {
        clsMsData catalogue;
        const velmora::Status status = catalogue.LoadFromBytes(bytes);
        if (!status.ok() || catalogue.UnitCount() != units) {
            state.SkipWithError("the generated catalogue did not load");
            break;
        }
        benchmark::DoNotOptimize(catalogue.UnitCount());
    }
    state.SetComplexityN(units);
    state.SetItemsProcessed(state.iterations() * units);
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// As the program loads: every load gets fresh memory from the system (the large blocks, the
// decoded text and the record array, are mapped anew each time), so the figure includes the
// system's cost of providing ~3 KB per unit record.
void BM_LoadCatalogue(benchmark::State& state) { LoadRepeatedly(state, false); }

BENCHMARK(BM_LoadCatalogue)
    ->Arg(500)
    ->Arg(5000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

#if defined(__GLIBC__)
// The same with the allocator keeping freed memory for the next load (and one untimed load to
// grow the heap first): the decoding and parsing alone, without the page faults of fresh
// memory, which are very costly on some virtual machines.
// Registered last because the allocator setting stays for the rest of the run.
void BM_LoadCatalogueWarmHeap(benchmark::State& state) {
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
    LoadRepeatedly(state, true);
}

BENCHMARK(BM_LoadCatalogueWarmHeap)
    ->Arg(500)
    ->Arg(5000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
#endif

}  // namespace

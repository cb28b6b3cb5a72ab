#include "core/duplicates.h"
#include "core/headless_host.h"
#include "core/load_context.h"
#include "core/nk2_load.h"
#include "core/nk2_scan.h"
#include "core/structure_load.h"
#include "nk2_generator.h"

#include <benchmark/benchmark.h>
#include <map>
#include <string>

namespace {

using quillet::core::HeadlessHost;

// The file that reaches both step limits: built once, at start-up.
const std::string& limitsFile() {
    static const std::string file = quillet::testdata::limitsFile();
    return file;
}

// The whole load without pauses, as the converter runs it.
void fullLoad(benchmark::State& state, quillet::core::LoadOptions options) {
    const std::string& file = limitsFile();
    std::size_t rows = 0;
    for (auto _ : state) {
        HeadlessHost host;
        quillet::core::loadNk2(file, options, host);
        rows = host.rows().size();
        benchmark::DoNotOptimize(host.rows().data());
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["MB"] = static_cast<double>(file.size()) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK_CAPTURE(fullLoad, both_types, quillet::core::LoadOptions{})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fullLoad, smtp_only, quillet::core::LoadOptions{true, false, true, false})
    ->Unit(benchmark::kMillisecond);

// The structural reading of the same file: every item, no step budget.
void structureRead(benchmark::State& state) {
    const std::string& file = limitsFile();
    std::size_t items = 0;
    for (auto _ : state) {
        const quillet::core::Nk2Structure read = quillet::core::readNk2Structure(file);
        items = read.items.size();
        benchmark::DoNotOptimize(read.items.data());
    }
    state.counters["items"] = static_cast<double>(items);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(structureRead)->Unit(benchmark::kMillisecond);

// The file's side of the count of addresses the scan missed, as the converter works it out beside
// the scan: the structure read without keeping its items, each address keyed once.
void structureCellKeys(benchmark::State& state) {
    const std::string& file = limitsFile();
    for (auto _ : state) {
        quillet::core::StructureCellKeys keys({}, file.size());
        keys.finish(file);
        benchmark::DoNotOptimize(&keys);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(structureCellKeys)->Unit(benchmark::kMillisecond);

// The structural load as --read structure runs it: reading, distinct addresses, rows.
void structureLoad(benchmark::State& state) {
    const std::string& file = limitsFile();
    std::size_t rows = 0;
    for (auto _ : state) {
        HeadlessHost host;
        quillet::core::loadNk2Structure(file, {}, host);
        rows = host.rows().size();
        benchmark::DoNotOptimize(host.rows().data());
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(structureLoad)->Unit(benchmark::kMillisecond);

// Files of a given size whose markers stay below the step limits, so both scans read them whole.
const std::string& fileOfSize(std::int64_t bytes) {
    static std::map<std::int64_t, std::string> files;
    std::string& file = files[bytes];
    if (file.empty()) {
        constexpr std::size_t kRowBytes = 1900; // a realistic row plus padding
        const auto rows = static_cast<std::size_t>(bytes) / kRowBytes;
        file = quillet::testdata::nk2File(quillet::testdata::realisticEntries(rows, rows / 4, 7),
                                          {1500});
    }
    return file;
}

void scansBySize(benchmark::State& state) {
    const std::string& file = fileOfSize(state.range(0));
    for (auto _ : state) {
        HeadlessHost host;
        quillet::core::LoadContext load(file, host);
        quillet::core::exchangeScan(load);
        quillet::core::smtpScan(load);
        benchmark::DoNotOptimize(host.lists().smtpFound.items().data());
    }
    state.SetComplexityN(static_cast<std::int64_t>(file.size()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(scansBySize)
    ->RangeMultiplier(2)
    ->Range(256 << 10, 8 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Distinct addresses: the quadratic loop compares every pair, the simulation only equal ones.
quillet::core::ScratchList distinctAddresses(std::int64_t count) {
    quillet::core::ScratchList list;
    for (std::int64_t i = 0; i < count; ++i) {
        list.addItem("/o=Example/ou=Site/cn=Recipients/cn=user" + std::to_string(i) +
                     std::string("\0\x02", 2));
    }
    return list;
}

template <void (*Remove)(quillet::core::ScratchList&)> void duplicates(benchmark::State& state) {
    const quillet::core::ScratchList addresses = distinctAddresses(state.range(0));
    for (auto _ : state) {
        quillet::core::ScratchList list = addresses;
        Remove(list);
        benchmark::DoNotOptimize(list.items().data());
    }
}
BENCHMARK(duplicates<quillet::core::removeDuplicates>)
    ->Arg(1000)
    ->Arg(9000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(duplicates<quillet::core::removeDuplicatesReference>)
    ->Arg(1000)
    ->Arg(9000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace

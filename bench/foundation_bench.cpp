// How long the foundations take: parsing a large settings file, and one idle tick of the
// program's event loop on the simulated desktop.

#include <benchmark/benchmark.h>

#include "app/startup.h"
#include "base/text.h"
#include "core/app.h"
#include "core/settings.h"
#include "platform/sim/default_settings.h"
#include "platform/sim/sim_desktop.h"

namespace {

// A settings file of about 1 MiB: the shipped file followed by many more key=value lines.
std::vector<std::uint8_t> LargeSettingsFile() {
    std::u16string text = plv::DecodeUtf16Le(plv::sim::DefaultSettingsFile());
    std::size_t i = 0;
    while (text.size() * 2 < (1u << 20)) {
        std::string n = std::to_string(i);
        std::string line;
        line.append("# comment line number ").append(n).append("\r\nkey").append(n);
        line.append("=value with some text, ").append(std::to_string(i * 7)).append("\r\n");
        text.append(line.begin(), line.end());
        ++i;
    }
    return plv::ToUtf16Le(u"\uFEFF" + text, false);
}

void BM_ParseSettings1MiB(benchmark::State& state) {
    auto bytes = LargeSettingsFile();
    for (auto _ : state) {
        plv::SettingsCollection settings;
        plv::ParseSettingsText(plv::DecodeUtf16Le(bytes), settings);
        benchmark::DoNotOptimize(settings.Count());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ParseSettings1MiB)->Unit(benchmark::kMillisecond);

// The program started and connected, nothing happening: each iteration is one 50 ms step of the
// virtual clock, in which the selection watcher ticks once and finds nothing to do.
void BM_IdleTimerTick(benchmark::State& state) {
    plv::sim::SimDesktop sim;
    sim.world().files[u"c:\\program files\\parlevo\\plv.ini"] = plv::sim::DefaultSettingsFile();
    sim.StartProgram();
    plv::App app(sim.platform());
    plv::Main(app);
    sim.Wait(1000);
    const auto& tmr1 = sim.world().timers.front();
    std::int64_t dueBefore = *tmr1.due;
    for (auto _ : state) {
        sim.Wait(50);
    }
    // Proof that each iteration was one tick of the watcher.
    state.counters["tmr1_ticks_per_iteration"] =
        static_cast<double>(*tmr1.due - dueBefore) / 50.0 / static_cast<double>(state.iterations());
}
BENCHMARK(BM_IdleTimerTick)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();

// What a capture costs: the virtual time each way of copying takes (the waits are fixed sleeps),
// and the real CPU time of a capture when the user's clipboard holds a 1 MiB text.

#include <benchmark/benchmark.h>

#include "app/startup.h"
#include "capture/text_capture.h"
#include "core/app.h"
#include "platform/sim/default_settings.h"
#include "platform/sim/sim_desktop.h"

namespace {

using plv::sim::CopyBehaviour;

struct Desk {
    explicit Desk(CopyBehaviour copy) {
        sim.world().files[u"c:\\program files\\parlevo\\plv.ini"] = plv::sim::DefaultSettingsFile();
        sim.StartProgram();
        app = std::make_unique<plv::App>(sim.platform());
        plv::Main(*app);
        window = sim.AddApp(u"app.exe", copy, {0, 0, 800, 600}, u"Edit", u"selected text").window;
        sim.SetForeground(&sim.world().apps.back());
    }
    plv::sim::SimDesktop sim;
    std::unique_ptr<plv::App> app;
    plv::Hwnd window = 0;
};

void BM_CaptureVirtualTime(benchmark::State& state, CopyBehaviour copy) {
    Desk d(copy);
    std::int64_t virtualMs = 0;
    for (auto _ : state) {
        std::int64_t before = d.sim.world().now;
        benchmark::DoNotOptimize(plv::CaptureSelection(*d.app, d.window));
        virtualMs = d.sim.world().now - before;
    }
    state.counters["virtual_ms"] = static_cast<double>(virtualMs);
}
BENCHMARK_CAPTURE(BM_CaptureVirtualTime, copy_message, CopyBehaviour::Message);
BENCHMARK_CAPTURE(BM_CaptureVirtualTime, ctrl_insert, CopyBehaviour::Insert);
BENCHMARK_CAPTURE(BM_CaptureVirtualTime, ctrl_c, CopyBehaviour::CtrlC);
BENCHMARK_CAPTURE(BM_CaptureVirtualTime, nothing_copied, CopyBehaviour::None);

void BM_CaptureWith1MiBOnTheClipboard(benchmark::State& state) {
    Desk d(CopyBehaviour::Message);
    std::vector<std::uint8_t> big(1u << 20, 'a');
    big[big.size() - 1] = 0;
    big[big.size() - 2] = 0;
    for (auto _ : state) {
        state.PauseTiming();
        d.sim.world().ClipboardReplace(d.sim.world().desktopWindow, {{plv::kCfUnicodeText, big}});
        state.ResumeTiming();
        benchmark::DoNotOptimize(plv::CaptureSelection(*d.app, d.window));
    }
}
BENCHMARK(BM_CaptureWith1MiBOnTheClipboard)->Unit(benchmark::kMillisecond);

}  // namespace

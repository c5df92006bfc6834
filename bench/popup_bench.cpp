// The popup's costs: laying out a short and a long text, and the steps and virtual time of a
// 200-pixel growth at "SmoothGlide" 50.

#include <benchmark/benchmark.h>

#include "app/startup.h"
#include "core/app.h"
#include "platform/sim/default_settings.h"
#include "platform/sim/sim_desktop.h"
#include "popup/frm_trans.h"
#include "popup/popup_layout.h"

namespace {

struct Running {
    Running() {
        sim.world().files[u"c:\\program files\\parlevo\\plv.ini"] = plv::sim::DefaultSettingsFile();
        sim.StartProgram();
        app = std::make_unique<plv::App>(sim.platform());
        plv::Main(*app);
    }
    plv::sim::SimDesktop sim;
    std::unique_ptr<plv::App> app;
};

std::u16string Words(std::size_t length) {
    std::u16string text;
    const std::u16string words[] = {u"translation ", u"of ", u"a ", u"selected ", u"text "};
    for (std::size_t i = 0; text.size() < length; ++i) {
        text += words[i % 5];
    }
    text.resize(length);
    return text;
}

void BM_LayoutPopup(benchmark::State& state) {
    Running r;
    std::u16string text = Words(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        plv::LayoutPopup(*r.app, text);
    }
    state.SetLabel("hidden popup, " + std::to_string(text.size()) + " characters");
}
BENCHMARK(BM_LayoutPopup)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_Glide200Pixels(benchmark::State& state) {
    Running r;
    plv::FrmTrans& t = *r.app->frmTrans;
    std::int64_t virtualMs = 0;
    for (auto _ : state) {
        t.Move(3000, 1500, 240, 450);
        t.Show();
        std::int64_t before = r.sim.world().now;
        plv::GlideWindow(*r.app, t, 240 + 200 * 15, 450, 1500);
        virtualMs = r.sim.world().now - before;
    }
    state.counters["steps"] = static_cast<double>(virtualMs / 30);
    state.counters["virtual_ms"] = static_cast<double>(virtualMs);
}
BENCHMARK(BM_Glide200Pixels)->Unit(benchmark::kMicrosecond);

}  // namespace

#include "core/timer.h"

namespace plv {

Timer::Timer(EventLoop& loop, const std::string& name, bool enabledAtStart)
    : loop_(loop),
      id_(loop.CreateTimer(name,
                           [this] {
                               if (onTick_) {
                                   onTick_();
                               }
                           })),
      enabled_(enabledAtStart) {
    Apply();
}

Timer::~Timer() {
    loop_.DestroyTimer(id_);
}

void Timer::SetInterval(std::uint32_t ms) {
    interval_ = ms;
    Apply();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    Apply();
}

void Timer::Restart() {
    enabled_ = true;
    Apply();
}

void Timer::TickNow() {
    if (enabled_ && interval_ > 0 && !stopped_ && onTick_) {
        auto tick = onTick_;
        tick();
    }
}

void Timer::Stop() {
    stopped_ = true;
    loop_.SetTimer(id_, interval_, false);
}

void Timer::Apply() {
    if (!stopped_) {
        loop_.SetTimer(id_, interval_, enabled_);
    }
}

}  // namespace plv

#pragma once
// A timer of the main form: an interval and an enabled flag, kept apart as the program sets them
// separately. It ticks only while enabled with an interval above 0.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/platform.h"

namespace plv {

class Timer {
  public:
    // The timer ticks into nothing until the module that owns it gives it a handler.
    Timer(EventLoop& loop, const std::string& name, bool enabledAtStart);
    // The timer goes with its owner: no tick can reach a handler whose object is gone.
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void SetHandler(std::function<void()> onTick) { onTick_ = std::move(onTick); }

    std::uint32_t Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    // A new interval starts a full count anew when the timer is running.
    void SetInterval(std::uint32_t ms);
    // Switching a running timer on again does not restart its count; Restart does.
    void SetEnabled(bool enabled);
    // On, with a full interval from now.
    void Restart();
    // While on: the handler runs now, as at a tick; the count to the next tick goes on as it was.
    void TickNow();
    // The timer no longer ticks and ignores every later change (its form has been unloaded).
    void Stop();

  private:
    void Apply();

    EventLoop& loop_;
    std::function<void()> onTick_;
    TimerId id_;
    std::uint32_t interval_ = 0;
    bool enabled_;
    bool stopped_ = false;
};

}  // namespace plv

// The event loop and time: Qt's event loop, a QTimer per timer of the program.

#include <QtCore/QCoreApplication>
#include <QtCore/QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/x11/x11_backend.h"

namespace plv::x11 {

struct X11Loop::Timer {
    std::string name;
    std::unique_ptr<QTimer> timer;
    std::function<void()> onTick;  // empty once destroyed
};

X11Loop::X11Loop() {
    // PLV_TRACE=FILE writes the program's steps to FILE, as on Windows.
    if (const char* path = std::getenv("PLV_TRACE"); path != nullptr && *path != '\0') {
        trace_ = std::fopen(path, "a");
    }
}

X11Loop::~X11Loop() {
    if (trace_ != nullptr) {
        std::fclose(trace_);
    }
}

TimerId X11Loop::CreateTimer(const std::string& name, std::function<void()> onTick) {
    auto t = std::make_unique<Timer>();
    t->name = name;
    t->onTick = std::move(onTick);
    t->timer = std::make_unique<QTimer>();
    auto id = static_cast<TimerId>(timers_.size() + 1);
    QObject::connect(t->timer.get(), &QTimer::timeout, [this, id] {
        Timer& timer = *timers_[id - 1];
        if (timer.onTick) {
            // A copy: the tick may destroy its own timer, which releases the callback.
            std::function<void()> tick = timer.onTick;
            tick();
        }
    });
    timers_.push_back(std::move(t));
    return id;
}

void X11Loop::SetTimer(TimerId id, std::uint32_t intervalMs, bool enabled) {
    if (id == 0 || id > timers_.size() || !timers_[id - 1]->onTick) {
        return;
    }
    QTimer& t = *timers_[id - 1]->timer;
    if (enabled && intervalMs > 0) {
        t.start(static_cast<int>(intervalMs));  // a running timer starts a full interval anew
    } else {
        t.stop();
    }
}

void X11Loop::DestroyTimer(TimerId id) {
    if (id == 0 || id > timers_.size()) {
        return;
    }
    timers_[id - 1]->timer->stop();
    timers_[id - 1]->onTick = nullptr;
}

void X11Loop::PumpMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void X11Loop::Sleep(std::uint32_t ms) {
    timespec ts{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0) {
    }
}

double X11Loop::SecondsSinceMidnight() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
           static_cast<double>(now.tv_nsec / 1000000) / 1000.0;
}

void X11Loop::Trace(std::string_view step) {
    if (trace_ == nullptr) {
        return;
    }
    std::fprintf(trace_, "%.3f %.*s\n", SecondsSinceMidnight(), static_cast<int>(step.size()), step.data());
    std::fflush(trace_);
}

int X11Loop::Run() {
    return QCoreApplication::exec();
}

}  // namespace plv::x11

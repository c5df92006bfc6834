#pragma once
// The developer's trace (PLV_TRACE=FILE on Windows): a line for each step of a selection's way
// from the release to the translation, with the time, so that where the time goes can be read
// off. Steps that need words built from numbers ask Tracing() first, so that nothing is built
// while the trace is off.

#include <string_view>

#include "core/app.h"

namespace plv {

inline bool Tracing(App& app) {
    return app.platform.loop.Tracing();
}

inline void Trace(App& app, std::string_view step) {
    if (Tracing(app)) {
        app.platform.loop.Trace(step);
    }
}

}  // namespace plv

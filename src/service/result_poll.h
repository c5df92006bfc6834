#pragma once
// Waiting for the service page's answer: a poll every 100 ms, and a time-out.

namespace plv {

class App;

// Gives tmrTrans and tmrTimeOut their handlers.
void WireResultPollTimers(App& app);

void tmrTrans_Timer(App& app);
void tmrTimeOut_Timer(App& app);

}  // namespace plv

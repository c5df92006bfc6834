#pragma once
// Putting a text into the translation popup, sizing, placing and gliding it, and hiding it.

namespace plv {

class App;

// Hides the floating icon at once and fades the popup out, stopping the result poll. Does nothing
// while the icon is hidden: the popup is only ever shown together with it.
void HidePopups(App& app);

}  // namespace plv

#pragma once
// Opening documents and web addresses with the shell, with a warning box when the shell refuses.

#include <string>

namespace plv {

class App;

// Opens the target with its associated program. On a refusal, shows the warning box for the
// shell's answer (and, for a file type without a program, starts the Open With dialog first);
// returns the message shown, or "" when the target was opened or the answer has no message.
std::u16string OpenDocument(App& app, const std::u16string& target);

// Whether an address is a web address: http:// or https:// (any letter case) and a host, with
// no blanks or control characters anywhere.
bool IsWebAddress(const std::u16string& address);

// Opens DownloadLink, which comes from a web page: only a web address goes to the shell; anything
// else (a program, a local or network file) is refused with a warning box.
void OpenDownloadAddress(App& app);

}  // namespace plv

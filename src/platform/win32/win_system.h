#pragma once
// The parts of the Windows backend that are plain system calls: the clipboard, processes, the
// per-user store, the shell and the process environment. Each class implements one interface of
// platform.h over the Windows calls its comments name.

#include <memory>

#include "platform/platform.h"

namespace plv::win {

std::unique_ptr<Clipboard> MakeClipboard();
std::unique_ptr<Processes> MakeProcesses();
// HKEY_CURRENT_USER\Software\Parlevo\<program>\<section>.
std::unique_ptr<UserStore> MakeUserStore();
std::unique_ptr<Shell> MakeShell();
std::unique_ptr<ProcessEnv> MakeProcessEnv();
// The bundled translation server as a child process (win_service.cpp).
std::unique_ptr<LocalService> MakeLocalService();

}  // namespace plv::win

#pragma once
// The parts of the Windows backend that are plain system calls: the clipboard, processes, the
// per-user store, the shell and the process environment. Each class implements one interface of
// platform.h over the Windows calls its comments name.

#include "platform/win32/win_api.h"

#include <memory>

#include "platform/platform.h"

namespace plv::win {

std::unique_ptr<Clipboard> MakeClipboard();
std::unique_ptr<Processes> MakeProcesses();
// HKEY_CURRENT_USER\Software\Parlevo\<program>\<section>.
std::unique_ptr<UserStore> MakeUserStore();
std::unique_ptr<Shell> MakeShell();
std::unique_ptr<ProcessEnv> MakeProcessEnv();
// A job that ends every process in it when its last handle closes, which happens when the program
// ends, however it ends (the task manager too, when no destructor runs); null when none can be
// made. extraLimits are more JOB_OBJECT_LIMIT_ flags.
HANDLE MakeKillOnCloseJob(DWORD extraLimits = 0);
// A process created suspended goes into job (where there is one) and runs; its thread's handle
// is closed and its process handle returned.
HANDLE RunInJob(HANDLE job, const PROCESS_INFORMATION& info);
// The bundled translation server as a child process (win_service.cpp).
std::unique_ptr<LocalService> MakeLocalService();

}  // namespace plv::win

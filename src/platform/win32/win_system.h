#pragma once
// The parts of the Windows backend that are plain system calls: the clipboard, processes, the
// per-user store, the shell and the process environment. Each class implements one interface of
// platform.h over the Windows calls its comments name.

#include "platform/win32/win_api.h"

#include <memory>
#include <string>
#include <vector>

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
// Creates a process suspended (CREATE_SUSPENDED is added to flags) that inherits exactly the
// given handles and no other handle of ours; they are made inheritable here, and the caller
// closes its copies once the child has them. False with the error in GetLastError.
bool CreateInheriting(const std::wstring& exe, std::wstring commandLine, STARTUPINFOW startup, DWORD flags,
                      std::vector<HANDLE> handles, PROCESS_INFORMATION& info);
// The C runtime's block of inherited descriptors (STARTUPINFO's lpReserved2) giving a child the
// descriptors 0 to 4, of which 3 and 4 are the given pipe ends and the rest closed. The child's
// runtime reads each handle as an intptr_t of its own width: handleBytes is 4 for a 32-bit child
// and 8 for a 64-bit one, whatever this program's width.
std::vector<unsigned char> InheritedDescriptors(HANDLE fd3, HANDLE fd4, std::size_t handleBytes);
// The bundled translation server as a child process (win_service.cpp).
std::unique_ptr<LocalService> MakeLocalService();

}  // namespace plv::win

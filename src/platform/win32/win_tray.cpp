// The notification icon, its tooltip and balloon.

#include "platform/win32/win_backend.h"

namespace plv::win {
namespace {

// The structure as Windows 2000 knew it (balloons included): every later system accepts it.
constexpr DWORD kNotifyIconDataSize = NOTIFYICONDATAW_V2_SIZE;

template <std::size_t N>
void CopyText(wchar_t (&to)[N], const std::u16string& from) {
    std::size_t n = std::min(from.size(), N - 1);
    from.copy(reinterpret_cast<char16_t*>(to), n);
    to[n] = L'\0';
}

}  // namespace

bool WinTray::ShellNotifyIcon(NotifyAction action, const NotifyIconData& data) {
    NOTIFYICONDATAW nid{};
    nid.cbSize = kNotifyIconDataSize;
    nid.hWnd = ToHwnd(data.owner);
    nid.uID = data.id;
    nid.uFlags = data.flags;
    if ((data.flags & NIF_MESSAGE) != 0) {
        nid.uCallbackMessage = data.callbackMessage;
        ui_.SetTrayMessage(data.owner, data.callbackMessage);
    }
    if ((data.flags & NIF_ICON) != 0) {
        nid.hIcon = ui_.Icon(data.icon, ::GetSystemMetrics(SM_CXSMICON));
    }
    if ((data.flags & NIF_TIP) != 0) {
        CopyText(nid.szTip, data.tip);
    }
    if ((data.flags & NIF_INFO) != 0) {
        CopyText(nid.szInfo, data.info);
        CopyText(nid.szInfoTitle, data.infoTitle);
        nid.dwInfoFlags = data.infoFlags;
        nid.uTimeout = data.timeoutMs;
    }
    DWORD message = action == NotifyAction::Add      ? NIM_ADD
                    : action == NotifyAction::Modify ? NIM_MODIFY
                                                     : NIM_DELETE;
    return Shell_NotifyIconW(message, &nid) != 0;
}

}  // namespace plv::win

// The contract suites shared with the simulated desktop, on the real system: the clipboard class
// over the real clipboard, the per-user store over the registry, the single-instance mutex.

#include "win_test_support.h"
// (the backend's Windows headers first)

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "clipboard/clipboard_contract.h"
#include "contract/single_instance_contract.h"
#include "contract/user_store_contract.h"
#include "platform/win32/win_system.h"
#include "platform/win32/win_text.h"

namespace plv::contract {

using wintest::TestWindow;

// Runs a function on a thread of its own and waits for it (10 s at most).
template <typename F>
bool OnAnotherThread(F f) {
    struct Call {
        F f;
        static DWORD WINAPI Run(void* p) {
            static_cast<Call*>(p)->f();
            return 0;
        }
    } call{f};
    HANDLE thread = CreateThread(nullptr, 0, &Call::Run, &call, 0, nullptr);
    if (thread == nullptr) {
        return false;
    }
    bool done = WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0;
    CloseHandle(thread);
    return done;
}

// The real clipboard with two windows of ours; "another program" is a thread that opens the
// clipboard and keeps it open until it is let go.
class WinClipboardEnv {
  public:
    WinClipboardEnv() : clipboard_(win::MakeClipboard()) {
        // Every case starts from an empty clipboard, as on the simulated desktop.
        if (OpenClipboard(owner_.hwnd())) {
            EmptyClipboard();
            CloseClipboard();
        }
    }
    ~WinClipboardEnv() {
        HoldElsewhere(false);
        AnswerDelayed();
    }

    Clipboard& clipboard() { return *clipboard_; }
    Hwnd owner() const { return owner_.handle(); }
    Hwnd otherOwner() const { return other_.handle(); }
    std::u16string exeBaseName() const { return u"plv"; }

    void HoldElsewhere(bool held) {
        if (held && holder_ == nullptr) {
            ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
            release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
            holder_ = CreateThread(nullptr, 0, &Hold, this, 0, nullptr);
            ASSERT_NE(holder_, nullptr);
            ASSERT_EQ(WaitForSingleObject(ready_, 10000), WAIT_OBJECT_0);
            ASSERT_TRUE(holding_) << "the other thread could not open the clipboard";
        } else if (!held && holder_ != nullptr) {
            SetEvent(release_);
            EXPECT_EQ(WaitForSingleObject(holder_, 10000), WAIT_OBJECT_0);
            for (HANDLE h : {holder_, ready_, release_}) {
                CloseHandle(h);
            }
            holder_ = ready_ = release_ = nullptr;
        }
    }

    // Open by us: nobody else can open it (no other program of this prefix touches the clipboard).
    bool HeldOpenByUs() const {
        bool opened = false;
        OnAnotherThread([&] {
            TestWindow window;
            opened = OpenClipboard(window.hwnd()) != FALSE;
            if (opened) {
                CloseClipboard();
            }
        });
        return !opened;
    }

    // The other program's window offers the format and renders it only once its thread pumps
    // messages again, which it does when AnswerDelayed lets it.
    void OfferDelayed(std::uint32_t format, const std::vector<std::uint8_t>& bytes) {
        delayedFormat_ = format;
        delayedBytes_ = bytes;
        ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        offerer_ = CreateThread(nullptr, 0, &Offer, this, 0, &offererId_);
        ASSERT_NE(offerer_, nullptr);
        ASSERT_EQ(WaitForSingleObject(ready_, 10000), WAIT_OBJECT_0);
        ASSERT_TRUE(holding_) << "the other thread could not offer the format";
    }

    void AnswerDelayed() {
        if (offerer_ == nullptr) {
            return;
        }
        SetEvent(release_);
        // The save's worker closes the clipboard once the owner has rendered.
        for (int i = 0; i < 1000 && HeldOpenByUs(); ++i) {
            Sleep(10);
        }
        PostThreadMessageW(offererId_, WM_QUIT, 0, 0);
        EXPECT_EQ(WaitForSingleObject(offerer_, 10000), WAIT_OBJECT_0);
        for (HANDLE h : {offerer_, ready_, release_}) {
            CloseHandle(h);
        }
        offerer_ = ready_ = release_ = nullptr;
    }

    std::int64_t NowMs() { return static_cast<std::int64_t>(GetTickCount64()); }

  private:
    static LRESULT CALLBACK OwnerProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_RENDERFORMAT) {
            auto* self = reinterpret_cast<WinClipboardEnv*>(GetWindowLongPtrW(w, GWLP_USERDATA));
            HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, self->delayedBytes_.size());
            std::memcpy(GlobalLock(block), self->delayedBytes_.data(), self->delayedBytes_.size());
            GlobalUnlock(block);
            SetClipboardData(static_cast<UINT>(wParam), block);
            return 0;
        }
        return DefWindowProcW(w, message, wParam, lParam);
    }

    static DWORD WINAPI Offer(void* p) {
        auto* self = static_cast<WinClipboardEnv*>(p);
        WNDCLASSW wc{};
        wc.lpfnWndProc = &OwnerProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"PlvDelayedOwner";
        RegisterClassW(&wc);  // fails harmlessly when an earlier case registered it
        HWND w = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                                 nullptr);
        SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->holding_ = w != nullptr && OpenClipboard(w) != FALSE;
        if (self->holding_) {
            EmptyClipboard();
            SetClipboardData(self->delayedFormat_, nullptr);
            CloseClipboard();
        }
        SetEvent(self->ready_);
        // Hung: no message is taken from the queue, so WM_RENDERFORMAT waits.
        WaitForSingleObject(self->release_, 30000);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            DispatchMessageW(&msg);
        }
        DestroyWindow(w);
        return 0;
    }

    // The other program opens the clipboard for a window of its own, as programs do. (Wine lets an
    // open without a window through while another thread holds the clipboard without one too.)
    static DWORD WINAPI Hold(void* p) {
        auto* self = static_cast<WinClipboardEnv*>(p);
        TestWindow window;
        self->holding_ = OpenClipboard(window.hwnd()) != FALSE;
        SetEvent(self->ready_);
        WaitForSingleObject(self->release_, 30000);
        if (self->holding_) {
            CloseClipboard();
        }
        return 0;
    }

    std::unique_ptr<Clipboard> clipboard_;
    TestWindow owner_;
    TestWindow other_;
    HANDLE holder_ = nullptr;
    HANDLE ready_ = nullptr;
    HANDLE release_ = nullptr;
    bool holding_ = false;
    HANDLE offerer_ = nullptr;
    DWORD offererId_ = 0;
    std::uint32_t delayedFormat_ = 0;
    std::vector<std::uint8_t> delayedBytes_;
};

// The registry under a program name of this run only, removed afterwards.
class WinStoreEnv {
  public:
    WinStoreEnv() : store_(win::MakeUserStore()), program_(wintest::UniqueName(L"plv-test-")) {}
    ~WinStoreEnv() {
        for (const std::wstring& p : {program_, program_ + L"x"}) {
            RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\Parlevo\\" + p).c_str());
        }
    }
    UserStore& store() { return *store_; }
    std::u16string program() const { return win::U16(program_.c_str()); }

  private:
    std::unique_ptr<UserStore> store_;
    std::wstring program_;
};

// Mutexes of this run only; "another process" is a child that makes the mutex and keeps it until
// it is let go.
class WinInstanceEnv {
  public:
    WinInstanceEnv() : env_(win::MakeProcessEnv()) {}
    ~WinInstanceEnv() {
        if (release_ != nullptr) {
            SetEvent(release_);
        }
        if (holder_) {
            EXPECT_EQ(holder_->Wait(10000), 0u) << "the child let the mutex go";
        }
        for (HANDLE h : {ready_, release_}) {
            if (h != nullptr) {
                CloseHandle(h);
            }
        }
    }
    ProcessEnv& processEnv() { return *env_; }
    std::u16string UniqueName(const std::u16string& tag) const {
        return win::U16(wintest::UniqueName(L"Parlevo.test.").c_str()) + u"." + tag;
    }
    void HoldInAnotherProcess(const std::u16string& name) {
        std::wstring n(name.begin(), name.end());
        ready_ = CreateEventW(nullptr, TRUE, FALSE, (n + L".ready").c_str());
        release_ = CreateEventW(nullptr, TRUE, FALSE, (n + L".release").c_str());
        wintest::ScopedEnvironment named(wintest::kChildName, n);
        holder_ = std::make_unique<wintest::Child>(L"hold-mutex", L"plv_win_tests");
        ASSERT_TRUE(holder_->started());
        ASSERT_EQ(WaitForSingleObject(ready_, 20000), WAIT_OBJECT_0) << "the child made the mutex";
    }

  private:
    std::unique_ptr<ProcessEnv> env_;
    std::unique_ptr<wintest::Child> holder_;
    HANDLE ready_ = nullptr;
    HANDLE release_ = nullptr;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Windows, ClipboardContract, WinClipboardEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Windows, UserStoreContract, WinStoreEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Windows, SingleInstanceContract, WinInstanceEnv);

}  // namespace plv::contract

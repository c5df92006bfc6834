// The contract suites shared with the simulated desktop and Windows, on the X11 backend: the UI
// (timers, the rich text box, layered and floating forms, monitors), the per-user store as a
// file, and the single-instance lock.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "base/text.h"
#include "contract/single_instance_contract.h"
#include "contract/ui_contract.h"
#include "contract/user_store_contract.h"
#include "platform/x11/x11_backend.h"
#include "x11_test_support.h"

namespace plv::contract {

class X11UiEnv {
  public:
    EventLoop& loop() { return loop_; }
    Ui& ui() { return ui_; }
    Desktop& desktop() { return desktop_; }
    void Pass(std::int64_t ms) { x11test::Pass(ms); }
    void PassInside(std::int64_t ms) { x11test::Pass(ms); }

  private:
    x11::X11Loop loop_;
    x11::X11Desktop desktop_;
    x11::X11Ui ui_{desktop_};
};

// A folder of this case only, removed afterwards.
class X11StoreEnv {
  public:
    X11StoreEnv()
        : folder_(std::filesystem::temp_directory_path() /
                  ("plv-store-" + std::to_string(getpid()) + "-" + std::to_string(x11test::NowMs()))),
          store_(x11::MakeUserStoreIn(folder_.string())) {}
    ~X11StoreEnv() { std::filesystem::remove_all(folder_); }
    UserStore& store() { return *store_; }
    std::u16string program() const { return u"plv-test"; }

  private:
    std::filesystem::path folder_;
    std::unique_ptr<UserStore> store_;
};

// Lock names of this run only; "another process" is a child of this binary that takes the lock
// (main.cpp has no mode for it: a fork that takes it and waits for its input to close).
class X11InstanceEnv {
  public:
    X11InstanceEnv() : env_(x11::MakeProcessEnv(0, nullptr)) {}
    ~X11InstanceEnv() {
        if (release_ >= 0) {
            close(release_);
        }
        if (holder_ > 0) {
            int status = 0;
            bool ended =
                x11test::PumpUntil([&] { return waitpid(holder_, &status, WNOHANG) == holder_; }, 5000);
            EXPECT_TRUE(ended) << "the child let the lock go";
            if (!ended) {
                kill(holder_, SIGKILL);
                waitpid(holder_, nullptr, 0);
            }
        }
    }
    ProcessEnv& processEnv() { return *env_; }
    std::u16string UniqueName(const std::u16string& tag) const {
        return u"Local\\Parlevo.test." +
               Utf8ToUtf16(std::to_string(getpid()) + "." + std::to_string(serial_++)) + u"." + tag;
    }
    void HoldInAnotherProcess(const std::u16string& name) {
        int ready[2];
        int release[2];
        ASSERT_EQ(pipe(ready), 0);
        ASSERT_EQ(pipe(release), 0);
        holder_ = fork();
        if (holder_ == 0) {
            close(ready[0]);
            close(release[1]);
            auto env = x11::MakeProcessEnv(0, nullptr);
            char ok = env->AcquireSingleInstance(name) ? '1' : '0';
            ssize_t w = write(ready[1], &ok, 1);
            char c;
            while (read(release[0], &c, 1) > 0) {
            }
            _exit(w == 1 ? 0 : 1);
        }
        close(ready[1]);
        close(release[0]);
        release_ = release[1];
        pollfd p{ready[0], POLLIN, 0};
        ASSERT_GT(poll(&p, 1, 10000), 0) << "the child took the lock in time";
        char ok = 0;
        ASSERT_EQ(read(ready[0], &ok, 1), 1);
        close(ready[0]);
        ASSERT_EQ(ok, '1') << "the child took the lock";
    }

  private:
    std::unique_ptr<ProcessEnv> env_;
    pid_t holder_ = 0;
    int release_ = -1;
    static inline int serial_ = 0;
};

INSTANTIATE_TYPED_TEST_SUITE_P(X11, UiContract, X11UiEnv);

// The program reads its own forms' rectangles through the desktop as it moves them (a glide grows
// the popup step by step): a move must show there at once, before Qt's request reaches the server.
TEST(X11Ui, OwnFormsAreWhereTheyWereJustPut) {
    x11::X11Desktop desktop;
    x11::X11Ui ui(desktop);
    desktop.SetOwnWindowRects([&ui](Hwnd w) { return ui.FormRect(w); });
    WindowEvents events;
    FormDesign d;
    d.border = FormBorder::None;
    d.showInTaskbar = false;
    d.clientWidthTwips = 1500;
    d.clientHeightTwips = 1500;
    Hwnd form = ui.CreateForm(d, &events);
    ui.SetWindowPos(form, kHwndTopmost, 200, 210, 40, 30, kSwpNoActivate | kSwpShowWindow);
    for (int step = 1; step <= 3; ++step) {
        ui.MoveWindow(form, {200, 210, 200 + 40 * step, 210 + 30});
        EXPECT_EQ(desktop.GetWindowRect(form), (RectPx{200, 210, 200 + 40 * step, 240})) << step;
    }
    ui.DestroyForm(form);
}
INSTANTIATE_TYPED_TEST_SUITE_P(X11, UserStoreContract, X11StoreEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(X11, SingleInstanceContract, X11InstanceEnv);

}  // namespace plv::contract

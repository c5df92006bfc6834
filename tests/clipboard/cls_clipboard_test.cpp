// The clipboard class's contract on the simulated desktop (tests/clipboard/clipboard_contract.h;
// the Windows tests run the same cases on the real clipboard), and what the class makes of the
// registration's answer alone.

#include <gtest/gtest.h>

#include "clipboard/clipboard_contract.h"
#include "platform/sim/sim_desktop.h"

namespace plv::contract {

class SimClipboardEnv {
  public:
    SimClipboardEnv() { sim_.StartProgram(); }
    Clipboard& clipboard() { return sim_.platform().clipboard; }
    Hwnd owner() const { return 0x5001; }
    Hwnd otherOwner() const { return 0x5002; }
    std::u16string exeBaseName() const { return u"plv"; }
    void HoldElsewhere(bool held) { sim_.world().clipboard.lockedUntil = held ? (1LL << 60) : -1; }
    bool HeldOpenByUs() const { return sim_.world().clipboard.open; }
    void OfferDelayed(std::uint32_t format, const std::vector<std::uint8_t>& bytes) {
        sim_.world().ClipboardAdd(sim_.world().desktopWindow, format, bytes, -1);
    }
    void AnswerDelayed() { sim_.world().ClipboardOwnerAnswers(); }
    std::int64_t NowMs() { return sim_.world().now; }

  private:
    sim::SimDesktop sim_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Sim, ClipboardContract, SimClipboardEnv);

namespace {

// The registration answer alone decides AddFormat's result, whatever the system gives.
class RegistrationOnly : public Clipboard {
  public:
    std::uint32_t answer = 0;
    ClipboardContent SaveClipboardContent(std::uint32_t, std::size_t,
                                          const std::vector<std::string>&) override {
        return {};
    }
    bool OpenClipboard(Hwnd) override { return false; }
    bool CloseClipboard() override { return false; }
    bool EmptyClipboard() override { return false; }
    int CountClipboardFormats() override { return 0; }
    std::uint32_t EnumClipboardFormats(std::uint32_t) override { return 0; }
    bool IsClipboardFormatAvailable(std::uint32_t) override { return false; }
    MemHandle GetClipboardData(std::uint32_t) override { return 0; }
    MemHandle SetClipboardData(std::uint32_t, MemHandle) override { return 0; }
    std::uint32_t RegisterClipboardFormat(const std::string&) override { return answer; }
    std::optional<std::string> GetClipboardFormatName(std::uint32_t, std::size_t) override {
        return std::nullopt;
    }
    MemHandle GlobalAlloc(std::uint32_t, std::size_t) override { return 0; }
    std::size_t GlobalSize(MemHandle) override { return 0; }
    std::vector<std::uint8_t> GlobalRead(MemHandle) override { return {}; }
    bool GlobalWrite(MemHandle, const std::vector<std::uint8_t>&) override { return false; }
    void GlobalFree(MemHandle) override {}
    std::uint32_t GetClipboardSequenceNumber() override { return 0; }
    std::uint32_t DragQueryFileCount(MemHandle) override { return 0; }
    std::optional<std::u16string> DragQueryFile(MemHandle, std::uint32_t, std::size_t) override {
        return std::nullopt;
    }
};

TEST(ClipboardAddFormat, OnlyIdsAboveC000Count) {
    RegistrationOnly reg;
    clsClipBoard cb(reg, u"plv", nullptr);
    for (auto [answer, expected] : {std::pair{0u, 0}, std::pair{1u, 0}, std::pair{0xC000u, 0},
                                    std::pair{0xC001u, 0xC001}, std::pair{0xFFFFu, 0xFFFF}}) {
        reg.answer = answer;
        EXPECT_EQ(cb.AddFormat(u"x"), expected) << answer;
    }
    // Nothing can be opened: GetUniText gives "" rather than an error.
    EXPECT_EQ(cb.GetUniText(), u"");
}

}  // namespace
}  // namespace plv::contract

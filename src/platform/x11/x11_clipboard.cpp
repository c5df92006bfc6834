// The clipboard primitives over X11's CLIPBOARD selection. X11 keeps no copy of the clipboard
// and has no lock on it: its content is whatever the owning application hands out when asked
// for a target. So "open" is our own state; what we put on the clipboard is gathered until it is
// closed and then the desktop's connection takes the selection and answers for it; what others own is read
// with a bounded ConvertSelection on the desktop's own connection (QClipboard would wait for
// seconds on a hung owner), and what we put there is answered on that connection too. Formats are targets:
// CF_UNICODETEXT is UTF8_STRING, a registered format is the target of its name, and other Windows numbers
// have a private target of ours.

#include <QtCore/QUrl>

#include <algorithm>
#include <chrono>
#include <cstring>

#include "base/text.h"
#include "platform/x11/x11_backend.h"

namespace plv::x11 {

namespace {

constexpr int kReadTimeoutMs = 1000;
constexpr std::uint32_t kFirstRegistered = 0xC000;

// Targets that are not content: the selection protocol's own, and the other names of the text.
bool IsProtocolTarget(const std::string& t) {
    for (const char* p :
         {"TARGETS", "MULTIPLE", "TIMESTAMP", "SAVE_TARGETS", "DELETE", "INSERT_SELECTION", "INSERT_PROPERTY",
          "STRING", "TEXT", "COMPOUND_TEXT", "text/plain", "text/plain;charset=utf-8", "UTF8_STRING"}) {
        if (t == p) {
            return true;
        }
    }
    return false;
}

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

class X11Clipboard : public Clipboard {
  public:
    explicit X11Clipboard(X11Desktop& desktop) : desktop_(desktop) {}

    // TARGETS, then each content target, each conversion bounded by what is left of the deadline.
    ClipboardContent SaveClipboardContent(std::uint32_t deadlineMs, std::size_t maxBytes,
                                          const std::vector<std::string>& skipNames) override {
        ClipboardContent c;
        if (open_) {
            c.status = ClipboardSave::Held;
            return c;
        }
        std::int64_t end = NowMs() + deadlineMs;
        bool timedOut = false;
        std::vector<std::uint32_t> formats = Formats(static_cast<int>(deadlineMs), &timedOut);
        if (timedOut) {
            c.status = ClipboardSave::TimedOut;
            return c;
        }
        std::size_t total = 0;
        for (std::uint32_t f : formats) {
            if (f >= kFirstRegistered) {
                std::string name = names_[f - kFirstRegistered];
                if (std::find(skipNames.begin(), skipNames.end(), name) != skipNames.end()) {
                    continue;
                }
            }
            auto left = static_cast<int>(end - NowMs());
            if (left <= 0) {
                c.status = ClipboardSave::TimedOut;
                return c;
            }
            auto bytes = Read(f, left, &timedOut);
            if (timedOut) {
                c.status = ClipboardSave::TimedOut;
                return c;
            }
            if (!bytes) {
                continue;  // the owner would not give it
            }
            total += bytes->size();
            if (total > maxBytes) {
                c.formats.clear();
                c.status = ClipboardSave::TooLarge;
                return c;
            }
            c.formats.emplace_back(f, std::move(*bytes));
        }
        c.status = ClipboardSave::Saved;
        c.sequence = GetClipboardSequenceNumber();
        return c;
    }

    // Our own state: X11's clipboard has no lock. Open once, by one owner, until closed.
    bool OpenClipboard(Hwnd owner) override {
        if (open_) {
            return false;
        }
        open_ = true;
        owner_ = owner;
        cache_.clear();
        for (MemHandle h : held_) {
            blocks_.erase(h);
        }
        held_.clear();
        return true;
    }

    // Hands what was put since EmptyClipboard to the desktop's connection, which then owns
    // CLIPBOARD and answers the other applications.
    bool CloseClipboard() override {
        if (!open_) {
            return false;
        }
        open_ = false;
        if (pending_) {
            std::vector<std::pair<std::string, std::vector<std::uint8_t>>> targets;
            for (const auto& [f, bytes] : *pending_) {
                if (f == kCfUnicodeText) {
                    // Text under each name X clients ask for it by.
                    std::string utf8 = Utf16ToUtf8(UntilNul(FromUtf16Le(bytes)));
                    std::vector<std::uint8_t> text(utf8.begin(), utf8.end());
                    for (const char* t :
                         {"UTF8_STRING", "text/plain;charset=utf-8", "text/plain", "STRING", "TEXT"}) {
                        targets.emplace_back(t, text);
                    }
                } else {
                    targets.emplace_back(TargetOf(f), bytes);
                }
            }
            owned_ = std::move(*pending_);
            pending_.reset();
            if (targets.empty()) {
                // Emptied: X11 has no empty clipboard to own, and taking the clipboard now would
                // shut out an application that copies with the time of its selection, made
                // before now (xterm does). It reads as empty until its owner next changes.
                desktop_.EmptyOwnedClipboard();
                emptiedAt_ = desktop_.ClipboardChanges();
            } else {
                emptiedAt_.reset();
                desktop_.OwnClipboard(std::move(targets));
            }
        }
        cache_.clear();
        return true;
    }

    // Nothing on the clipboard until the close hands it over.
    bool EmptyClipboard() override {
        if (!open_) {
            return false;
        }
        pending_.emplace();
        return true;
    }

    int CountClipboardFormats() override { return static_cast<int>(Current().size()); }

    std::uint32_t EnumClipboardFormats(std::uint32_t format) override {
        if (!open_) {
            return 0;
        }
        std::vector<std::uint32_t> all = Current();
        if (format == 0) {
            return all.empty() ? 0 : all[0];
        }
        auto it = std::find(all.begin(), all.end(), format);
        return it == all.end() || it + 1 == all.end() ? 0 : *(it + 1);
    }

    bool IsClipboardFormatAvailable(std::uint32_t format) override {
        std::vector<std::uint32_t> all = Current();
        return std::find(all.begin(), all.end(), format) != all.end();
    }

    MemHandle GetClipboardData(std::uint32_t format) override {
        if (!open_) {
            return 0;
        }
        bool timedOut = false;
        auto bytes = Read(format, kReadTimeoutMs, &timedOut);
        if (!bytes) {
            return 0;
        }
        MemHandle h = GlobalAlloc(kGmemMoveable, bytes->size());
        blocks_[h] = std::move(*bytes);
        held_.push_back(h);  // the clipboard's, freed when it changes hands
        return h;
    }

    MemHandle SetClipboardData(std::uint32_t format, MemHandle block) override {
        auto it = blocks_.find(block);
        if (!open_ || !pending_ || it == blocks_.end()) {
            return 0;
        }
        for (auto& [f, bytes] : *pending_) {
            if (f == format) {
                bytes = it->second;
                return block;
            }
        }
        pending_->emplace_back(format, it->second);
        return block;
    }

    std::uint32_t RegisterClipboardFormat(const std::string& name) override {
        if (name.empty()) {
            return 0;
        }
        for (std::size_t i = 0; i < names_.size(); ++i) {
            if (EqualsIgnoreCase(Utf8ToUtf16(names_[i]), Utf8ToUtf16(name))) {
                return kFirstRegistered + static_cast<std::uint32_t>(i);
            }
        }
        names_.push_back(name);
        return kFirstRegistered + static_cast<std::uint32_t>(names_.size() - 1);
    }

    std::optional<std::string> GetClipboardFormatName(std::uint32_t format, std::size_t maxChars) override {
        if (format < kFirstRegistered || format - kFirstRegistered >= names_.size() || maxChars == 0) {
            return std::nullopt;
        }
        return names_[format - kFirstRegistered].substr(0, maxChars - 1);
    }

    MemHandle GlobalAlloc(std::uint32_t /*flags*/, std::size_t bytes) override {
        MemHandle h = nextBlock_++;
        blocks_[h] = std::vector<std::uint8_t>(bytes);
        return h;
    }
    std::size_t GlobalSize(MemHandle block) override {
        auto it = blocks_.find(block);
        return it == blocks_.end() ? 0 : it->second.size();
    }
    std::vector<std::uint8_t> GlobalRead(MemHandle block) override {
        auto it = blocks_.find(block);
        return it == blocks_.end() ? std::vector<std::uint8_t>{} : it->second;
    }
    bool GlobalWrite(MemHandle block, const std::vector<std::uint8_t>& bytes) override {
        auto it = blocks_.find(block);
        if (it == blocks_.end()) {
            return false;
        }
        std::copy_n(bytes.begin(), std::min(bytes.size(), it->second.size()), it->second.begin());
        return true;
    }
    void GlobalFree(MemHandle block) override { blocks_.erase(block); }

    // The owner changes of CLIPBOARD that XFixes reported.
    std::uint32_t GetClipboardSequenceNumber() override { return desktop_.ClipboardChanges(); }

    // text/uri-list, one file URI a line: the file names of the list.
    std::uint32_t DragQueryFileCount(MemHandle drop) override {
        return static_cast<std::uint32_t>(Files(drop).size());
    }
    std::optional<std::u16string> DragQueryFile(MemHandle drop, std::uint32_t index,
                                                std::size_t maxChars) override {
        auto files = Files(drop);
        if (index >= files.size() || maxChars == 0) {
            return std::nullopt;
        }
        return files[index].substr(0, maxChars - 1);
    }

  private:
    // The target a format is offered as.
    std::string TargetOf(std::uint32_t format) {
        if (format == kCfUnicodeText) {
            return "UTF8_STRING";
        }
        if (format == kCfHdrop) {
            return "text/uri-list";
        }
        if (format >= kFirstRegistered && format - kFirstRegistered < names_.size()) {
            return names_[format - kFirstRegistered];
        }
        return "application/x-parlevo-format-" + std::to_string(format);
    }

    std::uint32_t FormatOf(const std::string& target) {
        if (target == "text/uri-list") {
            return kCfHdrop;
        }
        const std::string ours = "application/x-parlevo-format-";
        if (target.rfind(ours, 0) == 0) {
            return static_cast<std::uint32_t>(std::stoul(target.substr(ours.size())));
        }
        return RegisterClipboardFormat(target);
    }

    bool Emptied() {
        if (emptiedAt_ && desktop_.ClipboardChanges() != *emptiedAt_) {
            emptiedAt_.reset();  // someone has copied since
        }
        return emptiedAt_.has_value();
    }

    // Asked of the server: another application may have taken the clipboard since.
    bool WeOwn() { return desktop_.OwnsClipboard(); }

    // The formats on the clipboard now: ours while we put them there, else the owner's targets.
    std::vector<std::uint32_t> Current() {
        if (pending_) {
            std::vector<std::uint32_t> f;
            for (const auto& p : *pending_) {
                f.push_back(p.first);
            }
            return f;
        }
        bool timedOut = false;
        return Formats(kReadTimeoutMs, &timedOut);
    }

    std::vector<std::uint32_t> Formats(int timeoutMs, bool* timedOut) {
        std::vector<std::uint32_t> out;
        *timedOut = false;
        if (Emptied()) {
            return out;
        }
        if (WeOwn()) {
            for (const auto& p : owned_) {
                out.push_back(p.first);
            }
            return out;
        }
        if (desktop_.SelectionOwner("CLIPBOARD") == 0) {
            return out;
        }
        auto targets = desktop_.ConvertSelection("CLIPBOARD", "TARGETS", timeoutMs, timedOut);
        if (!targets) {
            return out;
        }
        bool text = false;
        std::size_t n = targets->size() / sizeof(unsigned long);
        for (std::size_t i = 0; i < n; ++i) {
            unsigned long atom = 0;
            std::memcpy(&atom, targets->data() + i * sizeof(unsigned long), sizeof atom);
            std::string name = desktop_.AtomName(atom);
            if (name == "UTF8_STRING" || name == "text/plain;charset=utf-8") {
                text = true;
            }
            if (!IsProtocolTarget(name) && !name.empty()) {
                std::uint32_t f = FormatOf(name);
                if (std::find(out.begin(), out.end(), f) == out.end()) {
                    out.push_back(f);
                }
            }
        }
        if (text) {
            out.insert(out.begin(), kCfUnicodeText);
        }
        return out;
    }

    // A format's bytes; text comes as UTF-16 with its NUL, as Windows gives it.
    std::optional<std::vector<std::uint8_t>> Read(std::uint32_t format, int timeoutMs, bool* timedOut) {
        *timedOut = false;
        if (!pending_ && Emptied()) {
            return std::nullopt;
        }
        if (pending_ || WeOwn()) {
            for (const auto& p : pending_ ? *pending_ : owned_) {
                if (p.first == format) {
                    return p.second;
                }
            }
            return std::nullopt;
        }
        if (auto it = cache_.find(format); it != cache_.end()) {
            return it->second;
        }
        auto bytes = desktop_.ConvertSelection("CLIPBOARD", TargetOf(format).c_str(), timeoutMs, timedOut);
        if (bytes && format == kCfUnicodeText) {
            bytes = ToUtf16Le(Utf8ToUtf16(std::string(bytes->begin(), bytes->end())), true);
        }
        if (bytes && open_) {
            cache_[format] = *bytes;  // one answer per opening, as Windows keeps the data
        }
        return bytes;
    }

    std::vector<std::u16string> Files(MemHandle drop) {
        std::vector<std::u16string> files;
        auto it = blocks_.find(drop);
        if (it == blocks_.end()) {
            return files;
        }
        std::string list(it->second.begin(), it->second.end());
        std::size_t start = 0;
        while (start < list.size()) {
            std::size_t end = list.find('\n', start);
            std::string line = list.substr(start, end == std::string::npos ? std::string::npos : end - start);
            start = end == std::string::npos ? list.size() : end + 1;
            while (!line.empty() && (line.back() == '\r' || line.back() == '\0')) {
                line.pop_back();
            }
            if (line.empty() || line[0] == '#') {
                continue;
            }
            QUrl url(QString::fromStdString(line));
            files.push_back(url.isLocalFile() ? url.toLocalFile().toStdU16String()
                                              : QString::fromStdString(line).toStdU16String());
        }
        return files;
    }

    X11Desktop& desktop_;
    bool open_ = false;
    Hwnd owner_ = 0;
    std::optional<std::uint32_t> emptiedAt_;  // the owner changes counted when we emptied it
    std::optional<std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>>> pending_;
    std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> owned_;
    std::map<std::uint32_t, std::vector<std::uint8_t>> cache_;
    std::vector<std::string> names_;
    std::map<MemHandle, std::vector<std::uint8_t>> blocks_;
    std::vector<MemHandle> held_;
    MemHandle nextBlock_ = 1;
};

}  // namespace

std::unique_ptr<Clipboard> MakeClipboard(X11Desktop& desktop) {
    return std::make_unique<X11Clipboard>(desktop);
}

}  // namespace plv::x11

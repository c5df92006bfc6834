#pragma once
// The one object that owns the program's state: what the program's modules share (the settings,
// the connection state, the colours, the screen factors, ...), its forms, and the platform it
// runs on. Nothing of the program lives outside it, so several can run side by side in tests.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "app/settings.h"
#include "base/translation_cache.h"
#include "clipboard/saved_clipboard.h"
#include "platform/platform.h"

namespace plv {

class FrmMain;
class FrmIco;
class FrmTrans;
class FrmAbout;
class clsProccess;
class clsClipBoard;
class ChecksumLibrary;

class App {
  public:
    explicit App(Platform& platform);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Platform& platform;

    // Shared state. Names are the program's own; each is written where its comment says.
    SettingsCollection Settings;        // LoadSettings, once
    std::int32_t OsVersion = 0;         // DetectOsVersion: major * 100 + minor
    std::uint8_t PrimaryButtonKey = 1;  // 1 left, 2 right (swapped buttons)
    std::uint8_t SecondaryButtonKey = 2;
    std::int32_t TwipsPerPixelX = 15;
    std::int32_t TwipsPerPixelY = 15;
    std::unique_ptr<clsProccess> ProcessObject;     // created on first use
    std::unique_ptr<clsClipBoard> ClipboardObject;  // created on first use (Clipboard() below)
    Hwnd CaptureWindow = 0;
    Hwnd LastForegroundWindow = 0;  // 0 makes the next watcher tick look at the foreground again
    std::u16string CurrentExe;      // lower-case executable of the last watched application
    bool IsConnected = false;
    Rgb PopupBackColor = 0;
    Rgb PopupGrayColor = 0;
    Rgb PopupTextColor = 0;
    bool IsTextWhole = false;
    std::u16string RemainderText;
    std::int32_t SelectionLeft = 0;  // twips
    bool IsGliding = false;
    std::int32_t IconAnchorX = 0;  // pixels
    std::int32_t IconAnchorY = 0;
    double IconInitialDistance = 0;
    std::u16string PendingText;
    std::optional<OwedClipboardContent> OwedClipboard;  // CaptureSelection, RetryOwedRestore
    TranslationCache Translations;                      // by GetCacheKey of the source text
    std::u16string AppVersion;
    std::u16string LatestVersion;
    std::u16string DownloadLink;
    std::u16string BalloonTag;
    // Private to GlideWindow: a newer glide makes an older one stop.
    std::uint64_t GlideGeneration = 0;
    // Settings already reported as bad, so that each is reported once.
    std::set<std::u16string> ReportedSettings;

    std::unique_ptr<FrmMain> frmMain;
    std::unique_ptr<FrmIco> frmico;
    std::unique_ptr<FrmTrans> frmTrans;
    std::unique_ptr<FrmAbout> frmAbout;  // created when shown, unloaded by its Close button

    // The one clipboard object, created on first use.
    clsClipBoard& Clipboard();
    // The checksum library, loaded on first use from the executable's own folder; null while it
    // cannot be loaded (then nothing is cached).
    ChecksumLibrary* Hash2();

    // The program's own executable file name in lower case ("plv.exe").
    std::u16string OwnExeName() const;
    // The store's program name: the executable's base name ("plv").
    std::u16string ProgramName() const;

    // Whether translation is on for the application in front. Only SetEnabled changes it, which
    // also brings the tray icon and the stored choice along.
    bool IsEnabled() const { return isEnabled_; }
    friend void SetEnabled(App& app, bool state, bool save);

    // True once the process has been terminated or has ended: nothing more may run.
    bool HasEnded() const { return ended_; }
    // Ends the process at once with the code; nothing of the program runs afterwards.
    void Terminate(std::uint32_t exitCode);
    // Unloads every form and ends the message loop with the code.
    void EndNormally(int exitCode);

  private:
    bool isEnabled_ = false;
    bool ended_ = false;
    ChecksumLibrary* hash2_ = nullptr;
};

// Start-up: runs once at process start (see startup.cpp).
void Main(App& app);
// Reads the settings file beside the executable into Settings; false when it cannot be read.
bool LoadSettings(App& app);
std::u16string SettingsFilePath(const App& app);
void DetectOsVersion(App& app);
bool AreMouseButtonsSwapped(App& app);

}  // namespace plv

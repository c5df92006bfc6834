#pragma once
// The one object that owns the program's state, its forms, and the platform it runs on. Each
// module keeps its state in a struct of its own below; a module writes only its own struct and
// asks the owning module (through that module's functions) for anything else. Nothing of the
// program lives outside App, so several can run side by side in tests.

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/translation_cache.h"
#include "clipboard/saved_clipboard.h"
#include "core/settings.h"
#include "platform/platform.h"

namespace plv {

class Form;
class FrmMain;
class FrmIco;
class FrmTrans;
class FrmAbout;
class clsProccess;
class clsClipBoard;
class ChecksumLibrary;

// An owning pointer whose deleter is chosen where the object is made, so that App can hold the
// forms and helpers of the modules above it without knowing their types.
template <typename T>
struct LateDeleter {
    void (*destroy)(T*) = nullptr;
    void operator()(T* p) const { destroy(p); }
};
template <typename T>
using Owned = std::unique_ptr<T, LateDeleter<T>>;
template <typename T, typename... Args>
Owned<T> MakeOwned(Args&&... args) {
    return Owned<T>(new T(std::forward<Args>(args)...), LateDeleter<T>{[](T* p) { delete p; }});
}

// The program's own lengths in pixels ("transwidth", the icon's size and its place beside the
// pointer, the drag thresholds, the popup's gaps) are pixels at 96 DPI, so that at 150 % scaling
// everything keeps its proportions. In twips such a pixel is 15 at every DPI.
constexpr double kTwipsPer96DpiPixel = 15.0;

// Start-up and settings (src/app/startup.cpp, src/core/setting_values.cpp): set once at start,
// read everywhere.
struct StartupState {
    SettingsCollection Settings;
    std::int32_t OsVersion = 0;         // major * 100 + minor
    std::uint8_t PrimaryButtonKey = 1;  // 1 left, 2 right (swapped buttons)
    std::uint8_t SecondaryButtonKey = 2;
    // 1440 / DPI, exact: 15 at 96 DPI, 10 at 144, 7.5 at 192 (a rounded 8 would make every
    // length given in twips 6 % short at 200 % scaling).
    double TwipsPerPixelX = 15;
    double TwipsPerPixelY = 15;
    // A length in 96-DPI pixels, in the screen's pixels (rounded).
    std::int32_t ScreenPxX(double px96) const;
    std::int32_t ScreenPxY(double px96) const;
    Rgb PopupBackColor = 0;
    Rgb PopupGrayColor = 0;
    Rgb PopupTextColor = 0;
    std::u16string AppVersion;
    // Settings already reported as bad, so that each is reported once.
    std::set<std::u16string> ReportedSettings;
};

// The tray and the main form (src/core/frm_main.cpp, src/app/tray.cpp).
struct TrayState {
    std::u16string BalloonTag;
    double LastTrayClickTime = 0;
    bool IsInTrayEvent = false;
    std::int32_t TrayMessage = 0;
};

// The connection to the service page and the result poll (src/service).
struct ConnectionState {
    bool IsConnected = false;
    std::u16string LatestVersion;
    std::u16string DownloadLink;
    TranslationCache Translations;            // by GetCacheKey of the source text
    std::uint64_t PageErrorClearedClick = 0;  // the click after which the poll saw no page error
    // The bundled translation server (src/service/local_service.cpp).
    std::u16string LocalServiceUrl;      // http://127.0.0.1:PORT/key/KEY/ once it told its port
    std::u16string LocalServiceKey;      // the key of the running one
    std::string LocalServiceOutput;      // what it said that is not a whole line yet
    double LocalServiceStartedAt = -1;   // SecondsSinceMidnight of the last start; -1: never
    std::uint16_t LocalServicePort = 0;  // the port the last one was asked for; 0: any free one
    std::u16string LocalServiceProblem;  // the problem told last, so that it is told once
};

// The selection watcher and the capture (src/capture).
struct CaptureState {
    Owned<clsProccess> ProcessObject;  // created on first use
    bool IsAppWatched = false;
    Hwnd LastForegroundWindow = 0;  // 0 makes the next watcher tick look at the foreground again
    std::u16string CurrentExe;      // lower-case executable of the last watched application
    std::int32_t PressX = 0;
    std::int32_t PressY = 0;
    std::int32_t LastPrimaryDown = 0;
    std::int32_t LastSecondaryDown = 0;
    Hwnd CaptureWindow = 0;
    std::optional<OwedClipboardContent> OwedClipboard;
    // The selection on its way to the popup.
    std::u16string PendingText;
    bool IsTextWhole = false;
    std::u16string RemainderText;
    // The page's error line around the last click on its button: what it said just before, and
    // whether it was empty just after (the page clears it at the click); clicks are counted.
    std::u16string PageErrorBefore;
    bool PageErrorClearedAtClick = false;
    std::uint64_t PageClicks = 0;
    std::int32_t SelectionLeft = 0;  // twips
    PointPx ReleasePoint;            // pixels: its monitor's work area bounds the icon and popup
    std::int32_t IconAnchorX = 0;    // pixels
    std::int32_t IconAnchorY = 0;
    double IconInitialDistance = 0;

    // The next watcher tick looks at the application in front again, as if it had just come
    // forward (its stored choice and the menu's caption are read anew).
    void LookAtForegroundAgain() { LastForegroundWindow = 0; }
};

// The floating icon and the popup (src/popup).
struct PopupState {
    bool IsGliding = false;
    // A newer glide makes an older one stop.
    std::uint64_t GlideGeneration = 0;
    // Where a press inside the floating icon was, until the watcher sees that press: the popup
    // may move the icon from under the pointer before it does.
    std::optional<PointPx> IconPressAt;
};

class App {
    // Every form that exists, oldest first. Declared first so that it outlives the forms.
    std::vector<Form*> forms_;

  public:
    explicit App(Platform& platform);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Platform& platform;

    StartupState startup;
    TrayState tray;
    ConnectionState connection;
    CaptureState capture;
    PopupState popup;

    Owned<FrmMain> frmMain;
    Owned<FrmIco> frmico;
    Owned<FrmTrans> frmTrans;
    Owned<FrmAbout> frmAbout;  // created when shown, unloaded by its Close button

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
    friend class Form;
    void AddForm(Form* form) { forms_.push_back(form); }
    void RemoveForm(Form* form) { std::erase(forms_, form); }

    bool isEnabled_ = false;
    bool ended_ = false;
    ChecksumLibrary* hash2_ = nullptr;
    std::unique_ptr<clsClipBoard> clipboard_;
};

}  // namespace plv

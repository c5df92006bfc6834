#include "core/setting_values.h"

#include <array>

#include "base/numbers.h"
#include "core/app.h"
#include "core/frm_main.h"

namespace plv {
namespace {

struct Shipped {
    const char16_t* key;
    const char16_t* value;
};

// The values of the settings file that ships with the program (data/plv.ini), for the keys that
// fall back to them.
constexpr std::array<Shipped, 5> kShipped = {{
    {u"maxtranslen", u"500"},
    {u"FontSize", u"10"},
    {u"transwidth", u"300"},
    {u"SmoothGlide", u"50"},
    {u"timeoutstr", u"The translation service did not answer in time."},
}};

// Tells the user once per key that a value was not usable and which value is used instead.
void ReportFallback(App& app, const std::u16string& key, const std::optional<std::u16string>& value) {
    if (!app.startup.ReportedSettings.insert(key).second || !app.frmMain) {
        return;
    }
    // The file by its name alone (plv.ini), wherever the system keeps it.
    std::u16string file = app.platform.env.SettingsFilePath();
    if (auto slash = file.find_last_of(u"\\/"); slash != std::u16string::npos) {
        file.erase(0, slash + 1);
    }
    std::u16string what =
        value ? u"The value \"" + *value + u"\" of \"" + key + u"\" in " + file + u" is not usable"
              : u"The key \"" + key + u"\" is missing from " + file;
    app.frmMain->ShowBalloon(
        u"Parlevo setting replaced\r\n" + what + u"; Parlevo uses " + ShippedDefault(key) + u".", false, true,
        u"settings");
}

std::int32_t WholeInRange(App& app, const std::u16string& key, std::int32_t min, std::int32_t max) {
    auto text = SettingText(app, key);
    auto v = text ? ParseWholeNumber(*text) : std::nullopt;
    if (v && *v >= min && *v <= max) {
        return *v;
    }
    ReportFallback(app, key, text);
    return *ParseWholeNumber(ShippedDefault(key));
}

}  // namespace

std::optional<std::u16string> SettingText(const App& app, const std::u16string& key) {
    return app.startup.Settings.Get(key);
}

std::optional<double> SettingNumber(const App& app, const std::u16string& key) {
    auto text = SettingText(app, key);
    return text ? ParseNumber(*text) : std::nullopt;
}

std::u16string ShippedDefault(const std::u16string& key) {
    for (const auto& s : kShipped) {
        if (key == s.key) {
            return s.value;
        }
    }
    return u"";
}

std::int32_t MaxTransLen(App& app) {
    return WholeInRange(app, u"maxtranslen", 1, 1 << 30);
}

double FontSize(App& app) {
    auto text = SettingText(app, u"FontSize");
    auto v = text ? ParseNumber(*text) : std::nullopt;
    if (v && *v >= 1 && *v <= 200) {
        return *v;
    }
    ReportFallback(app, u"FontSize", text);
    return *ParseNumber(ShippedDefault(u"FontSize"));
}

std::int32_t TransWidth(App& app) {
    return WholeInRange(app, u"transwidth", 1, 20000);
}

std::int32_t SmoothGlide(App& app) {
    return WholeInRange(app, u"SmoothGlide", 0, 100000);
}

std::u16string TimeoutText(App& app) {
    if (auto text = SettingText(app, u"timeoutstr")) {
        return *text;
    }
    ReportFallback(app, u"timeoutstr", std::nullopt);
    return ShippedDefault(u"timeoutstr");
}

std::optional<std::int32_t> Transparency(const App& app) {
    auto v = SettingNumber(app, u"Transparency");
    if (!v) {
        return std::nullopt;
    }
    // Outside 0..255 a window would be layered with an undefined opacity.
    return *v <= 0 ? 0 : (*v >= 255 ? 255 : RoundHalfEven32(*v));
}

}  // namespace plv

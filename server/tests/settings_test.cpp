// The Engines panel's settings store: the configuration file rewritten line by line, the keys
// file beside it, what the service reads back from both, and input refused with nothing written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "config.h"
#include "platform.h"
#include "settings_store.h"
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace plv {
namespace {

using Changes = std::vector<std::pair<std::string, std::optional<std::string>>>;

TEST(Settings, RewritingTheConfigurationKeepsEveryOtherLine) {
    const struct {
        const char* what;
        std::string before;
        Changes changes;
        std::string after;
    } cases[] = {
        {"a value replaced in place, comments and order kept",
         "# mine\nport = 0\ndeepl_key = old\n# route.en-de = deepl\nmodes_dir = /m\n",
         {{"deepl_key", "new"}},
         "# mine\nport = 0\ndeepl_key = new\n# route.en-de = deepl\nmodes_dir = /m\n"},
        {"spelled otherwise in the file, still the same key; a second copy dropped",
         "route.ENG-deu = google\ndeepl-key = a\ndeepl_key = b\n",
         {{"route.en-de", "deepl"}, {"deepl_key", std::nullopt}},
         "route.en-de = deepl\n"},
        {"new keys at the end, after a last line without its line end; CR LF kept",
         "# Windows\r\nport = 0",
         {{"route.fr-de", "deepl"}, {"microsoft_region", std::nullopt}},
         "# Windows\r\nport = 0\r\nroute.fr-de = deepl\r\n"},
        {"nothing to change", "a = 1\n\n# b = 2\n", {{"deepl_key", std::nullopt}}, "a = 1\n\n# b = 2\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(RewriteConf(c.before, c.changes), c.after) << c.what;
}

std::string Read(const std::string& path) {
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class SettingsFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = ::testing::TempDir() + "plv-settings-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(PathFromUtf8(dir_));
        std::filesystem::create_directories(PathFromUtf8(dir_));
        conf_ = dir_ + "/plv-service.conf";
        keys_ = dir_ + "/plv-service.keys";
        std::ofstream(PathFromUtf8(conf_), std::ios::binary)
            << "# my own settings\nport = 0\ndeepl_key = plain-key-0001\n"
               "route.en-es = deepl\n# route.fr-de = google\n";
    }
    void TearDown() override { std::filesystem::remove_all(PathFromUtf8(dir_)); }
    // What the service started on these files reads.
    CommandLine Start() const { return ParseCommandLine({"--config", conf_}); }

    std::string dir_, conf_, keys_;
};

TEST_F(SettingsFiles, AKeySavedInThePanelGoesToItsOwnFileAndBackIntoTheService) {
    const CommandLine first = Start();
    EXPECT_EQ(first.config.providers.at("deepl").key, "plain-key-0001");  // the key typed by hand works
    EngineSettings settings(first.config, first.keys_problem, nullptr);
    const std::string key = "k3y-from-the-panel:fx";
    const auto notes = settings.Save({"deepl", key, false, "", "", "", "en-de, eng-spa, auto-it"});
    std::string all;
    for (const auto& n : notes) all += n + "\n";
    EXPECT_NE(all.find("plain copy"), std::string::npos) << all;

    EXPECT_EQ(Read(conf_),
              "# my own settings\nport = 0\nroute.en-es = deepl\n# route.fr-de = google\n"
              "route.auto-it = deepl\nroute.en-de = deepl\n");
    const std::string sealed = Read(keys_);
#ifdef _WIN32
    // Sealed for the user: neither the key nor its UTF-16 is in the file.
    EXPECT_EQ(sealed.find("k3y-from"), std::string::npos);
    EXPECT_EQ(sealed.find(std::string("k\0003\000y\000-\000", 8)), std::string::npos);
#else
    struct stat st {};
    ASSERT_EQ(::stat(keys_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_NE(sealed.find("deepl_key = " + key), std::string::npos) << sealed;
#endif

    // Started again: the panel's key, over any copy typed into the file later.
    std::ofstream(PathFromUtf8(conf_), std::ios::app | std::ios::binary) << "deepl_key = typed-again-0002\n";
    const CommandLine again = Start();
    EXPECT_EQ(again.keys_problem, "");
    EXPECT_EQ(again.config.providers.at("deepl").key, key);
    EXPECT_EQ(again.config.panel_keys.count("deepl"), 1u);
    EXPECT_EQ(again.config.routes.at("en-de"), "deepl");
    EXPECT_EQ(again.config.routes.at("auto-it"), "deepl");

    // The view has the key's end, never the key.
    const ServiceView deepl = EngineSettings(again.config, "", nullptr).View().services.at(0);
    EXPECT_TRUE(deepl.key_set);
    EXPECT_EQ(deepl.key_end, "l:fx");
    EXPECT_EQ(deepl.key_from, "panel");

    // Removing the key takes its directions with it only when asked to.
    EngineSettings later(again.config, "", nullptr);
    EXPECT_THROW(later.Save({"deepl", "", true, "", "", "", "en-de"}), SettingsError);
    later.Save({"deepl", "", true, "", "", "", ""});
    EXPECT_EQ(Read(conf_), "# my own settings\nport = 0\n# route.fr-de = google\n");
    EXPECT_EQ(Read(keys_).find(key), std::string::npos);
}

TEST_F(SettingsFiles, BadInputOrAFileThatCannotBeWrittenChangesNothing) {
    const CommandLine cl = Start();
    const std::string conf_before = Read(conf_);
    const struct {
        ServiceEdit edit;
        const char* says;
    } cases[] = {
        {{"deepI", "k", false, "", "", "", ""}, "unknown service 'deepI'"},
        {{"deepl", "one\ntwo", false, "", "", "", ""}, "control character"},
        {{"deepl", std::string(1025, 'k'), false, "", "", "", ""}, "1025 bytes"},
        {{"deepl", "", false, "", "", "", "en-xx"}, "DeepL does not take the language 'xx'"},
        {{"deepl", "", false, "", "", "", "en-de en"}, "'en' is not a direction"},
        {{"deepl", "", false, "", "", "", "de-auto"}, "as a target"},
        {{"google", "", false, "", "", "", "en-de"}, "Google has no key"},
        {{"libretranslate", "", false, "", "", "ftp://x", ""}, "is not one"},
    };
    for (const auto& c : cases) {
        EngineSettings settings(cl.config, "", nullptr);
        try {
            settings.Save(c.edit);
            ADD_FAILURE() << "accepted: " << c.says;
        } catch (const SettingsError& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).find("one\ntwo"), std::string::npos)
                << "the key is in " << e.what();
        }
        EXPECT_EQ(Read(conf_), conf_before) << c.says;
        EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(keys_))) << c.says;
        EXPECT_EQ(settings.Current().routes, cl.config.routes) << c.says;
    }

    // The keys file cannot be made (a folder has its name): the error names it, the
    // configuration file is as it was, and the settings in force too.
    std::filesystem::create_directories(PathFromUtf8(keys_ + "/x"));
    EngineSettings settings(cl.config, "", nullptr);
    try {
        settings.Save({"deepl", "new-key-0003", false, "", "", "", "en-de"});
        ADD_FAILURE() << "saved over a folder";
    } catch (const SettingsError& e) {
        EXPECT_NE(std::string(e.what()).find("plv-service.keys"), std::string::npos) << e.what();
        EXPECT_EQ(e.status(), 500);
    }
    EXPECT_EQ(Read(conf_), conf_before);
    EXPECT_EQ(settings.Current().providers.at("deepl").key, "plain-key-0001");
    EXPECT_EQ(settings.Current().routes.count("en-de"), 0u);
}

}  // namespace
}  // namespace plv

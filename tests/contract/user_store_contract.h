#pragma once
// The per-user store's contract (HKEY_CURRENT_USER\Software\Parlevo\<program>\<section>), typed
// over the store it runs against so that the same cases run on the simulated desktop and on the
// real registry. An environment gives:
//   UserStore& store();
//   std::u16string program();   a program name that nothing else writes under
// A test file includes this once and instantiates it inside namespace plv::contract:
//   INSTANTIATE_TYPED_TEST_SUITE_P(Name, UserStoreContract, Env);

#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"

namespace plv::contract {

template <typename Env>
class UserStoreContract : public ::testing::Test {
  protected:
    Env env;
    UserStore& store = env.store();
    const std::u16string program = env.program();
};

TYPED_TEST_SUITE_P(UserStoreContract);

TYPED_TEST_P(UserStoreContract, KeysAndSectionsAreApart) {
    auto& s = this->store;
    const auto& p = this->program;
    EXPECT_EQ(s.GetSetting(p, u"Applications", u"notepad.exe"), std::nullopt) << "no key yet";
    ASSERT_TRUE(s.SaveSetting(p, u"Applications", u"notepad.exe", u"1"));
    EXPECT_EQ(s.GetSetting(p, u"Applications", u"notepad.exe"), u"1");
    EXPECT_EQ(s.GetSetting(p, u"Applications", u"wordpad.exe"), std::nullopt) << "a value the key lacks";
    EXPECT_EQ(s.GetSetting(p, u"Other", u"notepad.exe"), std::nullopt) << "another section";
    EXPECT_EQ(s.GetSetting(p + u"x", u"Applications", u"notepad.exe"), std::nullopt) << "another program";
    ASSERT_TRUE(s.SaveSetting(p, u"Other", u"notepad.exe", u"2"));
    ASSERT_TRUE(s.SaveSetting(p + u"x", u"Applications", u"notepad.exe", u"3"));
    EXPECT_EQ(s.GetSetting(p, u"Applications", u"notepad.exe"), u"1");
    EXPECT_EQ(s.GetSetting(p, u"Other", u"notepad.exe"), u"2");
    EXPECT_EQ(s.GetSetting(p + u"x", u"Applications", u"notepad.exe"), u"3");
    // Registry keys and value names ignore letter case.
    EXPECT_EQ(s.GetSetting(p, u"APPLICATIONS", u"Notepad.EXE"), u"1");
}

TYPED_TEST_P(UserStoreContract, ValuesComeBackExactly) {
    auto& s = this->store;
    const auto& p = this->program;
    const std::u16string values[] = {
        u"",
        u"0",
        u"\u041f\u0440\u0438\u0432\u0435\u0442, \u043c\u0438\u0440",
        u"caf\u00e9 \U0001F600 \u20ac",
        u"a\\b;c=d \"e\"\r\n",
        std::u16string(20000, u'\u0436'),
    };
    int n = 0;
    for (const auto& v : values) {
        std::u16string key = u"k" + std::u16string(1, static_cast<char16_t>(u'a' + n++));
        ASSERT_TRUE(s.SaveSetting(p, u"Values", key, v));
        EXPECT_EQ(s.GetSetting(p, u"Values", key), v) << "value " << n;
    }
    // A value saved again replaces the old one, also by a shorter one.
    ASSERT_TRUE(s.SaveSetting(p, u"Values", u"ka", u"longer than before"));
    ASSERT_TRUE(s.SaveSetting(p, u"Values", u"ka", u"x"));
    EXPECT_EQ(s.GetSetting(p, u"Values", u"ka"), u"x");
}

REGISTER_TYPED_TEST_SUITE_P(UserStoreContract, KeysAndSectionsAreApart, ValuesComeBackExactly);

}  // namespace plv::contract

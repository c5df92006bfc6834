#include <gtest/gtest.h>

#include "base/text.h"
#include "shell/launcher.h"

namespace plv {
namespace {

TEST(IsWebAddress, OnlyHttpAndHttpsWithAHost) {
    struct Case {
        const char16_t* address;
        bool web;
    };
    const Case cases[] = {
        {u"http://parlevo.example/", true},
        {u"https://parlevo.example/download?v=1.2", true},
        {u"HTTPS://Parlevo.Example", true},
        {u"http://127.0.0.1:8723/x.exe", true},
        {u"", false},
        {u"http://", false},
        {u"https:///etc/passwd", false},
        {u"http:\\\\server\\share\\x.exe", false},
        {u"http://\\\\server\\share", false},
        {u"ftp://parlevo.example/", false},
        {u"file:///C:/Windows/System32/calc.exe", false},
        {u"C:\\Windows\\System32\\calc.exe", false},
        {u"\\\\server\\share\\setup.exe", false},
        {u"calc.exe", false},
        {u"javascript:alert(1)", false},
        {u"http://parlevo.example/a b", false},
        {u" http://parlevo.example/", false},
        {u"http://parlevo.example/\r\ncalc", false},
        {u"httpx://parlevo.example/", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsWebAddress(c.address), c.web) << Utf16ToUtf8(c.address);
    }
}

}  // namespace
}  // namespace plv

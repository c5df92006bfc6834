#include "shell/launcher.h"

#include "base/text.h"
#include "core/app.h"

namespace plv {
namespace {

const char16_t* const kTitle = u"Ошибка";
constexpr std::uint32_t kWarningStyle = kMbOk | kMbIconExclamation;

// ShellExecute's answers: above 32 it opened the target; the others name what went wrong.
constexpr std::intptr_t kSeOutOfMemory = 0;
constexpr std::intptr_t kSeFileNotFound = 2;
constexpr std::intptr_t kSePathNotFound = 3;
constexpr std::intptr_t kSeBadFormat = 11;
constexpr std::intptr_t kSeNoAssociation = 31;
constexpr std::intptr_t kSeLastError = 32;

std::u16string MessageFor(std::intptr_t code) {
    switch (code) {
        case kSeNoAssociation:
            return u"Windows не знает, что это за файл и чем его открывать. Выберите программу из списка или "
                   u"нажмите Отмена.";
        case kSeOutOfMemory:
            return u"Ошибка: Недостаточно памяти. Выполнение прервано!";
        case kSeFileNotFound:
            return u"Ошибка: Файл не найден. Путь или имя файла указаны неправильно! ";
        case kSePathNotFound:
            return u"Ошибка: Путь не найден. Указанная папка не существует! \"";
        case kSeBadFormat:
            return u"Ошибка:  Неизвестный формат файла!";
        default:
            return u"";
    }
}

}  // namespace

std::u16string OpenDocument(App& app, const std::u16string& target) {
    auto& shell = app.platform.shell;
    // Success is any answer above 32, judged on the whole value.
    std::intptr_t code = shell.ShellExecute(0, target);
    if (code > kSeLastError) {
        return u"";
    }
    std::u16string message = MessageFor(code);
    if (code == kSeNoAssociation) {
        shell.OpenWith(target);
    }
    shell.MessageBox(message, kTitle, kWarningStyle);
    return message;
}

bool IsWebAddress(const std::u16string& address) {
    for (char16_t c : address) {
        if (c <= 0x20 || c == 0x7F) {
            return false;
        }
    }
    std::u16string lower = ToLower(address);
    std::size_t rest = 0;
    if (lower.rfind(u"http://", 0) == 0) {
        rest = 7;
    } else if (lower.rfind(u"https://", 0) == 0) {
        rest = 8;
    } else {
        return false;
    }
    // A host must follow: not empty, and not a further slash or backslash (a network path).
    return rest < address.size() && address[rest] != u'/' && address[rest] != u'\\';
}

void OpenDownloadAddress(App& app) {
    if (!IsWebAddress(app.connection.DownloadLink)) {
        app.platform.shell.MessageBox(u"Ошибка: Адрес загрузки отклонён: \"" + app.connection.DownloadLink +
                                          u"\". Открываются только веб-адреса (http:// или https://).",
                                      kTitle, kWarningStyle);
        return;
    }
    OpenDocument(app, app.connection.DownloadLink);
}

}  // namespace plv

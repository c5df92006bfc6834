#include "apertium_format.h"

namespace plv {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

bool IsReserved(char c) {
    switch (c) {
        case '[':
        case ']':
        case '\\':
        case '^':
        case '$':
        case '/':
        case '@':
        case '{':
        case '}':
        case '<':
        case '>':
            return true;
        default:
            return false;
    }
}

// Characters that pass through the analyser but come out indistinguishable from the marks
// lt-proc adds ('#' and '*'), or are eaten by post-generation ('~'). Control characters are
// formatting as far as translation goes. All of them travel as superblank text instead.
bool TravelsAsFormat(char c) {
    const auto u = static_cast<unsigned char>(c);
    return c == '#' || c == '*' || c == '~' || u < 0x20 || u == 0x7F;
}

}  // namespace

std::string EncodeForApertium(std::string_view original) {
    // NUL ends a request in null-flush mode, so it cannot pass; it travels as the space it
    // becomes, like any other whitespace.
    std::string without_nul;
    std::string_view text = original;
    if (original.find('\0') != std::string_view::npos) {
        without_nul.assign(original);
        for (char& c : without_nul) {
            if (c == '\0') c = ' ';
        }
        text = without_nul;
    }
    std::string out;
    out.reserve(text.size() + text.size() / 4 + 8);
    std::size_t last_content = std::string_view::npos;  // index of the last non-space byte
    for (std::size_t k = text.size(); k > 0; --k) {
        if (!IsSpace(text[k - 1])) {
            last_content = k - 1;
            break;
        }
    }
    std::size_t i = 0;
    bool terminated = false;
    while (i < text.size()) {
        const char c = text[i];
        if (IsSpace(c)) {
            std::size_t j = i;
            int newlines = 0;
            while (j < text.size() && IsSpace(text[j])) {
                if (text[j] == '\n') ++newlines;
                ++j;
            }
            const bool trailing = last_content == std::string_view::npos || i > last_content;
            if (trailing && last_content != std::string_view::npos && !terminated) {
                out += ".[]";
                terminated = true;
            } else if (!trailing && newlines >= 2 && last_content != std::string_view::npos) {
                out += ".[]";  // paragraph break: end the sentence as apertium-destxt does
            }
            // A single space between words is a plain blank; at either end it is formatting
            // (the decoder trims plain blanks there), so it travels as a superblank.
            if (j - i == 1 && c == ' ' && i > 0 && !trailing) {
                out += ' ';
            } else {
                out += '[';
                out.append(text.substr(i, j - i));
                out += ']';
            }
            i = j;
            continue;
        }
        if (TravelsAsFormat(c)) {
            out += '[';
            out += c;
            out += ']';
        } else {
            if (IsReserved(c)) out += '\\';
            out += c;
        }
        ++i;
    }
    if (last_content != std::string_view::npos && !terminated) out += ".[]";
    return out;
}

std::string DecodeFromApertium(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    bool pending_blank = false;  // a plain blank seen but not yet written
    auto emit = [&](std::string_view piece) {
        // The encoder folds every whitespace run next to a superblank into it, so a plain blank
        // touching superblank whitespace was left by a dropped word, not by the writer.
        if (pending_blank && !out.empty() && !IsSpace(out.back()) && !IsSpace(piece.front())) out += ' ';
        pending_blank = false;
        out.append(piece);
    };
    std::size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        if (c == '\\' && i + 1 < s.size()) {
            emit(s.substr(i + 1, 1));
            i += 2;
        } else if (c == '.' && s.substr(i, 3) == ".[]") {
            i += 3;  // our own sentence terminator
        } else if (c == '[' && s.substr(i, 2) == "[[") {
            // A word-bound blank; we never send any, so whatever came back is not text.
            auto end = s.find("]]", i + 2);
            i = end == std::string_view::npos ? s.size() : end + 2;
        } else if (c == '[') {
            std::string piece;
            std::size_t j = i + 1;
            while (j < s.size() && s[j] != ']') {
                if (s[j] == '\\' && j + 1 < s.size()) ++j;
                piece += s[j];
                ++j;
            }
            i = j < s.size() ? j + 1 : j;
            if (!piece.empty()) emit(piece);
        } else if (c == ' ') {
            pending_blank = true;
            ++i;
        } else if (c == '*' || c == '#' || c == '@' || c == '~') {
            ++i;  // marks of unknown or ungenerated words; real ones travel escaped or as format
        } else {
            emit(s.substr(i, 1));
            ++i;
        }
    }
    return out;
}

}  // namespace plv

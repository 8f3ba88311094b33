// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_line.h"

#include "text/visible_text.h"

#include <charconv>
#include <set>

namespace navivor::cli {
namespace {

class Reader {
public:
    explicit Reader(std::string_view text)
        : text_(text) {}

    std::vector<JsonLineMember> object() {
        expect('{', "expected '{'");
        std::vector<JsonLineMember> members;
        // A set, so that a line of many keys is not checked key against key.
        std::set<std::string, std::less<>> keys;
        if (!take('}')) {
            do {
                std::string key = string();
                if (!keys.insert(key).second)
                    fail("the key '" + key + "' comes twice");
                expect(':', "expected ':'");
                JsonLineValue read = value(key);
                members.push_back({std::move(key), std::move(read)});
            } while (take(','));
            expect('}', "expected ',' or '}'");
        }
        skipBlanks();
        if (pos_ != text_.size())
            fail("text after the object");
        return members;
    }

private:
    std::string here() const { return "at byte " + std::to_string(pos_ + 1); }

    [[noreturn]] void fail(const std::string& what) const {
        throw MalformedLine{"malformed JSON " + here() + ": " + what};
    }

    bool next(char wanted) const { return pos_ < text_.size() && text_[pos_] == wanted; }

    void skipBlanks() {
        while (pos_ < text_.size() &&
               std::string_view(" \t\r\n").find(text_[pos_]) != std::string_view::npos)
            ++pos_;
    }

    bool take(char wanted) {
        skipBlanks();
        if (!next(wanted))
            return false;
        ++pos_;
        return true;
    }

    void expect(char wanted, const char* what) {
        if (!take(wanted))
            fail(what);
    }

    // Valid JSON of another type is refused by the key it stands for.
    JsonLineValue value(const std::string& key) {
        const auto wrongType = [&] {
            throw MalformedLine{"the value of '" + key + "' " + here() +
                                " is not a string, a list of strings or true"};
        };
        skipBlanks();
        if (next('"'))
            return {JsonLineValue::Type::String, {string()}};
        if (take('[')) {
            JsonLineValue list{JsonLineValue::Type::List, {}};
            if (take(']'))
                return list;
            do {
                skipBlanks();
                if (!next('"'))
                    wrongType();
                list.strings.push_back(string());
            } while (take(','));
            expect(']', "expected ',' or ']'");
            return list;
        }
        if (!text_.substr(pos_).starts_with("true"))
            wrongType();
        pos_ += 4;
        return {JsonLineValue::Type::True, {}};
    }

    std::string string() {
        expect('"', "expected a string");
        std::string text;
        for (;;) {
            if (pos_ == text_.size())
                fail("the string does not end");
            const auto byte = static_cast<unsigned char>(text_[pos_]);
            if (byte == '"') {
                ++pos_;
                return text;
            }
            if (byte < 0x20)
                fail("a control character in a string");
            if (byte == '\\') {
                ++pos_;
                escaped(text);
                continue;
            }
            const std::size_t length = utf8SequenceLength(text_, pos_);
            if (length == 0)
                fail("a string that is not UTF-8");
            text.append(text_.substr(pos_, length));
            pos_ += length;
        }
    }

    void escaped(std::string& text) {
        if (pos_ == text_.size())
            fail("the string does not end");
        const char letter = text_[pos_++];
        switch (letter) {
        case '"':
        case '\\':
        case '/':
            text += letter;
            return;
        case 'b':
            text += '\b';
            return;
        case 'f':
            text += '\f';
            return;
        case 'n':
            text += '\n';
            return;
        case 'r':
            text += '\r';
            return;
        case 't':
            text += '\t';
            return;
        case 'u':
            appendUtf8(text, codePoint());
            return;
        default:
            fail("an unknown escape");
        }
    }

    // The code point of \uXXXX, or of the pair \uD8XX\uDCXX that stands for one beyond U+FFFF.
    char32_t codePoint() {
        const char32_t first = hexQuad();
        if (first >= 0xDC00 && first <= 0xDFFF)
            fail("a lone low surrogate");
        if (first < 0xD800 || first > 0xDBFF) {
            if (first == 0)
                fail("U+0000 in a string");
            return first;
        }
        if (!text_.substr(pos_).starts_with("\\u"))
            fail("a lone high surrogate");
        pos_ += 2;
        const char32_t second = hexQuad();
        if (second < 0xDC00 || second > 0xDFFF)
            fail("a lone high surrogate");
        return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
    }

    char32_t hexQuad() {
        const char* digits = text_.data() + pos_;
        unsigned value = 0;
        if (text_.size() - pos_ < 4 ||
            std::from_chars(digits, digits + 4, value, 16).ptr != digits + 4)
            fail("\\u needs four hexadecimal digits");
        pos_ += 4;
        return static_cast<char32_t>(value);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

std::vector<JsonLineMember> readJsonLine(std::string_view line) {
    return Reader(line).object();
}

} // namespace navivor::cli

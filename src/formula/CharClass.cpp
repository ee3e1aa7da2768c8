#include "formula/CharClass.h"

#include <array>
#include <cstdint>
#include <iconv.h>
#include <unordered_map>

namespace formula {
namespace {

constexpr std::array<std::string_view, 29> ReservedWords = {
    "DIV",   "MOD",  "XOR",        "OR",    "AND",    "NOT",   "SHL",   "SHR",     "PI",    "TRUE",
    "FALSE", "NULL", "UNASSIGNED", "BEGIN", "END",    "DO",    "BREAK", "DOWNTO",  "TO",    "IF",
    "THEN",  "FOR",  "ELSE",       "WHILE", "REPEAT", "UNTIL", "TRY",   "FINALLY", "EXCEPT"};

bool IsAsciiLetter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

bool IsWordStartByte(unsigned char c)
{
    return IsAsciiLetter(c) || c == '_' || c >= 0xC0;
}

bool IsWordByte(unsigned char c)
{
    return IsWordStartByte(c) || IsDigit(c);
}

// Converts single characters from UTF-8 to GBK, remembering the class of each one seen.
class GbkClassifier {
public:
    GbkClassifier() : converter_(iconv_open("GBK", "UTF-8")) {}
    ~GbkClassifier()
    {
        if (converter_ != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(converter_);
        }
    }
    GbkClassifier(const GbkClassifier&) = delete;
    GbkClassifier& operator=(const GbkClassifier&) = delete;

    WordClass Classify(std::string_view character)
    {
        std::uint32_t key = 0;
        for (unsigned char c : character) {
            key = key << 8 | c;
        }
        const auto known = cache_.find(key);
        if (known != cache_.end()) {
            return known->second;
        }
        const WordClass result = Convert(character);
        cache_.emplace(key, result);
        return result;
    }

private:
    WordClass Convert(std::string_view character)
    {
        if (converter_ == reinterpret_cast<iconv_t>(-1)) {
            return WordClass::None;
        }
        char input[4];
        char output[8];
        character.copy(input, sizeof input);
        char* in = input;
        char* out = output;
        std::size_t inLeft = character.size();
        std::size_t outLeft = sizeof output;
        iconv(converter_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(converter_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) ||
            out == output) {
            return WordClass::None;
        }
        if (!IsWordStartByte(static_cast<unsigned char>(output[0]))) {
            return WordClass::None;
        }
        for (char* p = output + 1; p < out; ++p) {
            if (!IsWordByte(static_cast<unsigned char>(*p))) {
                return WordClass::None;
            }
        }
        return WordClass::Start;
    }

    iconv_t converter_;
    std::unordered_map<std::uint32_t, WordClass> cache_;
};

// The width a lead byte announces; a stray continuation byte stands alone.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead < 0xC0) {
        return 1;
    }
    if (lead < 0xE0) {
        return 2;
    }
    return lead < 0xF0 ? 3 : 4;
}

bool IsContinuationByte(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

} // namespace

std::size_t CharLength(std::string_view text, std::size_t pos)
{
    const std::size_t wanted = SequenceLength(static_cast<unsigned char>(text[pos]));
    std::size_t length = 1;
    while (length < wanted && pos + length < text.size() &&
           IsContinuationByte(static_cast<unsigned char>(text[pos + length]))) {
        ++length;
    }
    return length == wanted ? length : 1;
}

WordClass ClassAt(std::string_view text, std::size_t pos)
{
    const auto c = static_cast<unsigned char>(text[pos]);
    if (c < 0x80) {
        if (IsDigit(c)) {
            return WordClass::Continuation;
        }
        return IsWordStartByte(c) ? WordClass::Start : WordClass::None;
    }
    const std::size_t length = CharLength(text, pos);
    if (length == 1) {
        return WordClass::None;
    }
    thread_local GbkClassifier classifier;
    return classifier.Classify(text.substr(pos, length));
}

WordClass ClassBefore(std::string_view text, std::size_t pos)
{
    if (pos == 0) {
        return WordClass::None;
    }
    std::size_t start = pos - 1;
    while (start > 0 && pos - start < 4 &&
           IsContinuationByte(static_cast<unsigned char>(text[start]))) {
        --start;
    }
    if (start + CharLength(text, start) != pos) {
        return ClassAt(text, pos - 1);
    }
    return ClassAt(text, start);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y && !(IsAsciiLetter(x) && (x ^ 0x20) == y)) {
            return false;
        }
    }
    return true;
}

bool IsReservedWord(std::string_view word)
{
    for (std::string_view reserved : ReservedWords) {
        if (EqualsIgnoringCase(word, reserved)) {
            return true;
        }
    }
    return false;
}

bool IsIdentifier(std::string_view name)
{
    if (name.empty() || ClassAt(name, 0) != WordClass::Start) {
        return false;
    }
    for (std::size_t pos = CharLength(name, 0); pos < name.size(); pos += CharLength(name, pos)) {
        if (!IsWordClass(ClassAt(name, pos))) {
            return false;
        }
    }
    return !IsReservedWord(name);
}

bool IsStrictName(std::string_view name)
{
    if (name.empty()) {
        return false;
    }
    const auto first = static_cast<unsigned char>(name[0]);
    if (!IsAsciiLetter(first) && first != '_') {
        return false;
    }
    for (unsigned char c : name) {
        if (!IsAsciiLetter(c) && !IsDigit(c) && c != '_') {
            return false;
        }
    }
    return true;
}

} // namespace formula

#pragma once

#include <cstddef>
#include <string_view>

namespace formula {

// How a character takes part in words. Texts are UTF-8; a character outside ASCII is judged
// by its bytes in the GBK code page, where only a lead byte from 0xC0 up starts a word.
enum class WordClass {
    None,
    Continuation, // a digit: continues a word but cannot start one
    Start
};

// Bytes in the UTF-8 character that starts at pos (1 for a stray byte).
std::size_t CharLength(std::string_view text, std::size_t pos);
WordClass ClassAt(std::string_view text, std::size_t pos);
// Class of the character that ends just before pos (None at the start of the text).
WordClass ClassBefore(std::string_view text, std::size_t pos);
inline bool IsWordClass(WordClass c)
{
    return c != WordClass::None;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool IsReservedWord(std::string_view word);
// Variables and functions: a word that is not reserved.
bool IsIdentifier(std::string_view name);
// Component, field and member names: an ASCII letter or "_", then letters, digits or "_".
bool IsStrictName(std::string_view name);

} // namespace formula

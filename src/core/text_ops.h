#pragma once
// The text operations of the link search. Texts are bytes in the ANSI code
// page: a byte of 0x80 or above starts a two-byte character, and a delimiter
// or sought text is recognised only where a character starts. The end of a
// view stands for the terminating NUL of a text (views hold no NUL).

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "core/values.h"

namespace lf {

// The position (from 1) of the first occurrence of sought in text, or -1.
// Letter case is significant.
std::int32_t FindText(std::string_view text, std::string_view sought);

// The bytes up to the first zero byte. The text takes over the byte set's
// block (the byte set is empty afterwards): a page may be as large as the
// memory allows, and a copy would need as much again.
Text BytesToText(ByteSet&& bytes);

// Decimal, with a minus sign when negative.
Text IntToText(std::int32_t value);

// The texts one after the other.
Text ConcatTexts(std::initializer_list<std::string_view> texts);

}  // namespace lf

#pragma once

#include <string_view>

namespace quorvel {

// What is wrong with a runner's name as a user gives it: a name is UTF-8 text without control
// characters (a tab or a newline pasted in, an escape), so that every file, table and JSON
// answer that holds it reads back as written.
//   checkName("Galopin Des Champs (FR)")  // NameProblem::None
//   checkName("A\tB")                     // NameProblem::Control
enum class NameProblem { None, NotUtf8, Control };
NameProblem checkName(std::string_view name) noexcept;

// The length of the well-formed UTF-8 sequence that starts at text[at], its code point in c;
// 0 where none starts there (a stray byte, an overlong form, a surrogate).
//   utf8Sequence("\xc3\xa9", 0, c)  // 2, c == U+00E9
std::size_t utf8Sequence(std::string_view text, std::size_t at, char32_t& c) noexcept;

}  // namespace quorvel

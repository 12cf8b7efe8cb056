#pragma once

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace quorvel {

using Json = nlohmann::ordered_json;

// JSON whose numbers are kept as the text they are written with ("3.45" stays 3.45, never a
// binary double), as strings in the tree: a money value is read from that text exactly.
// Throws RefusedArgument naming source and the line and column of a fault.
//   parseExact(R"({"price": 3.45})", "book.json")["price"] == "3.45"
Json parseExact(std::string_view text, const std::string& source);

// The text of a number or a string under a parsed tree's value, for a value that may have come
// from either reader: exact text from parseExact, the shortest text that reads back as the same
// double from nlohmann's own parser. Empty for anything else.
std::string numberText(const Json& value);

}  // namespace quorvel

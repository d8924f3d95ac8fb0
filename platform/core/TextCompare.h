#pragma once
// Case-insensitive comparison of names (component names, colour and face names, string
// list sorting). Only ASCII letters fold, as identifiers are ASCII; other bytes of UTF-8
// text compare exactly.

#include <string_view>

namespace vx {

/// < 0, 0 or > 0 as A sorts before, equal to or after B, ignoring ASCII case.
int CompareText(std::string_view A, std::string_view B);
/// A equals B ignoring ASCII case.
bool SameText(std::string_view A, std::string_view B);

} // namespace vx

#pragma once

#include "runtime/components/typeinfo.h"

#include <optional>

namespace runtime::tools {

// How the tool writes the values it passes to a control and the members it shows.

// The values of an argument list as a user types it: "text" (a quote doubled inside),
// whole numbers (Long; 12% is a Short), numbers with a point or an exponent (Double),
// True, False and Empty, separated by commas or blanks. std::nullopt when a word is no
// value or a text is not closed, with `fault` saying which.
std::optional<Arguments> argumentsOf(const Text& typed, Text& fault);

// Far beyond any window, and still whole pixels a widget can have.
inline constexpr int largestExtent = 100000;

// A width or a height in twips as a user types it: a number from 0 to largestExtent;
// std::nullopt for anything else.
std::optional<float> extentOf(const Text& typed);

// A member as type information writes it: "additem(ByRef str As String)",
// "count As String", "clicked()".
Text memberSignature(const components::MemberInfo& member);

}  // namespace runtime::tools

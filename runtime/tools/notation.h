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

// A member as type information writes it: "additem(ByRef str As String)",
// "count As String", "clicked()".
Text memberSignature(const components::MemberInfo& member);

}  // namespace runtime::tools

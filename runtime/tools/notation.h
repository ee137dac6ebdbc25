// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/instance.h"
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

// A length in twips as the tool shows it: its digits, with a fraction where it has one and
// never with an exponent ("1470", "1234.5", "100000").
Text twips(float value);

// What a late call did, after the command that made it: its value ("call repeat "a" 2 ->
// "aa""), "ok" when it has none to give, or its error ("... -> error 450: Wrong number of
// arguments or invalid property assignment").
Text callOutcome(const Text& command, const components::CallResult& result, bool hasResult);

// A line for each argument the call changed, from `passed` to `after`
// ("  argument 1 is now "cba"").
QStringList changedArguments(const Arguments& passed, const Arguments& after);

// An event as the control raised it: "event clicked", "event changed "abc", 0".
Text eventLine(const Text& name, const Arguments& values);

// A member as type information writes it: "additem(ByRef str As String)",
// "count As String", "clicked()".
Text memberSignature(const components::MemberInfo& member);

}  // namespace runtime::tools

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/text.h"

// The class name under which a form designer writes a control into a form: a C++
// identifier, as a class identifier is not (it has a point). The point becomes an
// underscore, "tesk.phonectrl" -> "tesk_phonectrl". Where either name has underscores of
// its own, every underscore of the names is written "_1" and the point "_0",
// "my_lib.list" -> "my_1lib_0list": a name with one underscore is then always of the
// first kind, and no two class identifiers share a class name.
runtime::Text designerClassName(const runtime::Text& classIdentifier);

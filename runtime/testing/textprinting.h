// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QString>

#include <ostream>

// Shows a text as its characters, not as the bytes of its 16-bit units, when an
// expectation on it fails. GoogleTest finds it beside QString, in the global namespace.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/forms/control.h"

#include <vector>

class QWidget;

namespace runtime {

// Lays a design table out on a widget: what a window does with its client area, and a
// control library's control with its own surface.
class DesignSurface {
public:
    static void setBackColor(QWidget* surface, Colour colour);

    // One row of the table: the control goes on `surface` (or into its frame), gets its
    // caption and attributes, and takes its place in twips above the rows before it.
    static void place(QWidget* surface, const Placement& row);

    // Chains the focus through the controls that take it, in the order of their tab
    // indices; returns the first of them, or nullptr.
    static Control* chainTabOrder(const std::vector<Control*>& controls);
};

}  // namespace runtime

// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

namespace runtime::detail {

// While one lives, a control's widget is being destroyed. The focus it takes with it is
// no doing of the user's and raises no event: the handlers may belong to an owner that
// is itself half destroyed, its members going one by one.
class ControlTeardown {
public:
    ControlTeardown();
    ~ControlTeardown();
    ControlTeardown(const ControlTeardown&) = delete;
    ControlTeardown& operator=(const ControlTeardown&) = delete;

    static bool underway();
};

}  // namespace runtime::detail

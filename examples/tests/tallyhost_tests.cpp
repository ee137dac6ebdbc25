// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tallyhost.h"

#include "counter/countermembers.h"
#include "phonecontrol/phonectrlmembers.h"

#include <gtest/gtest.h>

namespace {

// Both controls come from the libraries the catalogue names, each of the class its
// identifier says, and the window hears the counter through the bound handler.
TEST(TallyHost, HostsBothControlsByClassIdentifier)
{
    TallyHost window;
    EXPECT_EQ(window.counter1.instance().classIdentifier(), "tally.counterctrl");
    EXPECT_EQ(window.phonectrl1.instance().classIdentifier(), "tesk.phonectrl");

    window.counter1.call(countermember::add, {std::int32_t{4}});
    EXPECT_EQ(window.counted.caption(), "Counted 4");
    window.counter1.put(countermember::value, std::int32_t{-1});
    EXPECT_EQ(window.counted.caption(), "Counted -1");
    EXPECT_EQ(window.counter1.get(countermember::value).toLong(), -1);

    EXPECT_EQ(window.phonectrl1.call(phonectrlmember::stdformat).toText(), "() -");
}

}  // namespace

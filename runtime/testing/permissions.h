// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace runtime::testing {

// Whether file permissions stop this process, found by trying rather than by who it runs
// as: root with its capabilities reads and writes anything, root without them (as the
// suite runs these tests) is held to the owner's bits like anyone else. The probe is a
// file of the process's own with no permission at all, which must open neither way.
inline bool permissionsHold()
{
    static const bool hold = [] {
        QByteArray probe = QFile::encodeName(QDir::tempPath()) + "/permissions-probe-XXXXXX";
        const int made = ::mkstemp(probe.data());
        if (made < 0)
            return false;
        ::fchmod(made, 0);
        ::close(made);
        const int reading = ::open(probe.constData(), O_RDONLY);
        const int writing = ::open(probe.constData(), O_WRONLY);
        for (const int opened : {reading, writing}) {
            if (opened >= 0)
                ::close(opened);
        }
        ::unlink(probe.constData());
        return reading < 0 && writing < 0;
    }();
    return hold;
}

}  // namespace runtime::testing

// Skips a test whose faults only file permissions make. The reason starts with a mark that
// ./suite test looks for: there such a skip fails the run, as it hides a fault untested.
#define SKIP_UNLESS_PERMISSIONS_HOLD()                                                                \
    if (::runtime::testing::permissionsHold()) {                                                      \
    } else                                                                                            \
        GTEST_SKIP() << "[needs permissions] file permissions do not hold here: root's capabilities " \
                        "override them, and tools/unprivileged runs the tests without"

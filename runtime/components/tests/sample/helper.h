// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

// A library that a sample control library needs, as a real one might need a helper it
// ships beside itself.
extern "C" __attribute__((visibility("default"))) int sampleHelperAnswer();

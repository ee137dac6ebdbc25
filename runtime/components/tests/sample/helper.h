#pragma once

// A library that a sample control library needs, as a real one might need a helper it
// ships beside itself.
extern "C" __attribute__((visibility("default"))) int sampleHelperAnswer();

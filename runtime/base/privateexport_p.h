// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/runtime_export.h"

// Marks a private class or function that the suite's own controls tool, Designer plugin
// and tests call, and so the shared runtime exports. They are built and shipped with the
// runtime, never against an older one: what this marks is outside the kept interface,
// and no header that declares it is installed.
#define RUNTIME_PRIVATE_EXPORT RUNTIME_EXPORT

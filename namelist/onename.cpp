// SPDX-License-Identifier: LGPL-2.1-or-later
#include "onename.h"

using runtime::Text;

void onename::setLastname(const Text& vData)
{
    lastname_ = runtime::properCase(vData);
}

void onename::setFirstname(const Text& vData)
{
    firstname_ = runtime::properCase(vData);
}

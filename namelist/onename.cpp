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

#include "helper.h"

extern "C" int sampleHelperAnswer()
{
    return 42;
}

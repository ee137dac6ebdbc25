#include "pellix.h"

#include "runtime/forms/program.h"

int main(int argc, char** argv)
{
    runtime::Program program(argc, argv, "pellix");
    pellix window;
    return program.run(window);
}

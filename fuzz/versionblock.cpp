// The version block reader of control library files.
//
// Property, for any bytes as the library file: reading its version block gives a block
// that says the library is self-registering and names the library, at least one class
// and a runtime version above 0; or it raises a RuntimeError with a message. Nothing
// else: no crash, no read outside the file's bytes, no other exception.

#include "fuzzing.h"

#include "runtime/base/error.h"
#include "runtime/components/versionblock.h"


extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const runtime::Text path = fuzzing::memoryFileWith(fuzzing::bytesOf(data, size));
    try {
        const runtime::components::VersionBlock block = runtime::components::readVersionBlock(path);
        fuzzing::require(block.selfRegistering, "a block read is self-registering");
        fuzzing::require(!block.library.isEmpty() && !block.classes.isEmpty() && block.runtimeVersion > 0,
                         "a block read names its library, its classes and its runtime version");
    } catch (const runtime::RuntimeError& error) {
        fuzzing::require(!error.text().isEmpty(), "a refusal says why");
    }
    return 0;
}

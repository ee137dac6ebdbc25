// SPDX-License-Identifier: LGPL-2.1-or-later
// The version block reader of control library files, and the reader of their dynamic
// section.
//
// Property, for any bytes as the library file: reading its version block gives a block
// that says the library is self-registering and names the library, at least one class
// and a runtime version above 0; or it raises a RuntimeError with a message. Reading its
// dynamic section gives the names it holds, or says what is damaged. Nothing else: no
// crash, no read outside the file's bytes, no other exception.

#include "fuzzing.h"

#include "runtime/base/error.h"
#include "runtime/components/elffile_p.h"
#include "runtime/components/versionblock.h"
#include "runtime/files/descriptor.h"

#include <QFile>

#include <fcntl.h>


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
    const runtime::Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC));
    const runtime::components::ProgramHeaders headers = runtime::components::programHeadersOf(file.get());
    const runtime::components::DynamicSection section = runtime::components::dynamicSectionOf(file.get(), headers.segments);
    for (const QByteArray& name : section.needed)
        fuzzing::require(!name.contains('\0'), "a needed library's name ends at its NUL");
    fuzzing::require(section.failure.isEmpty() || (section.needed.isEmpty() && section.name.isEmpty()),
                     "a damaged section gives no names");
    return 0;
}

#include "runtime/components/versionblock.h"

#include "runtime/base/error.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>

namespace runtime::components {
namespace {

[[noreturn]] void raiseNotALibrary(const Text& path, const Text& reason)
{
    throw RuntimeError(RuntimeError::CannotCreateObject,
                       QStringLiteral("%1 is not a control library: %2").arg(path, reason));
}

}  // namespace

VersionBlock readVersionBlock(const Text& path)
{
    // Reads the file's metadata section; the library is loaded only when it already is.
    const QPluginLoader loader(path);
    const QJsonObject metadata = loader.metaData();
    if (metadata.isEmpty())
        raiseNotALibrary(path, QStringLiteral("it carries no version block"));
    if (metadata.value(QStringLiteral("IID")).toString() != QLatin1String(versionBlockInterface))
        raiseNotALibrary(path, QStringLiteral("its version block is of another kind (%1)")
                                   .arg(metadata.value(QStringLiteral("IID")).toString()));
    const QJsonObject block = metadata.value(QStringLiteral("MetaData")).toObject();
    VersionBlock version;
    version.selfRegistering = block.contains(QStringLiteral("OLESelfRegister"));
    if (!version.selfRegistering)
        raiseNotALibrary(path, QStringLiteral("its version block has no OLESelfRegister entry"));
    version.library = block.value(QStringLiteral("library")).toString();
    version.description = block.value(QStringLiteral("description")).toString();
    for (const QJsonValue& name : block.value(QStringLiteral("classes")).toArray())
        version.classes.append(name.toString());
    version.runtimeVersion = block.value(QStringLiteral("runtimeVersion")).toInt(0);
    if (version.library.isEmpty() || version.classes.isEmpty() || version.runtimeVersion <= 0)
        raiseNotALibrary(path, QStringLiteral("its version block lacks the library's name, classes or runtime version"));
    return version;
}

}  // namespace runtime::components

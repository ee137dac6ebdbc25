// SPDX-License-Identifier: LGPL-2.1-or-later
// The control catalogue reader.
//
// Property, for any bytes as the catalogue file:
//  - reading gives a catalogue or raises a RuntimeError with a message; nothing else;
//  - a catalogue read is written back holding every class it read, each exactly as the
//    file had it, entries this runtime does not understand included, and reads again as
//    the same entries.

#include "fuzzing.h"

#include "runtime/base/error.h"
#include "runtime/components/catalogue_p.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <optional>

namespace {

using runtime::Text;
using runtime::components::Catalogue;
using runtime::components::CatalogueEntry;

void write(const Text& path, QByteArrayView bytes)
{
    QFile file(path);
    fuzzing::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes.data(), bytes.size()) == bytes.size(),
                     "the catalogue file can be written");
}

std::optional<Catalogue> readOrRefuse(const Text& path)
{
    try {
        return Catalogue::read(path);
    } catch (const runtime::RuntimeError& error) {
        fuzzing::require(!error.text().isEmpty(), "a refusal says why");
        return std::nullopt;
    }
}

// The classes object of a catalogue file, parsed as any JSON.
QJsonObject classesIn(const Text& path)
{
    QFile file(path);
    fuzzing::require(file.open(QIODevice::ReadOnly), "the catalogue file can be read");
    return QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("classes")).toObject();
}

bool sameEntries(const std::vector<CatalogueEntry>& one, const std::vector<CatalogueEntry>& other)
{
    if (one.size() != other.size())
        return false;
    for (std::size_t index = 0; index < one.size(); ++index) {
        if (one[index].type.identifier != other[index].type.identifier || one[index].library != other[index].library)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Text original = fuzzing::scratchFolder() + QStringLiteral("/controls.json");
    const Text rewritten = fuzzing::scratchFolder() + QStringLiteral("/rewritten.json");
    write(original, fuzzing::bytesOf(data, size));
    const std::optional<Catalogue> catalogue = readOrRefuse(original);
    if (!catalogue)
        return 0;
    catalogue->write(rewritten);
    fuzzing::require(classesIn(rewritten) == classesIn(original), "a rewrite holds every class exactly as it was read");
    const std::optional<Catalogue> again = readOrRefuse(rewritten);
    fuzzing::require(again.has_value(), "a rewritten catalogue reads");
    fuzzing::require(sameEntries(again->entries(), catalogue->entries()), "a rewritten catalogue reads as the same entries");
    return 0;
}

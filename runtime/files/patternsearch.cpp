// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/files/patternsearch.h"

#include "runtime/files/encoding.h"
#include "runtime/files/fileerror.h"

#include <cerrno>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace runtime {
namespace {

bool isOrdinaryFile(const QByteArray& path)
{
    struct stat status {};
    return ::stat(path.constData(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace

PatternSearch::PatternSearch(const Text& pattern)
{
    const qsizetype slash = pattern.lastIndexOf(u'/');
    const Text folder = slash == -1 ? QStringLiteral(".") : pattern.left(slash + 1);
    const Text namePattern = pattern.mid(slash + 1);
    const QByteArray folderPath = encodeText(folder);

    const QString searching = QStringLiteral("search the folder");
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::opendir(folderPath.constData()), ::closedir);
    if (!directory)
        raiseFileError(searching, folder, errno);
    for (;;) {
        // The end of the folder and a failure to read it both come back as no entry.
        errno = 0;
        const dirent* entry = ::readdir(directory.get());
        if (!entry && errno != 0)
            raiseFileError(searching, folder, errno);
        if (!entry)
            break;
        const QByteArray name(entry->d_name);
        if (name.startsWith('.'))
            continue;
        const Text decodedName = decodeText(name);
        if (matches(decodedName, namePattern) && isOrdinaryFile(folderPath + '/' + name))
            names_.append(decodedName);
    }
}

Text PatternSearch::next()
{
    return position_ < names_.size() ? names_[position_++] : Text();
}

bool PatternSearch::matches(const Text& name, const Text& pattern)
{
    // Wildcard matching with one backtrack point for the last "*".
    qsizetype n = 0, p = 0, starAt = -1, resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++n, ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starAt = p++, resumeAt = n;
        } else if (starAt != -1) {
            p = starAt + 1, n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

}  // namespace runtime

#include "runtime/files/patternsearch.h"

#include "runtime/base/error.h"

#include <QFile>

#include <cerrno>
#include <cstring>
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
    const QByteArray folderPath = QFile::encodeName(folder);

    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::opendir(folderPath.constData()), ::closedir);
    if (!directory) {
        throw RuntimeError(RuntimeError::PathFileAccessError, QStringLiteral("Cannot search the folder %1: %2")
                                                                  .arg(folder, QString::fromLocal8Bit(std::strerror(errno))));
    }
    while (const dirent* entry = ::readdir(directory.get())) {
        const QByteArray name(entry->d_name);
        if (name.startsWith('.'))
            continue;
        const Text decodedName = QFile::decodeName(name);
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
    // Classic wildcard matching with one backtrack point for the last "*".
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

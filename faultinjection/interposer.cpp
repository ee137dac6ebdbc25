// SPDX-License-Identifier: LGPL-2.1-or-later
// Preloaded into a process, makes the N-th system call of a file operation fail. Only
// calls on files under FAULT_FOLDER count: opening, writing, syncing, closing, renaming
// and reading a folder's entries. The process's other work (the toolkit's fonts and settings) is left alone,
// so the count is the operation's own.
//
//   FAULT_FOLDER  the folder whose files count
//   FAULT_AT      the call to fail, from 1; 0 fails none and only counts
//   FAULT_ERRNO   ENOSPC, EIO or EACCES: the error the failing call reports
//   FAULT_COUNT   a file that gets the number of calls counted when the process ends
//   FAULT_ARMED   0: nothing counts until the process calls faultInjectionArm(true)
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::atomic<long> callsCounted{0};
std::atomic<bool> armed{true};
std::array<std::atomic<bool>, 65536> watched{};

const char* setting(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

long failingCall()
{
    static const long at = std::atol(setting("FAULT_AT"));
    return at;
}

int injectedError()
{
    static const int error = [] {
        const std::string name = setting("FAULT_ERRNO");
        return name == "EIO" ? EIO : name == "EACCES" ? EACCES : ENOSPC;
    }();
    return error;
}

// Whether the path names the folder or anything in it.
bool underFolder(const char* path)
{
    static const std::string folder = std::string(setting("FAULT_FOLDER")) + "/";
    return path && folder.size() > 1 && (std::string(path) + "/").starts_with(folder);
}

bool isWatched(int descriptor)
{
    return descriptor >= 0 && descriptor < static_cast<int>(watched.size()) && watched[descriptor];
}

void watch(int descriptor, bool on)
{
    if (descriptor >= 0 && descriptor < static_cast<int>(watched.size()))
        watched[descriptor] = on;
}

// Counts a call that concerns the folder; true when it is the one to fail.
bool failsNow(bool concernsFolder)
{
    if (!concernsFolder || !armed)
        return false;
    return ++callsCounted == failingCall();
}

template <typename Function>
Function next(const char* name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

struct CountReport {
    ~CountReport()
    {
        if (FILE* out = std::fopen(setting("FAULT_COUNT"), "w")) {
            std::fprintf(out, "%ld\n", callsCounted.load());
            std::fclose(out);
        }
    }
} countReport;

const bool armedAtStart = [] {
    armed = std::string(setting("FAULT_ARMED")) != "0";
    return true;
}();

int failWith()
{
    errno = injectedError();
    return -1;
}

int openedAt(int folder, const char* path, int flags, mode_t mode)
{
    using Open = int (*)(int, const char*, int, ...);
    static const Open real = next<Open>("openat");
    const bool concerns = path[0] == '/' ? underFolder(path) : isWatched(folder);
    if (failsNow(concerns))
        return failWith();
    const int descriptor = real(folder, path, flags, mode);
    watch(descriptor, concerns);
    return descriptor;
}

mode_t modeOf(int flags, va_list arguments)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(arguments, mode_t) : 0;
}

}  // namespace

extern "C" {

void faultInjectionArm(bool on)
{
    armed = on;
}

int open(const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    return openedAt(AT_FDCWD, path, flags, mode);
}

int openat(int folder, const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    return openedAt(folder, path, flags, mode);
}

// The same functions under their large-file names, which some callers use.
int open64(const char* path, int flags, ...) __attribute__((alias("open")));
int openat64(int folder, const char* path, int flags, ...) __attribute__((alias("openat")));

ssize_t write(int descriptor, const void* bytes, size_t size)
{
    static const auto real = next<ssize_t (*)(int, const void*, size_t)>("write");
    if (failsNow(isWatched(descriptor)))
        return failWith();
    return real(descriptor, bytes, size);
}

int fsync(int descriptor)
{
    static const auto real = next<int (*)(int)>("fsync");
    if (failsNow(isWatched(descriptor)))
        return failWith();
    return real(descriptor);
}

int fdatasync(int descriptor)
{
    static const auto real = next<int (*)(int)>("fdatasync");
    if (failsNow(isWatched(descriptor)))
        return failWith();
    return real(descriptor);
}

// A failed close still closes, as the kernel's does: the error only tells that earlier
// writes may not have reached the disk.
int close(int descriptor)
{
    static const auto real = next<int (*)(int)>("close");
    const bool fails = failsNow(isWatched(descriptor));
    watch(descriptor, false);
    const int result = real(descriptor);
    return fails ? failWith() : result;
}

DIR* opendir(const char* path)
{
    static const auto real = next<DIR* (*)(const char*)>("opendir");
    const bool concerns = underFolder(path);
    if (failsNow(concerns)) {
        failWith();
        return nullptr;
    }
    DIR* folder = real(path);
    if (folder)
        watch(::dirfd(folder), concerns);
    return folder;
}

dirent* readdir(DIR* folder)
{
    static const auto real = next<dirent* (*)(DIR*)>("readdir");
    if (failsNow(isWatched(::dirfd(folder)))) {
        failWith();
        return nullptr;
    }
    return real(folder);
}

int closedir(DIR* folder)
{
    static const auto real = next<int (*)(DIR*)>("closedir");
    watch(::dirfd(folder), false);
    return real(folder);
}

int rename(const char* from, const char* to)
{
    static const auto real = next<int (*)(const char*, const char*)>("rename");
    if (failsNow(underFolder(from) || underFolder(to)))
        return failWith();
    return real(from, to);
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to)
{
    static const auto real = next<int (*)(int, const char*, int, const char*)>("renameat");
    const bool concerns = (from[0] == '/' ? underFolder(from) : isWatched(fromFolder))
                          || (to[0] == '/' ? underFolder(to) : isWatched(toFolder));
    if (failsNow(concerns))
        return failWith();
    return real(fromFolder, from, toFolder, to);
}

}  // extern "C"

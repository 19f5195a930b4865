// Preloaded into a test process (LD_PRELOAD) to see what would reach the
// disk. It wraps the calls through which SQLite and Qt write files and, under
// HOPLIX_SHIM_DIR, logs every write, truncation, sync, rename, link and
// unlink in the order they happen, with the data written, to the file named
// by HOPLIX_SHIM_LOG. Text written to standard output is logged as a marker,
// so the log also says what the process had confirmed at every point.
// HOPLIX_SLOW_SYNC_MS ("20-50", or one number) makes every sync take that
// long, the way cheap phone storage does. Several processes may append to one
// log in turn; files are named by inode, so the next process continues where
// the last one left off. The log is read by powercutreplay.h.

#include "powercutevent.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

template<typename F>
F real(const char *name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

using OpenFn = int (*)(const char *, int, ...);
using OpenAtFn = int (*)(int, const char *, int, ...);
using WriteFn = ssize_t (*)(int, const void *, size_t);
using PwriteFn = ssize_t (*)(int, const void *, size_t, off_t);
using WritevFn = ssize_t (*)(int, const struct iovec *, int);
using SyncFn = int (*)(int);
using TruncateFn = int (*)(int, off_t);
using RenameFn = int (*)(const char *, const char *);
using RenameAtFn = int (*)(int, const char *, int, const char *);
using RenameAt2Fn = int (*)(int, const char *, int, const char *, unsigned int);
using UnlinkFn = int (*)(const char *);
using UnlinkAtFn = int (*)(int, const char *, int);
using LinkFn = int (*)(const char *, const char *);
using LinkAtFn = int (*)(int, const char *, int, const char *, int);
using CloseFn = int (*)(int);

struct Tracked
{
    std::uint64_t inode = 0;
    bool directory = false;
    std::string path;
};

// Everything below is guarded by the one mutex; the log's order is the
// order in which the calls took it.
pthread_mutex_t mutex = PTHREAD_MUTEX_INITIALIZER;
bool configured = false;
int logFd = -1;
std::string watched;
int slowMin = 0;
int slowMax = 0;
unsigned slowSeed = 20250131u;
std::map<int, Tracked> fds;

void configure()
{
    if (configured)
        return;
    configured = true;
    const char *log = getenv("HOPLIX_SHIM_LOG");
    const char *dir = getenv("HOPLIX_SHIM_DIR");
    if (log && dir) {
        watched = dir;
        if (!watched.empty() && watched.back() != '/')
            watched += '/';
        logFd = real<OpenFn>("open64")(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    }
    if (const char *slow = getenv("HOPLIX_SLOW_SYNC_MS")) {
        slowMin = atoi(slow);
        const char *dash = strchr(slow, '-');
        slowMax = dash ? atoi(dash + 1) : slowMin;
        if (slowMax < slowMin)
            slowMax = slowMin;
    }
}

bool recording()
{
    return logFd >= 0;
}

bool isWatched(const std::string &path)
{
    return recording() && path.compare(0, watched.size(), watched) == 0;
}

void append(const void *data, size_t size)
{
    const char *bytes = static_cast<const char *>(data);
    while (size > 0) {
        const ssize_t n = real<WriteFn>("write")(logFd, bytes, size);
        if (n <= 0) {
            if (n < 0 && errno == EINTR)
                continue;
            abort(); // a log with a hole would make every later check a guess
        }
        bytes += n;
        size -= size_t(n);
    }
}

void logEvent(char kind, std::uint64_t inode, std::uint64_t offset, const void *data,
              std::uint32_t size)
{
    PowerCutEvent event;
    memset(&event, 0, sizeof event);
    event.kind = kind;
    event.inode = inode;
    event.offset = offset;
    event.size = size;
    append(&event, sizeof event);
    if (size)
        append(data, size);
}

// An absolute path for a name given relative to a directory descriptor.
std::string resolve(int dirFd, const char *path)
{
    if (!path)
        return std::string();
    if (path[0] == '/' || dirFd == AT_FDCWD)
        return path;
    const auto it = fds.find(dirFd);
    return it == fds.end() ? std::string(path) : it->second.path + "/" + path;
}

void opened(int fd, const std::string &path, bool fresh, bool unnamed)
{
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0)
        return;
    Tracked tracked;
    tracked.directory = S_ISDIR(st.st_mode);
    tracked.path = path;
    tracked.inode = st.st_ino;
    fds[fd] = tracked;
    if (tracked.directory)
        return;
    // The replay starts a new file at a creation, also when the file system
    // hands out an inode number again after an unlink.
    if (unnamed)
        logEvent('N', tracked.inode, 0, nullptr, 0);
    else
        logEvent('O', tracked.inode, fresh ? 1 : 0, path.data(), std::uint32_t(path.size()));
}

bool exists(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

int openCommon(int dirFd, const char *path, int flags, mode_t mode)
{
    pthread_mutex_lock(&mutex);
    configure();
    const std::string full = resolve(dirFd, path);
    const bool watch = isWatched(full) || (recording() && full + "/" == watched);
    const bool unnamed = (flags & O_TMPFILE) == O_TMPFILE;
    const bool fresh = watch && !unnamed && (flags & O_CREAT) && !exists(full);
    pthread_mutex_unlock(&mutex);

    const int fd = real<OpenAtFn>("openat64")(dirFd, path, flags, mode);
    if (fd >= 0 && watch) {
        pthread_mutex_lock(&mutex);
        opened(fd, full, fresh, unnamed);
        const auto it = fds.find(fd);
        if ((flags & O_TRUNC) && it != fds.end() && !it->second.directory)
            logEvent('T', it->second.inode, 0, nullptr, 0);
        pthread_mutex_unlock(&mutex);
    }
    return fd;
}

mode_t modeArgument(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(args, int)) : 0;
}

// A positional write of data that went to a watched file.
void written(int fd, std::uint64_t offset, const void *data, ssize_t size)
{
    if (size <= 0)
        return;
    pthread_mutex_lock(&mutex);
    const auto it = fds.find(fd);
    if (it != fds.end() && !it->second.directory)
        logEvent('W', it->second.inode, offset, data, std::uint32_t(size));
    pthread_mutex_unlock(&mutex);
}

bool trackedFile(int fd)
{
    pthread_mutex_lock(&mutex);
    configure();
    const bool tracked = fds.count(fd) && !fds[fd].directory;
    pthread_mutex_unlock(&mutex);
    return tracked;
}

ssize_t writeCommon(int fd, const void *data, size_t size)
{
    pthread_mutex_lock(&mutex);
    configure();
    const bool marker = recording() && fd == STDOUT_FILENO;
    const bool tracked = fds.count(fd) && !fds[fd].directory;
    pthread_mutex_unlock(&mutex);
    const off_t offset = tracked ? lseek(fd, 0, SEEK_CUR) : 0;
    const ssize_t n = real<WriteFn>("write")(fd, data, size);
    if (marker && n > 0) {
        pthread_mutex_lock(&mutex);
        logEvent('M', 0, 0, data, std::uint32_t(n));
        pthread_mutex_unlock(&mutex);
    } else if (tracked) {
        written(fd, std::uint64_t(offset), data, n);
    }
    return n;
}

void sleepMs(int ms)
{
    struct timespec pause;
    pause.tv_sec = ms / 1000;
    pause.tv_nsec = long(ms % 1000) * 1000000L;
    while (nanosleep(&pause, &pause) != 0 && errno == EINTR) { }
}

int syncCommon(int fd, const char *name)
{
    int delay = 0;
    pthread_mutex_lock(&mutex);
    configure();
    const auto it = fds.find(fd);
    if (it != fds.end()) {
        // Logged before the sync starts: what another thread writes while
        // it runs counts as not synced, which only makes the model stricter.
        if (it->second.directory)
            logEvent('D', 0, 0, it->second.path.data(), std::uint32_t(it->second.path.size()));
        else
            logEvent('S', it->second.inode, 0, nullptr, 0);
    }
    if (slowMax > 0)
        delay = slowMin + int(rand_r(&slowSeed) % unsigned(slowMax - slowMin + 1));
    pthread_mutex_unlock(&mutex);
    if (delay > 0)
        sleepMs(delay);
    return real<SyncFn>(name)(fd);
}

int truncateCommon(int fd, off_t size, const char *name)
{
    const int result = real<TruncateFn>(name)(fd, size);
    pthread_mutex_lock(&mutex);
    configure();
    const auto it = fds.find(fd);
    if (result == 0 && it != fds.end() && !it->second.directory)
        logEvent('T', it->second.inode, std::uint64_t(size), nullptr, 0);
    pthread_mutex_unlock(&mutex);
    return result;
}

void renamed(int result, const std::string &from, const std::string &to)
{
    if (result != 0)
        return;
    pthread_mutex_lock(&mutex);
    configure();
    if (isWatched(from) || isWatched(to)) {
        const std::string both = from + '\0' + to;
        logEvent('R', 0, 0, both.data(), std::uint32_t(both.size()));
    }
    pthread_mutex_unlock(&mutex);
}

void unlinked(int result, const std::string &path)
{
    pthread_mutex_lock(&mutex);
    configure();
    if (result == 0 && isWatched(path))
        logEvent('U', 0, 0, path.data(), std::uint32_t(path.size()));
    pthread_mutex_unlock(&mutex);
}

// A new name for a file: by path, by descriptor (AT_EMPTY_PATH), or by the
// descriptor's /proc link, as Qt names a file it wrote without a name.
void linked(int result, int fromDir, const char *from, int flags, const std::string &to)
{
    if (result != 0)
        return;
    pthread_mutex_lock(&mutex);
    configure();
    if (isWatched(to)) {
        std::uint64_t inode = 0;
        int fd = -1;
        if ((flags & AT_EMPTY_PATH) && from && !*from)
            fd = fromDir;
        else if (from && sscanf(from, "/proc/self/fd/%d", &fd) != 1)
            fd = -1;
        const auto it = fds.find(fd);
        struct stat st;
        if (it != fds.end())
            inode = it->second.inode;
        else if (stat(to.c_str(), &st) == 0)
            inode = st.st_ino;
        logEvent('L', inode, 0, to.data(), std::uint32_t(to.size()));
    }
    pthread_mutex_unlock(&mutex);
}

} // namespace

extern "C" {

int open(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return openCommon(AT_FDCWD, path, flags, mode);
}

int open64(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return openCommon(AT_FDCWD, path, flags, mode);
}

int openat(int dirFd, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return openCommon(dirFd, path, flags, mode);
}

int openat64(int dirFd, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return openCommon(dirFd, path, flags, mode);
}

ssize_t write(int fd, const void *data, size_t size)
{
    return writeCommon(fd, data, size);
}

ssize_t pwrite(int fd, const void *data, size_t size, off_t offset)
{
    const ssize_t n = real<PwriteFn>("pwrite")(fd, data, size, offset);
    if (trackedFile(fd))
        written(fd, std::uint64_t(offset), data, n);
    return n;
}

ssize_t pwrite64(int fd, const void *data, size_t size, off_t offset)
{
    const ssize_t n = real<PwriteFn>("pwrite64")(fd, data, size, offset);
    if (trackedFile(fd))
        written(fd, std::uint64_t(offset), data, n);
    return n;
}

ssize_t writev(int fd, const struct iovec *parts, int count)
{
    if (!trackedFile(fd))
        return real<WritevFn>("writev")(fd, parts, count);
    std::vector<char> gathered;
    for (int i = 0; i < count; ++i) {
        const char *base = static_cast<const char *>(parts[i].iov_base);
        gathered.insert(gathered.end(), base, base + parts[i].iov_len);
    }
    return writeCommon(fd, gathered.data(), gathered.size());
}

int fsync(int fd)
{
    return syncCommon(fd, "fsync");
}

int fdatasync(int fd)
{
    return syncCommon(fd, "fdatasync");
}

int ftruncate(int fd, off_t size)
{
    return truncateCommon(fd, size, "ftruncate");
}

int ftruncate64(int fd, off_t size)
{
    return truncateCommon(fd, size, "ftruncate64");
}

int rename(const char *from, const char *to)
{
    const int result = real<RenameFn>("rename")(from, to);
    renamed(result, from, to);
    return result;
}

int renameat(int fromDir, const char *from, int toDir, const char *to)
{
    const int result = real<RenameAtFn>("renameat")(fromDir, from, toDir, to);
    pthread_mutex_lock(&mutex);
    const std::string a = resolve(fromDir, from);
    const std::string b = resolve(toDir, to);
    pthread_mutex_unlock(&mutex);
    renamed(result, a, b);
    return result;
}

int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned int flags)
{
    const int result = real<RenameAt2Fn>("renameat2")(fromDir, from, toDir, to, flags);
    pthread_mutex_lock(&mutex);
    const std::string a = resolve(fromDir, from);
    const std::string b = resolve(toDir, to);
    pthread_mutex_unlock(&mutex);
    renamed(result, a, b);
    return result;
}

int unlink(const char *path)
{
    const int result = real<UnlinkFn>("unlink")(path);
    unlinked(result, path);
    return result;
}

int unlinkat(int dirFd, const char *path, int flags)
{
    const int result = real<UnlinkAtFn>("unlinkat")(dirFd, path, flags);
    if (!(flags & AT_REMOVEDIR)) {
        pthread_mutex_lock(&mutex);
        const std::string full = resolve(dirFd, path);
        pthread_mutex_unlock(&mutex);
        unlinked(result, full);
    }
    return result;
}

int link(const char *from, const char *to)
{
    const int result = real<LinkFn>("link")(from, to);
    linked(result, AT_FDCWD, from, 0, to);
    return result;
}

int linkat(int fromDir, const char *from, int toDir, const char *to, int flags)
{
    const int result = real<LinkAtFn>("linkat")(fromDir, from, toDir, to, flags);
    pthread_mutex_lock(&mutex);
    const std::string full = resolve(toDir, to);
    pthread_mutex_unlock(&mutex);
    linked(result, fromDir, from, flags, full);
    return result;
}

int close(int fd)
{
    pthread_mutex_lock(&mutex);
    fds.erase(fd);
    pthread_mutex_unlock(&mutex);
    return real<CloseFn>("close")(fd);
}

} // extern "C"

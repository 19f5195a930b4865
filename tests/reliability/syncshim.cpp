// Preloaded (LD_PRELOAD) into the helper child to see what would reach the
// disk. Under HOPLIX_SHIM_DIR it logs every write, truncation, sync and
// change of names, in the order they happen and with the data written, to
// HOPLIX_SHIM_LOG; text on standard output is logged as a marker, so the log
// also says what the process had confirmed at every point. Several processes
// may append to one log in turn: files are known by inode. With
// HOPLIX_SLOW_SYNC_MS ("20-50", or one number) every sync takes that long,
// as on cheap phone storage. powercutreplay.h reads the log.

#include "powercutevent.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>

// The C library's own definition of a call this file replaces.
#define REAL(name) reinterpret_cast<decltype(&::name)>(dlsym(RTLD_NEXT, #name))

namespace {

pthread_mutex_t mutex = PTHREAD_MUTEX_INITIALIZER;
bool configured = false;
int logFd = -1;
std::string watched;
int slowMin = 0;
int slowMax = 0;
unsigned slowSeed = 20250131u;
// Watched descriptors: the file's inode (0 for a directory) and its path.
std::map<int, std::pair<std::uint64_t, std::string>> fds;

// Holds the one mutex: the log's order is the order in which calls took it.
struct Locked
{
    Locked()
    {
        pthread_mutex_lock(&mutex);
        if (configured)
            return;
        configured = true;
        const char *log = getenv("HOPLIX_SHIM_LOG");
        const char *dir = getenv("HOPLIX_SHIM_DIR");
        if (log && dir) {
            watched = std::string(dir) + '/';
            logFd = REAL(openat64)(AT_FDCWD, log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        }
        if (const char *slow = getenv("HOPLIX_SLOW_SYNC_MS")) {
            const char *dash = strchr(slow, '-');
            slowMin = atoi(slow);
            slowMax = std::max(slowMin, dash ? atoi(dash + 1) : 0);
        }
    }
    ~Locked() { pthread_mutex_unlock(&mutex); }
};

void record(char kind, std::uint64_t inode, std::uint64_t offset, const void *data, size_t size)
{
    if (logFd < 0)
        return;
    const PowerCutEvent event = {kind, {}, std::uint32_t(size), inode, offset};
    std::string bytes(reinterpret_cast<const char *>(&event), sizeof event);
    bytes.append(static_cast<const char *>(data), size);
    // A log with a hole would make every later check a guess.
    if (REAL(write)(logFd, bytes.data(), bytes.size()) != ssize_t(bytes.size()))
        abort();
}

bool isWatched(const std::string &path)
{
    return logFd >= 0 && (path.compare(0, watched.size(), watched) == 0 || path + '/' == watched);
}

std::string resolve(int dir, const char *path)
{
    const auto it = fds.find(dir);
    return path[0] == '/' || it == fds.end() ? std::string(path) : it->second.second + '/' + path;
}

std::uint64_t fileOf(int fd)
{
    Locked lock;
    const auto it = fds.find(fd);
    return it == fds.end() ? 0 : it->second.first;
}

int openAt(int dir, const char *path, int flags, mode_t mode)
{
    const bool unnamed = (flags & O_TMPFILE) == O_TMPFILE;
    std::string full;
    bool fresh = false;
    {
        Locked lock;
        full = resolve(dir, path);
        struct stat st;
        fresh = (flags & O_CREAT) && !unnamed && stat(full.c_str(), &st) != 0;
    }
    const int fd = REAL(openat64)(dir, path, flags, mode);
    struct stat st;
    Locked lock;
    if (fd < 0 || !isWatched(full) || fstat(fd, &st) != 0)
        return fd;
    fds[fd] = {S_ISDIR(st.st_mode) ? 0 : st.st_ino, full};
    if (S_ISDIR(st.st_mode))
        return fd;
    // A creation starts a new file in the replay, also when the file system
    // hands an inode number out again.
    if (unnamed)
        record('N', st.st_ino, 0, nullptr, 0);
    else
        record('O', st.st_ino, fresh, full.data(), full.size());
    if (flags & O_TRUNC)
        record('T', st.st_ino, 0, nullptr, 0);
    return fd;
}

// Data that reached a watched file, or standard output (what was confirmed).
ssize_t wrote(int fd, std::uint64_t offset, const void *data, ssize_t n)
{
    Locked lock;
    const auto it = fds.find(fd);
    if (n > 0 && it != fds.end() && it->second.first)
        record('W', it->second.first, offset, data, size_t(n));
    else if (n > 0 && fd == STDOUT_FILENO)
        record('M', 0, 0, data, size_t(n));
    return n;
}

// Logged before the sync starts: what another thread writes meanwhile counts
// as unsynced, which only makes the model stricter.
int beforeSync(int fd)
{
    int delay = 0;
    {
        Locked lock;
        const auto it = fds.find(fd);
        if (it != fds.end() && it->second.first)
            record('S', it->second.first, 0, nullptr, 0);
        else if (it != fds.end())
            record('D', 0, 0, it->second.second.data(), it->second.second.size());
        if (slowMax > 0)
            delay = slowMin + int(rand_r(&slowSeed) % unsigned(slowMax - slowMin + 1));
    }
    usleep(useconds_t(delay) * 1000);
    return fd;
}

int truncated(int fd, std::uint64_t size, int result)
{
    const std::uint64_t inode = fileOf(fd);
    Locked lock;
    if (result == 0 && inode)
        record('T', inode, size, nullptr, 0);
    return result;
}

// A change of names: 'R' renamed, 'U' removed, 'L' a new name for a file (by
// path, or by the descriptor's /proc link, as Qt names a file it wrote
// without a name).
int named(int result, char kind, int fromDir, const char *from, int toDir = AT_FDCWD,
          const char *to = "")
{
    if (result != 0)
        return result;
    Locked lock;
    const std::string a = resolve(fromDir, from);
    const std::string b = resolve(toDir, to);
    if (kind == 'U' && isWatched(a))
        record('U', 0, 0, a.data(), a.size());
    if (kind == 'R' && (isWatched(a) || isWatched(b))) {
        const std::string both = a + '\0' + b;
        record('R', 0, 0, both.data(), both.size());
    }
    if (kind == 'L' && isWatched(b)) {
        int fd = -1;
        sscanf(from, "/proc/self/fd/%d", &fd);
        const auto it = fds.find(fd);
        struct stat st;
        const std::uint64_t inode = it != fds.end() ? it->second.first
                : stat(b.c_str(), &st) == 0         ? st.st_ino
                                                    : 0;
        record('L', inode, 0, b.data(), b.size());
    }
    return result;
}

mode_t modeOf(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(args, int)) : 0;
}

} // namespace

// Every variant of a call goes through one path above.
#define OPEN_VARIANT(name) \
    int name(const char *path, int flags, ...) \
    { \
        va_list args; \
        va_start(args, flags); \
        const mode_t mode = modeOf(flags, args); \
        va_end(args); \
        return openAt(AT_FDCWD, path, flags, mode); \
    }

extern "C" {
OPEN_VARIANT(open)
OPEN_VARIANT(open64)

ssize_t write(int fd, const void *data, size_t size)
{
    const off_t at = fileOf(fd) ? lseek(fd, 0, SEEK_CUR) : 0;
    return wrote(fd, std::uint64_t(at), data, REAL(write)(fd, data, size));
}
ssize_t pwrite64(int fd, const void *data, size_t size, off64_t at)
{
    return wrote(fd, std::uint64_t(at), data, REAL(pwrite64)(fd, data, size, at));
}
int fsync(int fd)
{
    return REAL(fsync)(beforeSync(fd));
}
int fdatasync(int fd)
{
    return REAL(fdatasync)(beforeSync(fd));
}
int ftruncate(int fd, off_t size)
{
    return truncated(fd, std::uint64_t(size), REAL(ftruncate)(fd, size));
}
int ftruncate64(int fd, off64_t size)
{
    return truncated(fd, std::uint64_t(size), REAL(ftruncate64)(fd, size));
}
int rename(const char *from, const char *to)
{
    return named(REAL(rename)(from, to), 'R', AT_FDCWD, from, AT_FDCWD, to);
}
int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned flags)
{
    return named(REAL(renameat2)(fromDir, from, toDir, to, flags), 'R', fromDir, from, toDir, to);
}
int unlink(const char *path)
{
    return named(REAL(unlink)(path), 'U', AT_FDCWD, path);
}
int link(const char *from, const char *to)
{
    return named(REAL(link)(from, to), 'L', AT_FDCWD, from, AT_FDCWD, to);
}
int linkat(int fromDir, const char *from, int toDir, const char *to, int flags)
{
    return named(REAL(linkat)(fromDir, from, toDir, to, flags), 'L', fromDir, from, toDir, to);
}
int close(int fd)
{
    {
        Locked lock;
        fds.erase(fd);
    }
    return REAL(close)(fd);
}
} // extern "C"

// Preloaded (LD_PRELOAD) into the helper child to see what would reach the
// disk. Under HOPLIX_SHIM_DIR it logs every write, truncation, sync and
// change of names, in the order they happen and with the data written, to
// HOPLIX_SHIM_LOG; text on standard output is logged as a marker, so the log
// also says what the process had confirmed at every point. Several processes
// may append to one log in turn: files are known by inode. With
// HOPLIX_SLOW_SYNC_MS ("20-50", or one number) every sync takes that long,
// as on cheap phone storage. tst_brokenenvironment reads the log.
//
// An entry of the log is a line "<kind> <inode> <offset> <size>" followed by
// `size` bytes (the data written, a path, or marker text). Kinds:
//   'O' a watched file opened; offset 1 when it was created; its name (none
//       for a file created without one, O_TMPFILE)
//   'W' data written at the offset
//   'T' the file's size set to the offset
//   'S' a file synced
//   'D' a directory synced; its path
//   'L' a new name for a file (link); the name
//   'R' a rename; the old and the new name, separated by a NUL
//   'U' a name removed (unlink); the name
//   'M' text written to standard output (what the process confirmed)

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <string>

// The C library's own definition of a call this file replaces.
#define REAL(name) reinterpret_cast<decltype(&::name)>(dlsym(RTLD_NEXT, #name))

namespace {

using Lock = std::unique_lock<std::mutex>;

// Every replaced call holds the one mutex around the real call and its
// record, so the log's order is the order in which the calls happened.
struct Shim
{
    std::mutex mutex;
    const char *logPath = getenv("HOPLIX_SHIM_LOG"), *dir = getenv("HOPLIX_SHIM_DIR");
    const std::string watched = dir ? std::string(dir) + '/' : std::string();
    const int log = logPath && dir
            ? REAL(open64)(logPath, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600)
            : -1;
    const char *slow = getenv("HOPLIX_SLOW_SYNC_MS"), *dash = slow ? strchr(slow, '-') : nullptr;
    const int slowMin = slow ? atoi(slow) : 0,
              slowMax = std::max(slowMin, dash ? atoi(dash + 1) : 0);
    unsigned slowSeed = 20250131u;
    // Watched descriptors: the file's inode (0 for a directory) and its path.
    // Paths are taken as given: Qt and SQLite name these files absolutely.
    std::map<int, std::pair<std::uint64_t, std::string>> fds;

    void record(char kind, std::uint64_t inode, std::uint64_t offset, const std::string &data = {})
    {
        const std::string bytes = kind + (' ' + std::to_string(inode)) + ' '
                + std::to_string(offset) + ' ' + std::to_string(data.size()) + '\n' + data;
        // A log with a hole would make every later check a guess.
        if (log >= 0 && REAL(write)(log, bytes.data(), bytes.size()) != ssize_t(bytes.size()))
            abort();
    }
    // The watched directory itself or anything under it.
    bool isWatched(const std::string &p) const { return log >= 0 && (p + '/').find(watched) == 0; }
    std::uint64_t inodeOf(int fd) const { return fds.count(fd) ? fds.at(fd).first : 0; }

    int open(const char *path, int flags, mode_t mode)
    {
        struct stat st;
        const bool nameless = (flags & O_TMPFILE) == O_TMPFILE;
        const bool fresh = nameless || ((flags & O_CREAT) && stat(path, &st) != 0);
        const int fd = REAL(open64)(path, flags, mode);
        if (fd < 0 || !isWatched(path) || fstat(fd, &st) != 0)
            return fd;
        fds[fd] = {S_ISDIR(st.st_mode) ? 0 : st.st_ino, path};
        // A creation (also without a name, O_TMPFILE) starts a new file in
        // the replay, even when the file system hands an inode number out again.
        if (!S_ISDIR(st.st_mode))
            record('O', st.st_ino, fresh, nameless ? "" : path);
        if (!S_ISDIR(st.st_mode) && (flags & O_TRUNC))
            record('T', st.st_ino, 0);
        return fd;
    }
    // Data that reached a watched file ('W') or its new size ('T'), or text on
    // standard output ('M': what the process confirmed).
    ssize_t changed(ssize_t result, char kind, int fd, off64_t at, const void *data = "")
    {
        const std::uint64_t inode = inodeOf(fd);
        if ((kind == 'T' ? result == 0 : result > 0) && (inode || fd == STDOUT_FILENO))
            record(inode ? kind : 'M', inode,
                   std::uint64_t(inode && at < 0 ? lseek(fd, 0, SEEK_CUR) - result : at),
                   std::string(static_cast<const char *>(data), kind == 'T' ? 0 : size_t(result)));
        return result;
    }
    // A change of names: 'R' renamed, 'U' removed, 'L' a new name for a file
    // (Qt names a file it wrote without a name by its /proc link).
    int named(int result, char kind, const std::string &a, const std::string &b = {})
    {
        struct stat st = {};
        if (result == 0 && (isWatched(a) || isWatched(b)) && (kind != 'L' || !stat(b.c_str(), &st)))
            record(kind, st.st_ino, 0, kind == 'R' ? a + '\0' + b : kind == 'L' ? b : a);
        return result;
    }
    // Logged before the sync starts, and the sync (slowed down) runs outside
    // the lock: what another thread writes meanwhile counts as unsynced,
    // which only makes the model stricter.
    int synced(int fd, Lock &lock, int (*real)(int))
    {
        if (fds.count(fd))
            record(inodeOf(fd) ? 'S' : 'D', inodeOf(fd), 0, inodeOf(fd) ? "" : fds[fd].second);
        const int delay = slowMin + int(rand_r(&slowSeed) % unsigned(slowMax - slowMin + 1));
        lock.unlock();
        usleep(useconds_t(delay) * 1000);
        return real(fd);
    }
};

Shim &shim()
{
    static Shim instance;
    return instance;
}

} // namespace

// One path for every variant of a call.
#define REPLACE(type, name, params, after) \
    type name params \
    { \
        Shim &s = shim(); \
        Lock lock(s.mutex); \
        return after; \
    }

extern "C" {
int open(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const bool hasMode = (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE;
    const mode_t mode = hasMode ? mode_t(va_arg(args, int)) : 0;
    va_end(args);
    Lock lock(shim().mutex);
    return shim().open(path, flags, mode);
}
int open64(const char *path, int flags, ...) __attribute__((alias("open")));
REPLACE(ssize_t, write, (int fd, const void *data, size_t n),
        s.changed(REAL(write)(fd, data, n), 'W', fd, -1, data))
REPLACE(ssize_t, pwrite64, (int fd, const void *data, size_t n, off64_t at),
        s.changed(REAL(pwrite64)(fd, data, n, at), 'W', fd, at, data))
REPLACE(int, ftruncate, (int fd, off_t size),
        int(s.changed(REAL(ftruncate)(fd, size), 'T', fd, size)))
REPLACE(int, ftruncate64, (int fd, off64_t size),
        int(s.changed(REAL(ftruncate64)(fd, size), 'T', fd, size)))
REPLACE(int, rename, (const char *a, const char *b), s.named(REAL(rename)(a, b), 'R', a, b))
REPLACE(int, renameat2, (int da, const char *a, int db, const char *b, unsigned f),
        s.named(REAL(renameat2)(da, a, db, b, f), 'R', a, b))
REPLACE(int, unlink, (const char *a), s.named(REAL(unlink)(a), 'U', a))
REPLACE(int, link, (const char *a, const char *b), s.named(REAL(link)(a, b), 'L', a, b))
REPLACE(int, linkat, (int da, const char *a, int db, const char *b, int f),
        s.named(REAL(linkat)(da, a, db, b, f), 'L', a, b))
REPLACE(int, close, (int fd), (s.fds.erase(fd), REAL(close)(fd)))
REPLACE(int, fsync, (int fd), s.synced(fd, lock, REAL(fsync)))
REPLACE(int, fdatasync, (int fd), s.synced(fd, lock, REAL(fdatasync)))
} // extern "C"

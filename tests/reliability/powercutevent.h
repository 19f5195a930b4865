#ifndef POWERCUTEVENT_H
#define POWERCUTEVENT_H

#include <cstdint>

// One entry of the log that the sync shim writes: this header, followed by
// `size` bytes (the data written, a path, or marker text).
//
//   'O' a watched file opened; inode, offset 1 when it was created; its
//       name (none for a file created without one, O_TMPFILE)
//   'W' data written; inode, offset, the data
//   'T' the file's size set; inode, offset = the new size
//   'S' a file synced; inode
//   'D' a directory synced; its path
//   'L' a new name for a file (link); inode, the name
//   'R' a rename; the old and the new name, separated by a NUL
//   'U' a name removed (unlink); the name
//   'M' text written to standard output (what the process confirmed)
struct PowerCutEvent
{
    char kind;
    char reserved[3];
    std::uint32_t size;
    std::uint64_t inode;
    std::uint64_t offset;
};

#endif // POWERCUTEVENT_H

#pragma once
// File access for the whole program. Paths are Windows-1252 text that may use
// "\" or "/" and any letter case; every existing component is found without
// regard to case, as on Windows, so "DATEN\Back.jpg" and "daten/back.jpg" reach
// the same file. A component that does not exist yet keeps the caller's spelling.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fsys {

bool isSeparator(char c);
// A name that stays inside the folder it is taken relative to: not empty, not
// absolute, no drive letter, no ".." component (archive members, media names).
bool isSafeRelativeName(std::string_view name);
// The path as the operating system wants it (UTF-8, "/", existing case).
std::filesystem::path native(std::string_view path);
// Back from an operating-system path to program text (Windows-1252, "/").
std::string fromNative(const std::filesystem::path& p);

bool exists(std::string_view path);
bool fileExists(std::string_view path);
bool folderExists(std::string_view path);

struct Stamp {
    std::uintmax_t size = 0;
    std::int64_t mtime = 0;    // nanoseconds
    std::uintmax_t inode = 0;  // an atomic replace always changes it
    bool operator==(const Stamp&) const = default;
};
std::optional<Stamp> stamp(std::string_view path);

std::optional<std::string> readAll(std::string_view path);
// Writes to a temporary file beside the target, flushes it to the disk and
// renames it over the target, so that a reader, a kill or a power cut leaves
// either the old or the new file. A read-only target is left alone, as Windows
// does. Returns false when it could not write.
bool writeAtomic(std::string_view path, std::string_view bytes);

// Held during a read-modify-write of a file shared with other processes and
// stations: an advisory lock on a lock file beside it (locks work on local
// folders and on network shares mounted with locking). A waiter breaks a lock
// older than kStaleLockSeconds, taking its holder for dead or cut off.
class FileLock {
public:
    static constexpr int kStaleLockSeconds = 10;
    explicit FileLock(std::string_view path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    // False when the lock file could not be made (read-only folder) or the wait
    // gave up; the caller must not write then.
    bool held() const { return held_; }
    static std::string lockFileOf(std::string_view path);

private:
    std::string lockPath_;  // native
    int fd_ = -1;
    bool held_ = false;
};

// Removes temporary and lock files that a killed write left in `folder` and its
// subfolders (two levels), when older than `minAgeSeconds`; younger ones may
// belong to a write still running elsewhere. Returns how many were removed.
int removeStaleLeftovers(std::string_view folder, int minAgeSeconds = 600);
bool append(std::string_view path, std::string_view bytes);
bool remove(std::string_view path);
bool rename(std::string_view from, std::string_view to);
bool copy(std::string_view from, std::string_view to, bool overwrite = true);
bool makeFolders(std::string_view path);
// Names (not paths) of the entries of a folder, in Windows-1252.
std::vector<std::string> list(std::string_view folder);

// Appends to one file through a descriptor kept open, for a log written line by
// line. Every append is one write to the system: once it returns, the bytes are
// in the file even if the program dies right after. A file that was removed or
// renamed meanwhile is opened anew under its name.
class Appender {
public:
    Appender() = default;
    ~Appender();
    Appender(const Appender&) = delete;
    Appender& operator=(const Appender&) = delete;
    bool append(std::string_view path, std::string_view bytes);
    // Free bytes on the disk of the file open now; nothing when none is open.
    std::optional<std::uintmax_t> freeSpace() const;
    void close();

private:
    bool open(std::string_view path);

    std::string path_;  // as the caller names it
    std::string native_;
    int fd_ = -1;
    std::chrono::steady_clock::time_point checked_;
};

// Writes a file in pieces: into a temporary file beside the target, which
// commit() flushes and renames over the target. Dropped without commit, it
// leaves nothing behind.
class StreamWriter {
public:
    explicit StreamWriter(std::string_view path);
    ~StreamWriter();
    StreamWriter(const StreamWriter&) = delete;
    StreamWriter& operator=(const StreamWriter&) = delete;
    bool ok() const { return fd_ >= 0; }
    bool write(std::string_view bytes);
    bool commit();

private:
    std::filesystem::path target_, tmp_;
    int fd_ = -1;
};

// Bytes an ordinary user may still write on the file system of `path` (or of
// its nearest existing folder); nothing when that cannot be told.
std::optional<std::uintmax_t> freeSpace(std::string_view path);

// Counts the changes this program made to files through these functions; caches
// of file contents compare it to notice them.
std::uint64_t generation();

// Forgets remembered path spellings (after folders were renamed or removed).
void clearResolveCache();

}  // namespace fsys

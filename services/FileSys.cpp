#include "services/FileSys.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <thread>
#include <unordered_map>
#include <utility>

#include "services/Codepage.h"

namespace fsys {
namespace fs = std::filesystem;

namespace {
std::uint64_t changes = 0;

std::unordered_map<std::string, std::string>& resolveCache() {
    static std::unordered_map<std::string, std::string> cache;
    return cache;
}

bool statOk(const std::string& p, struct stat& st) {
    return ::stat(p.c_str(), &st) == 0;
}

// A name that did not exist, with the state of the folder that would hold it:
// while that folder is unchanged, the name is still missing, and asking again
// need not read the whole folder for another spelling.
struct Missing {
    std::string resolved, folder;
    std::int64_t folderTime;
    std::uint64_t generation;
};
std::unordered_map<std::string, Missing>& missingCache() {
    static std::unordered_map<std::string, Missing> cache;
    return cache;
}
std::int64_t changeTime(const struct stat& st) {
    return std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}
// The system stamps folders from a coarse clock: a file made in the same few
// milliseconds as the folder's last change leaves the stamp as it was. A folder
// changed that recently is read again next time.
bool folderSettled(const struct stat& st) {
    struct timespec jetzt;
    ::clock_gettime(CLOCK_REALTIME, &jetzt);
    const std::int64_t nun = std::int64_t(jetzt.tv_sec) * 1000000000 + jetzt.tv_nsec;
    return nun - changeTime(st) > 50'000'000;
}

constexpr std::string_view kTmpMark = ".melvato-tmp-";
constexpr std::string_view kLockMark = ".melvato-lock";

bool writeAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += size_t(n);
    }
    return done == bytes.size();
}

// Writes all bytes and closes the descriptor; false when anything failed.
bool writeAllAndClose(int fd, std::string_view bytes) {
    bool ok = writeAll(fd, bytes);
    return (::close(fd) == 0) && ok;
}

// The superuser may write anything; a file without any write bit stays read-only for it too.
bool modeReadOnly(const std::string& p, const struct stat& st) {
    return (st.st_mode & 0222) == 0 || ::access(p.c_str(), W_OK) != 0;
}

// Makes a rename in `folder` survive a power cut.
void syncFolder(const fs::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::int64_t ageSeconds(const struct stat& st) {
    return std::int64_t(std::time(nullptr)) - std::int64_t(st.st_mtim.tv_sec);
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_ino == b.st_ino && a.st_dev == b.st_dev;
}

// 0 when locked, EWOULDBLOCK when another holds it, otherwise the error.
int tryLock(int fd) {
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &fl) == 0) return 0;
    if (errno == EAGAIN || errno == EACCES) return EWOULDBLOCK;
    if (errno != EINVAL) return errno;
    // Kernels without descriptor-owned record locks.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return 0;
    return errno == EWOULDBLOCK ? EWOULDBLOCK : errno;
}

bool isDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isLeftoverName(std::string_view name) {
    if (name.size() > kLockMark.size() && name.substr(name.size() - kLockMark.size()) == kLockMark)
        return true;
    size_t mark = name.rfind(kTmpMark);
    if (mark == std::string_view::npos || mark == 0) return false;
    std::string_view tail = name.substr(mark + kTmpMark.size());
    size_t dash = tail.find('-');
    return dash != std::string_view::npos && isDigits(tail.substr(0, dash)) &&
           isDigits(tail.substr(dash + 1));
}

int removeLeftoversIn(const fs::path& folder, int minAgeSeconds, int depth) {
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        struct stat st;
        std::string p = it->path().string();
        if (::lstat(p.c_str(), &st) != 0) continue;
        if (S_ISDIR(st.st_mode)) {
            if (depth > 0) removed += removeLeftoversIn(it->path(), minAgeSeconds, depth - 1);
        } else if (S_ISREG(st.st_mode) && isLeftoverName(it->path().filename().string()) &&
                   ageSeconds(st) >= minAgeSeconds && ::unlink(p.c_str()) == 0) {
            ++removed;
        }
    }
    return removed;
}

// Resolves component by component; stops resolving at the first missing one.
std::string resolve(std::string_view path) {
    std::string utf = cp1252::toUtf8(path);
    std::vector<std::string> parts;
    std::string cur;
    for (char c : utf) {
        if (c == '\\' || c == '/') {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur.push_back(c);
        }
    }
    parts.push_back(cur);
    bool absolute = !utf.empty() && (utf[0] == '/' || utf[0] == '\\');
    std::string out = absolute ? "/" : "";
    bool resolving = true;
    bool first = true;
    for (size_t i = absolute ? 1 : 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        bool last = i + 1 == parts.size();
        if (part.empty()) {
            if (last && !first) out.push_back('/');  // keep a trailing separator
            continue;
        }
        std::string base = out.empty() ? std::string(".") : out;
        std::string candidate = out + part;
        if (resolving && part != "." && part != "..") {
            struct stat st;
            if (!statOk(candidate, st)) {
                std::string wanted = cp1252::upper(cp1252::fromUtf8(part));
                std::string found;
                std::error_code ec;
                for (fs::directory_iterator it(base, ec), end; !ec && it != end; it.increment(ec)) {
                    std::string name = it->path().filename().string();
                    if (cp1252::upper(cp1252::fromUtf8(name)) == wanted) {
                        found = name;
                        break;
                    }
                }
                if (found.empty())
                    resolving = false;
                else
                    candidate = out + found;
            }
        }
        out = candidate;
        if (!last) out.push_back('/');
        first = false;
    }
    return out;
}
}  // namespace

std::uint64_t generation() {
    return changes;
}

bool isSafeRelativeName(std::string_view name) {
    if (name.empty() || isSeparator(name.front())) return false;
    if (name.size() >= 2 && name[1] == ':') return false;  // drive letter
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = start;
        while (end < name.size() && !isSeparator(name[end])) ++end;
        if (name.substr(start, end - start) == "..") return false;
        start = end + 1;
    }
    return true;
}

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

fs::path native(std::string_view path) {
    std::string key(path);
    auto& cache = resolveCache();
    auto it = cache.find(key);
    if (it != cache.end()) {
        struct stat st;
        if (statOk(it->second, st)) return fs::path(it->second);
        cache.erase(it);
    }
    auto& missing = missingCache();
    if (auto m = missing.find(key); m != missing.end()) {
        struct stat st;
        if (m->second.generation == changes && statOk(m->second.folder, st) &&
            changeTime(st) == m->second.folderTime)
            return fs::path(m->second.resolved);
        missing.erase(m);
    }
    std::string resolved = resolve(path);
    struct stat st;
    if (statOk(resolved, st)) {
        if (cache.size() > 20000) cache.clear();
        cache.emplace(std::move(key), resolved);
    } else if (const std::string folder = fs::path(resolved).parent_path().string();
               !folder.empty() && statOk(folder, st) && S_ISDIR(st.st_mode) && folderSettled(st)) {
        if (missing.size() > 20000) missing.clear();
        missing[key] = Missing{resolved, folder, changeTime(st), changes};
    }
    return fs::path(resolved);
}

std::string fromNative(const fs::path& p) {
    return cp1252::fromUtf8(p.string());
}

void clearResolveCache() {
    resolveCache().clear();
    missingCache().clear();
}

bool exists(std::string_view path) {
    std::error_code ec;
    return !path.empty() && fs::exists(native(path), ec);
}
bool fileExists(std::string_view path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(native(path), ec);
}
bool folderExists(std::string_view path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(native(path), ec);
}

std::optional<Stamp> stamp(std::string_view path) {
    struct stat st;
    if (!statOk(native(path).string(), st) || !S_ISREG(st.st_mode)) return std::nullopt;
    return Stamp{std::uintmax_t(st.st_size),
                 std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                 std::uintmax_t(st.st_ino)};
}

std::optional<std::string> readAll(std::string_view path) {
    std::string p = native(path).string();
    int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string out;
    out.resize(size_t(st.st_size));
    size_t got = 0;
    while (got < out.size()) {
        ssize_t n = ::read(fd, out.data() + got, out.size() - got);
        if (n <= 0) break;
        got += size_t(n);
    }
    out.resize(got);
    char buf[4096];  // the file may have grown since fstat
    for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;) out.append(buf, size_t(n));
    ::close(fd);
    return out;
}

bool writeAtomic(std::string_view path, std::string_view bytes) {
    ++changes;
    fs::path target = native(path);
    struct stat old;
    bool replacing = ::stat(target.c_str(), &old) == 0;
    // Replacing by rename needs only a writable folder; a read-only file must stay.
    if (replacing && modeReadOnly(target.string(), old)) return false;
    static std::atomic<unsigned> counter{0};
    fs::path tmp = target.string() + std::string(kTmpMark) + std::to_string(::getpid()) + "-" +
                   std::to_string(counter++);
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes);
    if (ok && replacing) ::fchmod(fd, old.st_mode & 07777);  // keep the permissions of the file replaced
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tmp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tmp.c_str());
        return false;
    }
    syncFolder(target.parent_path());
    return true;
}

std::string FileLock::lockFileOf(std::string_view path) {
    return fromNative(native(path)) + std::string(kLockMark);
}

FileLock::FileLock(std::string_view path) : lockPath_(native(path).string() + std::string(kLockMark)) {
    using Clock = std::chrono::steady_clock;
    const auto giveUp = Clock::now() + std::chrono::seconds(3 * kStaleLockSeconds);
    int pauseMs = 1;
    for (;;) {
        int fd = ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) return;
        int r = tryLock(fd);
        struct stat mine, named;
        if (r == 0) {
            // The holder before us removes the file before it lets go; a lock on
            // that removed file excludes nobody, so start again with a new one.
            if (::fstat(fd, &mine) == 0 && statOk(lockPath_, named) && sameFile(mine, named)) {
                ::futimens(fd, nullptr);  // its age tells waiters how long we hold it
                fd_ = fd;
                held_ = true;
                return;
            }
            ::close(fd);
            continue;
        }
        if (r != EWOULDBLOCK) {
            // A share mounted without locking: write as before, unlocked.
            ::close(fd);
            held_ = true;
            return;
        }
        if (::fstat(fd, &mine) == 0 && ageSeconds(mine) >= kStaleLockSeconds && statOk(lockPath_, named) &&
            sameFile(mine, named))
            ::unlink(lockPath_.c_str());
        ::close(fd);
        if (Clock::now() > giveUp) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
        pauseMs = std::min(pauseMs * 2, 20);
    }
}

FileLock::~FileLock() {
    if (fd_ < 0) return;
    struct stat mine, named;
    // Not when a waiter broke our lock and made a new file of the name.
    if (::fstat(fd_, &mine) == 0 && statOk(lockPath_, named) && sameFile(mine, named))
        ::unlink(lockPath_.c_str());
    ::close(fd_);
}

int removeStaleLeftovers(std::string_view folder, int minAgeSeconds) {
    ++changes;
    return removeLeftoversIn(native(folder), minAgeSeconds, 2);
}

bool append(std::string_view path, std::string_view bytes) {
    // Appends (log lines) do not count as changes: no cached profile grows this way.
    std::string p = native(path).string();
    int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    return writeAllAndClose(fd, bytes);
}

bool remove(std::string_view path) {
    ++changes;
    std::error_code ec;
    bool ok = fs::remove(native(path), ec);
    return ok && !ec;
}

bool rename(std::string_view from, std::string_view to) {
    ++changes;
    std::error_code ec;
    fs::rename(native(from), native(to), ec);
    return !ec;
}

bool copy(std::string_view from, std::string_view to, bool overwrite) {
    auto bytes = readAll(from);
    if (!bytes) return false;
    if (!overwrite && exists(to)) return false;
    return writeAtomic(to, *bytes);
}

bool makeFolders(std::string_view path) {
    ++changes;
    std::error_code ec;
    fs::create_directories(native(path), ec);
    return !ec && folderExists(path);
}

std::vector<std::string> list(std::string_view folder) {
    std::vector<std::string> out;
    std::error_code ec;
    for (fs::directory_iterator it(native(folder), ec), end; !ec && it != end; it.increment(ec))
        out.push_back(cp1252::fromUtf8(it->path().filename().string()));
    return out;
}

Appender::~Appender() {
    close();
}

void Appender::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    path_.clear();
}

bool Appender::open(std::string_view path) {
    if (fd_ >= 0 && path == path_) {
        // Still the file of that name? Someone may have moved or deleted it.
        // Asked at most once a second: a start writes thousands of lines.
        const auto jetzt = std::chrono::steady_clock::now();
        if (jetzt - checked_ < std::chrono::seconds(1)) return true;
        struct stat offen, unterNamen;
        if (::fstat(fd_, &offen) == 0 && statOk(native_, unterNamen) && sameFile(offen, unterNamen)) {
            checked_ = jetzt;
            return true;
        }
    }
    close();
    native_ = native(path).string();
    fd_ = ::open(native_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd_ < 0) return false;
    path_ = path;
    checked_ = std::chrono::steady_clock::now();
    return true;
}

bool Appender::append(std::string_view path, std::string_view bytes) {
    // Appends (log lines) do not count as changes: no cached profile grows this way.
    return open(path) && writeAll(fd_, bytes);
}

std::optional<std::uintmax_t> Appender::freeSpace() const {
    struct statvfs platte;
    if (fd_ < 0 || ::fstatvfs(fd_, &platte) != 0) return std::nullopt;
    return std::uintmax_t(platte.f_bavail) * platte.f_frsize;
}

StreamWriter::StreamWriter(std::string_view path) : target_(native(path)) {
    ++changes;
    static std::atomic<unsigned> counter{0};
    tmp_ = target_;
    // The same form as writeAtomic's, so that leftovers of a kill are found at start.
    tmp_ += std::string(kTmpMark) + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    fd_ = ::open(tmp_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

StreamWriter::~StreamWriter() {
    if (fd_ < 0) return;
    ::close(fd_);
    ::unlink(tmp_.c_str());
}

bool StreamWriter::write(std::string_view bytes) {
    if (fd_ < 0) return false;
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n <= 0) return false;
        bytes.remove_prefix(size_t(n));
    }
    return true;
}

bool StreamWriter::commit() {
    if (fd_ < 0) return false;
    const int fd = std::exchange(fd_, -1);
    bool ok = ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok) {
        struct stat st;
        if (::stat(target_.c_str(), &st) == 0) ::chmod(tmp_.c_str(), st.st_mode & 07777);
        ok = ::rename(tmp_.c_str(), target_.c_str()) == 0;
    }
    if (!ok) ::unlink(tmp_.c_str());
    if (ok) syncFolder(target_.parent_path());
    return ok;
}

std::optional<std::uintmax_t> freeSpace(std::string_view path) {
    std::error_code ec;
    fs::path p = native(path);
    while (!p.empty() && !fs::exists(p, ec)) {
        if (p == p.parent_path()) break;
        p = p.parent_path();
    }
    if (p.empty()) p = ".";
    const fs::space_info info = fs::space(p, ec);
    if (ec) return std::nullopt;
    return info.available;
}

}  // namespace fsys

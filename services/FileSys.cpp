#include "services/FileSys.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <unordered_map>

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

// Writes all bytes and closes the descriptor; false when anything failed.
bool writeAllAndClose(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) break;
        done += size_t(n);
    }
    bool ok = done == bytes.size();
    return (::close(fd) == 0) && ok;
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
    std::string resolved = resolve(path);
    struct stat st;
    if (statOk(resolved, st)) {
        if (cache.size() > 20000) cache.clear();
        cache.emplace(std::move(key), resolved);
    }
    return fs::path(resolved);
}

std::string fromNative(const fs::path& p) {
    return cp1252::fromUtf8(p.string());
}

void clearResolveCache() {
    resolveCache().clear();
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
    static std::atomic<unsigned> counter{0};
    fs::path tmp = target;
    tmp += ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = writeAllAndClose(fd, bytes);
    if (ok) {
        // Keep the permissions of the file being replaced.
        struct stat st;
        if (::stat(target.c_str(), &st) == 0) ::chmod(tmp.c_str(), st.st_mode & 07777);
        ok = ::rename(tmp.c_str(), target.c_str()) == 0;
    }
    if (!ok) ::unlink(tmp.c_str());
    return ok;
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

}  // namespace fsys

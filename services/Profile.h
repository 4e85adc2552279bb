#pragma once
// Profile files ("[Section]" and "key=value" lines), read and written with the
// same results as the Windows profile functions give on the same bytes.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "services/FileSys.h"

namespace profile {

// What the Windows read returns at most.
constexpr size_t kMaxValue = 254;

// One parsed file. Offsets point into `bytes`.
class Parsed {
public:
    explicit Parsed(std::string bytes);
    // Lines point into the bytes: a copy would point into the original.
    Parsed(const Parsed&) = delete;
    Parsed& operator=(const Parsed&) = delete;

    const std::string& bytes() const { return bytes_; }
    // The value (blanks trimmed, matching quotes removed), uncut; nullopt when the
    // section or key is missing.
    std::optional<std::string_view> lookup(std::string_view section, std::string_view key) const;
    // The bytes after writing `value`; the same bytes when nothing changes.
    std::string withValue(std::string_view section, std::string_view key, std::string_view value) const;
    // The bytes after writing each pair into `section` in turn, exactly as that
    // many withValue calls leave them. Only the section is parsed again between
    // the writes, so a whole record costs one copy of a large file.
    using Values = std::vector<std::pair<std::string, std::string>>;
    std::string withValues(std::string_view section, const Values& values) const;
    bool hasSection(std::string_view section) const { return findSection(section) != nullptr; }
    // Names of the keys of the first section of that name, in file order.
    std::vector<std::string> keys(std::string_view section) const;

private:
    struct Line {
        size_t begin = 0, end = 0;  // content, without the line end
        size_t next = 0;            // start of the following line
        bool blank = true;          // nothing but blanks
        bool entry = false;         // counts as key (not blank, not comment, not section)
    };
    struct KeyValue {
        std::string_view key;       // trimmed
        std::string_view rawValue;  // trimmed, quotes kept
    };
    // Lines are split into key and value only when asked for: a lookup needs a few.
    KeyValue split(const Line& line) const;
    struct Section {
        size_t header = 0;     // line index of "[..]"
        size_t firstLine = 0;  // first line after the header
        size_t endLine = 0;    // one past the last line
        // Built on first use, and only for long sections: short ones are searched line by line.
        mutable std::shared_ptr<std::unordered_map<std::string, size_t>>
            keyIndex;  // lower-case key -> first line
    };
    const Section* findSection(std::string_view section) const;
    const Line* findKey(const Section& s, std::string_view key) const;

    std::string bytes_;
    std::vector<Line> lines_;
    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> sectionIndex_;  // lower-case name -> first section
};

std::string_view trimBlanks(std::string_view s);
std::string_view stripQuotes(std::string_view v);

// A file saved with a byte-order mark (UTF-16 LE or UTF-8, as Windows editors
// write "Unicode"): its text in the code page for reading, and what is needed to
// write a change back in the file's own encoding without touching the rest.
struct Unicode;

// Cached access to profile files on disk: a file is parsed once and reparsed when
// its size or modification time changes; our own writes refresh the cache.
class Store {
public:
    Store();
    ~Store();
    // A file read within this many milliseconds of its last check, with no write
    // by this program in between, is trusted without asking the file system again
    // (a status query costs more than the whole lookup). Changes by other programs
    // are therefore seen after at most this delay. Writes never trust it.
    void setRecheckInterval(std::int64_t ms) { recheckMs_ = ms; }
    void setClock(std::function<std::int64_t()> nowMs) { nowMs_ = std::move(nowMs); }

    // Missing file, section or key give the empty text. `maxLen` cuts the value.
    std::string read(std::string_view path, std::string_view section, std::string_view key,
                     size_t maxLen = kMaxValue);
    std::vector<std::string> keys(std::string_view path, std::string_view section);
    // Returns false when the file could not be written (nothing changes then).
    bool write(std::string_view path, std::string_view section, std::string_view key, std::string_view value);

    // A read-modify-write of a file that other processes and stations may change
    // too. Under the file's lock, `change` gets the file as it is now (an empty
    // one when it is missing) and returns the new text, or nothing to leave it.
    // The text replaces the file atomically, in the file's own encoding. False
    // when the file could not be locked, read or written; it is unchanged then.
    using Change = std::function<std::optional<std::string>(const Parsed& now)>;
    bool update(std::string_view path, const Change& change);

    void forget(std::string_view path);
    void clear() { cache_.clear(); }

private:
    struct Entry {
        fsys::Stamp stamp;
        std::shared_ptr<Parsed> parsed;
        std::shared_ptr<const Unicode> unicode;  // null for plain code-page files
        std::int64_t checkedAt = 0;
        std::uint64_t generation = 0;
    };
    static Entry makeEntry(const fsys::Stamp& stamp, std::string raw);
    std::shared_ptr<Parsed> load(std::string_view path);
    std::unordered_map<std::string, Entry> cache_;
    std::int64_t recheckMs_ = 1000;
    std::function<std::int64_t()> nowMs_;
};

}  // namespace profile

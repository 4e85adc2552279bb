#include "services/Profile.h"

#include <algorithm>
#include <chrono>
#include <cstring>

#include "services/Codepage.h"

namespace profile {

static bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view s) {
    size_t a = 0, b = s.size();
    while (a < b && isBlank(s[a])) ++a;
    while (b > a && isBlank(s[b - 1])) --b;
    return s.substr(a, b - a);
}

std::string_view stripQuotes(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

Parsed::Parsed(std::string bytes) : bytes_(std::move(bytes)) {
    const std::string& b = bytes_;
    size_t pos = 0;
    long current = -1;  // section being filled
    lines_.reserve(b.size() / 48 + 4);
    while (pos < b.size()) {
        Line line;
        line.begin = pos;
        // memchr is far faster than a byte loop on large question files.
        const char* base = b.data();
        const char* lf = static_cast<const char*>(std::memchr(base + pos, '\n', b.size() - pos));
        size_t limit = lf ? size_t(lf - base) : b.size();
        const char* cr = static_cast<const char*>(std::memchr(base + pos, '\r', limit - pos));
        size_t e = cr ? size_t(cr - base) : limit;
        line.end = e;
        if (e < b.size()) {
            if (b[e] == '\r' && e + 1 < b.size() && b[e + 1] == '\n')
                line.next = e + 2;
            else
                line.next = e + 1;
        } else {
            line.next = e;
        }
        pos = line.next;

        size_t first = line.begin;
        while (first < line.end && (b[first] == ' ' || b[first] == '\t')) ++first;
        line.blank = first == line.end;
        size_t index = lines_.size();
        if (!line.blank && b[first] == '[') {
            std::string_view text = trimBlanks(std::string_view(b).substr(first, line.end - first));
            size_t close = text.rfind(']');
            if (close != std::string_view::npos) {
                if (current >= 0) sections_[size_t(current)].endLine = index;
                Section s;
                s.header = index;
                s.firstLine = index + 1;
                s.endLine = index + 1;
                sectionIndex_.emplace(cp1252::upper(trimBlanks(text.substr(1, close - 1))), sections_.size());
                current = long(sections_.size());
                sections_.push_back(std::move(s));
                lines_.push_back(line);
                continue;
            }
        }
        line.entry = !line.blank && b[first] != ';';
        lines_.push_back(line);
        if (current >= 0) sections_[size_t(current)].endLine = index + 1;
    }
}

Parsed::KeyValue Parsed::split(const Line& l) const {
    KeyValue kv;
    if (!l.entry) return kv;
    std::string_view text = trimBlanks(std::string_view(bytes_).substr(l.begin, l.end - l.begin));
    size_t eq = text.find('=');
    if (eq == std::string_view::npos) {
        kv.key = text;
    } else {
        kv.key = trimBlanks(text.substr(0, eq));
        kv.rawValue = trimBlanks(text.substr(eq + 1));
    }
    return kv;
}

const Parsed::Section* Parsed::findSection(std::string_view section) const {
    auto it = sectionIndex_.find(cp1252::upper(trimBlanks(section)));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const Parsed::Line* Parsed::findKey(const Section& s, std::string_view key) const {
    std::string_view k = trimBlanks(key);
    if (s.endLine - s.firstLine <= 32) {
        for (size_t i = s.firstLine; i < s.endLine; ++i)
            if (lines_[i].entry && cp1252::equalsNoCase(split(lines_[i]).key, k)) return &lines_[i];
        return nullptr;
    }
    if (!s.keyIndex) {
        s.keyIndex = std::make_shared<std::unordered_map<std::string, size_t>>();
        for (size_t i = s.firstLine; i < s.endLine; ++i)
            if (lines_[i].entry) s.keyIndex->emplace(cp1252::upper(split(lines_[i]).key), i);
    }
    auto it = s.keyIndex->find(cp1252::upper(k));
    return it == s.keyIndex->end() ? nullptr : &lines_[it->second];
}

std::optional<std::string_view> Parsed::lookup(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    if (!s) return std::nullopt;
    const Line* l = findKey(*s, key);
    if (!l) return std::nullopt;
    return stripQuotes(split(*l).rawValue);
}

std::vector<std::string> Parsed::keys(std::string_view section) const {
    std::vector<std::string> out;
    const Section* s = findSection(section);
    if (!s) return out;
    for (size_t i = s->firstLine; i < s->endLine; ++i)
        if (lines_[i].entry) out.emplace_back(split(lines_[i]).key);
    return out;
}

std::string Parsed::withValue(std::string_view section, std::string_view key, std::string_view value) const {
    std::string_view sec = trimBlanks(section);
    std::string_view k = trimBlanks(key);
    const std::string& b = bytes_;
    const Section* s = findSection(sec);
    auto endsWithLineEnd = [&](size_t upTo) {
        return upTo > 0 && (b[upTo - 1] == '\n' || b[upTo - 1] == '\r');
    };
    if (!s) {
        std::string out = b;
        if (!out.empty() && !endsWithLineEnd(out.size())) out += "\r\n";
        out.append("[").append(sec).append("]\r\n").append(k).append("=").append(value).append("\r\n");
        return out;
    }
    if (const Line* l = findKey(*s, k)) {
        // Replace the line's content in place; the stored key spelling and the
        // line end stay as they were.
        if (split(*l).rawValue == value) return b;
        std::string out;
        out.reserve(b.size() + value.size());
        out.append(b, 0, l->begin);
        out.append(split(*l).key).append("=").append(value);
        out.append(b, l->end, std::string::npos);
        return out;
    }
    // New key: directly after the last non-blank line of the section.
    size_t after = s->header;
    for (size_t i = s->firstLine; i < s->endLine; ++i)
        if (!lines_[i].blank) after = i;
    const Line& last = lines_[after];
    std::string out;
    out.reserve(b.size() + k.size() + value.size() + 4);
    size_t insertAt = last.next;
    out.append(b, 0, insertAt);
    if (!endsWithLineEnd(insertAt)) out += "\r\n";
    out.append(k).append("=").append(value).append("\r\n");
    out.append(b, insertAt, std::string::npos);
    return out;
}

std::string Parsed::withValues(std::string_view section, const Values& values) const {
    // Every write stays inside the first section of that name, or appends the
    // section at the end of the file when there is none: so the section alone
    // can take the writes and be put back in its place.
    const Section* s = findSection(trimBlanks(section));
    const size_t from = s ? lines_[s->header].begin : bytes_.size();
    const size_t to = s ? lines_[s->endLine - 1].next : bytes_.size();
    std::string part = bytes_.substr(from, to - from);
    for (const auto& [key, value] : values) part = Parsed(std::move(part)).withValue(section, key, value);
    std::string out;
    out.reserve(bytes_.size() + part.size() + 2);
    out.append(bytes_, 0, from);
    if (!s && !out.empty() && out.back() != '\n' && out.back() != '\r' && !part.empty()) out += "\r\n";
    out.append(part);
    out.append(bytes_, to, std::string::npos);
    return out;
}

struct Unicode {
    enum class Form { Utf16Le, Utf8 } form;
    std::string raw;                     // the file's bytes
    std::vector<std::uint32_t> offsets;  // where each byte of the text starts in `raw`, and the end
};

namespace {
constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

void appendIn(Unicode::Form form, std::string& out, char32_t u) {
    if (form == Unicode::Form::Utf16Le) {  // the code page lies inside the 16-bit plane
        out.push_back(char(u & 0xFF));
        out.push_back(char(u >> 8));
    } else if (u < 0x80) {
        out.push_back(char(u));
    } else if (u < 0x800) {
        out.push_back(char(0xC0 | (u >> 6)));
        out.push_back(char(0x80 | (u & 0x3F)));
    } else {
        out.push_back(char(0xE0 | (u >> 12)));
        out.push_back(char(0x80 | ((u >> 6) & 0x3F)));
        out.push_back(char(0x80 | (u & 0x3F)));
    }
}

// One character of `raw` at `pos`: its code point and its length in bytes.
// Broken sequences count as one unknown character.
std::pair<char32_t, size_t> nextChar(Unicode::Form form, std::string_view raw, size_t pos) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(raw[i]); };
    constexpr char32_t kUnknown = 0xFFFD;
    if (form == Unicode::Form::Utf16Le) {
        if (pos + 1 >= raw.size()) return {kUnknown, 1};
        char32_t unit = byte(pos) | char32_t(byte(pos + 1)) << 8;
        if (unit >= 0xD800 && unit < 0xDC00 && pos + 3 < raw.size()) {
            char32_t low = byte(pos + 2) | char32_t(byte(pos + 3)) << 8;
            if (low >= 0xDC00 && low < 0xE000) return {0x10000, 4};  // beyond the code page anyway
        }
        return {unit, 2};
    }
    unsigned char lead = byte(pos);
    size_t len = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (len == 0 || pos + len > raw.size()) return {kUnknown, 1};
    char32_t u = len == 1 ? lead : lead & (0x7F >> len);
    for (size_t i = 1; i < len; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) return {kUnknown, 1};
        u = u << 6 | (byte(pos + i) & 0x3F);
    }
    return {u, len};
}

// Turns `bytes` of a file with a byte-order mark into code-page text; null for other files.
std::shared_ptr<const Unicode> decode(std::string& bytes) {
    auto u = std::make_shared<Unicode>();
    size_t pos;
    if (bytes.starts_with(kUtf16Bom)) {
        u->form = Unicode::Form::Utf16Le;
        pos = kUtf16Bom.size();
    } else if (bytes.starts_with(kUtf8Bom)) {
        u->form = Unicode::Form::Utf8;
        pos = kUtf8Bom.size();
    } else {
        return nullptr;
    }
    u->raw = std::move(bytes);
    bytes.clear();
    while (pos < u->raw.size()) {
        auto [c, len] = nextChar(u->form, u->raw, pos);
        u->offsets.push_back(std::uint32_t(pos));
        bytes.push_back(cp1252::fromCodePoint(c));
        pos += len;
    }
    u->offsets.push_back(std::uint32_t(u->raw.size()));
    return u;
}

// The file bytes for `newText`: only the stretch that differs from `oldText`
// is encoded afresh, so characters outside the code page elsewhere survive.
std::string reencode(const Unicode& u, const std::string& oldText, const std::string& newText) {
    size_t common = std::min(oldText.size(), newText.size());
    size_t head = 0;
    while (head < common && oldText[head] == newText[head]) ++head;
    size_t tail = 0;
    while (tail < common - head && oldText[oldText.size() - 1 - tail] == newText[newText.size() - 1 - tail])
        ++tail;
    std::string out = u.raw.substr(0, u.offsets[head]);
    for (size_t i = head; i < newText.size() - tail; ++i)
        appendIn(u.form, out, cp1252::toCodePoint(static_cast<unsigned char>(newText[i])));
    out.append(u.raw, u.offsets[oldText.size() - tail], std::string::npos);
    return out;
}
}  // namespace

Store::Store()
    : nowMs_([] {
          using namespace std::chrono;
          return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
      }) {}

Store::~Store() = default;

Store::Entry Store::makeEntry(const fsys::Stamp& stamp, std::string raw) {
    Entry e;
    e.stamp = stamp;
    e.unicode = decode(raw);
    e.parsed = std::make_shared<Parsed>(std::move(raw));
    return e;
}

std::shared_ptr<Parsed> Store::load(std::string_view path) {
    std::string key(path);
    std::int64_t now = nowMs_();
    auto it = cache_.find(key);
    if (it != cache_.end() && it->second.generation == fsys::generation() &&
        now - it->second.checkedAt < recheckMs_ && now >= it->second.checkedAt)
        return it->second.parsed;
    std::uint64_t generation = fsys::generation();
    auto st = fsys::stamp(path);
    if (!st) {
        cache_.erase(key);
        return nullptr;
    }
    if (it != cache_.end() && it->second.stamp == *st) {
        it->second.checkedAt = now;
        it->second.generation = generation;
        return it->second.parsed;
    }
    auto bytes = fsys::readAll(path);
    if (!bytes) return nullptr;
    Entry e = makeEntry(*st, std::move(*bytes));
    e.checkedAt = now;
    e.generation = generation;
    auto parsed = e.parsed;
    if (cache_.size() > 4000) cache_.clear();
    cache_[key] = std::move(e);
    return parsed;
}

std::string Store::read(std::string_view path, std::string_view section, std::string_view key,
                        size_t maxLen) {
    auto p = load(path);
    if (!p) return {};
    auto v = p->lookup(section, key);
    if (!v) return {};
    return std::string(v->substr(0, maxLen));
}

std::vector<std::string> Store::keys(std::string_view path, std::string_view section) {
    auto p = load(path);
    return p ? p->keys(section) : std::vector<std::string>{};
}

bool Store::write(std::string_view path, std::string_view section, std::string_view key,
                  std::string_view value) {
    return update(path, [&](const Parsed& now) { return now.withValue(section, key, value); });
}

bool Store::update(std::string_view path, const Change& change) {
    fsys::FileLock lock(path);
    if (!lock.held()) return false;
    const std::string key(path);
    // Under the lock the file is asked afresh: a cached copy only serves when it
    // is still the file on disk.
    Entry now;
    auto st = fsys::stamp(path);
    auto it = cache_.find(key);
    if (st && it != cache_.end() && it->second.stamp == *st) {
        now = it->second;
    } else if (st) {
        auto bytes = fsys::readAll(path);
        if (!bytes) return false;  // unreadable: replacing it would lose what it holds
        now = makeEntry(*st, std::move(*bytes));
    } else if (fsys::exists(path)) {
        return false;  // a folder of that name
    } else {
        now.parsed = std::make_shared<Parsed>(std::string());
    }
    std::optional<std::string> text = change(*now.parsed);
    if (!text || *text == now.parsed->bytes()) return true;
    std::string raw = now.unicode ? reencode(*now.unicode, now.parsed->bytes(), *text) : *text;
    if (!fsys::writeAtomic(path, raw)) {
        forget(path);
        return false;
    }
    std::uint64_t generation = fsys::generation();
    auto written = fsys::stamp(path);
    if (!written) {
        forget(path);
        return true;
    }
    Entry e;
    if (now.unicode) {
        e = makeEntry(*written, std::move(raw));
    } else {
        e.stamp = *written;
        e.parsed = std::make_shared<Parsed>(std::move(*text));
    }
    e.checkedAt = nowMs_();
    e.generation = generation;
    cache_[key] = std::move(e);
    return true;
}

void Store::forget(std::string_view path) {
    cache_.erase(std::string(path));
}

}  // namespace profile

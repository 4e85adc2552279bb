#include "services/Profile.h"

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
                sectionIndex_.emplace(cp1252::asciiLower(trimBlanks(text.substr(1, close - 1))),
                                      sections_.size());
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
    auto it = sectionIndex_.find(cp1252::asciiLower(trimBlanks(section)));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const Parsed::Line* Parsed::findKey(const Section& s, std::string_view key) const {
    std::string_view k = trimBlanks(key);
    if (s.endLine - s.firstLine <= 32) {
        for (size_t i = s.firstLine; i < s.endLine; ++i)
            if (lines_[i].entry && cp1252::equalsAsciiNoCase(split(lines_[i]).key, k)) return &lines_[i];
        return nullptr;
    }
    if (!s.keyIndex) {
        s.keyIndex = std::make_shared<std::unordered_map<std::string, size_t>>();
        for (size_t i = s.firstLine; i < s.endLine; ++i)
            if (lines_[i].entry) s.keyIndex->emplace(cp1252::asciiLower(split(lines_[i]).key), i);
    }
    auto it = s.keyIndex->find(cp1252::asciiLower(k));
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

Store::Store()
    : nowMs_([] {
          using namespace std::chrono;
          return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
      }) {}

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
    auto parsed = std::make_shared<Parsed>(std::move(*bytes));
    if (cache_.size() > 4000) cache_.clear();
    cache_[key] = Entry{*st, parsed, now, generation};
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
    auto p = load(path);
    std::string out =
        p ? p->withValue(section, key, value) : Parsed(std::string()).withValue(section, key, value);
    if (p && out == p->bytes()) return true;
    if (!fsys::writeAtomic(path, out)) {
        forget(path);
        return false;
    }
    std::uint64_t generation = fsys::generation();
    auto st = fsys::stamp(path);
    if (st)
        cache_[std::string(path)] =
            Entry{*st, std::make_shared<Parsed>(std::move(out)), nowMs_(), generation};
    else
        forget(path);
    return true;
}

void Store::forget(std::string_view path) {
    cache_.erase(std::string(path));
}

}  // namespace profile

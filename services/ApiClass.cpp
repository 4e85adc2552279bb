#include "services/ApiClass.h"

#include <dirent.h>
#include <unistd.h>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "services/FileSys.h"
#include "services/Instanz.h"

namespace {
constexpr const char* kCrLf = "\r\n";

std::string trimSpaces(std::string_view s) {
    size_t a = 0, b = s.size();
    while (a < b && s[a] == ' ') ++a;
    while (b > a && s[b - 1] == ' ') --b;
    return std::string(s.substr(a, b - a));
}

bool hasSeparator(std::string_view s) {
    return s.find('\\') != s.npos || s.find('/') != s.npos;
}
bool endsWithSeparator(std::string_view s) {
    return !s.empty() && fsys::isSeparator(s.back());
}
}  // namespace

ApiClass::ApiClass() : log_(std::make_unique<fsys::Appender>()) {
    keyNames_[5] = "EIGENE DATEIEN";
    keyNames_[35] = "APP DATEIEN";
    keyNames_[43] = "GEM DATEIEN";
    keyNames_[46] = "ALLE DATEIEN";
}

ApiClass::~ApiClass() {
    protokoll("api class terminate 1", 0);
    SchalteStrgAltEntf(true);
    protokoll("api class terminate 2", 0);
    MausZeiger(true);
}

// ---------------------------------------------------------------- profiles

std::string ApiClass::IniDateiName(std::string_view file) {
    if (file.empty()) return AppPfad() + kProgramName + ".Ini";
    if (!hasSeparator(file)) return AppPfad() + std::string(file);
    return std::string(file);
}

std::string ApiClass::IniLesen(std::string_view file, std::string_view section, std::string_view key) {
    std::string value = store_.read(IniDateiName(file), section, key, profile::kMaxValue);
    if (protokollAn_ && protokollLevel_ >= 2) protokoll("gelesen: <" + value + ">", 2);
    return value;
}

std::string ApiClass::IniLesenGanz(std::string_view file, std::string_view section, std::string_view key) {
    return store_.read(IniDateiName(file), section, key, std::string::npos);
}

std::vector<std::string> ApiClass::IniSchluessel(std::string_view file, std::string_view section) {
    return store_.keys(IniDateiName(file), section);
}

bool ApiClass::IniSchreiben(std::string_view file, std::string_view section, std::string_view key,
                            std::string_view value) {
    std::string path;
    if (file.empty()) {
        path = AppPfad() + kProgramName + ".Ini";
    } else if (!hasSeparator(file)) {
        std::string base = ApplicationPath();
        path = base == AppPfad() ? AppPfad() + std::string(file)
                                 : base + (endsWithSeparator(base) ? "" : "/") + std::string(file);
    } else {
        path = std::string(file);
    }
    // A line break inside a value would add lines (and so keys or sections) to the file.
    std::string clean(value);
    for (char& c : clean)
        if (c == '\r' || c == '\n') c = ' ';
    return store_.write(path, section, key, clean);
}

std::int32_t ApiClass::IniLesenVal(std::string_view file, std::string_view section, std::string_view key) {
    return vb::CLng(vb::Val(IniLesen(file, section, key)));
}

bool ApiClass::IniSchreibenVal(std::string_view file, std::string_view section, std::string_view key,
                               double value) {
    return IniSchreiben(file, section, key, vb::Str(value));
}

std::string ApiClass::Ini_Verschlüsselt(std::string_view file, std::string_view section,
                                        std::string_view key) {
    return DeCode(IniLesen(file, section, key));
}

bool ApiClass::Ini_Verschlüsselt(std::string_view file, std::string_view section, std::string_view key,
                                 std::string_view value) {
    return IniSchreiben(file, section, key, VerschluesseltGespeichert(value));
}

std::string ApiClass::VerschluesseltGespeichert(std::string_view value) {
    std::string stored = EnCode(value);
    // The reader drops blanks at both ends and one pair of matching quotes; such a
    // scrambled value is kept in double quotes so that it reads back whole.
    bool wrap =
        !stored.empty() && (stored.front() == ' ' || stored.back() == ' ' ||
                            (stored.size() >= 2 && (stored.front() == '"' || stored.front() == '\'') &&
                             stored.back() == stored.front()));
    if (wrap) stored = "\"" + stored + "\"";
    return stored;
}

std::string ApiClass::EnCode(std::string_view text) {
    std::string out(text.size(), ' ');
    for (size_t i = 0; i < text.size(); ++i) {
        long c = static_cast<unsigned char>(text[i]);
        long r = ((c - 32) + long(i + 1)) % 224;  // sign of the dividend, as the original arithmetic
        out[i] = char(r + 32);
    }
    return out;
}

std::string ApiClass::DeCode(std::string_view text) {
    std::string out(text.size(), ' ');
    for (size_t i = 0; i < text.size(); ++i) {
        long c = static_cast<unsigned char>(text[i]);
        long r = ((c - 32) - long((i + 1) % 224)) % 224;
        if (r < 0) r += 224;
        out[i] = char(r + 32);
    }
    return out;
}

std::string ApiClass::resolveBare(std::string_view file, bool) {
    if (!file.empty() && !hasSeparator(file)) return AppPfad() + std::string(file);
    return std::string(file);
}

std::string ApiClass::TextDatei(std::string_view file) {
    auto bytes = fsys::readAll(resolveBare(file, false));
    return bytes ? trimSpaces(*bytes) : std::string();
}

void ApiClass::TextDatei(std::string_view file, std::string_view text) {
    std::string path = resolveBare(file, true);
    bool ok;
    {
        fsys::FileLock lock(path);  // not in the middle of another process's read-modify-write
        ok = lock.held() && fsys::writeAtomic(path, trimSpaces(text));
    }
    store_.forget(path);
    if (!ok) throw ApiError(75, "Pfad/Datei-Zugriffsfehler: " + path);
}

void ApiClass::AppendTextDatei(std::string_view file, std::string_view text) {
    std::string path = resolveBare(file, true);
    if (!fsys::append(path, trimSpaces(text) + kCrLf))
        throw ApiError(75, "Pfad/Datei-Zugriffsfehler: " + path);
}

void ApiClass::ExchangeIniDatei(std::string_view file, std::string_view key, std::string_view value) {
    std::string text = TextDatei(file);
    size_t p = key.empty() ? std::string::npos : text.find(key);
    std::string out;
    if (p != std::string::npos) {
        size_t q = text.find('\r', p);
        if (q == std::string::npos) q = text.size();
        out = text.substr(0, p) + std::string(key) + "=" + std::string(value) + text.substr(q);
    } else {
        out = text + kCrLf + std::string(key) + "=" + std::string(value) + kCrLf + " ";
    }
    TextDatei(file, out);
}

std::string ApiClass::ShowIniDatei(std::string_view file, std::string_view key) {
    std::string text = TextDatei(file);
    size_t p = key.empty() ? std::string::npos : text.find(key);
    if (p == std::string::npos) return {};
    size_t q = text.find('\r', p);
    if (q == std::string::npos) q = text.size();
    size_t e = text.find('=', p);
    if (e == std::string::npos || e >= q) return {};
    return text.substr(e + 1, q - e - 1);
}

std::string ApiClass::FindParameter(std::string_view name) {
    protokoll("api find parameter start: " + std::string(name), 0);
    std::string file = WinSysDir() + kProgramName + ".Ini";
    std::string result, last;
    if (fsys::fileExists(file)) {
        std::string wanted = cp1252::upper(name);
        for (const std::string& item : vb::InputItems(fsys::readAll(file).value_or(std::string()))) {
            last = item;
            if (cp1252::upper(std::string_view(item).substr(0, name.size())) == wanted) {
                if (item.size() > name.size() + 1) result = item.substr(name.size() + 1, 999);
                break;
            }
        }
    }
    protokoll("api find parameter ende :" + last, 0);
    return result;
}

std::int32_t ApiClass::FindValParameter(std::string_view name) {
    return vb::CLng(vb::Val(FindParameter(name)));
}

// ---------------------------------------------------------------- log

std::string ApiClass::LogDatei() {
    return UserPfad() + kProgramName + " Protokoll.Txt";
}
std::string ApiClass::OldLogDatei() {
    return UserPfad() + kProgramName + " Old Protokoll.Txt";
}

void ApiClass::writeLogLine(const std::string& line) {
    // A log that cannot be written must never stop the program. The file stays
    // open between lines: a start writes thousands of them.
    log_->append(LogDatei(), line + kCrLf);
}

std::string ApiClass::logZeit() {
    if (clock_) return clock_().toString(QStringLiteral("HH:mm:ss:")).toStdString();
    // The clock of the system, read cheaply: a start writes thousands of lines.
    const std::time_t jetzt = std::time(nullptr);
    if (jetzt != logZeitFuer_) {
        std::tm t{};
        localtime_r(&jetzt, &t);
        char text[16];
        std::snprintf(text, sizeof text, "%02d:%02d:%02d:", t.tm_hour, t.tm_min, t.tm_sec);
        logZeitFuer_ = jetzt;
        logZeitText_ = text;
    }
    return logZeitText_;
}

bool ApiClass::platzFuerLog(const std::string& log) {
    auto frei = freeSpace_ ? freeSpace_(log) : log_->freeSpace();
    if (!freeSpace_ && !frei) frei = fsys::freeSpace(log);
    return !frei || *frei >= kLogReserve;
}

void ApiClass::protokoll(std::string_view text, std::int32_t level) {
    bool isStart = cp1252::upper(text) == "START";
    if (!isStart && !protokollAn_) return;
    if (level > protokollLevel_) return;
    if (!isStart) {
        const std::string zeit = logZeit();
        // On a nearly full disk the last bytes belong to the question files.
        if (platzFuerLog(LogDatei())) {
            writeLogLine(zeit + std::string(text));
        } else if (!logAngehalten_) {
            logAngehalten_ = true;
            writeLogLine(zeit + "Protokoll angehalten: weniger als 1 MB frei");
        }
        return;
    }
    const QDateTime now = clock_ ? clock_() : QDateTime::currentDateTime();
    protokollAn_ = true;
    log_->close();  // the log is about to be renamed
    std::string log = LogDatei(), old = OldLogDatei();
    std::string content;
    bool beiseite = true;  // no log left under its name
    if (fsys::fileExists(log)) {
        fsys::remove(old);
        beiseite = fsys::rename(log, old);
        auto items = vb::InputItems(fsys::readAll(old).value_or(std::string()));
        size_t i = 0;
        while (i < items.size() && items[i].compare(0, 5, "START") != 0) ++i;
        if (i < items.size()) {
            content += "LAST " + items[i] + kCrLf;
            bool ende = false;
            for (size_t j = i + 1; j < items.size(); ++j) {
                content += items[j] + kCrLf;
                ende = ende || items[j].find("ENDE") != std::string::npos;
            }
            if (!ende && protokollLevel_ == 0) protokollLevel_ = 1;
        } else {
            content += "LAST " + (items.empty() ? std::string() : items.back()) + kCrLf;
            if (protokollLevel_ == 0) protokollLevel_ = 1;
        }
    }
    content += "START: " + now.toString(QStringLiteral("dd.MM.yyyy")).toStdString() + ":" + Version() + kCrLf;
    content += kCrLf;
    content += UpdateHistory() + kCrLf;
    content += kCrLf;
    if (!platzFuerLog(log)) return;
    // The lines after this one are written through without forcing them to the
    // disk; the head need not wait for the disk either. Only a log that could
    // not be moved aside is replaced as a whole.
    if (beiseite)
        log_->append(log, content);
    else
        fsys::writeAtomic(log, content);
}

std::string ApiClass::UpdateHistory() {
    std::string base = ApplicationPath();
    std::string file = base + (endsWithSeparator(base) ? "" : "/") + "UpdateHistory.Txt";
    return std::string("Update History Anfang") + kCrLf + TextDatei(file) + kCrLf + "Update History Ende";
}

void ApiClass::UpdateHistory(std::string_view text) {
    std::string base = ApplicationPath();
    AppendTextDatei(base + (endsWithSeparator(base) ? "" : "/") + "UpdateHistory.Txt", text);
}

// ---------------------------------------------------------------- paths

std::string ApiClass::PreVerzeichnis(std::string_view key) {
    if (key.empty()) return {};
    size_t slot = 0;
    while (slot < 99 && keyNames_[slot] != key) ++slot;
    if (slot >= 99) return {};
    if (folderCache_[slot].empty()) {
        QString folder;
        switch (slot) {
            case 5:
                folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
                break;
            case 35:
                folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
                break;
            case 43:
                folder = QStringLiteral("/usr/local/share");
                break;
            case 46:
                folder = QStandardPaths::writableLocation(QStandardPaths::PublicShareLocation);
                break;
        }
        // A folder that cannot be found falls back to one fixed folder for the run.
        std::string text = folder.isEmpty()
                               ? "0" + (QDir::tempPath() + QStringLiteral("/Anwendungsdaten")).toStdString()
                               : folder.toStdString();
        while (text.size() > 1 && text.back() == '/') text.pop_back();
        folderCache_[slot] = cp1252::fromUtf8(text);
        if (!folderCache_[slot].empty() && folderCache_[slot][0] == '0') folderCache_[slot].erase(0, 1);
    }
    return folderCache_[slot] + "/";
}

std::string ApiClass::ManuAppPfad() {
    return PreVerzeichnis("APP DATEIEN") + kCompanyName + "/";
}
std::string ApiClass::AppPfad() {
    return ManuAppPfad() + kProgramName + "/";
}
std::string ApiClass::ManuUserPfad() {
    return PreVerzeichnis("APP DATEIEN") + kCompanyName + "/";
}
std::string ApiClass::UserPfad() {
    return ManuUserPfad() + kProgramName + "/";
}

std::string ApiClass::ApplicationPath() {
    return applicationPath_.empty() ? AppPfad() : applicationPath_;
}
void ApiClass::ApplicationPath(std::string_view path) {
    applicationPath_ = std::string(path);
    if (endsWithSeparator(applicationPath_)) applicationPath_.pop_back();
}

std::string ApiClass::winDir() {
    return "/etc/";
}
std::string ApiClass::WinSysDir() {
    if (winSysDir_.empty()) return "/etc/";
    return endsWithSeparator(winSysDir_) ? winSysDir_ : winSysDir_ + "/";
}

std::string ApiClass::Version() {
    return std::to_string(kMajor) + "." + std::to_string(kMinor) + "." + std::to_string(kRevision);
}

std::int32_t ApiClass::VersionValue(std::string_view text) {
    size_t p = text.find('.'), q = text.rfind('.');
    if (p == std::string_view::npos || p == q) return 0;
    double major = std::nearbyint(vb::Val(text.substr(0, p)));
    double minor = std::nearbyint(vb::Val(text.substr(p + 1, q - p - 1)));
    double rev = std::nearbyint(vb::Val(text.substr(q + 1, 3)));
    return vb::CLng(major * 1000000.0 + minor * 1000.0 + rev);
}

namespace {
struct Mount {
    std::string device, point, type;
};

// The lines of a mount table in /proc/mounts form.
std::vector<Mount> parseMounts(std::string_view mounts) {
    std::vector<Mount> out;
    size_t pos = 0;
    while (pos < mounts.size()) {
        size_t e = mounts.find('\n', pos);
        if (e == std::string_view::npos) e = mounts.size();
        std::string_view line = mounts.substr(pos, e - pos);
        pos = e + 1;
        std::vector<std::string> f;
        size_t a = 0;
        while (a < line.size() && f.size() < 3) {
            size_t b = line.find(' ', a);
            if (b == std::string_view::npos) b = line.size();
            f.emplace_back(line.substr(a, b - a));
            a = b + 1;
        }
        if (f.size() < 3) continue;
        // Blanks in mount points are written as \040.
        std::string point;
        for (size_t i = 0; i < f[1].size(); ++i) {
            if (f[1][i] == '\\' && i + 3 < f[1].size()) {
                point.push_back(char(std::stoi(f[1].substr(i + 1, 3), nullptr, 8)));
                i += 3;
            } else {
                point.push_back(f[1][i]);
            }
        }
        out.push_back({f[0], point, f[2]});
    }
    return out;
}
}  // namespace

std::string driveKindFromMounts(std::string_view path, std::string_view mounts,
                                const std::function<bool(const std::string&)>& removable) {
    std::error_code ec;
    std::filesystem::path p = fsys::native(path);
    if (path.empty() || !std::filesystem::exists(p, ec)) return "Unknown";
    std::string full = std::filesystem::weakly_canonical(p, ec).string();
    std::string bestMount, bestType, bestDevice;
    for (const Mount& m : parseMounts(mounts)) {
        const std::string& mount = m.point;
        bool under = full == mount || mount == "/" ||
                     (full.compare(0, mount.size(), mount) == 0 && full.size() > mount.size() &&
                      full[mount.size()] == '/');
        if (under && mount.size() >= bestMount.size()) {
            bestMount = mount;
            bestDevice = m.device;
            bestType = m.type;
        }
    }
    if (bestMount.empty()) return "Unknown";
    const std::string& t = bestType;
    if (t == "nfs" || t == "nfs4" || t == "cifs" || t == "smb3" || t == "smbfs" || t == "fuse.sshfs" ||
        t == "9p" || t == "afs" || t == "davfs" || t == "fuse.davfs2")
        return "Network";
    if (t == "iso9660" || t == "udf") return "CD-ROM";
    if (t == "tmpfs" || t == "ramfs") return "RAM Disk";
    if (removable && removable(bestDevice)) return "Removable";
    return "Fixed";
}

namespace {
bool deviceRemovable(const std::string& device) {
    if (device.rfind("/dev/", 0) != 0) return false;
    std::string name = device.substr(5);
    // A partition (sdb1) takes the flag of its disk (sdb).
    for (int cut = 0; cut < 3 && !name.empty(); ++cut) {
        auto flag = fsys::readAll("/sys/block/" + name + "/removable");
        if (flag) return !flag->empty() && (*flag)[0] == '1';
        name.pop_back();
    }
    return false;
}
}  // namespace

std::string ApiClass::DriveTyp(std::string_view drive) {
    std::string mounts = fsys::readAll(mountTable_).value_or(std::string());
    // A bare drive letter has no meaning here.
    if (drive.size() <= 3 && !drive.empty() && drive[0] != '/' && !(drive.size() > 1 && drive[1] != ':'))
        return "Unknown";
    return driveKindFromMounts(drive, mounts, deviceRemovable);
}

std::string ApiClass::FindCD() {
    for (const Mount& m : parseMounts(fsys::readAll(mountTable_).value_or(std::string())))
        if (m.type == "iso9660" || m.type == "udf") return m.point;
    return {};
}

std::string ApiClass::FindStick() {
    std::string last;
    for (const Mount& m : parseMounts(fsys::readAll(mountTable_).value_or(std::string())))
        if (deviceRemovable(m.device)) last = m.point;
    return last;
}

bool ApiClass::SchonGestartet(bool umschalten) {
    // Per data folder: copies for other folders (other users) do not meet.
    const bool andere = !instanz::sperren(AppPfad());
    if (andere && umschalten) {
        instanz::inhaberRufen(AppPfad());
        std::exit(0);
    }
    return andere;
}

void ApiClass::Execute(void*, std::string_view file, int, std::function<void()> beiFehler) {
    const QString path = QString::fromStdString(fsys::native(file).string());
    const QString programm = QString::fromStdString(oeffner_);
    if (!beiFehler) {
        QProcess::startDetached(programm, {path});
        return;
    }
    // The opener ends once it handed the file on; it fails without a program
    // for the file (no browser) or when it is missing itself.
    auto* p = new QProcess;
    QObject::connect(p, &QProcess::errorOccurred, p, [p, beiFehler](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart) return;
        beiFehler();
        p->deleteLater();
    });
    QObject::connect(p, &QProcess::finished, p, [p, beiFehler](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0) beiFehler();
        p->deleteLater();
    });
    p->start(programm, {path});
}

int waitMillis(double seconds) {
    double ms = std::floor(seconds * 1000.0 + 1e-9);
    if (!(ms > 0)) return 0;
    return ms > 2147483647.0 ? 2147483647 : int(ms);
}

void ApiClass::wait(double seconds) {
    int ms = waitMillis(seconds);
    if (sleeper_)
        sleeper_(ms);
    else if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void ApiClass::Demo_GetComputerName() {
    std::string name = cp1252::fromUnicode(QSysInfo::machineHostName()).substr(0, 15);
    if (!name.empty()) dlg::dialogs().MsgBox(name);
}

// ---------------------------------------------------------------- strings

std::string ApiClass::Extension(std::string_view name) {
    size_t p = name.rfind('.');
    if (p == std::string_view::npos) return cp1252::upper(name);
    return cp1252::upper(name.substr(p + 1, 99));
}

std::string ApiClass::NameOhneExtension(std::string_view path) {
    size_t slash = path.rfind('/');
    size_t start = slash == std::string_view::npos ? 0 : slash + 1;
    size_t dot = path.rfind('.');
    std::string_view rest = (dot == std::string_view::npos || dot < start) ? path.substr(start, 999)
                                                                           : path.substr(start, dot - start);
    return trimSpaces(rest);
}

std::string ApiClass::NameMitExtension(std::string_view path, std::string_view extension) {
    return NameOhneExtension(path) + std::string(extension);
}

std::string ApiClass::PathOfFile(std::string_view path) {
    size_t p = path.find_last_of("\\/");
    return p == std::string_view::npos ? std::string() : std::string(path.substr(0, p + 1));
}

std::string ApiClass::FixTrimL(std::string_view text, int width, int margin) {
    std::string t = trimSpaces(text);
    size_t w = size_t(std::max(0, width - std::max(0, margin)));
    t.resize(w, ' ');
    return t + std::string(size_t(std::max(0, std::min(margin, width))), ' ');
}

std::string ApiClass::FixTrimR(std::string_view text, int width, int margin) {
    std::string t = trimSpaces(text);
    size_t w = size_t(std::max(0, width - std::max(0, margin)));
    if (t.size() > w) t = t.substr(t.size() - w);
    return std::string(w - t.size(), ' ') + t +
           std::string(size_t(std::max(0, std::min(margin, width))), ' ');
}

int ApiClass::AnzahlBuchstaben(std::string_view character, std::string_view text) {
    if (character.empty()) return 0;
    int n = 0;
    for (char c : text) n += c == character[0];
    return n;
}

void ApiClass::TeilString(std::string_view text, std::string_view separator, int n, int& ganzerRest,
                          std::string& ergebnis) {
    ergebnis.clear();
    if (separator.empty() || text.find(separator) == std::string_view::npos) {
        if (n == 0) ergebnis = std::string(text);
        return;
    }
    if (n <= 0) {
        if (n == 0) ergebnis = std::string(text.substr(0, text.find(separator)));
        return;
    }
    size_t q = std::string_view::npos, from = 0;
    for (int k = 0; k < n; ++k) {
        q = text.find(separator, from);
        if (q == std::string_view::npos) return;
        from = q + 1;
    }
    size_t start = q + 1;
    if (ganzerRest == 1) {
        ergebnis = std::string(text.substr(start, 9999));
        return;
    }
    size_t next = text.find(separator, start);
    ergebnis = std::string(
        text.substr(start, next == std::string_view::npos ? std::string_view::npos : next - start));
}

std::string ApiClass::HoleZeileAusText(std::string_view text, int n) {
    int rest = 0;
    std::string out;
    TeilString(text, kCrLf, n, rest, out);
    return out;
}

void ApiClass::SucheUndErsetze(std::string_view file, std::string_view search, std::string_view replacement) {
    std::string path = resolveBare(file, true);
    if (!fsys::fileExists(path)) return;
    fsys::remove(path + "bac");
    fsys::copy(path, path + "bac");
    std::string text = TextDatei(path);
    size_t p = cp1252::upper(text).find(cp1252::upper(search));
    if (p != std::string::npos)
        text = text.substr(0, p) + std::string(replacement) + text.substr(p + search.size(), 32000);
    TextDatei(path, text);
}

void ApiClass::SucheUndErsetzeVonBis(std::string_view file, std::string_view vonBis,
                                     std::string_view replacement) {
    std::string path = resolveBare(file, true);
    if (!fsys::fileExists(path)) return;
    size_t bar = vonBis.find('|');
    if (bar == std::string_view::npos) return;
    std::string von(vonBis.substr(0, bar)), bis(vonBis.substr(bar + 1, 99));
    fsys::remove(path + "bac");
    fsys::copy(path, path + "bac");
    std::string text = TextDatei(path);
    std::string up = cp1252::upper(text);
    size_t p1 = up.find(cp1252::upper(von)), p2 = up.find(cp1252::upper(bis));
    if (p1 != std::string::npos && p2 != std::string::npos)
        text = text.substr(0, p1) + std::string(replacement) +
               text.substr(std::min(text.size(), p2 + bis.size()), 32000);
    TextDatei(path, text);
}

// The system key switch and the mouse-pointer call have no meaning on this platform.
void ApiClass::SchalteStrgAltEntf(bool) {}
void ApiClass::MausZeiger(bool) {}

// ---------------------------------------------------------------- vb

namespace vb {

double Val(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
        bool hex = s[1] == 'H' || s[1] == 'h';
        unsigned long long v = 0;
        size_t digits = 0;
        for (size_t i = 2; i < s.size() && digits < 16; ++i) {
            char c = s[i];
            int d = -1;
            if (c >= '0' && c <= (hex ? '9' : '7'))
                d = c - '0';
            else if (hex && c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (hex && c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            if (d < 0) break;
            v = v * (hex ? 16 : 8) + unsigned(d);
            ++digits;
        }
        // Short literals are 16-bit, longer ones 32-bit, both signed.
        if (v <= 0xFFFF && (hex ? digits <= 4 : digits <= 6)) return double(std::int16_t(std::uint16_t(v)));
        if (v <= 0xFFFFFFFFull) return double(std::int32_t(std::uint32_t(v)));
        return double(v);
    }
    size_t i = 0;
    std::string num;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) num.push_back(s[i++]);
    bool any = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') num.push_back(s[i++]), any = true;
    if (i < s.size() && s[i] == '.') {
        num.push_back(s[i++]);
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') num.push_back(s[i++]), any = true;
    }
    if (!any) return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::string exp = "e";
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp.push_back(s[j++]);
        bool expDigits = false;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9' && exp.size() < 8)
            exp.push_back(s[j++]), expDigits = true;
        if (expDigits) num += exp;
    }
    return std::strtod(num.c_str(), nullptr);
}

std::int32_t CLng(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.5) return 2147483647;
    if (value <= -2147483648.5) return -2147483647 - 1;
    return std::int32_t(std::nearbyint(value));
}

std::string Str(long long value) {
    return (value < 0 ? "" : " ") + std::to_string(value);
}

std::string Str(double value) {
    if (std::floor(value) == value && std::fabs(value) < 1e15) return Str((long long)value);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    std::string s = buf;
    if (s.rfind("0.", 0) == 0)
        s.erase(0, 1);
    else if (s.rfind("-0.", 0) == 0)
        s.erase(1, 1);
    return value < 0 ? s : " " + s;
}

std::vector<std::string> InputItems(std::string_view text) {
    std::vector<std::string> items;
    size_t pos = 0, n = text.size();
    auto atLineEnd = [&](size_t p) { return p < n && (text[p] == '\r' || text[p] == '\n'); };
    auto skipDelimiter = [&]() {
        if (pos < n && text[pos] == ',') {
            ++pos;
        } else if (pos < n && text[pos] == '\r') {
            ++pos;
            if (pos < n && text[pos] == '\n') ++pos;
        } else if (pos < n && text[pos] == '\n') {
            ++pos;
        }
    };
    while (pos < n) {
        while (pos < n && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
        std::string item;
        if (pos < n && text[pos] == '"') {
            size_t close = text.find('"', pos + 1);
            if (close == std::string_view::npos) close = n;
            item = std::string(text.substr(pos + 1, close - pos - 1));
            pos = std::min(n, close + 1);
            while (pos < n && text[pos] != ',' && !atLineEnd(pos)) ++pos;
        } else {
            size_t start = pos;
            while (pos < n && text[pos] != ',' && !atLineEnd(pos)) ++pos;
            item = trimSpaces(text.substr(start, pos - start));
        }
        skipDelimiter();
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace vb

#include "network/Ergebnisse.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_map>

#include "network/Netzwerk.h"
#include "services/Codepage.h"
#include "services/FileSys.h"

using namespace cp1252::literals;

namespace netz {

namespace {

constexpr int kFelder = 7;

// Appends the bytes in one piece: a write that fails half-way is cut back, so
// a reader never sees half a line from us. Flushed to the disk before returning.
bool ganzAnhaengen(const std::string& pfad, std::string_view bytes) {
    const std::string p = fsys::native(pfad).string();
    int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    size_t geschrieben = 0;
    while (ok && geschrieben < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + geschrieben, bytes.size() - geschrieben);
        if (n <= 0) ok = false;
        geschrieben += n > 0 ? size_t(n) : 0;
    }
    if (!ok && geschrieben > 0 && ::ftruncate(fd, st.st_size) != 0) ok = false;
    ok = ::fsync(fd) == 0 && ok;
    return ::close(fd) == 0 && ok;
}

std::string csvFeld(std::string_view text, char trenner = ';') {
    if (text.find_first_of(std::string{trenner, '"', '\r', '\n'}) == std::string_view::npos)
        return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

// Fields of one line; quoted fields may hold semicolons and doubled quotes.
bool felder(std::string_view zeile, std::vector<std::string_view>& out, std::string& puffer) {
    out.clear();
    puffer.clear();
    // Unquoting only shortens, so the buffer never grows past this and the
    // views into it stay valid.
    puffer.reserve(zeile.size());
    size_t i = 0;
    while (true) {
        const size_t anfang = puffer.size();
        if (i < zeile.size() && zeile[i] == '"') {
            ++i;
            while (true) {
                if (i >= zeile.size()) return false;  // quote never closed
                if (zeile[i] == '"') {
                    if (i + 1 < zeile.size() && zeile[i + 1] == '"') {
                        puffer += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                puffer += zeile[i++];
            }
            if (i < zeile.size() && zeile[i] != ';') return false;
        } else {
            while (i < zeile.size() && zeile[i] != ';') puffer += zeile[i++];
        }
        out.emplace_back(puffer.data() + anfang, puffer.size() - anfang);
        if (i >= zeile.size()) break;
        ++i;  // the semicolon
    }
    return true;
}

std::optional<long> ganzeZahl(std::string_view t) {
    if (t.empty() || t.size() > 9) return std::nullopt;
    bool minus = t[0] == '-';
    if (minus) t.remove_prefix(1);
    if (t.empty()) return std::nullopt;
    long n = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return minus ? -n : n;
}

// A line as numbers, without building dates: the overview reads tens of
// thousands. `bereich` points into a buffer that the next line reuses.
struct Roh {
    long long stempel = 0;  // yyyyMMddHHmmss
    int tag = 0;            // yyyyMMdd
    long nummer = 0, grad = 0, niveau = 0, ergebnis = 0, sekunden = 0;
    std::string_view bereich;
};

bool rohLesen(std::string_view zeile, Roh& r) {
    thread_local std::vector<std::string_view> f;
    thread_local std::string puffer;
    if (!felder(zeile, f, puffer) || f.size() != kFelder) return false;
    const std::string_view t = f[0];  // "yyyy-MM-dd HH:mm:ss"
    if (t.size() != 19 || t[4] != '-' || t[7] != '-' || t[10] != ' ' || t[13] != ':' || t[16] != ':')
        return false;
    auto zahl = [&](size_t von, size_t n) { return ganzeZahl(t.substr(von, n)); };
    auto y = zahl(0, 4), mo = zahl(5, 2), d = zahl(8, 2), h = zahl(11, 2), mi = zahl(14, 2),
         sek = zahl(17, 2);
    if (!y || !mo || !d || !h || !mi || !sek) return false;
    if (!QDate::isValid(int(*y), int(*mo), int(*d)) || !QTime::isValid(int(*h), int(*mi), int(*sek)))
        return false;
    r.tag = int(*y * 10000 + *mo * 100 + *d);
    r.stempel = r.tag * 1000000LL + *h * 10000 + *mi * 100 + *sek;
    auto nummer = ganzeZahl(f[1]), grad = ganzeZahl(f[3]), niveau = ganzeZahl(f[4]),
         ergebnis = ganzeZahl(f[5]), sekunden = ganzeZahl(f[6]);
    if (!nummer || !grad || !niveau || !ergebnis || !sekunden) return false;
    if (*nummer < 1 || *nummer > 999 || *ergebnis < 0 || *ergebnis > 2 || *sekunden < 0) return false;
    r.nummer = *nummer;
    r.grad = *grad;
    r.niveau = *niveau;
    r.ergebnis = *ergebnis;
    r.sekunden = *sekunden;
    r.bereich = f[2];
    return true;
}

int tagZahl(QDate d) {
    return d.year() * 10000 + d.month() * 100 + d.day();
}

// Station number of "Platz NN.csv"; 0 for any other name.
int platzAusName(const std::string& name) {
    const std::string n = cp1252::upper(name);
    if (n.size() != 12 || n.compare(0, 6, "PLATZ ") != 0 || n.compare(8, 4, ".CSV") != 0) return 0;
    auto nr = ganzeZahl(std::string_view(n).substr(6, 2));
    return nr && *nr >= 1 && *nr <= kHoechsteNr ? int(*nr) : 0;
}

// Calls `zeile` for every line of the text; a last line without its line end is
// half-written and counts as bad.
template <typename F>
void zeilen(std::string_view text, int& schlecht, F&& zeile) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t ende = text.find('\n', pos);
        if (ende == std::string_view::npos) {
            ++schlecht;
            return;
        }
        std::string_view z = text.substr(pos, ende - pos);
        if (!z.empty() && z.back() == '\r') z.remove_suffix(1);
        if (!z.empty()) zeile(z);
        pos = ende + 1;
    }
}

std::string zahlText(double wert, int stellen) {
    std::string s = QString::number(wert, 'f', stellen).toStdString();
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

// "<netzPfad>Ergebnisse/", where every station's file lives.
std::string ergebnisOrdner(const std::string& netzPfad) {
    std::string ordner = netzPfad;
    if (!ordner.empty() && !fsys::isSeparator(ordner.back())) ordner += '/';
    return ordner + "Ergebnisse/";
}

}  // namespace

std::string ErgebnisDatei(const std::string& netzPfad, int platz) {
    char name[16];
    std::snprintf(name, sizeof name, "Platz %02d.csv", platz);
    return ergebnisOrdner(netzPfad) + name;
}

std::string ZeileText(const ErgebnisZeile& z) {
    std::string bereich = z.frage.bereich;
    std::replace_if(
        bereich.begin(), bereich.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return z.zeit.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString() + ";" +
           std::to_string(z.frage.nummer) + ";" + csvFeld(bereich) + ";" +
           std::to_string(std::lround(z.frage.schwierigkeit)) + ";" +
           std::to_string(std::lround(z.frage.niveauVorher)) + ";" + std::to_string(z.frage.ergebnis) + ";" +
           std::to_string(std::lround(z.frage.sekunden)) + "\r\n";
}

std::optional<ErgebnisZeile> ZeileLesen(std::string_view zeile) {
    Roh r;
    if (!rohLesen(zeile, r)) return std::nullopt;
    ErgebnisZeile z;
    const long long s = r.stempel % 1000000;
    z.zeit = QDateTime(QDate(r.tag / 10000, r.tag / 100 % 100, r.tag % 100),
                       QTime(int(s / 10000), int(s / 100 % 100), int(s % 100)));
    z.frage.nummer = std::int32_t(r.nummer);
    z.frage.bereich = std::string(r.bereich);
    z.frage.schwierigkeit = double(r.grad);
    z.frage.niveauVorher = double(r.niveau);
    z.frage.ergebnis = int(r.ergebnis);
    z.frage.sekunden = double(r.sekunden);
    return z;
}

ErgebnisSchreiber::ErgebnisSchreiber(std::string appPfad) : appPfad_(std::move(appPfad)) {}

bool ErgebnisSchreiber::Schreiben(const std::string& netzPfad, int platz, const ErgebnisZeile& zeile) {
    // Results belong to a numbered station; without a network folder there is no class.
    if (netzPfad.empty() || platz < 1 || platz > kHoechsteNr) return false;
    const std::string text = ZeileText(zeile);
    if (!OrdnerErreichbar(netzPfad, warten)) {
        ganzAnhaengen(WarteDatei(), text);
        return false;
    }
    fsys::makeFolders(ergebnisOrdner(netzPfad));
    const std::string datei = ErgebnisDatei(netzPfad, platz);
    std::string alles;
    if (auto wartend = fsys::readAll(WarteDatei())) {
        // A line cut off by a crash stays behind; the whole ones go first.
        const size_t ende = wartend->rfind('\n');
        if (ende != std::string::npos) alles.assign(*wartend, 0, ende + 1);
    }
    alles += text;
    bool ok = false;
    {
        fsys::FileLock lock(datei);  // the teacher's clearing rewrites the file
        ok = lock.held() && ganzAnhaengen(datei, alles);
    }
    if (!ok) {
        ganzAnhaengen(WarteDatei(), text);
        return false;
    }
    if (fsys::exists(WarteDatei())) fsys::remove(WarteDatei());
    return true;
}

Uebersicht Auswerten(const std::string& netzPfad, QDate von, QDate bis, const FrageText& frageText) {
    Uebersicht u;
    const std::string ordner = ergebnisOrdner(netzPfad);
    std::vector<int> falsch(1000), gestellt(1000);
    std::unordered_map<std::string, BereichZeile> bereiche;
    std::string bereichName;
    const int vonTag = tagZahl(von), bisTag = tagZahl(bis);
    std::vector<std::string> namen = fsys::list(ordner);
    std::sort(namen.begin(), namen.end());
    for (const std::string& name : namen) {
        const int platz = platzAusName(name);
        if (platz == 0) continue;
        auto text = fsys::readAll(ordner + name);
        if (!text) continue;
        StationZeile s;
        s.platz = platz;
        long long letzte = -1;
        Roh z;
        zeilen(*text, u.schlechteZeilen, [&](std::string_view zeile) {
            if (!rohLesen(zeile, z)) {
                ++u.schlechteZeilen;
                return;
            }
            if (z.tag < vonTag || z.tag > bisTag) return;
            const long e = z.ergebnis;
            ++s.fragen;
            s.ersterVersuch += e == 1;
            s.zweiterVersuch += e == 2;
            if (z.stempel >= letzte) {
                letzte = z.stempel;
                s.niveau = double(z.niveau);
            }
            bereichName.assign(z.bereich);
            BereichZeile& b = bereiche[bereichName];
            ++b.fragen;
            b.ersterVersuch += e == 1;
            b.zweiterVersuch += e == 2;
            ++gestellt[size_t(z.nummer)];
            falsch[size_t(z.nummer)] += e == 0;
        });
        if (s.fragen > 0) u.stationen.push_back(s);
    }
    for (auto& [name, b] : bereiche) {
        b.bereich = name;
        u.bereiche.push_back(b);
    }
    std::sort(u.bereiche.begin(), u.bereiche.end(),
              [](const BereichZeile& a, const BereichZeile& b) { return a.bereich < b.bereich; });
    std::vector<std::int32_t> nummern;
    for (std::int32_t n = 1; n < 1000; ++n)
        if (falsch[size_t(n)] > 0) nummern.push_back(n);
    std::stable_sort(nummern.begin(), nummern.end(),
                     [&](std::int32_t a, std::int32_t b) { return falsch[size_t(a)] > falsch[size_t(b)]; });
    if (nummern.size() > 10) nummern.resize(10);
    for (std::int32_t n : nummern) {
        FrageZeile f;
        f.nummer = n;
        f.falsch = falsch[size_t(n)];
        f.fragen = gestellt[size_t(n)];
        if (frageText) std::tie(f.text, f.richtigeAntwort) = frageText(n);
        u.schwerste.push_back(std::move(f));
    }
    return u;
}

std::string Prozent(int teil, int ganzes) {
    return ganzes > 0 ? zahlText(100.0 * teil / ganzes, 1) : std::string();
}

std::string CsvExport(const Uebersicht& u, QDate von, QDate bis) {
    auto utf8 = [](std::string_view ansi) { return csvFeld(cp1252::toUtf8(ansi)); };
    auto datum = [](QDate d) { return d.toString(QStringLiteral("dd.MM.yyyy")).toStdString(); };
    std::string out = "\xEF\xBB\xBF";
    out += "Klassenübersicht;" + datum(von) + ";" + datum(bis) + "\r\n\r\n";
    out +=
        "Platz;Fragen;richtig beim ersten Versuch (%);richtig beim zweiten Versuch (%);erreichtes Niveau\r\n";
    for (const StationZeile& s : u.stationen)
        out += std::to_string(s.platz) + ";" + std::to_string(s.fragen) + ";" +
               Prozent(s.ersterVersuch, s.fragen) + ";" + Prozent(s.zweiterVersuch, s.fragen) + ";" +
               zahlText(s.niveau, 0) + "\r\n";
    out += "\r\nThemenbereich;Fragen;richtig beim ersten Versuch (%);richtig beim zweiten Versuch (%)\r\n";
    for (const BereichZeile& b : u.bereiche)
        out += utf8(b.bereich) + ";" + std::to_string(b.fragen) + ";" + Prozent(b.ersterVersuch, b.fragen) +
               ";" + Prozent(b.zweiterVersuch, b.fragen) + "\r\n";
    out += "\r\nNummer;falsch;gestellt;Frage;richtige Antwort\r\n";
    for (const FrageZeile& f : u.schwerste)
        out += std::to_string(f.nummer) + ";" + std::to_string(f.falsch) + ";" + std::to_string(f.fragen) +
               ";" + utf8(f.text) + ";" + utf8(f.richtigeAntwort) + "\r\n";
    return out;
}

std::optional<int> AeltereLoeschen(const std::string& netzPfad, QDate vor) {
    const std::string ordner = ergebnisOrdner(netzPfad);
    int weg = 0;
    bool ok = true;
    const int vorTag = tagZahl(vor);
    for (const std::string& name : fsys::list(ordner)) {
        if (platzAusName(name) == 0) continue;
        const std::string datei = ordner + name;
        fsys::FileLock lock(datei);
        auto text = lock.held() ? fsys::readAll(datei) : std::nullopt;
        if (!text) {
            ok = false;
            continue;
        }
        std::string rest;
        int schlecht = 0, hier = 0;
        zeilen(*text, schlecht, [&](std::string_view zeile) {
            Roh z;
            // Lines that cannot be read keep their place: they may be another program's.
            if (rohLesen(zeile, z) && z.tag < vorTag) {
                ++hier;
                return;
            }
            rest.append(zeile).append("\r\n");
        });
        if (hier == 0) continue;
        if (!fsys::writeAtomic(datei, rest)) {
            ok = false;
            continue;
        }
        weg += hier;
    }
    if (!ok) return std::nullopt;
    return weg;
}

}  // namespace netz

#include "translation/Translation_Class.h"

#include <algorithm>
#include <memory>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"

using namespace cp1252::literals;

namespace {

const char* const kError = "Error []";
// Development machine only; no delivered run uses it.
const char* const kEntwicklungsPfad = "E:\\a\\translation\\";

std::string ordner(const std::string& pfad) {
    if (pfad.empty() || fsys::isSeparator(pfad.back())) return pfad;
    return pfad + "/";
}

// The first entry whose id is `id` or its common form. Sorted tables put the
// common form (never larger) first, so a binary search finds the same entry
// as the scan in table order.
template <class Entry>
const Entry* sucheErsten(const std::vector<Entry>& t, bool sortiert, std::int32_t id) {
    const std::int32_t allgemein = translation_table::allgemeineForm(id);
    if (!sortiert) {
        for (const Entry& e : t)
            if (e.id == id || e.id == allgemein) return &e;
        return nullptr;
    }
    auto kleiner = [](const Entry& e, std::int32_t wert) { return e.id < wert; };
    auto it = std::lower_bound(t.begin(), t.end(), allgemein, kleiner);
    if (it != t.end() && it->id == allgemein) return &*it;
    it = std::lower_bound(it, t.end(), id, kleiner);
    if (it != t.end() && it->id == id) return &*it;
    return nullptr;
}

bool nurLeerzeichen(const std::string& s) {
    return s.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

Translation_Class::Translation_Class(ApiClass& api)
    : Translation_Class([&api]() -> ApiClass& { return api; }) {}

Translation_Class::Translation_Class(std::function<ApiClass&()> api) : api_(std::move(api)) {
    pfad_ = this->api().ManuAppPfad() + "common/";
    privatPfad_ = pfad_;
    appName_ = ApiClass::kProgramName;
    log("initialize beendet" + pfad_ + "!");
}

void Translation_Class::log(std::string_view text) const {
    api().protokoll(text, 0);
}

// ---------------------------------------------------------------- loading

void Translation_Class::Neu_laden() {
    personalDatei_ = "Personal Translation.dat";
    LadeHaupttabelle(true);
    LadePersonaltabelle();
}

void Translation_Class::LadeHaupttabelle(bool sortieren) {
    infoText_ = " --- INFO: --- ";
    haupt_.clear();
    hauptSortiert_ = false;
    sprache_.clear();
    systemFont_.clear();
    systemCharset_ = 0;
    hauptFontGroesse_ = 0;
    const std::string datei = ordner(pfad_) + hauptDatei_;
    log("Orginaldatei: " + datei);
    auto bytes = fsys::fileExists(datei) ? fsys::readAll(datei) : std::nullopt;
    if (!bytes) {
        log("zeiger sortiert");
        return;
    }
    log("trans geöffnet"_ansi);
    translation_table::Haupttabelle t = translation_table::leseHaupttabelle(*bytes);
    log("trans beendet");
    haupt_ = std::move(t.eintraege);
    infoText_ += t.info;
    sprache_ = std::move(t.sprache);
    systemFont_ = std::move(t.font);
    if (t.hatFontGroesse) hauptFontGroesse_ = 11;
    if (t.hatCharset) systemCharset_ = t.charset;
    if (sortieren) {
        translation_table::sortiere(haupt_);
        hauptSortiert_ = true;
        log("zeiger sortiert");
    }
}

void Translation_Class::LadePersonaltabelle() {
    personal_.clear();
    personalSortiert_ = false;
    personalSprache_.clear();
    personalVersion_.clear();
    personalFreitext_.clear();
    personalFont_.clear();
    personalFontGroesse_ = 0;
    prozent_.clear();
    std::int32_t nichtLeer = 0;
    const std::string datei = PersonalDatei();
    auto bytes = fsys::fileExists(datei) ? fsys::readAll(datei) : std::nullopt;
    if (bytes) {
        log("trans personal start " + datei + "!");
        translation_table::Personaltabelle t = translation_table::lesePersonaltabelle(*bytes);
        log("trans personal geladen");
        personal_ = std::move(t.eintraege);
        nichtLeer = t.nichtLeer;
        personalSprache_ = std::move(t.sprache);
        personalVersion_ = std::move(t.version);
        personalFreitext_ = std::move(t.freitext);
        personalFont_ = std::move(t.font);
        personalFontGroesse_ = t.fontGroesse;
        if (t.hatCharset) systemCharset_ = t.charset;
    }
    BerechneProzent(nichtLeer);
    SortierePersonal();
    log("trans personal sortiert ");
    if (personalFont_.empty()) {
        neuFont_ = systemFont_;
        personalFontGroesse_ = hauptFontGroesse_;
    } else {
        neuFont_ = personalFont_;
    }
    log("trans personal ende");
}

std::string Translation_Class::PersonalDatei() const {
    return ordner(privatPfad_) + personalDatei_;
}

void Translation_Class::BerechneProzent() {
    BerechneProzent(std::int32_t(std::count_if(personal_.begin(), personal_.end(),
                                               [](const PersonalEintrag& e) { return !e.text.empty(); })));
}

void Translation_Class::BerechneProzent(std::int32_t nichtLeer) {
    if (haupt_.size() <= 1) return;
    // Per hundred, rounded, at most 100: a full translation is 100 % (not
    // 101 %), and texts for numbers the language table lacks add nothing more.
    const std::int64_t n = std::int64_t(haupt_.size());
    prozent_ = std::to_string(std::min<std::int64_t>(100, (std::int64_t(nichtLeer) * 100 + n / 2) / n)) + "%";
}

std::vector<Translation_Class::PersonalEintrag>& Translation_Class::PersonalTabelleAendern() {
    personalSortiert_ = false;
    return personal_;
}

void Translation_Class::SortierePersonal() {
    translation_table::sortiere(personal_);
    personalSortiert_ = true;
}

// ---------------------------------------------------------------- lookup

std::string Translation_Class::translation(std::int32_t id, std::string_view werte) {
    if (!(id > 0 && id < 99999)) return "ERRFATAL:";
    if (api().IsItDebug()) WirdBenutzt(id);
    std::string text;
    const PersonalEintrag* p = sucheErsten(personal_, personalSortiert_, id);
    if (p && !nurLeerzeichen(p->text)) {
        text = p->text;
        if (withIndex_ >= 2) text += std::to_string(id);
    } else if (const HauptEintrag* h = sucheErsten(haupt_, hauptSortiert_, id)) {
        text = h->text;
        if (withIndex_ >= 1) text += std::to_string(id);
    } else if (haupt_.empty()) {
        return "Err:DateiNotFound";
    } else {
        log("Übersetzung fehlt: "_ansi + vb::Str(static_cast<long long>(id)));
        std::string notText = api().TextDatei(notDatei());
        std::optional<translation_table::Notfund> fund;
        if (!notText.empty()) {
            log("Englische Not-Datei vorhanden: " + vb::Str(static_cast<long long>(id)));
            fund = translation_table::notSuche(notText, id);
            const translation_table::Notfund& f = fund ? *fund : translation_table::Notfund{};
            log("Übersetzung dort: <"_ansi + f.text + ">" + vb::Str(static_cast<long long>(f.tab1)) +
                vb::Str(static_cast<long long>(f.tab2)));
        }
        text = fund && !fund->text.empty() ? fund->text : "ERR" + std::to_string(id);
        fehlt(id);
    }
    Platzhalter(text, werte);
    return text;
}

std::string Translation_Class::KapitalTranslation(std::int32_t id, std::string_view werte) {
    std::string text = translation(id, werte);
    if (!text.empty()) text[0] = char(cp1252::upper(static_cast<unsigned char>(text[0])));
    return text;
}

void Translation_Class::Platzhalter(std::string& text, std::string_view werte) {
    // Replacements may bring new placeholders, also through "[T:n]" texts that
    // are filled by a nested call; all of them share one budget, so a text that
    // reproduces itself ends instead of looping or recursing for ever.
    if (tiefe_ == 0) ersetzungen_ = kMaxErsetzungen;
    ++tiefe_;
    struct Ende {
        int& tiefe;
        ~Ende() { --tiefe; }
    } ende{tiefe_};

    std::size_t a;
    while ((a = text.find('[')) != std::string::npos) {
        std::size_t b = text.find(']', a + 1);
        if (b == std::string::npos || ersetzungen_ <= 0) {
            text = kError;
            return;
        }
        std::string_view innen = std::string_view(text).substr(a + 1, b - a - 1);
        std::size_t doppelpunkt = innen.find(':');
        if (doppelpunkt == std::string_view::npos) {
            text = kError;
            return;
        }
        const std::string art(innen.substr(0, doppelpunkt));
        const std::string argument(innen.substr(doppelpunkt + 1, 99));
        --ersetzungen_;
        std::string ersatz;
        if (art == "X") {
            // The value follows the argument, its ":" and a blank ("[A: 5]"). Counting
            // the argument's length (not a fixed three places) keeps names longer than
            // one letter from leaking into the value.
            std::size_t p = werte.empty() ? std::string_view::npos : werte.find(argument);
            if (p == std::string_view::npos) {
                ersatz = "ERROR";
            } else {
                std::size_t von = p + argument.size() + 2;
                std::size_t bis = werte.find(']', p);
                if (bis == std::string_view::npos) bis = werte.size();
                if (von < bis) ersatz = std::string(werte.substr(von, bis - von));
            }
        } else if (art == "T") {
            ersatz = translation(vb::CLng(vb::Val(argument)), {});
        } else {
            ersatz = api().IniLesen("Sprache.id", art, argument);
        }
        std::string neu;
        neu.reserve(std::min(text.size() + ersatz.size(), kMaxTextLaenge));
        neu.append(text, 0, a).append(ersatz).append(text, b + 1);
        if (neu.size() > kMaxTextLaenge) neu.resize(kMaxTextLaenge);
        text = std::move(neu);
    }
}

// ---------------------------------------------------------------- missing ids

std::string Translation_Class::notDatei() const {
    return api().ManuAppPfad() + "Common/Translation English.Dat";
}

void Translation_Class::fehlt(std::int32_t id) {
    if (fehlliste_.size() >= translation_table::kMaxEintraege) return;
    if (std::find(fehlliste_.begin(), fehlliste_.end(), id) == fehlliste_.end()) fehlliste_.push_back(id);
}

std::int32_t Translation_Class::FehlerZahl() {
    std::string bericht = "Fehler:" + std::to_string(fehlliste_.size()) + "\r\n" + infoText_ + "\r\n";
    for (std::int32_t id : fehlliste_) bericht += vb::Str(static_cast<long long>(id)) + "\r\n";
    // A folder that cannot take the report costs the report, not the program.
    fsys::writeAtomic(ordner(pfad_) + "Translationfehler.txt", bericht);
    return std::int32_t(fehlliste_.size());
}

std::int32_t Translation_Class::FreieNummer(std::int32_t id) const {
    // Slot 0 and the empty slots after the entries hold 0, as in the fixed table.
    std::int32_t kandidat = id;
    bool gefunden = false;
    auto slot = [&](std::int32_t wert) {
        if (wert == id) gefunden = true;
        if (wert == kandidat) ++kandidat;
    };
    slot(0);
    for (const HauptEintrag& e : haupt_) slot(e.id);
    for (std::size_t i = haupt_.size(); i < translation_table::kMaxEintraege; ++i) slot(0);
    return gefunden ? kandidat : -1;
}

// ---------------------------------------------------------------- properties

void Translation_Class::Pfad(std::string_view pfad) {
    pfad_ = std::string(pfad);
    privatPfad_ = pfad_;
    log("Trans Pfad ändern "_ansi + pfad_ + "!");
}

void Translation_Class::PrivatPfad(std::string_view pfad) {
    privatPfad_ = std::string(pfad);
    log("Trans Pfad Privat ändern "_ansi + privatPfad_ + "!");
}

std::string Translation_Class::AktSprache() const {
    return cp1252::upper(sprache_);
}

void Translation_Class::IsDebug() {
    Pfad(kEntwicklungsPfad);
    hauptDatei_ = "Translation Deutsch.Dat";
}

void Translation_Class::WirdBenutzt(std::int32_t id) {
    std::string text = api().TextDatei(wirdBenutztDatei_);
    std::size_t p = text.find(std::to_string(id));
    if (p == std::string::npos) return;
    std::size_t q = text.find('\r', p);
    if (q == std::string::npos) q = text.size();
    text.erase(p, q - p);
    try {
        api().TextDatei(wirdBenutztDatei_, text);
    } catch (const ApiError&) {
        // A development list that cannot be written is not worth stopping for.
    }
}

// ---------------------------------------------------------------- t_call

namespace {
std::unique_ptr<Translation_Class> programmEngine;
}

Translation_Class& t_call() {
    if (!programmEngine) CreateT_call();
    return *programmEngine;
}

bool t_callVorhanden() {
    return programmEngine != nullptr;
}

void CreateT_call() {
    programmEngine = std::make_unique<Translation_Class>([]() -> ApiClass& { return MelvatoBasic::Api(); });
}

void SetupT_call() {
    Translation_Class& t = t_call();
    t.ProjectNummer(3);
    if (MelvatoBasic::Api().IsItDebug()) {
        t.IsDebug();
        t.Neu_laden();
    } else {
        t.Neu_laden();
        t.WithIndex(0);
    }
}

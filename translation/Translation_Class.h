#pragma once
// The translation engine. Every text a window shows has a number; the engine
// turns it into the text of the current language:
//
//     #include "translation/Translation_Class.h"
//     label->setText(cp1252::toUnicode(t_call().translation(20012)));
//     t_call().translation(20012, "[A: 5]");   // with placeholder values
//
// `t_call()` is the program's one engine (created by start-up, see below). All
// texts are Windows-1252 bytes. The language table "Translation.dat" and the
// user's "Personal Translation.dat" live in `Pfad` / `PrivatPfad`, by default the
// maker's "common" folder; a personal text overrides the language text.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "translation/TranslationTable.h"

class ApiClass;
class QDialog;
class QWidget;

class Translation_Class {
public:
    using HauptEintrag = translation_table::HauptEintrag;
    using PersonalEintrag = translation_table::PersonalEintrag;

    // Bound to one services object for its whole life (tests).
    explicit Translation_Class(ApiClass& api);
    // Asks `api` for the services object at every use (the program's engine, whose
    // services object start-up may replace).
    explicit Translation_Class(std::function<ApiClass&()> api);
    Translation_Class(const Translation_Class&) = delete;
    Translation_Class& operator=(const Translation_Class&) = delete;

    // ---- Lookup ----
    // Loads and sorts the language table, then the personal table.
    void Neu_laden();
    // The text of `id` with its placeholders filled from `werte`. Errors come back
    // as text: "ERRFATAL:" (id out of range), "Err:DateiNotFound" (no language
    // table), "ERR" + id (no entry; the id is logged and collected).
    std::string translation(std::int32_t id, std::string_view werte = {});
    // `translation` with its first character upper-cased.
    std::string KapitalTranslation(std::int32_t id, std::string_view werte = {});
    // Fills "[X:a]" (from `werte`), "[T:n]" (text n) and "[Abschnitt:Schlüssel]"
    // (profile "Sprache.id") in place. Broken brackets, or a text that keeps
    // producing placeholders, turn the whole text into "Error []".
    void Platzhalter(std::string& text, std::string_view werte);

    // Puts the language font on a window and on its controls that use the default
    // font. Lives in melvato_gui (translation/ChangeFont.cpp). Controls showing a
    // symbol font stay as they are: those set to the music-symbol font, to a font
    // of symbols only, or carrying the property kCharsetProperty = kSymbolCharset.
    // Every other control gets kCharsetProperty = SystemCharset.
    void ChangeFont(QWidget* window);
    static constexpr const char* kCharsetProperty = "Charset";
    static constexpr std::int32_t kSymbolCharset = 2;
    static constexpr const char* kMusikSymbolFont = "MusicalSymbols";

    // -1 when `id` is not in the language table, else the first id above it that
    // the table does not use (counting upward in table order).
    std::int32_t FreieNummer(std::int32_t id) const;
    // Writes "Translationfehler.txt" in `Pfad` and returns how many ids were missing.
    std::int32_t FehlerZahl();

    // ---- Properties ----
    std::int32_t WithIndex() const { return withIndex_; }
    void WithIndex(std::int32_t wert) { withIndex_ = wert; }
    std::int32_t ProjectNummer() const { return projectNummer_; }
    void ProjectNummer(std::int32_t wert) { projectNummer_ = wert; }
    const std::string& Pfad() const { return pfad_; }
    void Pfad(std::string_view pfad);  // sets PrivatPfad as well
    const std::string& PrivatPfad() const { return privatPfad_; }
    void PrivatPfad(std::string_view pfad);
    const std::string& AppName() const { return appName_; }
    void AppName(std::string_view name) { appName_ = std::string(name); }
    const std::string& SystemFont() const { return systemFont_; }
    const std::string& NeuFont() const { return neuFont_; }
    std::int32_t SystemCharset() const { return systemCharset_; }
    std::string AktSprache() const;
    const std::string& Autor() const { return autor_; }
    void Autor(std::string_view name) { autor_ = std::string(name); }
    // Development only: the development folder and "Translation Deutsch.Dat".
    void IsDebug();
    // Development only: strikes the id's line from the development list of used ids.
    void WirdBenutzt(std::int32_t id);

    // ---- Editor side: what the translation editor window works on ----
    void LadeHaupttabelle(bool sortieren);
    void LadePersonaltabelle();
    const std::vector<HauptEintrag>& HauptTabelle() const { return haupt_; }
    const std::vector<PersonalEintrag>& PersonalTabelle() const { return personal_; }
    // For changes; the table then counts as unsorted until SortierePersonal.
    std::vector<PersonalEintrag>& PersonalTabelleAendern();
    void SortierePersonal();
    const std::string& InfoText() const { return infoText_; }
    const std::string& Prozent() const { return prozent_; }  // coverage, "n%"
    const std::string& Sprache() const { return sprache_; }
    const std::string& PersonalSprache() const { return personalSprache_; }
    const std::string& PersonalVersion() const { return personalVersion_; }
    const std::string& PersonalFreitext() const { return personalFreitext_; }
    const std::string& PersonalFont() const { return personalFont_; }
    void PersonalFont(std::string_view font) { personalFont_ = std::string(font); }
    std::int32_t HauptFontGroesse() const { return hauptFontGroesse_; }
    std::int32_t PersonalFontGroesse() const { return personalFontGroesse_; }
    const std::string& HauptDateiName() const { return hauptDatei_; }
    const std::string& PersonalDateiName() const { return personalDatei_; }
    const std::vector<std::int32_t>& Fehlliste() const { return fehlliste_; }
    // "Personal Translation.dat" with its folder.
    std::string PersonalDatei() const;
    // The coverage again, after the personal table changed.
    void BerechneProzent();
    // Set while the editor window is shown; closing it then saves the personal table.
    bool EditorGezeigt() const { return editorGezeigt_; }
    void EditorGezeigt(bool gezeigt) { editorGezeigt_ = gezeigt; }
    // The editor window: 5700 twips high, or 6000 with the development area.
    // `zeige` shows the built window modally (default: exec); the main window
    // passes its own so that tests can work the window instead of a person.
    // Live in melvato_gui (translation/frmTranslation.cpp).
    void ShowMeModal(const std::function<void(QDialog&)>& zeige = {});
    void ShowAllModal(const std::function<void(QDialog&)>& zeige = {});

    // The list file WirdBenutzt edits (tests point it elsewhere).
    void setWirdBenutztDatei(std::string datei) { wirdBenutztDatei_ = std::move(datei); }

    // A chain of placeholders ends after this many replacements.
    static constexpr int kMaxErsetzungen = 100;
    static constexpr std::size_t kMaxTextLaenge = 9999;

private:
    ApiClass& api() const { return api_(); }
    void log(std::string_view text) const;
    std::string notDatei() const;
    void fehlt(std::int32_t id);
    void BerechneProzent(std::int32_t nichtLeer);

    std::function<ApiClass&()> api_;
    std::vector<HauptEintrag> haupt_;
    std::vector<PersonalEintrag> personal_;
    bool hauptSortiert_ = false;
    bool personalSortiert_ = false;
    std::vector<std::int32_t> fehlliste_;
    std::string infoText_ = " --- INFO: --- ";
    std::string prozent_;
    std::string pfad_, privatPfad_;
    std::string hauptDatei_ = "Translation.dat";
    std::string personalDatei_ = "Personal Translation.dat";
    std::string appName_;
    std::string sprache_;
    std::string systemFont_, neuFont_;
    std::int32_t systemCharset_ = 0;
    std::int32_t hauptFontGroesse_ = 0, personalFontGroesse_ = 0;
    std::string personalSprache_, personalVersion_, personalFreitext_, personalFont_;
    std::int32_t withIndex_ = 0;
    std::int32_t projectNummer_ = 0;
    std::string autor_;
    std::string wirdBenutztDatei_ = "E:\\a\\wirdbenutzt.txt";
    int ersetzungen_ = 0;  // replacements left in the running Platzhalter
    int tiefe_ = 0;        // nesting of Platzhalter through "[T:n]"
    bool editorGezeigt_ = false;
};

// The program's one engine; every window asks it for its texts. Start-up creates
// it (step 8, CreateT_call) and loads it (step 15, SetupT_call). A caller that
// asks before start-up gets an engine with empty tables ("Err:DateiNotFound").
Translation_Class& t_call();
// A fresh engine bound to the program's services object.
void CreateT_call();
// Whether the program's engine exists yet.
bool t_callVorhanden();
// Project 3, tables loaded, ids not shown after the texts.
void SetupT_call();

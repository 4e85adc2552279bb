// Reading packages back: a round trip between two data folders, the record
// reader on damaged files, and hostile or broken archives that must not write
// anything but what they are allowed to.
#include <gtest/gtest.h>

#include "exchange/PaketImport.h"
#include "questions/WordIndex.h"
#include "services/Codepage.h"
#include "services/Unzip.h"
#include "tests/exchange/PackTestData.h"
#include "tests/exchange/ZipTestData.h"

using namespace cp1252::literals;
using namespace paket;
using testing_support::Datenordner;
using testing_support::machZip;
using testing_support::readFile;
using testing_support::TempHome;

namespace {
std::string alsText(const fragen::QuestionRecord& r) {
    std::string t = r.Frage;
    for (int j = 1; j <= 5; ++j) t += "|" + r.Antwort[size_t(j)] + "|" + r.Erklärung[size_t(j)];
    return t + "|" + std::to_string(r.Lösung) + "|" + std::to_string(r.Problem) + "|" + r.Bild + "|" +
           r.Bild2 + "|" + r.Musical + "|" + r.Audio + "|" + r.Bereich;
}

std::string datensatz(int n, const std::string& extra = {}) {
    return "[Quiz " + std::to_string(n) + "]\r\nFrage=Frage " + std::to_string(n) +
           "\r\nAntwort 1=ja\r\nAntwort 2=nein\r\nL\xF6sung=1\r\n" + extra;
}

bool enthaelt(const std::vector<std::string>& texte, const std::string& teil) {
    for (const std::string& t : texte)
        if (t.find(teil) != std::string::npos) return true;
    return false;
}

using PackImport = testing_support::PackFixture;

std::vector<size_t> alle(const PaketImport& imp) {
    std::vector<size_t> v(imp.Fragen().size());
    for (size_t i = 0; i < v.size(); ++i) v[i] = i;
    return v;
}
}  // namespace

TEST_F(PackImport, QuestionsAndMediaTravelThroughAZipToAnotherUser) {
    std::map<int, fragen::QuestionRecord> gesendet;
    for (int n = 1; n <= 8; ++n) {
        const char* bild = n == 3 || n == 4 ? "bach.jpg" : "";
        const std::string bild2 = n == 5 ? "Bäume.jpg"_ansi : "";
        const char* audio = n == 4 || n == 7 ? "ton.wav" : "";
        gesendet[n] = d.frage(n, bild, bild2, audio);
    }
    d.medium("bach.jpg", std::string(4000, 'B'));
    d.medium("Bäume.jpg"_ansi, std::string(3000, 'U'));
    d.medium("ton.wav", std::string(9000, 'T'));
    const std::string zip = home.root() + "paket.zip";
    std::string fehler;
    EXPECT_FALSE(PaketSpeichern(d.app + "pack/", zip, fehler));
    EXPECT_NE(fehler.find("zuerst packen"), std::string::npos);
    Packer(d.api, d.liste()).jetzPacken({3, 7, false, false});
    ASSERT_TRUE(PaketSpeichern(d.app + "pack/", zip, fehler)) << fehler;
    // Names go in as UTF-8, so that other unzip programs show them right.
    EXPECT_TRUE(VBUnzBas::FileExistInZip(zip, "Bäume.jpg"_ansi));

    TempHome homeB;
    Datenordner b;
    b.frage(1);
    fragen::WortIndex(b.api).FrageIndizieren(1);
    b.medium("bach.jpg", std::string(4000, 'X'));  // same name, another picture
    PaketImport imp(b.api);
    ASSERT_TRUE(imp.Oeffnen(zip)) << imp.Fehler();
    ASSERT_EQ(imp.Fragen().size(), 5u);
    const ImportErgebnis erg = imp.Einlesen(alle(imp));
    using Paar = std::pair<std::int32_t, std::int32_t>;
    EXPECT_EQ(erg.eingelesen, (std::vector<Paar>{{3, 2}, {4, 3}, {5, 4}, {6, 5}, {7, 6}}));
    for (const auto& [alt, neu] : erg.eingelesen) {
        fragen::QuestionRecord erwartet = gesendet[alt];
        if (erwartet.Bild == "bach.jpg") erwartet.Bild = "bach_2.jpg";
        EXPECT_EQ(alsText(fragen::FrageLesen(b.api, neu)), alsText(erwartet)) << alt;
    }
    EXPECT_EQ(readFile(b.app + "DATEN/bach.jpg"), std::string(4000, 'X'));
    EXPECT_EQ(readFile(b.app + "DATEN/bach_2.jpg"), std::string(4000, 'B'));
    EXPECT_EQ(fsys::readAll(b.app + "DATEN/Bäume.jpg"_ansi), std::string(3000, 'U'));
    EXPECT_EQ(readFile(b.app + "DATEN/ton.wav"), std::string(9000, 'T'));
    EXPECT_TRUE(enthaelt(erg.meldungen, "bach_2.jpg"));
    const std::string telemann = b.api.IniLesenGanz("IndexT.Ini", "T", "TELEMANN");
    EXPECT_TRUE(fragen::EnthaeltNummer(telemann, 1) && fragen::EnthaeltNummer(telemann, 6)) << telemann;

    // The same package again, this time from the sender's package folder.
    const auto vorher = Datenordner::dateien(b.app + "DATEN/");
    const std::string fragenVorher = readFile(b.app + "Fragen 0.Dat");
    PaketImport nochmal(b.api);
    ASSERT_TRUE(nochmal.Oeffnen(d.app + "pack/")) << nochmal.Fehler();
    const ImportErgebnis zweites = nochmal.Einlesen(alle(nochmal));
    EXPECT_TRUE(zweites.eingelesen.empty());
    EXPECT_EQ(zweites.meldungen.size(), 5u);
    EXPECT_TRUE(enthaelt(zweites.meldungen, "Frage 4 gibt es schon (Frage 3)"));
    EXPECT_EQ(Datenordner::dateien(b.app + "DATEN/"), vorher);
    EXPECT_EQ(readFile(b.app + "Fragen 0.Dat"), fragenVorher);
}

TEST(PackRecordReader, DamagedRecordsCarryTheirReason) {
    const std::string ok3 = datensatz(3);
    struct Fall {
        const char* wozu;
        std::string bytes;
        std::string fehler;                // the file as a whole
        std::vector<std::string> gruende;  // per record; "" = whole
    } const faelle[] = {
        {"two whole records", ok3 + datensatz(7, "Bild=a.jpg\r\n"), "", {"", ""}},
        {"scrambled",
         "[Quiz 4]\r\nCrypt=1\r\nFrage=" + ApiClass::EnCode("Wer?") +
             "\r\nAntwort 1=" + ApiClass::EnCode(" ja ") + "\r\nL\xF6sung=1\r\n",
         "",
         {""}},
        {"UTF-8 text", "[Quiz 3]\r\nFrage=Zauberfl\xC3\xB6te\r\n", "UTF-8", {}},
        {"binary file", ok3 + std::string(4, '\0'), "beschädigt"_ansi, {}},
        {"byte without character", ok3 + "Bereich=\x81\r\n", "", {"Windows-1252"}},
        {"no sections", "Hallo\r\nWelt\r\n", "keine Fragen", {}},
        {"cut off", ok3 + "[Quiz 4]\r\nFrage=Hal", "", {"", "unvollständig"_ansi}},
        {"numbers out of range",
         datensatz(0) + datensatz(999) + datensatz(1000) + "[Quiz 123456789012]\r\n",
         "",
         {"außerhalb"_ansi, "außerhalb"_ansi, "außerhalb"_ansi, "außerhalb"_ansi}},
        {"section twice", ok3 + ok3, "", {"", "mehrfach"}},
        {"section without number", "[Quiz x]\r\nFrage=a\r\n[Quiz 5\r\n", "", {"lesbaren", "lesbaren"}},
        {"media outside the package",
         datensatz(1, "Bild=../x.jpg\r\n") + datensatz(2, "Audio=/etc/passwd\r\n") +
             datensatz(3, "Bild2=C:\\x.jpg\r\n") + datensatz(4, "Bild=sub/x.jpg\r\n"),
         "",
         {"außerhalb"_ansi, "außerhalb"_ansi, "außerhalb"_ansi, "außerhalb"_ansi}},
        {"no valid solution",
         "[Quiz 1]\r\nFrage=a\r\nAntwort 1=b\r\nL\xF6sung=0\r\n[Quiz 2]\r\nFrage=a\r\nAntwort "
         "1=b\r\nL\xF6sung=3\r\n",
         "",
         {"Lösung"_ansi, "Lösung"_ansi}},
        {"empty question, long text, control character",
         "[Quiz 1]\r\nFrage=\r\n" + datensatz(2, "Bereich=" + std::string(255, 'x') + "\r\n") +
             "[Quiz 3]\r\nFrage=a\tb\r\n",
         "",
         {"keinen Fragetext", "254", "Steuerzeichen"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wozu);
        const PaketInhalt p = FragenLesen(f.bytes);
        if (!f.fehler.empty()) {
            EXPECT_NE(p.fehler.find(f.fehler), std::string::npos) << p.fehler;
            continue;
        }
        EXPECT_EQ(p.fehler, "");
        ASSERT_EQ(p.eintraege.size(), f.gruende.size());
        for (size_t i = 0; i < f.gruende.size(); ++i) {
            const std::string& grund = p.eintraege[i].problem;
            if (f.gruende[i].empty())
                EXPECT_EQ(grund, "") << i;
            else
                EXPECT_NE(grund.find(f.gruende[i]), std::string::npos) << i << ": " << grund;
        }
    }
    const PaketInhalt verschluesselt = FragenLesen(faelle[1].bytes);
    EXPECT_EQ(verschluesselt.eintraege[0].frage.Frage, "Wer?");
    EXPECT_EQ(verschluesselt.eintraege[0].frage.Antwort[1], " ja ");
}

TEST_F(PackImport, BadPackagesWriteNothingButWhatTheyMay) {
    const std::string dir = home.root() + "pakete/";
    const std::string gut = datensatz(3, "Bild=bild.jpg\r\n");
    const std::string bild(5000, 'J');
    testing_support::writeFile(dir + "text.zip", "kein Archiv");
    machZip(dir + "ganz.zip", {{"NeueFragen.Dat", gut}, {"bild.jpg", bild}});
    testing_support::writeFile(dir + "halb.zip", readFile(dir + "ganz.zip").substr(0, 200));
    machZip(dir + "ohne.zip", {{"bild.jpg", bild}});
    machZip(dir + "aussen.zip",
            {{"../bild.jpg", bild}, {"/tmp/bild.jpg", bild}, {"paket/NeueFragen.Dat", gut}});
    machZip(dir + "gross.zip", {{"NeueFragen.Dat", gut}, {"bild.jpg", bild}});
    testing_support::groesseFaelschen(dir + "gross.zip", "bild.jpg");
    testing_support::writeFile(dir + "utf8/NeueFragen.Dat", "[Quiz 3]\r\nFrage=M\xC3\xBCnchen\r\n");

    struct Fall {
        const char* wozu;
        const char* paket;
        std::string fehler;   // Oeffnen fails with this
        std::string meldung;  // or the import reports this
        int eingelesen;
    } const faelle[] = {
        {"not a zip", "text.zip", "kein Paket", "", 0},
        {"cut-off archive", "halb.zip", "kein Paket", "", 0},
        {"zip without records", "ohne.zip", "NeueFragen.Dat", "", 0},
        {"members outside the package", "aussen.zip", "", "2 Einträge"_ansi, 1},
        {"huge declared size", "gross.zip", "", "zu groß"_ansi, 0},
        {"records not in Windows-1252", "utf8/NeueFragen.Dat", "UTF-8", "", 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wozu);
        const auto fragenVorher = Datenordner::dateien(d.app);
        PaketImport imp(d.api);
        const bool offen = imp.Oeffnen(dir + f.paket);
        EXPECT_EQ(offen, f.fehler.empty()) << imp.Fehler();
        if (!offen) {
            EXPECT_NE(imp.Fehler().find(f.fehler), std::string::npos) << imp.Fehler();
            EXPECT_EQ(Datenordner::dateien(d.app), fragenVorher);
            continue;
        }
        const ImportErgebnis erg = imp.Einlesen(alle(imp));
        EXPECT_EQ(int(erg.eingelesen.size()), f.eingelesen);
        EXPECT_TRUE(enthaelt(erg.meldungen, f.meldung)) << erg.Zusammenfassung();
        EXPECT_FALSE(fsys::exists(d.app + "DATEN/bild.jpg"));
        EXPECT_FALSE(fsys::exists(home.root() + "bild.jpg"));
        for (const auto& [alt, neu] : erg.eingelesen) fragen::FrageSpeichern(d.api, neu, {});
    }
}

TEST_F(PackImport, NoFreeNumberIsSaid) {
    std::string belegt;
    for (int n = 1; n <= 99; ++n) belegt += datensatz(n);
    testing_support::writeFile(d.app + "Fragen 0.Dat", belegt);
    testing_support::writeFile(home.root() + "p/NeueFragen.Dat", datensatz(3, "Bereich=neu\r\n"));
    PaketImport imp(d.api);
    ASSERT_TRUE(imp.Oeffnen(home.root() + "p"));
    const ImportErgebnis erg = imp.Einlesen({0});
    EXPECT_TRUE(erg.eingelesen.empty());
    EXPECT_TRUE(enthaelt(erg.meldungen, "1 bis 99 sind alle belegt"));
}

TEST_F(PackImport, SavingManyAtOnceLeavesTheBytesOfSavingOneByOne) {
    std::vector<fragen::QuestionRecord> records;
    for (int n : {5, 7}) {
        fragen::QuestionRecord r;
        r.Nummer = n;
        r.Frage = "\"Wer\" schrieb " + std::to_string(n) + "?";
        r.Antwort[1] = "Bach";
        r.Lösung = 1;
        r.Bereich = "Oper\nund Lied";
        records.push_back(r);
    }
    for (const std::string& anfang : {std::string(), std::string("[Quiz 3]\r\nFrage=x"),
                                      std::string("[Quiz 3]\r\nFrage=x\r\n[Quiz 7]\r\nAntwort 1=alt\r\n")}) {
        SCOPED_TRACE(anfang);
        testing_support::writeFile(d.app + "Fragen 0.Dat", anfang);
        for (const auto& r : records) fragen::FrageSpeichern(d.api, r.Nummer, r);
        const std::string einzeln = readFile(d.app + "Fragen 0.Dat");
        testing_support::writeFile(d.app + "Fragen 0.Dat", anfang);
        d.api.IniSchreiben("", "Allgemein", "IndexNotwendig", "1");
        fragen::FragenSpeichern(d.api, records);
        EXPECT_EQ(readFile(d.app + "Fragen 0.Dat"), einzeln);
        EXPECT_EQ(d.api.IniLesen("", "Allgemein", "IndexNotwendig"), "2");
    }
}

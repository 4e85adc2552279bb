// Packing own questions: which media go into the package and how they are
// counted, the records byte for byte, the offered range and the package folder's
// clearing.
#include <gtest/gtest.h>

#include "exchange/Paket.h"
#include "services/Codepage.h"
#include "tests/exchange/PackTestData.h"

using namespace cp1252::literals;
using namespace paket;
using testing_support::readFile;

using testing_support::PackFixture;

namespace {
std::vector<std::string> namen(const Sammlung& s) {
    std::vector<std::string> out;
    for (const PackDatei& f : s.neuBestand) out.push_back(f.name);
    return out;
}
}  // namespace

TEST_F(PackFixture, SharedPictureGoesInOnceAndTheSummaryCountsIt) {
    d.frage(1, "bach.jpg");
    d.frage(2, "bach.jpg", "", "ton.wav");
    d.frage(3, "", "BACH.JPG");
    d.medium("bach.jpg", std::string(2500, 'B'));
    d.medium("ton.wav", std::string(12345, 'T'));
    Packer p(d.api, d.liste());
    d.api.ProtokollAn(true);
    const Sammlung s = p.jetzPacken({1, 3, false, false});

    EXPECT_EQ(s.Details(), (std::vector<std::string>{"bach.jpg 2kB", "ton.wav 12kB"}));
    EXPECT_EQ(s.Zusammenfassung(),
              " 3 Fragen enthalten: \r\n\r\ninterne Dateien:  0\r\neigene Bilder:  1\r\n"
              "eigene Audio:  1\r\n\r\nGesamtgröße \r\n\r\n 14kB ungepackt \r\n"
              "Fehlende Dateien:  0"_ansi);
    ASSERT_TRUE(s.groesste);
    EXPECT_EQ(s.groesste->name, "ton.wav");
    const auto pack = packInhalt();
    EXPECT_EQ(pack.size(), 4u);
    EXPECT_EQ(pack.at("bach.jpg"), std::string(2500, 'B'));
    EXPECT_EQ(pack.at("ton.wav"), std::string(12345, 'T'));
    EXPECT_EQ(pack.at("liste.txt"), "");
    EXPECT_NE(readFile(d.api.LogDatei()).find("Kill Packordner"), std::string::npos);
}

TEST_F(PackFixture, MediaAreCheckedAsOldInternalOrMissing) {
    d.frage(1, "alt.jpg");
    d.frage(2, "alt.jpg", "neu.jpg", "intern.wav");
    d.frage(3, "weg1.jpg", "weg2.gif");
    d.medium("alt.jpg", std::string(1500, 'A'));
    d.medium("neu.jpg", std::string(2000, 'N'));
    d.medium("intern.wav", " 3 \r\n");
    d.medium("intern.wav", std::string(4000, 'I'), "back/");

    struct Fall {
        const char* wozu;
        Bereich b;
        std::deque<int> antworten;
        std::vector<std::string> gepackt;
        int intern, bilder, audio, fehlend, warnungen;
    };
    const Fall faelle[] = {
        {"plain range", {2, 2, false, false}, {}, {"alt.jpg", "neu.jpg"}, 1, 2, 0, 0, 0},
        {"without old files", {2, 2, true, false}, {}, {"neu.jpg"}, 1, 1, 0, 0, 0},
        {"maker's files", {2, 2, false, true}, {}, {"alt.jpg", "neu.jpg", "intern.wav"}, 0, 2, 1, 0, 0},
        {"missing, both warned", {3, 3, false, false}, {dlg::OK, dlg::OK}, {}, 0, 0, 0, 2, 2},
        {"missing, cancel stops warning", {3, 3, false, false}, {dlg::Cancel}, {}, 0, 0, 0, 2, 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wozu);
        Packer p(d.api, d.liste());
        dialogs.messages.clear();
        dialogs.answers = f.antworten;
        const Sammlung s = p.testen(f.b);
        EXPECT_EQ(namen(s), f.gepackt);
        EXPECT_EQ(std::vector<int>({s.intern, s.bilder, s.audio, s.fehlend}),
                  std::vector<int>({f.intern, f.bilder, f.audio, f.fehlend}));
        ASSERT_EQ(int(dialogs.messages.size()), f.warnungen);
        if (f.warnungen > 0) {
            EXPECT_EQ(dialogs.messages[0].text, "Die Datei... " + std::string(40, ' ') + "\r\n\r\n" +
                                                    std::string(10, ' ') +
                                                    ".../weg1.jpg\r\n\r\n...wurde nicht gefunden!");
            EXPECT_EQ(dialogs.messages[0].title, "Warnung");
        }
        p.jetzPacken(f.b);
        const auto pack = packInhalt();
        EXPECT_EQ(pack.size(), f.gepackt.size() + 2);
        for (const std::string& name : f.gepackt)
            EXPECT_EQ(
                pack.at(name),
                readFile(d.app + (f.b.auchVarulak && name == "intern.wav" ? "back/" : "DATEN/") + name));
    }
}

TEST_F(PackFixture, RecordsAreCopiedLineByLineEachEndingBeforeTheNextQuizLine) {
    testing_support::writeFile(d.app + "Fragen 0.Dat",
                               "[Quiz 3]\r\nCrypt=0\r\nFrage=Drei\r\n; bleibt\r\nAntwort 1=ja\r\n\r\n"
                               "[Quiz 5]\r\nFrage=\r\nAntwort 1=x\r\n"
                               "[Quiz 7]\r\nFrage=Sieben\nAntwort 1=ja");
    Packer p(d.api, d.liste());
    ASSERT_EQ(p.Liste(), (std::vector<std::int32_t>{3, 7}));
    p.jetzPacken({1, 2, false, false});
    EXPECT_EQ(readFile(d.app + "pack/NeueFragen.Dat"),
              "[Quiz 3]\r\nCrypt=0\r\nFrage=Drei\r\n; bleibt\r\nAntwort 1=ja\r\n\r\n"
              "[Quiz 7]\r\nFrage=Sieben\r\nAntwort 1=ja\r\n");
}

TEST(PackRange, OffersOnlyOwnQuestionsOutsideMakerMode) {
    std::vector<std::int32_t> alleEigenen;
    for (int n = 1; n <= 105; ++n) alleEigenen.push_back(n);
    struct Fall {
        std::vector<std::int32_t> liste;
        std::int32_t normal, macher;
    } const faelle[] = {
        {{}, 0, 0},
        {{120, 130}, 0, 2},
        {{3, 7, 120}, 2, 3},
        {alleEigenen, 99, 105},  // all 99 own numbers taken: still none of the supplied
    };
    testing_support::TempHome home;
    ApiClass api;
    for (const Fall& f : faelle) {
        Packer p(api, f.liste);
        EXPECT_EQ(p.Maximum(false), f.normal) << f.liste.size();
        EXPECT_EQ(p.Maximum(true), f.macher) << f.liste.size();
    }
}

TEST_F(PackFixture, OnlyAFolderMarkedByListeTxtIsEmptied) {
    testing_support::writeFile(d.app + "pack/fremd.txt", "gehört jemand anderem"_ansi);
    Packer p(d.api, {});
    p.PackordnerLeeren();
    EXPECT_EQ(packInhalt(), (std::map<std::string, std::string>{{"fremd.txt", "gehört jemand anderem"_ansi},
                                                                {"liste.txt", ""}}));
    testing_support::writeFile(d.app + "pack/alt.jpg", "alt");
    testing_support::writeFile(d.app + "pack/liste.txt", "");
    p.PackordnerLeeren();
    EXPECT_EQ(packInhalt(), (std::map<std::string, std::string>{{"liste.txt", ""}}));
}

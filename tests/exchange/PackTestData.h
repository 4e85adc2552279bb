#pragma once
// A data folder with own questions and their media, for the package tests.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "exchange/Paket.h"
#include "questions/QuestionPool.h"
#include "questions/QuestionRecord.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "tests/support/TestSupport.h"

namespace testing_support {

struct Datenordner {
    ApiClass api;
    std::string app = api.AppPfad();

    // Question n with a text of its own; the media names as given.
    fragen::QuestionRecord frage(int n, const std::string& bild = {}, const std::string& bild2 = {},
                                 const std::string& audio = {}) {
        fragen::QuestionRecord r;
        r.Frage = cp1252::fromUtf8("Wer komponierte Stück ") + std::to_string(n) + "?";
        r.Antwort[1] = "Bach";
        r.Antwort[2] = cp1252::fromUtf8("Händel ") + std::to_string(n);
        r.Antwort[3] = "Telemann";
        r.Erklärung[2] = "Er schrieb es " + std::to_string(1700 + n) + ".";
        r.Lösung = 2;
        r.Problem = std::int16_t(10 * (n % 9 + 1));
        r.Bereich = "Barock";
        r.Bild = bild;
        r.Bild2 = bild2;
        r.Audio = audio;
        fragen::FrageSpeichern(api, n, r);
        return r;
    }
    void medium(const std::string& name, const std::string& bytes, const std::string& ordner = "DATEN/") {
        writeFile(app + ordner + name, bytes);
    }
    // The existing questions in ascending order, as the package window lists them.
    std::vector<std::int32_t> liste() {
        fragen::QuestionPool::Table t{};
        fragen::QuestionPool pool(api, t);
        const std::int32_t n = pool.AnzahlFragen(true, true);
        return std::vector<std::int32_t>(t.begin() + 1, t.begin() + 1 + n);
    }
    // Every file of a folder (by name) with its bytes.
    static std::map<std::string, std::string> dateien(const std::string& ordner) {
        std::map<std::string, std::string> out;
        for (const std::string& name : fsys::list(ordner))
            if (fsys::fileExists(ordner + name)) out[name] = fsys::readAll(ordner + name).value_or("?");
        return out;
    }
};

// A data folder with own questions, its dialogs answered by script; a second
// one is made where a test needs it.
struct PackFixture : ::testing::Test {
    TempHome home;
    ScriptedDialogs dialogs;
    Datenordner d;

    std::map<std::string, std::string> packInhalt() { return d.dateien(d.app + "pack/"); }
};

}  // namespace testing_support

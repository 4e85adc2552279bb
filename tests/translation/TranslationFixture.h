#pragma once
// A private data folder with the maker's "common" folder, a services object
// with its log switched on, and helpers to write the tables a test needs.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "tests/support/TestSupport.h"
#include "translation/Translation_Class.h"

class TranslationTest : public ::testing::Test {
protected:
    void SetUp() override {
        api = std::make_unique<ApiClass>();
        api->protokoll("START", 0);
        common = api->ManuAppPfad() + "common/";
    }
    void TearDown() override {
        engine.reset();
        api.reset();
    }

    void haupt(const std::string& bytes) { testing_support::writeFile(common + "Translation.dat", bytes); }
    void personal(const std::string& bytes) {
        testing_support::writeFile(common + "Personal Translation.dat", bytes);
    }
    void notTabelle(const std::string& bytes) {
        testing_support::writeFile(common + "Translation English.Dat", bytes);
    }
    Translation_Class& laden() {
        engine = std::make_unique<Translation_Class>(*api);
        engine->Neu_laden();
        return *engine;
    }
    std::string logText() const { return testing_support::readFile(api->LogDatei()); }

    testing_support::TempHome home;
    std::unique_ptr<ApiClass> api;
    std::unique_ptr<Translation_Class> engine;
    std::string common;
};

#pragma once
// Question files written byte by byte for the tests, so that the readers are
// checked against the file format and not against our own writer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "questions/QuestionPool.h"
#include "services/ApiClass.h"
#include "tests/support/TestSupport.h"

namespace testing_support {

// "[Quiz n]" with a plain question text (no "Crypt"), and optional extra lines.
std::string quizSektion(int n, const std::string& frage, const std::string& extra = {});
// Writes question sections into the question files of `appPfad`, one file per hundred.
void schreibeFragen(const std::string& appPfad, const std::vector<int>& nummern);

}  // namespace testing_support

// A private data folder with its question pool.
struct PoolFixture : ::testing::Test {
    testing_support::TempHome home;
    ApiClass api;
    fragen::QuestionPool::Table tabelle{};
    fragen::QuestionPool pool{api, tabelle};
};

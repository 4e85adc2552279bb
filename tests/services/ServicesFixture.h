#pragma once
// A private data folder with a services object on it.
#include <gtest/gtest.h>

#include "services/ApiClass.h"
#include "tests/support/TestSupport.h"

struct DatenOrdner : ::testing::Test {
    testing_support::TempHome home;
    ApiClass api;
    std::string file(const std::string& name) { return home.appPfad() + name; }
};

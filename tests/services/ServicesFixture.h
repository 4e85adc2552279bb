#pragma once
// A private data folder with a services object on it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <fstream>
#include <string>

#include "services/ApiClass.h"
#include "tests/support/TestSupport.h"

struct DatenOrdner : ::testing::Test {
    testing_support::TempHome home;
    ApiClass api;
    std::string file(const std::string& name) { return home.appPfad() + name; }
};

// Writes as another program would: past our file layer, so no cache hears of it.
inline void writeOutside(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Makes the file or folder look last changed `seconds` ago.
inline void setAge(const std::string& path, int seconds) {
    struct timespec times[2];
    clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= seconds;
    times[1] = times[0];
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

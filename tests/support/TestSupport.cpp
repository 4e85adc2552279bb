#include "tests/support/TestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "services/FileSys.h"

namespace testing_support {

TempHome::TempHome() {
    const char* old = std::getenv("XDG_DATA_HOME");
    hadXdg_ = old != nullptr;
    if (old) oldXdg_ = old;
    setenv("XDG_DATA_HOME", (dir_.path().toStdString() + "/share").c_str(), 1);
    std::filesystem::create_directories(appPfad());
    fsys::clearResolveCache();
}

TempHome::~TempHome() {
    if (hadXdg_)
        setenv("XDG_DATA_HOME", oldXdg_.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
    fsys::clearResolveCache();
}

std::string TempHome::root() const {
    return dir_.path().toStdString() + "/";
}
std::string TempHome::appPfad() const {
    return root() + "share/varulak/Melvato/";
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    // Through the program's own file layer, so that cached file contents notice it at once.
    ASSERT_TRUE(fsys::writeAtomic(path, bytes)) << path;
}

bool fileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

std::vector<std::string> goldenCases(const std::string& name) {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(std::string(MELVATO_TEST_DATA) + "/" + name))
        if (e.is_directory()) out.push_back(e.path().string() + "/");
    std::sort(out.begin(), out.end());
    return out;
}

std::string golden(const std::string& relative) {
    return std::string(MELVATO_TEST_DATA) + "/" + relative;
}

namespace {
template <class F>
void forEachFile(const std::string& root, F f) {
    for (const auto& e : std::filesystem::recursive_directory_iterator(root))
        if (e.is_regular_file()) f(std::filesystem::relative(e.path(), root).string(), e.path().string());
}
}  // namespace

void copyFiles(const std::string& from, const std::string& to) {
    forEachFile(
        from, [&](const std::string& rel, const std::string& path) { writeFile(to + rel, readFile(path)); });
}

void expectSameFiles(const std::string& expected, const std::string& actual) {
    int files = 0;
    forEachFile(expected, [&](const std::string& rel, const std::string& path) {
        ++files;
        EXPECT_TRUE(fileExists(actual + rel)) << rel;
        EXPECT_EQ(readFile(actual + rel), readFile(path)) << rel;
    });
    EXPECT_GT(files, 0) << "no expected files in " << expected;
}

std::vector<std::string> logEntries(const std::string& log, size_t from) {
    std::vector<std::string> out;
    size_t pos = from;
    while (pos < log.size()) {
        size_t e = log.find("\r\n", pos);
        if (e == std::string::npos) break;
        std::string line = log.substr(pos, e - pos);
        if (line.size() > 9 && line[2] == ':' && line[5] == ':' && line[8] == ':')
            out.push_back(line.substr(9));
        pos = e + 2;
    }
    return out;
}

ScriptedDialogs::ScriptedDialogs() {
    dlg::setDialogs(this);
}
ScriptedDialogs::~ScriptedDialogs() {
    dlg::setDialogs(nullptr);
}

int ScriptedDialogs::MsgBox(const std::string& text, int flags, const std::string& title) {
    messages.push_back({text, flags, title});
    if (!answers.empty()) {
        int a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (flags & 7) {
        case dlg::YesNo:
        case dlg::YesNoCancel:
            return dlg::Yes;
        case dlg::AbortRetryIgnore:
            return dlg::Abort;
        case dlg::RetryCancel:
            return dlg::Retry;
        default:
            return dlg::OK;
    }
}

std::optional<std::string> ScriptedDialogs::InputBox(const std::string&, const std::string&,
                                                     const std::string&) {
    if (inputs.empty()) return std::nullopt;
    auto a = inputs.front();
    inputs.pop_front();
    return a;
}

std::string ScriptedDialogs::FileOpen(const dlg::FileRequest& request) {
    fileRequests.push_back(request);
    if (files.empty()) return {};
    std::string f = files.front();
    files.pop_front();
    return f;
}

std::string ScriptedDialogs::FileSave(const dlg::FileRequest& request) {
    return FileOpen(request);
}

std::string ScriptedDialogs::FolderOpen(const dlg::FileRequest& request) {
    return FileOpen(request);
}

}  // namespace testing_support

#pragma once
// Shared pieces of the tests: a private data folder per test, file helpers and a
// scripted dialog service that records what the program asked.
#include <QTemporaryDir>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "services/Dialogs.h"

namespace testing_support {

// Points the per-user data location at a fresh temporary folder, so that AppPfad
// of every ApiClass created afterwards lies inside it, and creates AppPfad.
class TempHome {
public:
    TempHome();
    ~TempHome();
    std::string root() const;     // the temporary folder, ends in "/"
    std::string appPfad() const;  // .../varulak/Melvato/

private:
    QTemporaryDir dir_;
    std::string oldXdg_;
    bool hadXdg_ = false;
};

std::string readFile(const std::string& path);
// Writes through the program's file layer (cached profiles see the change at
// once); to act as another program, write with std::ofstream instead.
void writeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);
// The case folders of tests/data/<name>/ (full paths ending in "/"), sorted; each
// holds a case's input and expected bytes.
std::vector<std::string> goldenCases(const std::string& name);
// tests/data/<relative> as a full path.
std::string golden(const std::string& relative);
// Copies every file below `from` into `to` through the program's file layer.
void copyFiles(const std::string& from, const std::string& to);
// Every file below `expected` exists below `actual` with the same bytes.
void expectSameFiles(const std::string& expected, const std::string& actual);

// The reported texts of the log's entry lines (time of day removed), in order,
// from byte `from` of the log on.
std::vector<std::string> logEntries(const std::string& log, size_t from = 0);

// Answers message boxes, input boxes and file dialogs from queues; records the
// messages and file requests.
class ScriptedDialogs : public dlg::DialogService {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    struct Shown {
        std::string text;
        int flags;
        std::string title;
    };
    std::vector<Shown> messages;
    std::deque<int> answers;                        // MsgBox answers; default OK/first choice
    std::deque<std::optional<std::string>> inputs;  // InputBox answers; default cancel
    std::deque<std::string> files;                  // FileOpen/FileSave answers; default none
    std::vector<dlg::FileRequest> fileRequests;

    int MsgBox(const std::string& text, int flags, const std::string& title) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& preset) override;
    std::string FileOpen(const dlg::FileRequest& request) override;
    std::string FileSave(const dlg::FileRequest& request) override;
    std::string FolderOpen(const dlg::FileRequest& request) override;
};

}  // namespace testing_support

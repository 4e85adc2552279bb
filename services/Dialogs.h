#pragma once
// Every message box, input box and file dialog of the program goes through this
// service. The windows install the real one; tests install a scripted one.
// Texts are Windows-1252 bytes, like all core text.
#include <optional>
#include <string>

namespace dlg {

// Button and icon flags, and answers, with the values of the classic MsgBox.
enum Buttons : int {
    OKOnly = 0,
    OKCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
};
enum Answer : int { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct FileRequest {
    std::string title;
    std::string filter;  // "Text (*.txt)|*.txt|Alle (*.*)|*.*"
    std::string folder;  // initial folder
    std::string fileName;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    // An empty title means the program's name.
    virtual int MsgBox(const std::string& text, int flags = OKOnly, const std::string& title = {}) = 0;
    // nullopt when the user cancels.
    virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title = {},
                                                const std::string& preset = {}) = 0;
    // The chosen file, or the empty text when the user cancels.
    virtual std::string FileOpen(const FileRequest& request) = 0;
    virtual std::string FileSave(const FileRequest& request) = 0;
    // A folder (title, initial folder); the empty text when the user cancels.
    virtual std::string FolderOpen(const FileRequest& request) = 0;
};

// Answers every question with its default: OK, Cancel, no file. Used until a
// window layer installs the real service, so that headless code never blocks.
class SilentDialogs : public DialogService {
public:
    int MsgBox(const std::string&, int flags, const std::string&) override;
    std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::string FileOpen(const FileRequest&) override { return {}; }
    std::string FileSave(const FileRequest&) override { return {}; }
    std::string FolderOpen(const FileRequest&) override { return {}; }
};

DialogService& dialogs();
// Installs a service (not owned); nullptr goes back to the silent one.
void setDialogs(DialogService* service);

}  // namespace dlg

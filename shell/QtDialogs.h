#pragma once
// The dialog service with real Qt dialogs.
#include <QString>

#include "services/Dialogs.h"

class QWidget;

class QtDialogs : public dlg::DialogService {
public:
    int MsgBox(const std::string& text, int flags, const std::string& title) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& preset) override;
    std::string FileOpen(const dlg::FileRequest& request) override;
    std::string FileSave(const dlg::FileRequest& request) override;
    std::string FolderOpen(const dlg::FileRequest& request) override;
};

// "Bilder (*.gif;*.jpg)|*.gif;*.jpg|Alle|*.*" -> "Bilder (*.gif;*.jpg) (*.gif *.jpg);;Alle (*.*)"
QString qtFilter(const std::string& filter);

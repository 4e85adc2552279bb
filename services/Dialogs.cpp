#include "services/Dialogs.h"

namespace dlg {

int SilentDialogs::MsgBox(const std::string&, int flags, const std::string&) {
    switch (flags & 7) {
        case YesNoCancel:
        case OKCancel:
        case RetryCancel:
            return Cancel;
        case YesNo:
            return No;
        case AbortRetryIgnore:
            return Abort;
        default:
            return OK;
    }
}

namespace {
SilentDialogs silent;
DialogService* current = &silent;
}  // namespace

DialogService& dialogs() {
    return *current;
}
void setDialogs(DialogService* service) {
    current = service ? service : &silent;
}

}  // namespace dlg

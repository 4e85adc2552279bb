#include "services/MelvatoBasic.h"

#include <QDate>
#include <memory>

#include "services/ApiClass.h"

namespace MelvatoBasic {

namespace {
std::unique_ptr<ApiClass> api;
}

ApiClass& Api() {
    if (!api) api = std::make_unique<ApiClass>();
    return *api;
}
bool HasApi() {
    return api != nullptr;
}
ApiClass& NeueApi() {
    api = std::make_unique<ApiClass>();
    return *api;
}
void ReleaseApi() {
    api.reset();
}

std::string SpielePfad;
std::string NetzPfad;
bool StartPhase = false;
bool SoundOk = false;
int FensterModus = 0;
std::array<int, 1001> Tabelle{};

std::string KurzDatum() {
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
}

}  // namespace MelvatoBasic

// Fills arbitrary texts with arbitrary placeholder values on a table whose texts
// name each other, themselves and a profile that names itself. Every call must
// end, and afterwards either no "[" is left or the text is "Error []".
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "services/ApiClass.h"
#include "services/FileSys.h"
#include "translation/Translation_Class.h"

namespace {

std::unique_ptr<ApiClass> api;
std::unique_ptr<Translation_Class> engine;

void schreibe(const std::string& pfad, const std::string& bytes) {
    fsys::makeFolders(std::filesystem::path(pfad).parent_path().string());
    fsys::writeAtomic(pfad, bytes);
}

bool fertig(const std::string& text) {
    return text == "Error []" || (text.find('[') == std::string::npos && text.size() <= 9999);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string home = (std::filesystem::temp_directory_path() / "melvato_fuzz_platzhalter").string();
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    std::atexit([] {
        engine.reset();
        api.reset();
        std::error_code ec;
        std::filesystem::remove_all(std::filesystem::temp_directory_path() / "melvato_fuzz_platzhalter", ec);
    });
    api = std::make_unique<ApiClass>();
    std::string common = api->ManuAppPfad() + "common/";
    schreibe(common + "Translation.dat",
             "1\tDeutsch\tx\r\n"
             "10001\t0\t[T:10002]\r\n"
             "10002\t0\tund [T:10001]\r\n"
             "10003\t0\ta[X:A]b[X:B]\r\n"
             "10004\t0\t[Sp:k]\r\n"
             "10005\t0\tDatei\r\n"
             "13006\t0\tx[T:10006]\r\n"
             "10007\t0\t[Sp:l] [T:10005] [X:A]\r\n");
    schreibe(common + "Translation English.Dat", "10008\t0\tEnglish [T:10008]\r\n");
    schreibe(api->AppPfad() + "Sprache.id", "[Sp]\r\nk=[Sp:k]x\r\nl=[T:10005]\r\n");
    engine = std::make_unique<Translation_Class>(*api);
    engine->Neu_laden();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string eingabe(reinterpret_cast<const char*>(data), size);
    size_t trenner = eingabe.find('\0');
    std::string text = eingabe.substr(0, trenner);
    std::string werte = trenner == std::string::npos ? std::string() : eingabe.substr(trenner + 1);

    std::string gefuellt = text;
    engine->Platzhalter(gefuellt, werte);
    if (text.find('[') == std::string::npos ? gefuellt != text : !fertig(gefuellt)) std::abort();

    // The first bytes as an id near the table's ids.
    std::int32_t id = 10000 + (size > 0 ? data[0] % 16 : 0) + (size > 1 && data[1] % 2 ? 3000 : 0);
    std::string t = engine->translation(id, werte);
    if (t.find('[') != std::string::npos && t != "Error []") std::abort();
    return 0;
}

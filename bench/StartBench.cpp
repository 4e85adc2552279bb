// From Main to the main window on the screen, with the real windows, no sound
// device and a data folder of the supplied size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <string>

#include "services/ApiClass.h"
#include "services/Dialogs.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"
#include "shell/MDI.h"
#include "shell/Startup.h"

namespace {

void schreibe(const std::string& pfad, const std::string& bytes) {
    std::ofstream(pfad, std::ios::binary) << bytes;
}

QImage bild(int w, int h, quint32 seed) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(0x4a, 0x2f, 0x8a));
    g.setColorAt(1, QColor(0x2f, 0x8f, 0xd6));
    p.fillRect(img.rect(), g);
    QRandomGenerator gen(seed);
    for (int i = 0; i < 300; ++i) {
        p.setBrush(QColor::fromHsv(int(gen.bounded(360)), 120, 230, 90));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint(int(gen.bounded(w)), int(gen.bounded(h))), 10 + int(gen.bounded(60)),
                      10 + int(gen.bounded(60)));
    }
    return img;
}

std::string wav(int sekunden) {
    const int rate = 44100, kanäle = 2, bytes = rate * kanäle * 2 * sekunden;
    auto le = [](std::string& s, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) s += char((v >> (8 * i)) & 0xFF);
    };
    std::string s = "RIFF";
    le(s, 36 + bytes, 4);
    s += "WAVEfmt ";
    le(s, 16, 4);
    le(s, 1, 2);
    le(s, kanäle, 2);
    le(s, rate, 4);
    le(s, rate * kanäle * 2, 4);
    le(s, kanäle * 2, 2);
    le(s, 16, 2);
    s += "data";
    le(s, bytes, 4);
    s.append(bytes, '\0');
    return s;
}

// About the size of the supplied folder: four question files of 100 questions,
// the backgrounds, the age picture, counter digits, message icons and sounds.
void datenordner(const std::string& app) {
    std::string daten = app + "DATEN/";
    fsys::makeFolders(daten);
    auto jpg = [&](const char* name, int w, int h) {
        bild(w, h, quint32(w * h)).save(QString::fromStdString(daten + name), "jpg", 85);
    };
    jpg("Back.jpg", 1920, 1080);
    jpg("Alter.jpg", 320, 240);
    jpg("Rahmen.jpg", 1000, 500);
    bild(400, 300, 7).save(QString::fromStdString(daten + "mac2.gif"), "png");
    for (int i = 0; i <= 10; ++i)
        bild(48, 48, quint32(i))
            .save(QString::fromStdString(daten + "Meldung" + std::to_string(i) + ".gif"), "png");
    for (int i = 0; i <= 9; ++i)
        bild(60, 80, quint32(100 + i))
            .save(QString::fromStdString(daten + "counter" + std::to_string(i) + ".gif"), "png");
    schreibe(daten + "sound.wav", wav(2));
    schreibe(daten + "slot.wav", wav(1));
    for (int datei = 1; datei <= 4; ++datei) {
        std::string text;
        for (int k = 0; k < 100; ++k) {
            int n = datei * 100 + k;
            text += "[Quiz " + std::to_string(n) + "]\r\nFrage=Welches Instrument hört man in Frage " +
                    std::to_string(n) + "?\r\n";
            for (int a = 1; a <= 5; ++a)
                text += "Antwort " + std::to_string(a) + "=Antwort " + std::to_string(a) +
                        "\r\nErkl\xE4rung " + std::to_string(a) +
                        "=Eine kurze Erkl\xE4rung zu dieser Antwort.\r\n";
            text += "L\xF6sung=2\r\nProblem=40\r\nBereich=Instrumente\r\nBild=\r\nAudio=\r\n";
        }
        schreibe(app + "Fragen " + std::to_string(datei) + ".Dat", text);
    }
}

void BM_StartToMainWindow(benchmark::State& state) {
    QTemporaryDir home;
    const char* altesXdg = std::getenv("XDG_DATA_HOME");
    std::string alt = altesXdg ? altesXdg : "";
    setenv("XDG_DATA_HOME", home.path().toStdString().c_str(), 1);
    setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    std::string app;
    {
        ApiClass api;
        app = api.AppPfad();
    }
    datenordner(app);
    dlg::SilentDialogs still;
    for (auto _ : state) {
        auto startup = std::make_unique<Startup>();
        dlg::setDialogs(&still);  // the no-device message answers itself
        startup->run();
        if (!startup->mainWindow() || !startup->mainWindow()->isVisible())
            state.SkipWithError("no main window");
        state.PauseTiming();
        startup.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    dlg::setDialogs(nullptr);
    if (altesXdg)
        setenv("XDG_DATA_HOME", alt.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}
BENCHMARK(BM_StartToMainWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

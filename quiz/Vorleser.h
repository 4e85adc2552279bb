#pragma once
// Reading aloud for players who cannot read yet: the question and its shown
// answers ("Antwort eins: ..."), or after a verdict the explanation, spoken
// piece by piece through the game's sound library. The game's own sounds always
// win: reading waits for a sound that plays when it is asked for, and a sound
// asked for during the reading stops it. A new question, a key 1 to 5 and the
// window's close stop it at once.
#include <QObject>
#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "quiz/Aussprache.h"
#include "quiz/Stimme.h"

class ApiClass;

namespace quiz {

class Spiel;
class SoundSchnittstelle;
struct Urteil;
enum class Phase;

// "Fragen automatisch vorlesen": stored as "FragenVorlesen" under
// "ProfilParameter" of the settings (-1 on, 0 off). Not stored yet, it is on for
// the two youngest age bands (up to 19; an age the game does not take counts as
// 13, as for the level).
bool AutomatischVorlesen(ApiClass& api, int alter);
// False when the settings file could not be written.
bool AutomatischVorlesenSetzen(ApiClass& api, bool an);

class Vorleser : public QObject {
    Q_OBJECT
public:
    enum class Hindernis { Keins, KeinTon, KeineStimme };

    struct Anbindung {
        // The game's sound library; the game's own when left empty.
        SoundSchnittstelle* sound = nullptr;
        // Folder of the spoken WAV files; the system's temporary folder when empty.
        std::string ordner;
        // Folder of the espeak-ng data; the library's own when empty.
        std::string stimmdaten;
        // Table of the words the voice says wrongly; "Aussprache.txt" of the data
        // folder when empty.
        std::string aussprache;
        // The player's age (0 when not asked yet), for the automatic reading.
        std::function<int()> alter;
    };

    Vorleser(ApiClass& api, Spiel& spiel, Anbindung anbindung, QObject* parent = nullptr);
    ~Vorleser() override;

    // The button and the key L: reads what is on show from the start.
    void Vorlesen();
    void Stoppen();

    // Why reading is not offered; the first time a reason shows, the log says it.
    Hindernis hindernis();
    bool automatisch() const;
    // Something is being read or waits to be read.
    bool liest() const { return stream_ != 0 || !reihe_.empty(); }
    const Aussprache& aussprache() const { return aussprache_; }

signals:
    // A piece starts to play; `text` as the voice got it.
    void stueckBeginnt(const std::string& text);

private:
    // The question, then its shown answers.
    std::vector<std::string> frageStuecke() const;
    // "Antwort eins: ..." for each shown answer but `ohne`.
    std::vector<std::string> antwortStuecke(int ohne) const;
    // After a wrong first try the answers still to choose follow the explanation.
    std::vector<std::string> erklaerungStuecke() const;
    void Einreihen(std::vector<std::string> stuecke);
    // Starts the next piece unless one plays or the game's sound does.
    void Weiter();
    void Takt();
    void Aufraeumen();
    void beiPhase(Phase phase);
    void beiUrteil(int k, const Urteil& urteil);

    ApiClass& api_;
    Spiel& spiel_;
    Anbindung an_;
    SoundSchnittstelle* sound_;
    Stimme stimme_;
    Aussprache aussprache_;
    std::deque<std::string> reihe_;
    std::string erklaerung_;
    int falsch_ = 0;  // the wrong answer of an open second try, 0 when none
    std::vector<std::string> dateien_;
    int stream_ = 0;
    int toggle_ = 0;
    std::array<bool, 3> gemeldet_{};  // each reason goes to the log once
};

}  // namespace quiz

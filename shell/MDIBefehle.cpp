// The main window's modes and the commands it hands on to the child on top.
#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QPointer>
#include <QToolButton>

#include "quiz/Musikquiz.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"
#include "shell/Kontext.h"
#include "shell/MDI.h"
#include "shell/Texte.h"
#include "shell/frmAutor.h"
#include "translation/Sprachwahl.h"
#include "translation/Translation_Class.h"

using namespace cp1252::literals;

namespace {

struct Listen {
    const char* knoepfe;
    const char* menue;
};

Listen listenFuer(int modus) {
    switch (modus) {
        case 0:
            return {"01,10,13-20,", "00,01,06,20-22,40,43-46,60-64"};
        case 1:
            return {"00-01,07,10,18,", "00,01,06,60,63"};
        case 2:
            return {"00-02,04-05,12,", "00,02,60,63"};
        case 4:
            return {"", ""};
        // The list window's import commands sit in "Einfügen" (104).
        case 5:
            return {"00,10,18,", "00,01,04,"};
        case 6:
            return {"00,04,10,18,", "00-01,03-04,11,"};
        case 7:
            return {"00,04,14,18,", "00,11,"};
        default:
            return {"00-20,", "00,01-03,06-11,20,40,60,80,"};
    }
}

// The name of a file without its folder.
std::string ohneOrdner(const std::string& pfad) {
    size_t p = pfad.find_last_of("/\\");
    return p == std::string::npos ? pfad : pfad.substr(p + 1);
}

void aufrufen(const std::function<void()>& f) {
    if (f) f();
}

}  // namespace

std::vector<int> MDI::ModusListe(std::string_view liste) {
    std::vector<int> zahlen;
    std::string rest(liste);
    while (!rest.empty()) {
        int a = int(vb::Val(rest.substr(0, 2)));
        if (rest.size() < 3 || rest[2] != '-') {
            zahlen.push_back(a);
            rest = rest.size() > 3 ? rest.substr(3) : std::string();
            continue;
        }
        rest = rest.substr(3);
        int b = int(vb::Val(rest.substr(0, 2)));
        for (int i = a; i <= b; ++i) zahlen.push_back(i);
        rest = rest.size() > 3 ? rest.substr(3) : std::string();
    }
    return zahlen;
}

int MDI::translateNummer(int modus, const std::string& key) {
    return MelvatoBasic::Api().IniLesenVal("", "Translate" + vb::Str(static_cast<long long>(modus)), key);
}

void MDI::TopIst(int n) {
    MelvatoBasic::FensterModus = n;
    Listen l = listenFuer(n);
    // Every button keeps its place; what the mode does not offer is disabled.
    for (int i = 0; i <= 20; ++i) setToolButtonEnabled(i, false);
    for (int i : ModusListe(l.knoepfe)) {
        if (i < 0 || i > 21) continue;
        setToolButtonEnabled(i, true);
        int nr = translateNummer(n, std::to_string(i));
        if (nr > 0) toolButtons_[i]->setToolTip(texte::TextNr(nr, toolButtons_[i]->toolTip()));
    }
    // The game offers reading aloud only where the voice and the sound work.
    if (n == 1) setToolButtonEnabled(9, vorlesenMoeglich_);
    for (const Eintrag& e : eintraege_)
        if (e.tag > 99) e.action->setEnabled(false);
    for (int c : ModusListe(l.menue))
        for (const Eintrag& e : eintraege_)
            if (e.tag == c + 100) {
                e.action->setEnabled(true);
                int nr = translateNummer(n, std::to_string(e.tag));
                if (nr > 0) e.action->setText(texte::TextNr(nr, e.action->text()));
            }
    QCoreApplication::processEvents();
}

void MDI::TopWar(int n) {
    if (MelvatoBasic::FensterModus == n) TopIst(0);
}

void MDI::rufe(const char* aufruf, const std::function<void()>& f) {
    if (aufrufBeobachter) aufrufBeobachter(aufruf);
    f();
}

void MDI::Ausfuehren(Befehl befehl) {
    Ausfuehren(befehl, MelvatoBasic::FensterModus);
}

void MDI::Ausfuehren(Befehl befehl, int m) {
    const bool liste = m >= 5 && m <= 7;
    Kontext::Anbindung& an = kontext_.anbindung;
    switch (befehl) {
        case Befehl::Ende:
            if (m == 0)
                rufe("MDI.Unload", [this] { close(); });
            else if (m == 1)
                rufe("Musikquiz.Ende_Click", [this] { kontext_.musikquiz()->Ende_Click(); });
            else if (m == 2)
                rufe("Musikquiz.Unload", [this] {
                    if (!kontext_.musikquiz()->EditorSchliessenOk()) return;
                    kontext_.unloadMusikquiz();
                    TopWar(2);
                });
            else if (liste)
                rufe("frmKonfig.Unload", [&an] { aufrufen(an.ListeEntladen); });
            break;
        case Befehl::Start:
            if (m == 0)
                rufe("Musikquiz.Starten_Click", [this] { kontext_.musikquiz()->Starten_Click(); });
            else if (m == 1 || m == 2)
                rufe("Musikquiz.testen_Click", [this] { kontext_.musikquiz()->testen_Click(); });
            break;
        case Befehl::Laden:
            // A cancelled dialog changes nothing: above all it must not start a
            // new game over the running one.
            if (m == 0) {
                ListeLadenDialog();
            } else if (m == 1) {
                if (ListeLadenDialog()) ToolButton_Click(2);
            } else if (m == 5) {
                if (ListeLadenDialog()) rufe("frmKonfig.ListeFüllen", [&an] { aufrufen(an.ListeFüllen); });
            } else if (m == 6) {
                if (ListeLadenDialog()) rufe("frmKonfig.FrageLaden", [&an] { aufrufen(an.FrageLaden); });
            }
            break;
        case Befehl::Save:
            if (m == 2)
                rufe("Musikquiz.Save_Click", [this] { kontext_.musikquiz()->Save_Click(); });
            else if (liste)
                rufe("frmKonfig.Save_Click", [&an] { aufrufen(an.ListeSave_Click); });
            break;
    }
}

void MDI::ToolButton_Click(int index) {
    Kontext::Anbindung& an = kontext_.anbindung;
    switch (index) {
        case 0:
            return Ausfuehren(Befehl::Ende);
        case 1:
        case 2:
            return Ausfuehren(Befehl::Start);
        case 4:
            return Ausfuehren(Befehl::Save);
        case 7:
            if (MelvatoBasic::FensterModus == 1)
                rufe("Musikquiz.Frage_Click", [this] { kontext_.musikquiz()->Frage_Click(); });
            return;
        case 8:
            return rufe("Musikquiz.SoundRepeat_Click", [this] { kontext_.musikquiz()->SoundRepeat_Click(); });
        case 9:
            if (Musikquiz* quiz = kontext_.musikquizIfLoaded(); quiz && MelvatoBasic::FensterModus == 1)
                rufe("Musikquiz.Vorlesen_Click", [quiz] { quiz->Vorlesen_Click(); });
            return;
        case 10:
            return Ausfuehren(Befehl::Laden);
        case 12:
            return rufe("Musikquiz.neu_Click", [this] { kontext_.musikquiz()->neu_Click(); });
        case 14:
            if (!an.ListenArt || an.ListenArt() != 2) {
                rufe("IndexKomplettErstellen", [&an] {
                    if (an.IndexKomplettErstellen) an.IndexKomplettErstellen(true);
                });
                rufe("frmKonfig.ShowAlsIndex", [&an] { aufrufen(an.ShowAlsIndex); });
            } else {
                rufe("frmKonfig.fragelade_Click", [&an] { aufrufen(an.fragelade_Click); });
            }
            return;
        case 15:
            return rufe("frmKonfig.ShowAlsNeu", [&an] { aufrufen(an.ShowAlsNeu); });
        case 16:
            return rufe("Musikquiz.Erstellen_Click", [this] { kontext_.musikquiz()->Erstellen_Click(); });
        case 17:
            return rufe("frmParameter.Show", [&an] { aufrufen(an.ParameterZeigen); });
        case 18:
            return Hilfe();
        default:
            return;
    }
}

void MDI::MenueKlick(const std::string& name) {
    Kontext::Anbindung& an = kontext_.anbindung;
    if (name == "Laden") {
        Ausfuehren(Befehl::Laden);
    } else if (name == "speichern" || name == "speichernunter") {
        Ausfuehren(Befehl::Save);
    } else if (name == "Ende") {
        Ausfuehren(Befehl::Ende);
    } else if (name == "Starten") {
        // Reaching the quiz window may load it, and its load changes the mode:
        // the start still belongs to the mode the user chose it in.
        const int modus = MelvatoBasic::FensterModus;
        kontext_.musikquiz()->NurTeil = false;
        Ausfuehren(Befehl::Start, modus);
    } else if (name == "teilstart") {
        // Whether a list is loaded, not the entry's caption: a translated
        // "Starten:" may well hold a dot.
        if (geladeneListe_.empty()) Ausfuehren(Befehl::Laden);
        if (!geladeneListe_.empty()) {
            const int modus = MelvatoBasic::FensterModus;
            kontext_.musikquiz()->NurTeil = true;
            Ausfuehren(Befehl::Start, modus);
        }
    } else if (name == "FrageRaum") {
        rufe("frmKonfig.ShowAlsAnzeige", [&an] { aufrufen(an.ShowAlsAnzeige); });
    } else if (name == "konfigchange") {
        rufe("frmKonfig.ShowAlsNeu", [&an] { aufrufen(an.ShowAlsNeu); });
    } else if (name == "Erstellen") {
        rufe("Musikquiz.Erstellen_Click", [this] { kontext_.musikquiz()->Erstellen_Click(); });
    } else if (name == "verpacken") {
        rufe("Pack.Show", [&an] { aufrufen(an.PackZeigen); });
    } else if (name == "einlesen") {
        rufe("Paket.Einlesen", [&an] { aufrufen(an.PaketEinlesen); });
    } else if (name == "suchanzeig") {
        rufe("IndexKomplettErstellen", [&an] {
            if (an.IndexKomplettErstellen) an.IndexKomplettErstellen(true);
        });
        rufe("frmKonfig.ShowAlsIndex", [&an] { aufrufen(an.ShowAlsIndex); });
    } else if (name == "unworte" || name == "niefrag" || name == "imfrag") {
        // The list window's import commands; only a filter list has these fields.
        const int m = MelvatoBasic::FensterModus;
        if ((m == 5 || m == 6) && an.ImportFeld) {
            const char* feld = name == "unworte"   ? "UnWorte"
                               : name == "niefrag" ? "DieseNicht"
                                                   : "DieseImmer";
            rufe("frmKonfig.ImportFeld", [&an, feld] { an.ImportFeld(feld); });
        }
    } else if (name == "parameter") {
        rufe("frmParameter.Show", [&an] { aufrufen(an.ParameterZeigen); });
    } else if (name == "uebersetzung") {
        rufe("Translation_Class.ShowMeModal",
             [this] { t_call().ShowMeModal([this](QDialog& fenster) { kontext_.zeigeModal(fenster); }); });
    } else if (name == "klasse") {
        rufe("frmKlasse.Show", [&an] { aufrufen(an.KlassenuebersichtZeigen); });
    } else if (name == "Hilfe") {
        Hilfe();
    } else if (name == "Autor") {
        Autor();
    }
}

void MDI::SprachenAnlegen(QMenu* menue) {
    auto* gruppe = new QActionGroup(menue);
    const std::vector<sprachwahl::Sprache> angebot = sprachwahl::Angebot(t_call());
    const int aktuell = sprachwahl::Aktuell(t_call(), angebot);
    for (std::size_t i = 0; i < angebot.size(); ++i) {
        const bool deutsch = angebot[i].datei.empty();
        QAction* a = menue->addAction(deutsch ? texte::TextNr(13136, QStringLiteral("Deutsch"))
                                              : texte::ui(angebot[i].name));
        a->setObjectName(QStringLiteral("sprache%1").arg(i));
        // A language is named as it names itself, not through the table.
        if (!deutsch) a->setProperty("Datentext", true);
        a->setCheckable(true);
        a->setChecked(int(i) == aktuell);
        gruppe->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { SpracheWaehlen(i); });
    }
}

void MDI::SpracheWaehlen(std::size_t index) {
    rufe("Sprache", [this, index] {
        const std::vector<sprachwahl::Sprache> angebot = sprachwahl::Angebot(t_call());
        if (sprachwahl::Waehlen(t_call(), angebot, index)) {
            dlg::dialogs().MsgBox(texte::Text(53115,
                                              "Die neue Sprache gilt ab dem nächsten Start. Bitte starte "
                                              "Melvato neu."_ansi),
                                  dlg::Information);
        } else {
            dlg::dialogs().MsgBox(texte::Text(53116, "Die Sprache konnte nicht gewechselt werden:") + "\r\n" +
                                      t_call().PersonalDatei(),
                                  dlg::Exclamation);
        }
        // The marks show what is in place now, whatever happened.
        const int aktuell = sprachwahl::Aktuell(t_call(), angebot);
        if (QAction* a = Menueintrag("sprache"))
            for (QAction* s : a->menu()->actions())
                s->setChecked(s->objectName() == QStringLiteral("sprache%1").arg(aktuell));
    });
}

void MDI::Hilfe() {
    std::string datei = MelvatoBasic::Api().AppPfad() + "anleitung\\index.htm";
    rufe("Hilfe", [this, datei] {
        if (dokumentOeffnen) {
            dokumentOeffnen(datei);
            return;
        }
        // Without a browser nothing would happen: tell where the manual is.
        QPointer<MDI> fenster(this);
        MelvatoBasic::Api().Execute(this, datei, 1, [fenster, datei] {
            if (!fenster) return;
            dlg::dialogs().MsgBox(
                texte::Text(53110,
                            "Die Anleitung konnte nicht geöffnet werden (kein Browser gefunden)."_ansi) +
                    "\r\n" + texte::Text(53111, "Sie liegt hier:") + "\r\n" +
                    fsys::fromNative(fsys::native(datei)),
                dlg::Information);
        });
    });
}

void MDI::Autor() {
    rufe("frmAutor.Show", [this] { frmAutor::ZeigenModal(kontext_); });
}

bool MDI::ListeLadenDialog() {
    if (aufrufBeobachter) aufrufBeobachter("MDI.ListeLadenDialog");
    dlg::FileRequest anfrage;
    anfrage.title = texte::Text(10059, "Fragen-Liste laden");
    anfrage.filter = texte::Text(43113, "Fragen-Liste") + " (*.lst)|*.lst";
    anfrage.folder = MelvatoBasic::SpielePfad;
    anfrage.fileName = cmDialogFileName_;
    std::string gewaehlt = dlg::dialogs().FileOpen(anfrage);
    // A cancelled dialog keeps the list loaded before and loads nothing again.
    if (gewaehlt.empty()) return false;
    // The dialog's default extension.
    if (ohneOrdner(gewaehlt).find('.') == std::string::npos) gewaehlt += ".lst";
    cmDialogFileName_ = gewaehlt;
    cmDialogFileTitle_ = ohneOrdner(gewaehlt);

    Kontext::Anbindung& an = kontext_.anbindung;
    const std::string datei = cmDialogFileName_;
    rufe("Musikquiz.TeilSpielLaden", [&an, &datei] {
        if (an.TeilSpielLaden) an.TeilSpielLaden(datei);
    });
    QAction* teil = Menueintrag("teilstart");
    if (MelvatoBasic::Api().IniLesen(datei, "Allgemein", "Typ") != "Melvato-Frageliste") {
        // The game plays all questions now; "Starten:" must not point at the file.
        std::string titel = ohneOrdner(datei);
        cmDialogFileName_.clear();
        cmDialogFileTitle_.clear();
        geladeneListe_.clear();
        teil->setText(texte::TextNr(13121, QStringLiteral("Starten:")));
        setStatusText(1, QString());
        dlg::dialogs().MsgBox(texte::Text(53112, "Die Datei") + " \"" + titel + "\" " +
                                  texte::Text(53113, "ist keine Fragen-Liste.") + "\r\n" +
                                  texte::Text(53114, "Es wird mit allen Fragen gespielt."),
                              dlg::Exclamation);
        return true;
    }
    teil->setText(texte::ui(cmDialogFileTitle_));
    geladeneListe_ = datei;
    int n = an.AnzahlFragen ? an.AnzahlFragen() : 0;
    setStatusText(1, texte::ui(texte::Text(43110, "Frage-Liste:") + " " + cmDialogFileTitle_ + " " +
                               texte::Text(43111, "mit") + " " + std::to_string(n) + " " +
                               texte::Text(43112, "Fragen") + " "));
    return true;
}

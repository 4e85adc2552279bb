#include "shell/Kontext.h"

#include <QDialog>
#include <utility>

#include "quiz/Musikquiz.h"
#include "services/Codepage.h"
#include "shell/MDI.h"
#include "shell/Progress.h"
#include "shell/frmAlter.h"
#include "shell/frmAutor.h"
#include "shell/kurzbox.h"

Kontext::Kontext() = default;

MDI* Kontext::mdi() const {
    return mdi_.data();
}
void Kontext::setMdi(MDI* window) {
    mdi_ = window;
}
Musikquiz* Kontext::musikquizIfLoaded() const {
    return quiz_.data();
}
bool Kontext::alterGeladen() const {
    return !alter_.isNull();
}
bool Kontext::autorGeladen() const {
    return !autor_.isNull();
}
kurzbox* Kontext::kurzboxFenster() const {
    return kurzbox_.data();
}
Progress* Kontext::progressFenster() const {
    return progress_.data();
}

Kontext::~Kontext() {
    unloadMusikquiz();
    alterEntladen();
    delete autor_.data();
    delete kurzbox_.data();
    delete progress_.data();
}

Musikquiz::Anbindung Kontext::quizAnbindung() {
    Musikquiz::Anbindung an;
    an.alterAbfragen = [this] { return AlterAbfragen(); };
    an.alterLevel = [this] { return alter().AlterLevel(); };
    an.toolButton = [this](int i, bool sichtbar) {
        if (mdi_) mdi_->setToolButtonEnabled(i, sichtbar);
    };
    an.topIst = [this](int n) {
        if (mdi_) mdi_->TopIst(n);
    };
    an.topWar = [this](int n) {
        if (mdi_) mdi_->TopWar(n);
    };
    an.geladeneListe = [this] { return mdi_ ? mdi_->GeladeneListe() : std::string(); };
    an.dialogTitelLeeren = [this] {
        if (mdi_) mdi_->CmDialog1_clearFileTitle();
    };
    an.startBildVerbergen = [this] {
        if (autor_) autor_->hide();
    };
    an.statusText = [this](const std::string& text) {
        if (mdi_) mdi_->setStatusText(2, cp1252::toUnicode(text));
    };
    an.spaeter = [this](std::function<void()> arbeit) { nachDemZeigen(std::move(arbeit)); };
    an.alter = [this] { return alter_ ? alter_->Alter() : 0; };
    an.vorlesenKnopf = [this](quiz::Vorleser::Hindernis h) {
        if (mdi_) mdi_->VorlesenKnopf(h);
    };
    return an;
}

void Kontext::nachDemZeigen(std::function<void()> arbeit) {
    if (aufschieben_)
        nachDemZeigen_.push_back(std::move(arbeit));
    else
        arbeit();
}

void Kontext::hauptfensterGezeigt() {
    aufschieben_ = false;
    for (auto& arbeit : std::exchange(nachDemZeigen_, {})) arbeit();
}

Musikquiz* Kontext::musikquiz() {
    if (!quiz_) {
        quiz_ = new Musikquiz(nullptr, quizAnbindung());
        QObject::connect(&quiz_->spiel(), &quiz::Spiel::frageErledigt, quiz_,
                         [this](const quiz::FrageErgebnis& e) {
                             if (anbindung.FrageErledigt) anbindung.FrageErledigt(e);
                         });
        if (mdi_) mdi_->addChild(quiz_);
        quiz_->Form_Load();
    }
    return quiz_.data();
}

void Kontext::unloadMusikquiz() {
    if (!quiz_) return;
    Musikquiz* q = quiz_.data();
    quiz_ = nullptr;
    if (mdi_) mdi_->removeChild(q);
    // A game loop of the window may still run below the caller: it notices the
    // close and returns, and the window goes after it.
    if (q->Unload())
        delete q;
    else
        q->deleteLater();
}

frmAlter& Kontext::alter() {
    if (!alter_) {
        alter_ = new frmAlter(*this);
        alter_->Form_Load();
    }
    return *alter_;
}

void Kontext::alterEntladen() {
    delete alter_.data();
}

std::optional<int> Kontext::AlterAbfragen() {
    if (!alter().Abfragen()) return std::nullopt;
    return alter().AlterLevel();
}

frmAutor& Kontext::autor() {
    if (!autor_) {
        autor_ = new frmAutor(*this);
        autor_->Form_Load();
    }
    return *autor_;
}

void Kontext::autorEntladen() {
    if (!autor_) return;
    frmAutor* w = autor_.data();
    autor_ = nullptr;
    w->hide();
    w->deleteLater();
}

void Kontext::zeigeModal(QDialog& window) {
    if (modalSkript_) {
        window.show();
        modalSkript_(window);
        if (window.isVisible()) window.hide();
    } else {
        window.exec();
    }
}

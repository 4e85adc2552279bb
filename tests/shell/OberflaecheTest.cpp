// Every text a user sees comes from the translation table: with a table that
// marks each text with its number, every visible caption, label, menu entry and
// tool tip of the walked windows carries a mark. A text that is fixed in the code
// shows up unmarked and names its window and control.
#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "exchange/Pack.h"
#include "exchange/PaketEinlesen.h"
#include "exchange/PaketImport.h"
#include "quiz/MusicalWaehler.h"
#include "shell/ErsterStart.h"
#include "shell/Progress.h"
#include "shell/frmKlasse.h"
#include "shell/frmKonfig.h"
#include "shell/frmParameter.h"
#include "shell/kurzbox.h"
#include "tests/shell/ShellFixture.h"
#include "translation/Translation_Class.h"

namespace {

const QRegularExpression kMarke(QStringLiteral("\u00AB\\d{5}\u00BB"));

// Texts that hold only numbers, signs and blanks say nothing in a language.
bool nurZeichen(const QString& text) {
    for (QChar c : text)
        if (c.isLetter()) return false;
    return true;
}

// A data value (a language's own name, a font's name) is shown as it is; the
// control says so with the property "Datentext".
bool istDaten(const QObject* o) {
    if (o->property("Datentext").toBool()) return true;
    // Signs in the music-symbol font are notes, not words.
    auto* w = qobject_cast<const QWidget*>(o);
    return w && w->font().family() == QLatin1String(Translation_Class::kMusikSymbolFont);
}

class Oberflaeche : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        texte::setQuelle([](long nummer) { return QStringLiteral("\u00AB%1\u00BB").arg(nummer); });
    }

    void pruefe(const QString& wo, const QString& text) {
        if (text.isEmpty() || nurZeichen(text) || text.contains(kMarke)) return;
        fehler << wo + QStringLiteral(": ") + text;
    }
    void pruefeAktionen(const QString& wo, const QList<QAction*>& aktionen) {
        for (QAction* a : aktionen) {
            if (a->isSeparator() || !a->isVisible() || istDaten(a)) continue;
            pruefe(wo + QLatin1Char('/') + a->objectName(), a->text());
            if (QMenu* m = a->menu()) pruefeAktionen(wo + QLatin1Char('/') + a->objectName(), m->actions());
        }
    }
    // The window's title and every visible control's texts.
    void pruefeFenster(QWidget* w) {
        ASSERT_NE(w, nullptr);
        const QString name = w->objectName();
        pruefe(name + QStringLiteral(" title"), w->windowTitle());
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(w) || istDaten(c)) continue;
            const QString wo = name + QLatin1Char('/') + c->objectName();
            pruefe(wo + QStringLiteral(" tip"), c->toolTip());
            if (auto* l = qobject_cast<QLabel*>(c)) pruefe(wo, l->text());
            if (auto* b = qobject_cast<QAbstractButton*>(c)) pruefe(wo, b->text());
            if (auto* g = qobject_cast<QGroupBox*>(c)) pruefe(wo, g->title());
            if (auto* e = qobject_cast<QLineEdit*>(c)) pruefe(wo, e->placeholderText());
            if (auto* t = qobject_cast<QTabWidget*>(c))
                for (int i = 0; i < t->count(); ++i) pruefe(wo + QStringLiteral(" tab"), t->tabText(i));
            if (auto* v = qobject_cast<QTableView*>(c); v && v->model())
                for (int i = 0; i < v->model()->columnCount(); ++i)
                    pruefe(wo + QStringLiteral(" column"),
                           v->model()->headerData(i, Qt::Horizontal).toString());
        }
    }

    QStringList fehler;
};

TEST_F(Oberflaeche, EveryVisibleTextComesFromTheTable) {
    MDI& w = main();
    for (int m : {1, 2, 5, 0}) {  // the modes put their own texts on entries and buttons
        w.TopIst(m);
        pruefeFenster(&w);
        pruefeAktionen(QStringLiteral("MDI"), w.menuBar()->actions());
    }
    kontext.alter().Form_Load();
    frmAutor::ZeigenModeless(kontext);
    kurzbox::Start(kontext, texte::Text(20012, {}), {}, 0, 0);
    Progress::ShowProgress(kontext, 0, 0, {});
    Pack pack(MelvatoBasic::Api(), [](QDialog&) {});
    paket::PaketImport paket(MelvatoBasic::Api());
    PaketAuswahl auswahl(paket, nullptr);
    MusicalWaehler waehler;
    frmParameter parameter(kontext);
    frmKlasse klasse(kontext, home.appPfad());
    for (QWidget* f :
         {static_cast<QWidget*>(&kontext.alter()), static_cast<QWidget*>(&kontext.autor()),
          static_cast<QWidget*>(kontext.kurzboxFenster()), static_cast<QWidget*>(kontext.progressFenster()),
          static_cast<QWidget*>(&pack), static_cast<QWidget*>(&auswahl), static_cast<QWidget*>(&waehler),
          static_cast<QWidget*>(&parameter), static_cast<QWidget*>(&klasse),
          static_cast<QWidget*>(kontext.musikquiz()), static_cast<QWidget*>(kontext.musikquiz()->editor())}) {
        f->show();
        pruefeFenster(f);
    }
    t_call().ShowAllModal([&](QDialog& d) { pruefeFenster(&d); });
    // The list window in each of its kinds, opened as the main window opens it.
    frmKonfig::Anbinden(kontext);
    for (const char* befehl : {"konfigchange", "suchanzeig", "FrageRaum"}) {
        w.Menueintrag(befehl)->trigger();
        if (frmKonfig* liste = frmKonfig::offen())
            pruefeFenster(liste);
        else
            fehler << QString::fromLatin1(befehl) + QStringLiteral(": no list window");
        if (kontext.anbindung.ListeEntladen) kontext.anbindung.ListeEntladen();
    }

    EXPECT_TRUE(fehler.isEmpty()) << "texts fixed in the code:\n"
                                  << fehler.join(QLatin1Char('\n')).toStdString();
}

// The supplied tables, a start, a language chosen, the next start.
class Sprachwahl : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(ErsterStart::Bereitstellen(std::string(MELVATO_DATA_DIR) + "/",
                                               MelvatoBasic::Api().ManuAppPfad(), home.appPfad()));
        neuStart();
    }
    MDI& neuStart() {
        mdi.reset();
        CreateT_call();
        SetupT_call();
        return main();
    }
    QString text(const char* eintrag) { return mdi->Menueintrag(eintrag)->text(); }
    QAction* sprache(const QString& name) {
        for (QAction* a : mdi->Menueintrag("sprache")->menu()->actions())
            if (a->text() == name) return a;
        ADD_FAILURE() << "no language " << name.toStdString();
        return nullptr;
    }
};

TEST_F(Sprachwahl, ChosenLanguageAndOwnTextsCountFromTheNextStart) {
    EXPECT_EQ(text("Extras"), QStringLiteral("Optionen"));
    EXPECT_TRUE(sprache(QStringLiteral("Deutsch"))->isChecked());
    sprache(QStringLiteral("English"))->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("Bitte starte Melvato neu"), std::string::npos);
    EXPECT_EQ(text("Extras"), QStringLiteral("Optionen")) << "the running program keeps its texts";

    neuStart();
    EXPECT_EQ(text("Datei"), QStringLiteral("File"));
    EXPECT_EQ(text("Extras"), QStringLiteral("Options"));
    EXPECT_EQ(text("Starten"), QStringLiteral("Start with all questions"));
    EXPECT_EQ(mdi->ToolButton(1)->toolTip(), QStringLiteral("Start the game"));
    EXPECT_EQ(mdi->ToolButton(18)->toolTip(), QStringLiteral("Help for Melvato"));
    EXPECT_TRUE(sprache(QStringLiteral("English"))->isChecked());
    EXPECT_EQ(t_call().Prozent(), "100%") << "every text of the table has its English text";

    // The user corrects a text in the editor window, opened from the menu.
    kontext.setModalSkript([](QDialog& d) {
        auto* nummer = d.findChild<QLineEdit*>(QStringLiteral("zeiger_Nr"));
        nummer->setText(QStringLiteral("13132"));
        QTest::keyClick(nummer, Qt::Key_Return);
        d.findChild<QPlainTextEdit*>(QStringLiteral("neu_text"))
            ->setPlainText(QStringLiteral("Settings etc."));
        d.findChild<QPushButton*>(QStringLiteral("exit"))->click();
    });
    mdi->Menueintrag("uebersetzung")->trigger();
    neuStart();
    EXPECT_EQ(text("Extras"), QStringLiteral("Settings etc."));
    EXPECT_EQ(text("Datei"), QStringLiteral("File"));
    EXPECT_FALSE(sprache(QStringLiteral("English"))->isChecked()) << "it is his own translation now";

    // Back to German: his translation is kept aside, not thrown away.
    const std::string eigene = testing_support::readFile(t_call().PersonalDatei());
    sprache(QStringLiteral("Deutsch"))->trigger();
    EXPECT_FALSE(testing_support::fileExists(t_call().PersonalDatei()));
    EXPECT_EQ(
        testing_support::readFile(MelvatoBasic::Api().ManuAppPfad() + "common/Personal Translation alt.dat"),
        eigene);
    neuStart();
    EXPECT_EQ(text("Extras"), QStringLiteral("Optionen"));
}

}  // namespace

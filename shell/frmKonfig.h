#pragma once
// The question-list window in its three kinds: showing the loaded list (0),
// building a new list with filters (1) and building one by keyword (2). The
// filters and the build live in fragen::ListenBau; the window only shows them.
#include <QAbstractTableModel>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "questions/FragenListe.h"

class Kontext;
class QLabel;
class QLineEdit;
class QListWidget;
class QTreeView;

// The rows of the list as the view's model.
class ZeilenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setzen(std::vector<fragen::ListenZeile> zeilen);
    const std::vector<fragen::ListenZeile>& zeilen() const { return zeilen_; }
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    QString tooltip;

private:
    std::vector<fragen::ListenZeile> zeilen_;
};

class frmKonfig : public QWidget {
    Q_OBJECT
public:
    frmKonfig(Kontext& kontext, int art);
    ~frmKonfig() override;

    // Opens the window in kind 0, 1 or 2 (loading it when needed) and fills the
    // main window's list-window entries.
    static void Anbinden(Kontext& kontext);
    static frmKonfig* offen();

    int ListenArt() const { return art_; }
    void ListeFüllen();
    void FrageLaden();
    void Save_Click();
    // "UnWorte", "DieseImmer" or "DieseNicht" from another list file.
    void ImportFeld(const std::string& feld);
    // Asks for a search term and lists the questions that use it.
    void Stichwortsuche();

    fragen::ListenBau& bau() { return bau_; }
    ZeilenModell& modell() { return modell_; }
    QTreeView* FragenListe() const { return fragenListe_; }
    QListWidget* lstThemen() const { return themen_; }
    QListWidget* LstSchwierig() const { return schwierig_; }
    QLineEdit* NummerWeg() const { return nummerWeg_; }
    QLineEdit* DieseDoch() const { return dieseDoch_; }
    QLineEdit* UnWort() const { return unWort_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void zeigen(const std::vector<fragen::ListenZeile>& zeilen, const QString& tooltip);
    void auswahlUebernehmen();
    void kontrollenSetzen();
    std::string geladeneListe() const;

    Kontext& kontext_;
    int art_;
    fragen::ListenBau bau_;
    ZeilenModell modell_;
    std::vector<std::string> fundwoerter_;
    std::string suchbegriff_, importDatei_;
    QWidget* filter_ = nullptr;
    QTreeView* fragenListe_ = nullptr;
    QListWidget* themen_ = nullptr;
    QListWidget* schwierig_ = nullptr;
    QLineEdit* nummerWeg_ = nullptr;
    QLineEdit* dieseDoch_ = nullptr;
    QLineEdit* unWort_ = nullptr;
};

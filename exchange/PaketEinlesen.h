#pragma once
// Reading a package into the user's questions: the user picks a package (zip
// file or "NeueFragen.Dat" of a package folder), ticks the questions to take,
// and is told what came in and what was left out.
#include <QDialog>
#include <functional>

#include "exchange/PaketImport.h"

class ApiClass;
class QLabel;
class QListWidget;

// The list of a package's questions to tick.
class PaketAuswahl : public QDialog {
    Q_OBJECT
public:
    PaketAuswahl(const paket::PaketImport& paket, QWidget* parent);
    // Indices of the ticked questions, in package order.
    std::vector<size_t> Gewaehlt() const;

private:
    QListWidget* Fragen = nullptr;
    QLabel* lblHinweise = nullptr;
};

namespace paket {

using ModalAnzeige = std::function<void(QDialog&)>;

// The whole command: choose, tick, import, report. True when questions came in.
bool PaketEinlesen(ApiClass& api, QWidget* parent, const ModalAnzeige& modal);

}  // namespace paket

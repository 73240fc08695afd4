#pragma once

// The rules window: the import's rules in their order, to be created, edited, moved up and down,
// deleted and applied to the book. It opens from the import window (modal, with the import's lines for
// the rule dialog's counts) and from the settings (modeless, through the main window).

#include "Kontoauszug.h"

#include <QDialog>
#include <memory>

namespace Ui {
class Regelfenster;
}

namespace velmora {

class CBasis;
class CPPToolTip;
class Hub;
class Regelmodell;

class Regelfenster final : public QDialog
{
    Q_OBJECT
public:
    enum Id
    {
        kListe = 1001,
        kNeu = 1002,
        kBearbeiten = 1003,
        kHoch = 1004,
        kRunter = 1005,
        kLoeschen = 1006,
        kAnwenden = 1007,
        kSchliessen = 1008,
        kHinweis = 1009,
    };

    // `auszuege` are the statements of an open import, or none.
    Regelfenster(CBasis& basis, Hub& hub, Importgedaechtnis& gedaechtnis, std::vector<Kontoauszug> auszuege = {},
                 QWidget* eltern = nullptr);
    ~Regelfenster() override;

    Regelmodell& Modell() const { return *m_modell; }
    CPPToolTip& Ballons() const { return *m_ballons; }

signals:
    void RegelnGeaendert();

private:
    void SetzeSprache();
    int Gewaehlt() const;
    void Waehle(int zeile);
    void ZeigeKnoepfe();
    void Geaendert(int waehle);
    void Neu();
    void Bearbeite();
    void Verschiebe(int schritt);
    void Loesche();
    void WendeAn();

    std::unique_ptr<Ui::Regelfenster> m_ui;
    CBasis& m_basis;
    Hub& m_hub;
    Importgedaechtnis& m_gedaechtnis;
    const std::vector<Kontoauszug> m_auszuege;
    Regelmodell* m_modell = nullptr;
    CPPToolTip* m_ballons = nullptr;
};

} // namespace velmora

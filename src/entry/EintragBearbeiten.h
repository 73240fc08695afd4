#pragma once

// The right-click pop-up of the overview and the standing-order list: edit, delete, restore or delete
// for good the clicked entry. It only answers; the calling window acts on the answer.
//
// It is a frameless modal dialog, not a Qt pop-up window: screen readers find only real windows in the
// program's accessibility tree (Qt leaves pop-ups out of it), and a modal dialog takes the keyboard as a
// pop-up does. The first button has the focus, the arrows walk the buttons, Return presses one, Escape
// cancels; a click into another window of the program is blocked until it is answered.

#include "Kleindialog.h"

#include <QDialog>
#include <memory>

namespace Ui {
class EintragBearbeiten;
}

namespace velmora {

class CBasis;

class EintragBearbeiten final : public QDialog
{
    Q_OBJECT
public:
    enum Wahl
    {
        kAbbruch = 0,
        kBearbeiten = 1,
        kLoeschen = 2,
        kWiederherstellen = 3,
        kEndgueltigLoeschen = 4,
    };

    // zelle: the global top-left corner of the clicked cell (ZellenEcke); the pop-up opens just below it.
    // A deleted entry offers restore and delete for good; an active one edit and delete.
    EintragBearbeiten(const CBasis& basis, bool geloescht, QPoint zelle, QWidget* eltern = nullptr);
    ~EintragBearbeiten() override;

    // Shows the pop-up modally and returns the Wahl; Escape, "Abbruch" or a click into another program
    // gives kAbbruch.
    static int Frage(const CBasis& basis, bool geloescht, QPoint zelle, QWidget* eltern = nullptr);
    // For tests: answer in place of a person (see Antworthaken); an empty function shows the pop-up again.
    static void SetzeAntwort(Antworthaken<EintragBearbeiten>::Antwort antwort);

    int Ergebnis() const { return m_nErgebnis; }

protected:
    bool event(QEvent* ereignis) override;

private:
    void Waehle(int wahl);

    std::unique_ptr<Ui::EintragBearbeiten> m_ui;
    int m_nErgebnis = kAbbruch;
};

} // namespace velmora

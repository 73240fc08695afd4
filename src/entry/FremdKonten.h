#pragma once

// The chooser of the entry window's payer and payee lists: edit the family's accounts or the external
// accounts. It only answers; the entry window asks the main window for the editor.

#include "Kleindialog.h"

#include <QDialog>
#include <memory>

namespace Ui {
class FremdKonten;
}

namespace velmora {

class CBasis;

class FremdKonten final : public QDialog
{
    Q_OBJECT
public:
    enum Wahl
    {
        kAbbruch = 0,
        kFamilienKonten = 1,
        kFremdKonten = 2,
    };

    // ort: the global point it opens next to (10 pixels right of and 15 below it).
    FremdKonten(const CBasis& basis, QPoint ort, QWidget* eltern = nullptr);
    ~FremdKonten() override;

    // Shows the chooser modally and returns the Wahl; Escape or a click elsewhere gives kAbbruch.
    static int Frage(const CBasis& basis, QPoint ort, QWidget* eltern = nullptr);
    static void SetzeAntwort(Antworthaken<FremdKonten>::Antwort antwort);

    int Ergebnis() const { return m_nErgebnis; }

private:
    void Waehle(int wahl);

    std::unique_ptr<Ui::FremdKonten> m_ui;
    int m_nErgebnis = kAbbruch;
};

} // namespace velmora

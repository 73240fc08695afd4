#pragma once

// The main window's balance list: one row per account of the family, its columns fitted to the list.

class QTableView;
class QWidget;

namespace velmora {

class CBasis;
class KontostandModell;

class Kontostandliste final
{
public:
    Kontostandliste(const CBasis& basis, QWidget* fenster);

    QTableView* Ansicht() const { return m_ansicht; }

    // Reads the balances again from the store.
    void Fuelle();
    void RichteSpaltenEin();

private:
    KontostandModell* m_modell;
    QTableView* m_ansicht;
};

} // namespace velmora

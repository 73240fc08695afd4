#pragma once

// The main window's buttons and pictures, and their help balloons: builds them in the window, keeps
// them by control id, names them for screen readers and shows the ones of the window's state.

#include <functional>
#include <map>

class QAbstractButton;
class QDialog;
class QWidget;

namespace velmora {

class CBasis;
class CImageTextButton;
class CPPToolTip;

class Knopfleiste final
{
public:
    Knopfleiste(const CBasis& basis, QDialog& fenster);

    // The four main buttons with their inactive look-alikes, the settings and the two end buttons.
    void BaueHauptknoepfe();
    // What stands below and in place of the balance list: the welcome pictures, the lock, "Info",
    // "Online-Help", "Import" and the flags.
    void BaueUntereLeiste();
    // Takes a control another part built (the balance list, the password field) into the table.
    void Merke(int id, QWidget* element);

    QWidget* Element(int id) const;
    QAbstractButton* Knopf(int id) const;

    // Names the controls in the book's language and shows the flag of that language.
    void SetzeSprache();

    // Only the settings can be opened; the welcome picture stands in place of the balances.
    void ZeigeWillkommen();
    // The main buttons whose window is available are active; the lock shows when a password is set.
    void ZeigeNormal(const std::function<bool(int id)>& verfuegbar);
    // While locked, nothing but the end buttons, "Info" and "Online-Help" stays.
    void VersteckeFuerSperre();

    // The balloon window, built last so that it stands after every control.
    void BaueBallons();
    // Fills the balloons afresh: none while they are switched off.
    void ErstelleBallons();
    CPPToolTip& Ballons() { return *m_ballons; }

private:
    CImageTextButton* NeuerBildknopf(int id, const char* beschriftungDe, const char* beschriftungEn, int bildDe,
                                     int bildEn, bool inaktiv);

    const CBasis& m_basis;
    QDialog& m_fenster;
    std::map<int, QWidget*> m_elemente;
    CPPToolTip* m_ballons = nullptr;
};

} // namespace velmora

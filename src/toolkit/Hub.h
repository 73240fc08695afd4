#pragma once

// What the working windows ask of the main window. The main window is the only hub: a window reports a
// change or a wish by a code, and the main window passes it on to the windows concerned.
// Working windows are modeless dialogs that delete themselves when closed (Qt::WA_DeleteOnClose); the
// main window keeps one QPointer per kind and learns of a closing through QObject::destroyed.

#include <string>

namespace velmora {

enum Nachricht
{
    kDatenGeaendert = 1,             // refresh balances and every open list
    kBearbeiteTransaktion = 2,       // open the entry window on transaction m_nIndex = arg
    kOeffneFremdKonten = 3,          // open the external-accounts editor
    kLadeFremdKonten = 4,            // the entry window reloads its payer and payee rows
    kOeffneKategorien = 5,           // open the category editor at category arg (when arg >= 0)
    kLadeKategorien = 6,             // the entry window reloads its category rows
    kBearbeiteDauerAuftrag = 7,      // open the entry window on standing order m_nNr = arg (-1 = new)
    kAktualisiereDauerAuftraege = 8, // the standing-order list refreshes
    kOeffneFamilienKonten = 9,       // open the settings in their family-accounts form
    kZeigeVorschau = 10,             // open the forecast on the account at position arg of the balance list
    kOeffneImportregeln = 11,        // open the import's rules window
};

class Hub
{
public:
    virtual ~Hub() = default;

    virtual void Benachrichtige(int code, int arg) = 0;
    // Opens the overview listing the given transactions; kind -1 closes it.
    virtual void ZeigeUebersicht(int art, int datum1, int datum2, const std::string& text1,
                                 const std::string& text2) = 0;
};

} // namespace velmora

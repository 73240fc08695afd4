#pragma once

// The main window's plan: the ids of its controls and where its parts stand. The parts that build the
// window (buttons, balance list, lock, painted header, status line) share it.

#include <QPoint>
#include <QRect>

namespace velmora {

namespace haupt {

// Control ids of the main window; each control carries "c" and its id as objectName.
enum Id
{
    kEnde = 1,
    kEndeOhneSpeichern = 2,
    kEingabe = 1001,
    kEinstellungen = 1002,
    kUebersicht = 1003,
    kAuswertung = 1004,
    kEingabeInaktiv = 1006,
    kUebersichtInaktiv = 1007,
    kAuswertungInaktiv = 1008,
    kKontostaende = 1019,
    kSperren = 1025,
    kDauerAuftraege = 1041,
    kDauerAuftraegeInaktiv = 1043,
    kPasswort = 1072,
    kWillkommenDeutsch = 1095,
    kInfo = 1098,
    kHilfe = 1099,
    kFlaggeDeutsch = 1100,
    kFlaggeEnglisch = 1101,
    kWillkommenEnglisch = 1114,
    kImport = 1120,
};

} // namespace haupt

inline constexpr int kHauptBreite = 568;
inline constexpr int kHauptHoehe = 470;
inline constexpr int kStatusHoehe = 24;
// The balance list; the welcome pictures take its place, the main buttons start at its top.
inline constexpr QRect kListenOrt(176, 80, 376, 232);
// The lock's prompt; the password field stands below it.
inline constexpr QPoint kPasswortFrageOrt(80, 200);

} // namespace velmora

#include "Prognoseballons.h"

#include "Ballontabelle.h"

namespace velmora {

namespace {

const Ballontext kBallons[] = {
    {1001, "Konto wählen",
     "\nEin Konto, ein Mitglied mit allen seinen Konten\noder die ganze Familie.\n"
     "Umbuchungen innerhalb der Wahl ändern nichts.\n"},
    {1002, "Verlauf des Kontostands",
     "\nDie durchgezogene Linie: der Stand aus den Daueraufträgen,\nTag für Tag von heute an.\n"
     "Die gestrichelte Linie schätzt dazu die üblichen Ausgaben\nder letzten drei Monate.\n"
     "Der rote Punkt zeigt den tiefsten Stand.\n"},
    {1003, "Kommende Buchungen",
     "\nJede Ausführung eines Dauerauftrags bis zum Horizont\nmit dem Stand danach.\n"
     "Gebucht wird erst an ihrem Tag.\n"},
};

} // namespace

void FuellePrognoseballons(CPPToolTip& ballons, const CBasis& basis,
                           const std::function<QWidget*(int id)>& steuerelement)
{
    FuelleDeutscheBallons(ballons, basis, kBallons, steuerelement);
}

} // namespace velmora

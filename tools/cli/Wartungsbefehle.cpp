#include "Wartungsbefehle.h"

#include "Ausgaenge.h"
#include "Basis.h"
#include "Buchung.h"
#include "Generator.h"
#include "Ladehilfen.h"
#include "Sicherungen.h"
#include "Start.h"
#include "TempOrdner.h"
#include "Text.h"
#include "Uebersicht.h"
#include "Wiederherstellung.h"

#include <chrono>
#include <ostream>

namespace velmora::cli {

namespace {

template<class F>
double Millisekunden(F&& schritt)
{
    const auto beginn = std::chrono::steady_clock::now();
    schritt();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - beginn).count();
}

// A run as the program starts it, one booking of today, and the recovery copy that booking brings about.
double ZeitDerWiederherstellung(const std::string& ordner, int heute, const std::string& kopieOrdner)
{
    CBasis lauf;
    lauf.m_uhr = FesteUhr(heute, 0);
    StarteDaten(lauf, ordner);
    lauf.m_strPfad = kopieOrdner;
    Wiederherstellung kopie(lauf, true);
    const CFAMILY* familie = lauf.Familie();
    Buchungseingabe eingabe;
    if (familie && !familie->m_arrPersonen.empty() && !familie->m_arrPersonen.front()->m_arrKonten.empty())
        eingabe.strZahler = familie->m_arrPersonen.front()->m_strName + ", " +
                            familie->m_arrPersonen.front()->m_arrKonten.front()->m_strName;
    if (!lauf.m_arrZielKonten.empty())
        eingabe.strEmpfaenger = lauf.m_arrZielKonten.front()->m_strName;
    eingabe.dBetrag = 12.5;
    eingabe.nDatum = heute;
    BucheNeu(lauf, eingabe);
    return Millisekunden([&] { kopie.Schreibe(); });
}

} // namespace

int Backups(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    if (!OrdnerVorhanden(aufruf.Ordner(), fehler))
        return kFehlgeschlagen;
    for (const Sicherung& sicherung : ListeSicherungen(aufruf.Ordner())) {
        aus << kSicherungsOrdner << '/' << sicherung.strName << (sicherung.bVollstaendig ? "" : " (incomplete)") << '\t'
            << sicherung.strZeit;
        for (size_t i = 0; i < sicherung.dateien.size(); ++i)
            aus << (i == 0 ? "\t" : " ") << sicherung.dateien[i];
        aus << '\n';
    }
    return kFertig;
}

int Generate(const Aufruf& aufruf, std::ostream&, std::ostream& fehler)
{
    Haushaltsparameter parameter;
    parameter.nJahre = static_cast<int>(aufruf.Zahl("--years", 1, 100));
    if (aufruf.Hat("--seed"))
        parameter.nSeed = static_cast<unsigned>(aufruf.Zahl("--seed", 0, 4294967295L));
    parameter.nHeute = aufruf.Hat("--today") ? aufruf.Datum("--today") : SystemZeit().nDatum;
    parameter.bEnglisch = aufruf.Hat("--english");
    if (aufruf.Hat("--orders"))
        parameter.nDauerAuftraege = static_cast<int>(aufruf.Zahl("--orders", 0, 10000));
    std::string meldung;
    if (ErzeugeHaushalt(aufruf.Ordner(), parameter, meldung) != 0) {
        fehler << "velmora-cli: " << meldung << '\n';
        return kFehlgeschlagen;
    }
    return kFertig;
}

int Stats(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    const int heute = aufruf.Datum("--today");
    if (!OrdnerVorhanden(aufruf.Ordner(), fehler))
        return kFehlgeschlagen;
    CBasis basis;
    basis.m_uhr = FesteUhr(heute, 0);
    basis.m_strPfad = aufruf.Ordner();
    basis.m_nHeute = heute;
    int gelesen = -1;
    const double laden = Millisekunden([&] {
        gelesen = basis.LadeEinstellungen();
        if (gelesen == 0)
            LadeAlleMonate(basis);
    });
    if (gelesen != 0) {
        fehler << "velmora-cli: " << aufruf.Ordner() << ": no settings file (VLMBasic_D.ini or VLMBasic_E.ini)\n";
        return kFehlgeschlagen;
    }
    MeldeSchaeden(basis, fehler);
    const size_t transaktionen = basis.m_arrInOut.size();
    const size_t monate = basis.m_arrLoadedFiles.size();

    OverviewListing liste(basis);
    basis.m_nVonDatum = 0;
    basis.m_nBisDatum = 99991231;
    const double listen = Millisekunden([&] { liste.ZeigeAlle(); });
    const double sortieren = Millisekunden([&] { liste.SortiereTransaktionen(kNachAuftraggeber); });

    // The catch-up runs into a store with the settings but none of the transactions, so that every due
    // day of the ten years is booked anew.
    TempOrdner temp("velmora-stats");
    CBasis leer;
    leer.m_strPfad = aufruf.Ordner();
    leer.LadeEinstellungen();
    leer.m_strPfad = temp.Unterordner("catchup");
    leer.m_nHeute = heute;
    const double nachholen = Millisekunden([&] { leer.FuehreDauerAuftraegeAus(heute - 100000); });

    for (auto& datei : basis.m_arrLoadedFiles)
        datei->m_bGeaendert = 1;
    basis.m_strPfad = temp.Unterordner("save");
    int gespeichert = 0;
    const double speichern = Millisekunden([&] { gespeichert = SpeichereAlles(basis); });
    if (gespeichert != 0) {
        for (const std::string& datei : basis.m_nichtGeschriebeneDateien)
            fehler << "velmora-cli: cannot write " << datei << '\n';
        return kFehlgeschlagen;
    }

    const double kopie = ZeitDerWiederherstellung(aufruf.Ordner(), heute, temp.Unterordner("recovery"));

    aus << Format("{\"transactions\": %zu, \"months\": %zu, \"load_ms\": %.2f, \"list_ms\": %.2f, \"sort_ms\": %.2f, "
                  "\"catchup_ms\": %.2f, \"save_ms\": %.2f, \"recovery_ms\": %.2f}\n",
                  transaktionen, monate, laden, listen, sortieren, nachholen, speichern, kopie);
    return kFertig;
}

} // namespace velmora::cli

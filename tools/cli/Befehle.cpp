#include "Befehle.h"

#include "Aufruf.h"
#include "Auftraege.h"
#include "Basis.h"
#include "Buchsperre.h"
#include "Buchung.h"
#include "DauerAuftragsliste.h"
#include "Generator.h"
#include "Import.h"
#include "Json.h"
#include "Regeln.h"
#include "Schreibjournal.h"
#include "Sicherungen.h"
#include "Start.h"
#include "Tabellenexport.h"
#include "TempOrdner.h"
#include "Text.h"
#include "Uebersicht.h"
#include "Vergleich.h"
#include "VergleichJson.h"
#include "Vorschaubefehl.h"
#include "Wiederherstellung.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <ostream>

namespace velmora::cli {

namespace {

namespace fs = std::filesystem;

constexpr std::array<const char*, 7> kSortierNamen = {"date",        "amount",   "payer",      "payee",
                                                      "beneficiary", "category", "subcategory"};

bool OrdnerVorhanden(const std::string& ordner, std::ostream& fehler)
{
    std::error_code ec;
    if (fs::is_directory(ordner, ec))
        return true;
    fehler << "velmora-cli: " << ordner << ": no such folder\n";
    return false;
}

// The store of a folder with its settings read; the clock answers today when one was given.
bool LadeEinstellungen(CBasis& basis, const Aufruf& aufruf, std::ostream& fehler)
{
    if (aufruf.Hat("--today"))
        basis.m_uhr = FesteUhr(aufruf.Datum("--today"), 0);
    if (!OrdnerVorhanden(aufruf.Ordner(), fehler))
        return false;
    basis.MonatsTitel();
    basis.m_strPfad = aufruf.Ordner();
    if (basis.LadeEinstellungen() != 0) {
        fehler << "velmora-cli: " << aufruf.Ordner() << ": no settings file (VLMBasic_D.ini or VLMBasic_E.ini)\n";
        return false;
    }
    return true;
}

// Every month up to today; a book without a first month has only the current one.
void LadeAlleMonate(CBasis& basis)
{
    const int erster = basis.m_nErsterMonat != 0 ? basis.m_nErsterMonat : basis.m_nHeute / 100;
    basis.LadeMonate(erster * 100, basis.m_nHeute);
}

void MeldeSchaeden(const CBasis& basis, std::ostream& fehler)
{
    for (const std::string& datei : basis.m_abgeschnitteneDateien)
        fehler << "velmora-cli: warning: " << datei << " is cut short or corrupt; what came before is kept\n";
}

int Dump(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    CBasis basis;
    if (!LadeEinstellungen(basis, aufruf, fehler))
        return kFehlgeschlagen;
    if (aufruf.Hat("--all-months"))
        LadeAlleMonate(basis);
    else
        basis.LadeMonat(basis.m_nHeute);
    MeldeSchaeden(basis, fehler);
    SchreibeJson(aus, basis);
    aus << '\n';
    return kFertig;
}

int Startup(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    const int heute = aufruf.Datum("--today");
    const int jetzt = aufruf.Uhrzeit("--now");
    if (!OrdnerVorhanden(aufruf.Ordner(), fehler))
        return kFehlgeschlagen;
    // Saving changes the book: like the program, it waits for no other run and leaves a crashed run's
    // unsaved changes to the program, which offers them back.
    Buchsperre sperre(aufruf.Ordner());
    if (aufruf.Hat("--save") && !SperreZumSpeichern(sperre, aufruf.Ordner(), aufruf.Hat("--force-unlock"), fehler))
        return kFehlgeschlagen;
    CBasis basis;
    basis.m_uhr = FesteUhr(heute, jetzt);
    StarteDaten(basis, aufruf.Ordner());
    const int status = aufruf.Hat("--save") ? Speichere(basis, fehler) : kFertig;
    MeldeSchaeden(basis, fehler);
    SchreibeJson(aus, basis);
    aus << '\n';
    return status;
}

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

int SortierSchluessel(const Aufruf& aufruf)
{
    const std::string& text = aufruf.Wert("--sort");
    for (size_t i = 0; i < kSortierNamen.size(); ++i) {
        if (text == kSortierNamen[i] || text == std::to_string(i))
            return static_cast<int>(i);
    }
    throw Benutzungsfehler("--sort wants date, amount, payer, payee, beneficiary, category, subcategory or 0 to 6, "
                           "not '" +
                           text + "'");
}

// The listing as the overview's export writes it; the file written is named on the output.
int Exportiere(const OverviewListing& liste, const std::string& ziel, std::ostream& aus, std::ostream& fehler)
{
    const Exportformat format = ExportformatVon(ziel);
    const std::string datei = ExportDatei(ziel, format);
    if (!SchreibeExport(datei, liste, format)) {
        fehler << "velmora-cli: cannot write " << datei << '\n';
        return kFehlgeschlagen;
    }
    aus << datei << '\n';
    return kFertig;
}

int List(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    const int von = aufruf.Datum("--from");
    const int bis = aufruf.Datum("--to");
    const int art =
        aufruf.Hat("--filter") ? static_cast<int>(aufruf.Zahl("--filter", 0, kFilterKategorieBeiNutzniesser)) : -1;
    const bool inAuswahl = art >= kFilterKategorieBeiKonto;
    if (aufruf.Hat("--within") != inAuswahl)
        throw Benutzungsfehler("--filter 14 to 16 need --within, and --within belongs to them");
    if (aufruf.Hat("--key") && art < 0)
        throw Benutzungsfehler("--key belongs to --filter");
    if (aufruf.Hat("--category") && art != kFilterUKategorieIn)
        throw Benutzungsfehler("--category belongs to --filter 13");
    if (art == kFilterUKategorieIn && !aufruf.Hat("--category"))
        throw Benutzungsfehler("--filter 13 needs --category");
    const int schluessel = aufruf.Hat("--sort") ? SortierSchluessel(aufruf) : -1;
    if (aufruf.Hat("--ascending") && schluessel < 0)
        throw Benutzungsfehler("--ascending belongs to --sort");

    CBasis basis;
    if (!LadeEinstellungen(basis, aufruf, fehler))
        return kFehlgeschlagen;
    basis.m_nVonDatum = von;
    basis.m_nBisDatum = bis;
    OverviewListing liste(basis);
    if (aufruf.Hat("--all-months"))
        LadeAlleMonate(basis);
    else
        liste.LadeZeitraum();
    MeldeSchaeden(basis, fehler);

    if (schluessel >= 0) {
        liste.m_abAbsteigend[static_cast<size_t>(schluessel)] = aufruf.Hat("--ascending") ? 0 : 1;
        liste.SortiereTransaktionen(schluessel);
    }
    if (art >= 0) {
        liste.m_bFilter = 1;
        liste.m_nFilterArt = art;
        liste.m_strFilterText = Utf8ZuCp1252(aufruf.Wert("--key"));
        liste.m_strFilterKategorie = Utf8ZuCp1252(aufruf.Wert("--category"));
        liste.m_strFilterAuswahl = Utf8ZuCp1252(aufruf.Wert("--within"));
        liste.m_bNurDauerAuftraege = art == 0 && aufruf.Wert("--key") == "1" ? 1 : 0;
        liste.ZeigeGefiltert();
    } else {
        liste.ZeigeAlle();
    }

    if (aufruf.Hat("--export"))
        return Exportiere(liste, aufruf.Wert("--export"), aus, fehler);

    std::string zeile;
    for (int z = 0; z < static_cast<int>(liste.m_arrZeilen.size()); ++z) {
        zeile.clear();
        for (int spalte = 0; spalte < kSpalten; ++spalte) {
            if (spalte > 0)
                zeile += '\t';
            zeile += Cp1252ZuUtf8(liste.Zelle(z, spalte));
        }
        zeile += '\n';
        aus << zeile;
    }
    aus << Format("totals\t%.2f\t%.2f\t%.2f\n", liste.m_dEinnahmen, liste.m_dAusgaben, liste.m_dUmbuchungen);
    return kFertig;
}

// The standing-order list as its window shows it on opening, after a header click (--sort) or a click
// on a cell (--filter with the column 1 to 8 and the cell's text).
int Orders(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    const int art = aufruf.Hat("--filter") ? static_cast<int>(aufruf.Zahl("--filter", 1, kSpalteEnde)) : -1;
    if (aufruf.Hat("--key") != (art > 0))
        throw Benutzungsfehler("--filter and --key belong together");
    int schluessel = -1;
    if (aufruf.Hat("--sort"))
        schluessel = aufruf.Wert("--sort") == "execution" ? kNachDatum : SortierSchluessel(aufruf);
    if (aufruf.Hat("--ascending") && schluessel < 0)
        throw Benutzungsfehler("--ascending belongs to --sort");

    CBasis basis;
    if (!LadeEinstellungen(basis, aufruf, fehler))
        return kFehlgeschlagen;
    DauerAuftragsListe liste(basis);
    liste.RichteEin();
    if (schluessel >= 0) {
        liste.m_abAbsteigend[static_cast<size_t>(schluessel)] = aufruf.Hat("--ascending") ? 0 : 1;
        liste.Sortiere(schluessel);
    }
    if (art > 0) {
        liste.m_bFilter = 1;
        liste.m_nFilterArt = art;
        liste.m_strFilterText = Utf8ZuCp1252(aufruf.Wert("--key"));
        liste.ZeigeGefiltert();
    }
    std::string zeile;
    for (int z = 0; z < static_cast<int>(liste.m_arrZeilen.size()); ++z) {
        zeile.clear();
        for (int spalte = kSpalteKennung; spalte <= kSpalteEnde; ++spalte) {
            if (spalte > kSpalteKennung)
                zeile += '\t';
            zeile += Cp1252ZuUtf8(liste.Zelle(z, spalte));
        }
        aus << zeile << '\n';
    }
    aus << Format("totals\t%.2f\t%.2f\t%.2f\t%.2f\n", liste.m_dEinnahmen, liste.m_dAusgaben,
                  liste.m_dEinnahmen - liste.m_dAusgaben, liste.m_dUmbuchungen);
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

int Compare(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    const int jahrA = static_cast<int>(aufruf.Zahl("--years", 1000, 9999));
    const int jahrB = static_cast<int>(aufruf.Zahl("--years", 1000, 9999, 1));
    const int monatA = static_cast<int>(aufruf.Zahl("--months", 1, 12));
    const int monatB = static_cast<int>(aufruf.Zahl("--months", 1, 12, 1));
    CBasis basis;
    if (!LadeEinstellungen(basis, aufruf, fehler))
        return kFehlgeschlagen;
    const long letzte = kAuswahlKategorie + static_cast<long>(basis.m_arrKategorien.size()) - 1;
    const int auswahl = aufruf.Hat("--selection") ? static_cast<int>(aufruf.Zahl("--selection", 0, letzte)) : 0;
    const bool mitName = auswahl >= kAuswahlFamilienKonto && auswahl <= kAuswahlNutzniesser;
    if (aufruf.Hat("--item") && !mitName)
        throw Benutzungsfehler("--item belongs to --selection 1, 2 or 3");

    const std::vector<std::string> namen = Vergleichsnamen(basis, auswahl);
    std::string name = namen.empty() ? std::string() : namen.front();
    if (aufruf.Hat("--item")) {
        name = Utf8ZuCp1252(aufruf.Wert("--item"));
        if (std::find(namen.begin(), namen.end(), name) == namen.end()) {
            fehler << "velmora-cli: selection " << auswahl << " has no item '" << aufruf.Wert("--item") << "'\n";
            return kFehlgeschlagen;
        }
    }
    // As in the window: the periods are set for the whole family, which sets the scale, then the selection.
    Vergleich vergleich(basis);
    vergleich.Beginne();
    vergleich.SetzePerioden(jahrA, monatA, jahrB, monatB);
    vergleich.Waehle(auswahl, name);
    MeldeSchaeden(basis, fehler);
    aus << AlsJson(vergleich).dump() << '\n';
    return kFertig;
}

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

// A save cut off after its journal stood is completed before anything reads the book, unless a
// program holds the book (its save may be under way).
void VollendeUnterbrocheneSpeicherung(const std::string& ordner)
{
    std::error_code ec;
    if (!fs::is_directory(ordner, ec))
        return;
    Buchsperre sperre(ordner);
    if (sperre.Nimm() == Buchsperre::Zustand::kGenommen)
        VollendeSpeicherung(ordner);
}

struct Befehl
{
    const char* name;
    Optionen optionen;
    int (*ausfuehren)(const Aufruf&, std::ostream&, std::ostream&);
};

const std::vector<Befehl>& Befehle()
{
    static const std::vector<Befehl> befehle = {
        {"dump", {{"--today"}, {"--all-months"}, {}}, Dump},
        {"startup", {{"--today", "--now"}, {"--save", "--force-unlock"}, {"--today", "--now"}}, Startup},
        {"list",
         {{"--from", "--to", "--today", "--filter", "--key", "--category", "--within", "--sort", "--export"},
          {"--all-months", "--ascending"},
          {"--from", "--to"}},
         List},
        {"orders", {{"--today", "--filter", "--key", "--sort"}, {"--ascending"}, {}}, Orders},
        {"order",
         {{"--today", "--nr", "--day", "--weekday", "--dates", "--amount", "--first", "--last", "--active", "--payer",
           "--payee", "--beneficiary", "--category", "--subcategory", "--comment"},
          {"--new", "--open-ended", "--delete", "--restore", "--purge", "--save", "--force-unlock"},
          {}},
         Order},
        {"purge", {{"--today", "--date", "--index"}, {"--save", "--force-unlock"}, {"--date", "--index"}}, Purge},
        {"generate", {{"--years", "--seed", "--today", "--orders"}, {"--english"}, {"--years"}}, Generate},
        {"stats", {{"--today"}, {}, {"--today"}}, Stats},
        {"compare",
         {{"--today", "--selection", "--item"}, {}, {"--today", "--years", "--months"}, {"--years", "--months"}},
         Compare},
        {"import",
         {{"--account", "--today", "--tolerance", "--columns"}, {"--save", "--force-unlock"}, {"--today"}, {}, true},
         Import},
        {"rules",
         {{"--add", "--delete", "--move", "--to", "--test", "--apply", "--pick", "--today"},
          {"--list", "--save", "--force-unlock"},
          {},
          {},
          true},
         Regeln},
        {"backups", {{}, {}, {}}, Backups},
        {"forecast", {{"--today", "--until", "--account"}, {}, {"--today"}}, Forecast},
    };
    return befehle;
}

} // namespace

bool SperreZumSpeichern(Buchsperre& sperre, const std::string& ordner, bool erzwingen, std::ostream& fehler)
{
    Buchsperre::Zustand zustand = sperre.Nimm();
    if (zustand == Buchsperre::Zustand::kZweifelhaft && erzwingen) {
        fehler << "velmora-cli: --force-unlock: " << sperre.Meldung(false).toStdString() << '\n';
        zustand = sperre.NimmTrotzdem();
    }
    if (zustand != Buchsperre::Zustand::kGenommen) {
        fehler << "velmora-cli: " << sperre.Meldung(false).toStdString() << '\n';
        if (zustand == Buchsperre::Zustand::kZweifelhaft)
            fehler << "velmora-cli: when you are sure no program uses the book, add --force-unlock\n";
        return false;
    }
    VollendeSpeicherung(ordner);
    if (HatWiederherstellung(ordner)) {
        fehler << "velmora-cli: " << WiederherstellungsPfad(ordner)
               << " holds the unsaved changes of a run that ended unexpectedly; start the program to restore or "
                  "discard them first\n";
        return false;
    }
    return true;
}

int Speichere(CBasis& basis, std::ostream& fehler)
{
    if (SpeichereAlles(basis) != 0) {
        for (const std::string& datei : basis.m_schreibgeschuetzteDateien)
            fehler << "velmora-cli: " << datei << " is read-only; nothing was saved\n";
        for (const std::string& datei : basis.m_nichtGeschriebeneDateien)
            fehler << "velmora-cli: cannot write " << datei << "; nothing was saved\n";
        return kFehlgeschlagen;
    }
    if (!basis.m_strSicherungsfehler.empty()) {
        fehler << "velmora-cli: the book was saved, but no backup could be made: " << basis.m_strSicherungsfehler
               << '\n';
        return kOhneSicherung;
    }
    return kFertig;
}

int FuehreAus(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler)
{
    if (!argumente.empty() && (argumente.front() == "--help" || argumente.front() == "help")) {
        aus << Benutzung();
        return kFertig;
    }
    try {
        if (argumente.empty())
            throw Benutzungsfehler("a command is missing");
        for (const Befehl& befehl : Befehle()) {
            if (argumente.front() != befehl.name)
                continue;
            const Aufruf aufruf(std::vector<std::string>(argumente.begin() + 1, argumente.end()), befehl.optionen);
            if (befehl.ausfuehren != Generate)
                VollendeUnterbrocheneSpeicherung(aufruf.Ordner());
            return befehl.ausfuehren(aufruf, aus, fehler);
        }
        throw Benutzungsfehler("unknown command " + argumente.front());
    } catch (const Benutzungsfehler& e) {
        fehler << "velmora-cli: " << e.what() << "\n\n" << Benutzung();
        return kFalscheBenutzung;
    }
}

} // namespace velmora::cli

#include "Auftraege.h"

#include "Auftragsentwurf.h"
#include "Auswahllisten.h"
#include "Basis.h"
#include "Buchsperre.h"
#include "Buchung.h"
#include "DauerAuftragsliste.h"
#include "Json.h"
#include "Kalender.h"
#include "Speichern.h"
#include "Start.h"
#include "Text.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <sstream>

namespace velmora::cli {

namespace {

// A command that changes the book starts it as the program does, standing orders included, so that
// the settings it saves name a run that has caught up.
struct Lauf
{
    Buchsperre sperre;
    CBasis basis;
};

bool Starte(Lauf& lauf, const Aufruf& aufruf, std::ostream& fehler)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(aufruf.Ordner(), ec)) {
        fehler << "velmora-cli: " << aufruf.Ordner() << ": no such folder\n";
        return false;
    }
    if (aufruf.Hat("--save") && !SperreZumSpeichern(lauf.sperre, aufruf.Ordner(), aufruf.Hat("--force-unlock"), fehler))
        return false;
    if (aufruf.Hat("--today"))
        lauf.basis.m_uhr = FesteUhr(aufruf.Datum("--today"), 0);
    StarteDaten(lauf.basis, aufruf.Ordner());
    if (lauf.basis.m_arrFamilien.empty()) {
        fehler << "velmora-cli: " << aufruf.Ordner() << ": no household\n";
        return false;
    }
    return true;
}

int Speichere(Lauf& lauf, const Aufruf& aufruf, std::ostream& fehler)
{
    return aufruf.Hat("--save") ? cli::Speichere(lauf.basis, fehler) : kFertig;
}

Json AuftragsJson(const CDauerAuftrag& auftrag)
{
    Json json = AlsJson(auftrag);
    json["open_ended"] = Unbefristet(auftrag);
    return json;
}

// The fixed dates "MMDD,MMDD,..." as the panel's day and month combos would add them.
void SetzeTermine(CBasis& basis, Auftragsentwurf& entwurf, const std::string& liste)
{
    entwurf.m_arrTermine.clear();
    entwurf.WaehleTermine();
    std::istringstream teile(liste);
    for (std::string teil; std::getline(teile, teil, ',');) {
        const int monat = teil.size() == 4 ? std::atoi(teil.substr(0, 2).c_str()) : 0;
        const int tag = teil.size() == 4 ? std::atoi(teil.substr(2).c_str()) : 0;
        if (!std::all_of(teil.begin(), teil.end(), [](char c) { return c >= '0' && c <= '9'; }) || monat < 1 ||
            monat > 12 || tag < 1 || tag > TageImMonat(2000, monat))
            throw Benutzungsfehler("--dates wants dates MMDD separated by commas, not '" + teil + "'");
        const std::string& name = basis.Deutsch() ? basis.m_astrMonateD[static_cast<size_t>(monat)]
                                                  : basis.m_astrMonateE[static_cast<size_t>(monat)];
        if (!entwurf.TerminVorhanden(TagesText(tag), name))
            entwurf.FuegeTerminHinzu(basis, TagesText(tag), name);
    }
}

// A text option that must be one of a picker list's rows, as the panel only offers those.
void NimmZeile(CBasis& basis, const Aufruf& aufruf, const std::string& option, Auswahlliste liste, int kategorie,
               std::string& ziel)
{
    if (!aufruf.Hat(option))
        return;
    const std::string text = Utf8ZuCp1252(aufruf.Wert(option));
    const std::vector<std::string> zeilen = AuswahlTexte(basis, liste, kategorie);
    if (std::find(zeilen.begin(), zeilen.end(), text) == zeilen.end())
        throw Benutzungsfehler(option + " names no row of its list: '" + aufruf.Wert(option) + "'");
    ziel = text;
}

Buchungseingabe Eingabe(CBasis& basis, const Aufruf& aufruf, const CDauerAuftrag* auftrag)
{
    Buchungseingabe eingabe;
    if (auftrag) {
        eingabe.strZahler = auftrag->m_strAuftraggeber;
        eingabe.strEmpfaenger = auftrag->m_strEmpfaenger;
        eingabe.strNutzniesser = auftrag->m_strNutzniesser;
        eingabe.strKategorie = auftrag->m_strKategorie;
        eingabe.strUKategorie = auftrag->m_strUKategorie;
        eingabe.strKommentar = auftrag->m_strKommentar;
        eingabe.dBetrag = auftrag->m_dBetrag;
    }
    NimmZeile(basis, aufruf, "--payer", kZahlerListe, -1, eingabe.strZahler);
    NimmZeile(basis, aufruf, "--payee", kEmpfaengerListe, -1, eingabe.strEmpfaenger);
    NimmZeile(basis, aufruf, "--beneficiary", kNutzniesserListe, -1, eingabe.strNutzniesser);
    NimmZeile(basis, aufruf, "--category", kKategorieListe, -1, eingabe.strKategorie);
    NimmZeile(basis, aufruf, "--subcategory", kUKategorieListe, KategoriePosition(basis, eingabe.strKategorie),
              eingabe.strUKategorie);
    if (aufruf.Hat("--comment"))
        eingabe.strKommentar = Utf8ZuCp1252(aufruf.Wert("--comment"));
    if (aufruf.Hat("--amount"))
        eingabe.dBetrag = LiesBetrag(aufruf.Wert("--amount"));
    return eingabe;
}

Auftragsentwurf Entwurf(CBasis& basis, const Aufruf& aufruf, const CDauerAuftrag* auftrag)
{
    Auftragsentwurf entwurf(basis.Deutsch(), basis.m_nHeute);
    if (auftrag)
        entwurf.Lade(*auftrag);
    if (aufruf.Hat("--day"))
        entwurf.SetzeMonatsTag(static_cast<int>(aufruf.Zahl("--day", 1, 31)));
    if (aufruf.Hat("--weekday"))
        entwurf.SetzeWochentag(static_cast<int>(aufruf.Zahl("--weekday", 1, 7)));
    if (aufruf.Hat("--dates"))
        SetzeTermine(basis, entwurf, aufruf.Wert("--dates"));
    if (aufruf.Hat("--first"))
        entwurf.m_nBeginn = aufruf.Datum("--first");
    if (aufruf.Hat("--last"))
        entwurf.m_nEnde = aufruf.Datum("--last");
    if (aufruf.Hat("--open-ended"))
        entwurf.m_nEnde = kOffenesEnde;
    if (aufruf.Hat("--active"))
        entwurf.m_nAktiv = static_cast<int>(aufruf.Zahl("--active", 0, 1));
    return entwurf;
}

int AnzahlGesetzt(const Aufruf& aufruf, std::initializer_list<const char*> optionen)
{
    return static_cast<int>(
        std::count_if(optionen.begin(), optionen.end(), [&](const char* o) { return aufruf.Hat(o); }));
}

// The list window's commands on the order of that number: delete, restore, delete for good.
int ListenBefehl(Lauf& lauf, const Aufruf& aufruf, int nr, std::ostream& aus, std::ostream& fehler)
{
    auto& auftraege = lauf.basis.m_arrDauerAuftraege;
    const bool loeschen = aufruf.Hat("--delete");
    const bool wiederherstellen = aufruf.Hat("--restore");
    // Delete takes an order that is present, restore a deleted one; delete for good either.
    const auto passt = [&](const auto& a) {
        return a->m_nNr == nr && (loeschen ? a->m_n48 > 0 : wiederherstellen ? a->m_n48 < 0 : true);
    };
    const auto it = std::find_if(auftraege.begin(), auftraege.end(), passt);
    if (it == auftraege.end()) {
        fehler << "velmora-cli: no "
               << (loeschen           ? "present "
                   : wiederherstellen ? "deleted "
                                      : "")
               << "standing order number " << nr << '\n';
        return kFehlgeschlagen;
    }
    const int index = static_cast<int>(it - auftraege.begin());
    const Json vorher = AuftragsJson(**it);
    DauerAuftragsListe liste(lauf.basis);
    liste.RichteEin();
    if (loeschen)
        liste.Loesche(index);
    else if (wiederherstellen)
        liste.StelleWiederHer(index);
    else
        liste.LoescheEndgueltig(index);
    aus << (aufruf.Hat("--purge") ? vorher : AuftragsJson(*auftraege[static_cast<size_t>(index)])).dump() << '\n';
    return Speichere(lauf, aufruf, fehler);
}

} // namespace

int Order(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    const int befehle = AnzahlGesetzt(aufruf, {"--delete", "--restore", "--purge"});
    if (befehle > 1)
        throw Benutzungsfehler("--delete, --restore and --purge exclude each other");
    if (aufruf.Hat("--new") == aufruf.Hat("--nr"))
        throw Benutzungsfehler("order wants either --nr N or --new");
    if (befehle == 1 && aufruf.Hat("--new"))
        throw Benutzungsfehler("--delete, --restore and --purge want --nr");
    if (AnzahlGesetzt(aufruf, {"--day", "--weekday", "--dates"}) > 1)
        throw Benutzungsfehler("--day, --weekday and --dates exclude each other");
    if (aufruf.Hat("--last") && aufruf.Hat("--open-ended"))
        throw Benutzungsfehler("--last and --open-ended exclude each other");
    if (aufruf.Hat("--new")) {
        for (const char* option : {"--payer", "--payee", "--beneficiary", "--category", "--subcategory", "--amount"}) {
            if (!aufruf.Hat(option))
                throw Benutzungsfehler(std::string("--new needs ") + option);
        }
    }
    const int nr = aufruf.Hat("--nr") ? static_cast<int>(aufruf.Zahl("--nr", 0, 2147483647L)) : -1;

    Lauf lauf{Buchsperre(aufruf.Ordner()), {}};
    if (!Starte(lauf, aufruf, fehler))
        return kFehlgeschlagen;
    CBasis& basis = lauf.basis;
    if (befehle == 1)
        return ListenBefehl(lauf, aufruf, nr, aus, fehler);

    CDauerAuftrag* auftrag = nr >= 0 ? OffenerDauerAuftrag(basis, nr) : nullptr;
    if (nr >= 0 && !auftrag) {
        fehler << "velmora-cli: no present standing order number " << nr << '\n';
        return kFehlgeschlagen;
    }
    const Buchungseingabe eingabe = Eingabe(basis, aufruf, auftrag);
    const Auftragsentwurf entwurf = Entwurf(basis, aufruf, auftrag);
    if (SpeichereDauerAuftrag(basis, eingabe, entwurf, auftrag) != Auftragsergebnis::kGespeichert) {
        fehler << "velmora-cli: the amount must be more than 0, not '" << aufruf.Wert("--amount") << "'\n";
        return kFehlgeschlagen;
    }
    aus << AuftragsJson(*auftrag).dump() << '\n';
    return Speichere(lauf, aufruf, fehler);
}

int Purge(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    const int datum = aufruf.Datum("--date");
    const long index = aufruf.Zahl("--index", 0, 2147483647L);
    Lauf lauf{Buchsperre(aufruf.Ordner()), {}};
    if (!Starte(lauf, aufruf, fehler))
        return kFehlgeschlagen;
    CBasis& basis = lauf.basis;
    basis.LadeMonat(datum);
    // The index counts the month's transactions in the order of its file, as dump shows them for a day
    // of that month; transactions added in this run follow them.
    long imMonat = -1;
    int position = -1;
    for (size_t i = 0; i < basis.m_arrInOut.size() && position < 0; ++i) {
        const CInOut& t = *basis.m_arrInOut[i];
        if (t.m_nDatum / 100 == datum / 100 && ++imMonat == index)
            position = t.m_nDatum == datum && t.m_nStatus > kEndgueltigGeloescht ? static_cast<int>(i) : -2;
    }
    if (position < 0) {
        fehler << "velmora-cli: no transaction " << index << " on " << datum << '\n';
        return kFehlgeschlagen;
    }
    const Json vorher = AlsJson(*basis.m_arrInOut[static_cast<size_t>(position)]);
    LoescheEndgueltig(basis, position);
    aus << vorher.dump() << '\n';
    return Speichere(lauf, aufruf, fehler);
}

} // namespace velmora::cli

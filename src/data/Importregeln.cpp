#include "Importregeln.h"

#include "Auswahllisten.h"
#include "Auszugstext.h"
#include "Basis.h"
#include "Fremdkontenverwaltung.h"
#include "Regelanwendung.h"
#include "Text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <unordered_map>
#include <unordered_set>

namespace velmora {

std::string BekanntesKonto(const CBasis& basis, const Importgedaechtnis& gedaechtnis, const Kontoauszug& auszug)
{
    const auto it = gedaechtnis.konten.find(auszug.Kennung());
    if (it == gedaechtnis.konten.end() || !basis.IstEigenesKonto(it->second))
        return {};
    return it->second;
}

std::string KontoAndererIban(const Importgedaechtnis& gedaechtnis, const Kontoauszug& auszug, const std::string& konto)
{
    if (auszug.strIban.empty())
        return {};
    for (const auto& [kennung, gemerkt] : gedaechtnis.konten) {
        if (gemerkt == konto && kennung != auszug.strIban && !kennung.starts_with("layout:"))
            return kennung;
    }
    return {};
}

void MerkeKonto(Importgedaechtnis& gedaechtnis, const Kontoauszug& auszug, const std::string& konto)
{
    std::string& gemerkt = gedaechtnis.konten[auszug.Kennung()];
    if (gemerkt != konto) {
        gemerkt = konto;
        gedaechtnis.bGeaendert = true;
    }
}

std::vector<std::string> Familienkonten(const CBasis& basis)
{
    std::vector<std::string> konten;
    if (const CFAMILY* familie = basis.Familie()) {
        for (const auto& mitglied : familie->m_arrPersonen) {
            if (mitglied->m_nStatus <= 0)
                continue;
            for (const auto& konto : mitglied->m_arrKonten) {
                if (konto->m_nStatus > 0)
                    konten.push_back(Format("%s, %s", mitglied->m_strName.c_str(), konto->m_strName.c_str()));
            }
        }
    }
    return konten;
}

std::string Gegenkennung(const Auszugszeile& zeile)
{
    if (!zeile.strIban.empty())
        return zeile.strIban;
    return "name:" + Klein(zeile.strName.empty() ? zeile.strZweck : zeile.strName);
}

namespace {

bool BeginntMit(const std::string& name, const std::string& anfang)
{
    return anfang.size() >= 3 && name.size() >= anfang.size() && VergleicheListenText(name, anfang) == 0;
}

CZIELKONTO* ZielKonto(const CBasis& basis, const std::string& name, bool ohneGross)
{
    for (const auto& ziel : basis.m_arrZielKonten) {
        if (ohneGross ? GleichOhneGross(ziel->m_strName, name) : ziel->m_strName == name)
            return ziel.get();
    }
    return nullptr;
}

} // namespace

std::string Fremdkonto(const CBasis& basis, const Importgedaechtnis& gedaechtnis, const Auszugszeile& zeile,
                       const std::vector<std::string>& neueNamen)
{
    const auto gemerkt = gedaechtnis.gegenkonten.find(Gegenkennung(zeile));
    if (gemerkt != gedaechtnis.gegenkonten.end() && !gemerkt->second.empty())
        return gemerkt->second;
    const std::string& name = zeile.strName.empty() ? zeile.strZweck : zeile.strName;
    const std::string* bester = nullptr;
    for (const auto& ziel : basis.m_arrZielKonten) {
        if (ziel->m_bGebucht > 0 && BeginntMit(name, ziel->m_strName) &&
            (!bester || ziel->m_strName.size() > bester->size()))
            bester = &ziel->m_strName;
    }
    for (const std::string& neu : neueNamen) {
        if (BeginntMit(name, neu) && (!bester || neu.size() > bester->size()))
            bester = &neu;
    }
    if (bester)
        return *bester;
    std::string kurz = KuerzeName(name);
    if (kurz.empty())
        kurz = "Bank";
    if (const CZIELKONTO* vorhanden = ZielKonto(basis, kurz, true))
        return vorhanden->m_strName;
    return kurz;
}

namespace {

constexpr int kAusBuch = -1;

// Lines and transactions by family account, direction and amount; each stands for one line only.
class Duplikatsuche final
{
public:
    void Fuege(const std::string& konto, bool eingang, double betrag, int datum, int quelle)
    {
        m_eintraege[Schluessel(konto, eingang, betrag)].push_back({Tagnummer(datum), quelle, false});
    }

    // Takes the nearest free entry within the tolerance that did not come from the same statement.
    bool Finde(const std::string& konto, bool eingang, double betrag, int datum, int quelle, int toleranz)
    {
        const auto it = m_eintraege.find(Schluessel(konto, eingang, betrag));
        if (it == m_eintraege.end())
            return false;
        const int tag = Tagnummer(datum);
        Eintrag* bester = nullptr;
        for (Eintrag& e : it->second) {
            const int abstand = std::abs(e.nTag - tag);
            if (e.bBelegt || e.nQuelle == quelle || abstand > toleranz)
                continue;
            if (!bester || abstand < std::abs(bester->nTag - tag))
                bester = &e;
        }
        if (!bester)
            return false;
        bester->bBelegt = true;
        return true;
    }

private:
    struct Eintrag
    {
        int nTag;
        int nQuelle; // statement of the import, or kAusBuch
        bool bBelegt;
    };

    static std::string Schluessel(const std::string& konto, bool eingang, double betrag)
    {
        return konto + (eingang ? "\x1f+" : "\x1f-") + std::to_string(std::llround(betrag * 100.0));
    }

    std::unordered_map<std::string, std::vector<Eintrag>> m_eintraege;
};

// What the entry window would pre-fill: the last loaded booking with the external account, else the
// remembered entry of the payee. Categories that are gone are not proposed.
class Vorbelegung final
{
public:
    explicit Vorbelegung(const CBasis& basis)
        : m_basis(basis)
    {
        for (const auto& t : basis.m_arrInOut) {
            if (t->m_nStatus <= 0)
                continue;
            for (const std::string* seite : {&t->m_strAuftraggeber, &t->m_strEmpfaenger}) {
                if (basis.IstEigenesKonto(*seite))
                    continue;
                const CInOut*& letzte = m_letzte[*seite];
                if (!letzte || t->m_nDatum >= letzte->m_nDatum)
                    letzte = t.get();
            }
        }
    }

    void Fuelle(Buchungseingabe& eingabe, const std::string& fremd) const
    {
        const CInOut* quelle = nullptr;
        if (!fremd.empty()) {
            const auto it = m_letzte.find(fremd);
            quelle = it != m_letzte.end() ? it->second : VorlageFuer(m_basis, fremd);
        } else {
            quelle = VorlageFuer(m_basis, eingabe.strEmpfaenger);
        }
        eingabe.strNutzniesser = m_basis.Deutsch() ? "Alle" : "All";
        if (!quelle)
            return;
        if (!quelle->m_strNutzniesser.empty())
            eingabe.strNutzniesser = quelle->m_strNutzniesser;
        const int position = KategoriePosition(m_basis, quelle->m_strKategorie);
        if (position < 0 || m_basis.m_arrKategorien[static_cast<size_t>(position)]->m_nKat0C <= 0)
            return;
        eingabe.strKategorie = quelle->m_strKategorie;
        for (const auto& u : m_basis.m_arrKategorien[static_cast<size_t>(position)]->m_arrUKategorien) {
            if (u->m_nKat0C > 0 && u->m_strName == quelle->m_strUKategorie)
                eingabe.strUKategorie = quelle->m_strUKategorie;
        }
    }

private:
    const CBasis& m_basis;
    std::unordered_map<std::string, const CInOut*> m_letzte;
};

} // namespace

bool Buchbar(const Importvorschlag& v)
{
    const Buchungseingabe& e = v.eingabe;
    return !e.strZahler.empty() && !e.strEmpfaenger.empty() && e.strZahler != e.strEmpfaenger && e.dBetrag > 0.0 &&
           !e.strKategorie.empty();
}

Importergebnis ErstelleVorschlaege(CBasis& basis, const Importgedaechtnis& gedaechtnis,
                                   const std::vector<Kontoauszug>& auszuege, const std::vector<std::string>& konten,
                                   int toleranz)
{
    Importergebnis ergebnis;
    int von = 0, bis = 0;
    for (const Kontoauszug& auszug : auszuege) {
        ergebnis.nVorgemerkt += auszug.nVorgemerkt;
        for (const Auszugszeile& zeile : auszug.zeilen) {
            von = von == 0 ? zeile.nDatum : std::min(von, zeile.nDatum);
            bis = std::max(bis, zeile.nDatum);
        }
    }
    if (von == 0)
        return ergebnis;
    basis.LadeMonate(VerschiebeDatum(von, -toleranz), VerschiebeDatum(bis, toleranz));

    Duplikatsuche suche;
    for (const auto& t : basis.m_arrInOut) {
        if (t->m_nStatus <= 0)
            continue;
        if (basis.IstEigenesKonto(t->m_strAuftraggeber))
            suche.Fuege(t->m_strAuftraggeber, false, t->m_dBetrag, t->m_nDatum, kAusBuch);
        if (basis.IstEigenesKonto(t->m_strEmpfaenger))
            suche.Fuege(t->m_strEmpfaenger, true, t->m_dBetrag, t->m_nDatum, kAusBuch);
    }
    std::unordered_map<std::string, std::string> familienIbans;
    for (const auto& [kennung, konto] : gedaechtnis.konten) {
        if (!kennung.starts_with("layout:") && basis.IstEigenesKonto(konto))
            familienIbans[kennung] = konto;
    }
    const Vorbelegung vorbelegung(basis);
    const Regelwerk regelwerk(gedaechtnis.regeln);
    std::vector<std::string> neueNamen;
    std::unordered_set<std::string> referenzen;

    for (size_t a = 0; a < auszuege.size() && a < konten.size(); ++a) {
        const Kontoauszug& auszug = auszuege[a];
        const std::string& familie = konten[a];
        const int quelle = static_cast<int>(a);
        for (const Auszugszeile& zeile : auszug.zeilen) {
            const double betrag = std::round(std::fabs(zeile.dBetrag) * 100.0) / 100.0;
            if (betrag == 0.0)
                continue;
            const bool eingang = zeile.dBetrag > 0;
            Importvorschlag v;
            v.nRegel = regelwerk.Finde(zeile);
            const Importregel* regel = v.nRegel >= 0 ? &gedaechtnis.regeln[static_cast<size_t>(v.nRegel)] : nullptr;
            v.nAuszug = quelle;
            v.nPosten = static_cast<int>(&zeile - auszug.zeilen.data());
            v.nZeile = zeile.nZeile;
            v.strFamilie = familie;
            std::string gegenseite;
            const auto familienKonto = familienIbans.find(zeile.strIban);
            if (!zeile.strIban.empty() && familienKonto != familienIbans.end() && familienKonto->second != familie) {
                gegenseite = familienKonto->second;
                v.bUmbuchung = true;
            } else {
                gegenseite = regel && !regel->strKonto.empty() ? regel->strKonto
                                                               : Fremdkonto(basis, gedaechtnis, zeile, neueNamen);
                v.strGegenkonto = Gegenkennung(zeile);
                // Each new name once: a statement of many lines to few payees must not grow the list per line.
                if (!ZielKonto(basis, gegenseite, false) &&
                    std::find(neueNamen.begin(), neueNamen.end(), gegenseite) == neueNamen.end())
                    neueNamen.push_back(gegenseite);
            }
            Buchungseingabe& e = v.eingabe;
            e.strZahler = eingang ? gegenseite : familie;
            e.strEmpfaenger = eingang ? familie : gegenseite;
            e.dBetrag = betrag;
            e.nDatum = zeile.nDatum;
            const std::string storno = basis.Deutsch() ? "Storno" : "reversal";
            // An entry in another currency is not booked as euros without the user looking at it.
            const std::string waehrung = zeile.strWaehrung.empty() ? std::string() : zeile.strWaehrung + " ";
            const std::string& zweck = regel && !regel->strKommentar.empty() ? regel->strKommentar : zeile.strZweck;
            e.strKommentar = KuerzeKommentar(waehrung + (zeile.bStorno ? storno + " " + zweck : zweck));
            vorbelegung.Fuelle(e, v.bUmbuchung ? std::string() : gegenseite);
            if (regel)
                Uebernimm(basis, *regel, e, eingang, v.bUmbuchung);

            if (!zeile.strReferenz.empty())
                v.strReferenz = auszug.Kennung() + "|" + zeile.strReferenz;
            v.bDuplikat = (!v.strReferenz.empty() &&
                           (gedaechtnis.referenzen.count(v.strReferenz) || !referenzen.insert(v.strReferenz).second)) ||
                          suche.Finde(familie, eingang, betrag, zeile.nDatum, quelle, toleranz);
            if (!v.bDuplikat) {
                suche.Fuege(familie, eingang, betrag, zeile.nDatum, quelle);
                if (v.bUmbuchung)
                    suche.Fuege(gegenseite, !eingang, betrag, zeile.nDatum, quelle);
            }
            v.bAngehakt = !v.bDuplikat && zeile.strWaehrung.empty() && Buchbar(v);
            ergebnis.vorschlaege.push_back(std::move(v));
        }
    }
    return ergebnis;
}

void NenneFremdkonten(CBasis& basis, const Buchungseingabe& eingabe)
{
    for (const std::string* seite : {&eingabe.strZahler, &eingabe.strEmpfaenger}) {
        if (basis.IstEigenesKonto(*seite))
            continue;
        if (CZIELKONTO* ziel = ZielKonto(basis, *seite, false))
            ziel->m_bGebucht = 1;
        else
            ErstelleFremdKonto(basis, *seite);
    }
}

Buchungszeitraum BucheVorschlaege(CBasis& basis, Importgedaechtnis& gedaechtnis,
                                  const std::vector<Importvorschlag>& vorschlaege)
{
    Buchungszeitraum zeitraum;
    for (const Importvorschlag& v : vorschlaege) {
        if (!v.bAngehakt || !Buchbar(v))
            continue;
        NenneFremdkonten(basis, v.eingabe);
        BucheNeu(basis, v.eingabe);
        if (!v.strGegenkonto.empty()) {
            const std::string& fremd =
                basis.IstEigenesKonto(v.eingabe.strZahler) ? v.eingabe.strEmpfaenger : v.eingabe.strZahler;
            gedaechtnis.gegenkonten[v.strGegenkonto] = fremd;
        }
        if (!v.strReferenz.empty())
            gedaechtnis.referenzen.insert(v.strReferenz);
        gedaechtnis.bGeaendert = true;
        if (zeitraum.nAnzahl == 0)
            zeitraum.strKonto = v.strFamilie;
        else if (zeitraum.strKonto != v.strFamilie)
            zeitraum.strKonto.clear();
        zeitraum.nAnzahl += 1;
        zeitraum.nVon = zeitraum.nVon == 0 ? v.eingabe.nDatum : std::min(zeitraum.nVon, v.eingabe.nDatum);
        zeitraum.nBis = std::max(zeitraum.nBis, v.eingabe.nDatum);
    }
    return zeitraum;
}

} // namespace velmora

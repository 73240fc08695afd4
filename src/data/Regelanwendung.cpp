#include "Regelanwendung.h"

#include "Auswahllisten.h"
#include "Basis.h"
#include "Importregeln.h"
#include "Text.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>

namespace velmora {

namespace {

const CKategorie* AktiveKategorie(const CBasis& basis, const std::string& name)
{
    const int position = KategoriePosition(basis, name);
    if (position < 0)
        return nullptr;
    const CKategorie* kategorie = basis.m_arrKategorien[static_cast<size_t>(position)].get();
    return kategorie->m_nKat0C > 0 ? kategorie : nullptr;
}

Buchungseingabe EingabeVon(const CInOut& t)
{
    return {t.m_strAuftraggeber, t.m_strEmpfaenger, t.m_strNutzniesser, t.m_strKategorie,
            t.m_strUKategorie,   t.m_strKommentar,  t.m_dBetrag,        t.m_nDatum};
}

// The booking as a rule sees it; nullopt for what a rule never matches.
std::optional<Regelgegenstand> GegenstandVon(const CBasis& basis, const CInOut& t, const std::string& ibanName,
                                             const std::string& iban)
{
    if (t.m_nStatus <= 0)
        return std::nullopt;
    const bool zahlerEigen = basis.IstEigenesKonto(t.m_strAuftraggeber);
    const bool empfaengerEigen = basis.IstEigenesKonto(t.m_strEmpfaenger);
    if (zahlerEigen == empfaengerEigen)
        return std::nullopt;
    const bool eingang = empfaengerEigen;
    const std::string& fremd = eingang ? t.m_strAuftraggeber : t.m_strEmpfaenger;
    const bool ibanPasst = !ibanName.empty() && GleichOhneGross(fremd, ibanName);
    return Gegenstand(fremd, ibanPasst ? iban : std::string(), t.m_strKommentar, eingang ? t.m_dBetrag : -t.m_dBetrag);
}

// The external account the import remembers for the rule's IBAN; "" when there is none.
std::string IbanName(const Importgedaechtnis& gedaechtnis, const Importregel& regel)
{
    if (regel.strIban.empty())
        return {};
    const auto it = gedaechtnis.gegenkonten.find(regel.strIban);
    return it == gedaechtnis.gegenkonten.end() ? std::string() : it->second;
}

} // namespace

void Uebernimm(const CBasis& basis, const Importregel& regel, Buchungseingabe& eingabe, bool eingang, bool umbuchung)
{
    if (!regel.strKonto.empty() && !umbuchung)
        (eingang ? eingabe.strZahler : eingabe.strEmpfaenger) = regel.strKonto;
    if (!regel.strNutzniesser.empty())
        eingabe.strNutzniesser = regel.strNutzniesser;
    const CKategorie* kategorie = AktiveKategorie(basis, regel.strKategorie);
    if (!kategorie)
        return;
    if (eingabe.strKategorie != kategorie->m_strName)
        eingabe.strUKategorie.clear();
    eingabe.strKategorie = kategorie->m_strName;
    const CUKategorie* erste = nullptr;
    for (const auto& u : kategorie->m_arrUKategorien) {
        if (u->m_nKat0C <= 0)
            continue;
        if (!erste)
            erste = u.get();
        if (u->m_strName == (regel.strUKategorie.empty() ? eingabe.strUKategorie : regel.strUKategorie))
            return void(eingabe.strUKategorie = u->m_strName);
    }
    // The sub-category follows the category, as in the entry window.
    eingabe.strUKategorie = erste ? erste->m_strName : std::string();
}

Importregel RegelAusZeile(const CBasis& basis, const Auszugszeile& zeile, const Importvorschlag& vorschlag)
{
    Importregel regel;
    (zeile.strName.empty() ? regel.strZweckEnthaelt : regel.strNameEnthaelt) =
        zeile.strName.empty() ? zeile.strZweck : zeile.strName;
    regel.cVorzeichen = zeile.dBetrag > 0.0 ? '+' : '-';
    const Buchungseingabe& e = vorschlag.eingabe;
    const std::string& fremd = basis.IstEigenesKonto(e.strZahler) ? e.strEmpfaenger : e.strZahler;
    if (!vorschlag.bUmbuchung && !basis.IstEigenesKonto(fremd))
        regel.strKonto = fremd;
    regel.strNutzniesser = e.strNutzniesser;
    regel.strKategorie = e.strKategorie;
    regel.strUKategorie = e.strUKategorie;
    Normalisiere(regel);
    return regel;
}

std::vector<Zeilentreffer> TreffeZeilen(const Importregel& regel, const std::vector<Kontoauszug>& auszuege)
{
    const Regelpruefer pruefer(regel);
    std::vector<Zeilentreffer> treffer;
    for (size_t a = 0; a < auszuege.size(); ++a) {
        const std::vector<Auszugszeile>& zeilen = auszuege[a].zeilen;
        for (size_t z = 0; z < zeilen.size(); ++z) {
            if (std::round(zeilen[z].dBetrag * 100.0) != 0.0 && pruefer.Passt(GegenstandVon(zeilen[z])))
                treffer.push_back({a, z});
        }
    }
    return treffer;
}

void LadeBuchFuerRegeln(CBasis& basis)
{
    const std::string erste = basis.m_strErsteDatei;
    const std::string letzte = basis.m_strLetzteDatei;
    basis.LadeAlleMonate();
    basis.m_strErsteDatei = erste;
    basis.m_strLetzteDatei = letzte;
}

std::vector<size_t> TreffeBuchungen(const CBasis& basis, const Importgedaechtnis& gedaechtnis, const Importregel& regel)
{
    const Regelpruefer pruefer(regel);
    const std::string ibanName = IbanName(gedaechtnis, regel);
    std::vector<size_t> treffer;
    for (size_t i = 0; i < basis.m_arrInOut.size(); ++i) {
        const auto gegenstand = GegenstandVon(basis, *basis.m_arrInOut[i], ibanName, regel.strIban);
        if (gegenstand && pruefer.Passt(*gegenstand))
            treffer.push_back(i);
    }
    std::stable_sort(treffer.begin(), treffer.end(), [&basis](size_t a, size_t b) {
        return basis.m_arrInOut[a]->m_nDatum < basis.m_arrInOut[b]->m_nDatum;
    });
    return treffer;
}

Regelvorschau SchaueVoraus(const CBasis& basis, const Importgedaechtnis& gedaechtnis, const Importregel& regel,
                           const std::vector<Kontoauszug>& auszuege)
{
    Regelvorschau vorschau;
    vorschau.zeilen = TreffeZeilen(regel, auszuege);
    for (const Kontoauszug& auszug : auszuege)
        vorschau.nZeilenGesamt +=
            static_cast<size_t>(std::count_if(auszug.zeilen.begin(), auszug.zeilen.end(),
                                              [](const auto& z) { return std::round(z.dBetrag * 100.0) != 0.0; }));
    vorschau.buchungen = TreffeBuchungen(basis, gedaechtnis, regel);
    for (const auto& t : basis.m_arrInOut) {
        if (GegenstandVon(basis, *t, {}, {}))
            ++vorschau.nBuchungenGesamt;
    }
    return vorschau;
}

std::vector<Regelaenderung> Regelaenderungen(const CBasis& basis, const Importgedaechtnis& gedaechtnis,
                                             const Importregel& regel)
{
    std::vector<Regelaenderung> aenderungen;
    for (const size_t position : TreffeBuchungen(basis, gedaechtnis, regel)) {
        const CInOut& t = *basis.m_arrInOut[position];
        Regelaenderung a{t.m_nIndex, EingabeVon(t), EingabeVon(t)};
        Uebernimm(basis, regel, a.neu, basis.IstEigenesKonto(t.m_strEmpfaenger), false);
        if (!regel.strKommentar.empty())
            a.neu.strKommentar = regel.strKommentar;
        const auto felder = [](const Buchungseingabe& e) {
            return std::tie(e.strZahler, e.strEmpfaenger, e.strNutzniesser, e.strKategorie, e.strUKategorie,
                            e.strKommentar);
        };
        if (felder(a.alt) != felder(a.neu))
            aenderungen.push_back(std::move(a));
    }
    return aenderungen;
}

int WendeAn(CBasis& basis, const std::vector<Regelaenderung>& aenderungen)
{
    int angewandt = 0;
    for (const Regelaenderung& a : aenderungen) {
        if (!Bearbeitbar(basis, a.nIndex))
            continue;
        NenneFremdkonten(basis, a.neu);
        if (BucheGeaendert(basis, a.neu, a.nIndex) >= 0)
            ++angewandt;
    }
    return angewandt;
}

} // namespace velmora

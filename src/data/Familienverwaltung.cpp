#include "Familienverwaltung.h"

#include "Basis.h"
#include "Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velmora {

namespace {

// Splits a payer or payee the way bookings read it: member before the first comma, account after the
// comma and the one character that follows it.
bool NenntKonto(const std::string& verweis, const std::string& person, const std::string& konto)
{
    if (!NenntPerson(verweis, person))
        return false;
    const size_t komma = verweis.find(',');
    return komma + 2 <= verweis.size() && GleichOhneGross(std::string_view(verweis).substr(komma + 2), konto);
}

} // namespace

bool IstBarKonto(const std::string& name)
{
    return GleichOhneGross(name, "Bar") || GleichOhneGross(name, "Cash");
}

std::string BarKontoName(const CBasis& basis)
{
    return basis.Deutsch() ? "Bar" : "Cash";
}

bool IstGeloescht(const CPerson& person)
{
    return person.m_nStatus < 1;
}

bool IstGeloescht(const CKonto& konto)
{
    return konto.m_nStatus < 1;
}

CFAMILY& StelleFamilieSicher(CBasis& basis)
{
    if (basis.m_arrFamilien.empty())
        basis.m_arrFamilien.push_back(std::make_unique<CFAMILY>());
    basis.m_nFamilie = 0;
    return *basis.m_arrFamilien.front();
}

CPerson* Mitglied(CBasis& basis, int mitglied)
{
    CFAMILY* familie = basis.Familie();
    if (!familie || mitglied < 0 || mitglied >= static_cast<int>(familie->m_arrPersonen.size()))
        return nullptr;
    return familie->m_arrPersonen[static_cast<size_t>(mitglied)].get();
}

CKonto* Konto(CBasis& basis, int mitglied, int konto)
{
    CPerson* person = Mitglied(basis, mitglied);
    if (!person || konto < 0 || konto >= static_cast<int>(person->m_arrKonten.size()))
        return nullptr;
    return person->m_arrKonten[static_cast<size_t>(konto)].get();
}

void SetzeFamilienName(CBasis& basis, const std::string& nameBeimOeffnen, const std::string& neuerName)
{
    CFAMILY& familie = StelleFamilieSicher(basis);
    familie.m_strName = nameBeimOeffnen;
    basis.LadeAlleMonate();
    MarkiereGeladeneMonate(basis);
    familie.m_strName = neuerName;
}

Ausgang ErstelleMitglied(CBasis& basis, const std::string& name)
{
    CFAMILY& familie = StelleFamilieSicher(basis);
    if (NameVergeben(familie.m_arrPersonen, name))
        return Ausgang::kExistiert;
    if (name.empty())
        return Ausgang::kLeer;
    auto person = std::make_unique<CPerson>();
    person->m_strName = name;
    person->m_nPerson24 = static_cast<int>(familie.m_arrPersonen.size());
    auto bar = std::make_unique<CKonto>();
    bar->m_strName = BarKontoName(basis);
    person->m_arrKonten.push_back(std::move(bar));
    familie.m_arrPersonen.push_back(std::move(person));
    return Ausgang::kErledigt;
}

Ausgang BenenneMitgliedUm(CBasis& basis, int mitglied, const std::string& neuerName, const Bestaetigung& frage)
{
    CPerson* person = Mitglied(basis, mitglied);
    if (!person)
        return Ausgang::kNichtMoeglich;
    if (neuerName.empty())
        return Ausgang::kLeer;
    if (NameVergeben(basis.Familie()->m_arrPersonen, neuerName))
        return Ausgang::kExistiert;
    if (person->m_nAnzahl != 0 &&
        !Bestaetigt(frage, Rueckfrage::kUmbenennen, person->m_strName, neuerName, kFilterPerson))
        return Ausgang::kAbgebrochen;
    // Standing orders and beneficiaries name a member even before its first booking, so the references
    // are rewritten whether or not the member was used.
    const std::string alt = person->m_strName;
    SchreibeVerweiseUm(basis, [&](Feld feld, std::string& text) {
        if (IstZahlerOderEmpfaenger(feld))
            return ErsetzePerson(text, alt, neuerName);
        if (feld == Feld::kNutzniesser && GleichOhneGross(text, alt)) {
            text = neuerName;
            return true;
        }
        return false;
    });
    person->m_strName = neuerName;
    if (person->m_nAnzahl != 0)
        MarkiereGeladeneMonate(basis);
    return Ausgang::kErledigt;
}

Ausgang LoescheMitglied(CBasis& basis, int mitglied, const Bestaetigung& frage)
{
    CPerson* person = Mitglied(basis, mitglied);
    if (!person || IstGeloescht(*person))
        return Ausgang::kNichtMoeglich;
    if (person->m_nAnzahl == 0) {
        person->m_nStatus = NeuerStempel(basis);
        return Ausgang::kErledigt;
    }
    if (!Bestaetigt(frage, Rueckfrage::kLoeschen, person->m_strName, person->m_strName, kFilterPerson))
        return Ausgang::kAbgebrochen;
    const int stempel = NeuerStempel(basis);
    const std::string name = person->m_strName;
    StorniereMitStempel(basis, [&name](Feld feld, const std::string& text) {
        if (IstZahlerOderEmpfaenger(feld))
            return NenntPerson(text, name);
        return feld == Feld::kNutzniesser && GleichOhneGross(text, name);
    });
    // Cancelling books onto the member's accounts, which makes the member active; the stamp comes last.
    person->m_nStatus = stempel;
    MarkiereGeladeneMonate(basis);
    return Ausgang::kErledigt;
}

Ausgang StelleMitgliedWiederHer(CBasis& basis, int mitglied)
{
    CPerson* person = Mitglied(basis, mitglied);
    if (!person || !IstGeloescht(*person))
        return Ausgang::kNichtMoeglich;
    StelleStempelWiederHer(basis, person->m_nStatus);
    person->m_nStatus = 1;
    return Ausgang::kErledigt;
}

Ausgang LoescheMitgliedEndgueltig(CBasis& basis, int mitglied)
{
    CPerson* person = Mitglied(basis, mitglied);
    if (!person || !IstGeloescht(*person))
        return Ausgang::kNichtMoeglich;
    std::vector<int> stempel{person->m_nStatus};
    for (const auto& konto : person->m_arrKonten) {
        if (konto->m_nStatus < 0)
            stempel.push_back(konto->m_nStatus);
    }
    EntferneStempel(basis, stempel);
    auto& personen = basis.Familie()->m_arrPersonen;
    personen.erase(personen.begin() + mitglied);
    return Ausgang::kErledigt;
}

Ausgang ErstelleKonto(CBasis& basis, int mitglied, const std::string& name, double startBetrag)
{
    CPerson* person = Mitglied(basis, mitglied);
    if (!person)
        return Ausgang::kNichtMoeglich;
    if (NameVergeben(person->m_arrKonten, name))
        return Ausgang::kExistiert;
    if (name.empty())
        return Ausgang::kLeer;
    auto konto = std::make_unique<CKonto>();
    konto->m_strName = name;
    konto->m_dStand = startBetrag;
    konto->m_nIndex = static_cast<int>(person->m_arrKonten.size());
    person->m_arrKonten.push_back(std::move(konto));
    return Ausgang::kErledigt;
}

Ausgang BenenneKontoUm(CBasis& basis, int mitglied, int konto, const std::string& neuerName, const Bestaetigung& frage)
{
    CPerson* person = Mitglied(basis, mitglied);
    CKonto* k = Konto(basis, mitglied, konto);
    if (!k || IstBarKonto(k->m_strName))
        return Ausgang::kNichtMoeglich;
    if (neuerName.empty())
        return Ausgang::kLeer;
    if (NameVergeben(person->m_arrKonten, neuerName))
        return Ausgang::kExistiert;
    const std::string personName = person->m_strName;
    const std::string alt = k->m_strName;
    if (k->m_nAnzahl != 0 && !Bestaetigt(frage, Rueckfrage::kUmbenennen, KontoVerweis(personName, alt),
                                         KontoVerweis(personName, neuerName), kFilterKonto))
        return Ausgang::kAbgebrochen;
    // Standing orders name an account before its first booking; they follow the rename either way.
    SchreibeVerweiseUm(basis, [&](Feld feld, std::string& text) {
        if (!IstZahlerOderEmpfaenger(feld) || !NenntKonto(text, personName, alt))
            return false;
        text = text.substr(0, text.find(',') + 1) + " " + neuerName;
        return true;
    });
    k->m_strName = neuerName;
    if (k->m_nAnzahl != 0)
        MarkiereGeladeneMonate(basis);
    return Ausgang::kErledigt;
}

Ausgang LoescheKonto(CBasis& basis, int mitglied, int konto, const Bestaetigung& frage)
{
    CPerson* person = Mitglied(basis, mitglied);
    CKonto* k = Konto(basis, mitglied, konto);
    if (!k || IstBarKonto(k->m_strName) || IstGeloescht(*k))
        return Ausgang::kNichtMoeglich;
    if (k->m_nAnzahl == 0) {
        k->m_nStatus = NeuerStempel(basis);
        return Ausgang::kErledigt;
    }
    // The reference is built from the account itself, never from what the rename box happens to hold.
    const std::string verweis = KontoVerweis(person->m_strName, k->m_strName);
    if (!Bestaetigt(frage, Rueckfrage::kLoeschen, verweis, verweis, kFilterPerson))
        return Ausgang::kAbgebrochen;
    const int stempel = NeuerStempel(basis);
    StorniereMitStempel(basis, [&verweis](Feld feld, const std::string& text) {
        return IstZahlerOderEmpfaenger(feld) && GleichOhneGross(text, verweis);
    });
    k->m_nStatus = stempel;
    return Ausgang::kErledigt;
}

Ausgang StelleKontoWiederHer(CBasis& basis, int mitglied, int konto)
{
    CKonto* k = Konto(basis, mitglied, konto);
    if (!k || !IstGeloescht(*k))
        return Ausgang::kNichtMoeglich;
    StelleStempelWiederHer(basis, k->m_nStatus);
    k->m_nStatus = 1;
    return Ausgang::kErledigt;
}

Ausgang LoescheKontoEndgueltig(CBasis& basis, int mitglied, int konto)
{
    CKonto* k = Konto(basis, mitglied, konto);
    if (!k || !IstGeloescht(*k))
        return Ausgang::kNichtMoeglich;
    EntferneStempel(basis, {k->m_nStatus});
    auto& konten = Mitglied(basis, mitglied)->m_arrKonten;
    konten.erase(konten.begin() + konto);
    return Ausgang::kErledigt;
}

Ausgang AendereKontostand(CBasis& basis, int mitglied, int konto, double betrag)
{
    CKonto* k = Konto(basis, mitglied, konto);
    if (!k)
        return Ausgang::kNichtMoeglich;
    k->m_dStand = betrag;
    return Ausgang::kErledigt;
}

Betragseingabe LiesBetragsfeld(const std::string& text)
{
    Betragseingabe eingabe{text.empty() ? "0" : text};
    std::replace(eingabe.strText.begin(), eingabe.strText.end(), ',', '.');
    const char* anfang = eingabe.strText.c_str();
    const char* ende = anfang + eingabe.strText.size();
    while (anfang < ende && (*anfang == ' ' || *anfang == '\t'))
        ++anfang;
    if (anfang < ende && *anfang == '+')
        ++anfang;
    double wert = 0.0;
    const auto [rest, fehler] = std::from_chars(anfang, ende, wert);
    if (fehler == std::errc() && std::isfinite(wert))
        eingabe.dWert = wert;
    return eingabe;
}

} // namespace velmora

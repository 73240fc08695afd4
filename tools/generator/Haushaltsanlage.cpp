#include "Haushaltsanlage.h"

#include "Auftragsentwurf.h"
#include "Basis.h"
#include "Kalender.h"
#include "Text.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace velmora::generator {

double AufCent(double betrag)
{
    return std::round(betrag * 100.0) / 100.0;
}

int MonatPlus(int monat, int anzahl)
{
    const int fortlaufend = monat / 100 * 12 + monat % 100 - 1 + anzahl;
    return fortlaufend / 12 * 100 + fortlaufend % 12 + 1;
}

Haushaltsanlage::Haushaltsanlage(CBasis& basis, const Haushaltsparameter& parameter, int ersterMonat, int nMonate)
    : m_basis(basis)
    , m_p(parameter)
    , m_en(parameter.bEnglisch)
    , m_nMonate(nMonate)
    , m_nErsterMonat(ersterMonat)
    , m_alle(parameter.bEnglisch ? "All" : "Alle")
{
}

void Haushaltsanlage::LegeAn()
{
    LegeFamilieAn();
    LegeKategorienAn();
    LegeLaedenAn();
    LegeAuftraegeAn();
}

void Haushaltsanlage::LegeFamilieAn()
{
    auto familie = std::make_unique<CFAMILY>();
    familie->m_strName = Familienname().In(m_en);
    for (const MitgliedVorlage& vorlage : Mitglieder()) {
        auto person = std::make_unique<CPerson>();
        person->m_strName = vorlage.name.In(m_en);
        person->m_nPerson24 = static_cast<int>(familie->m_arrPersonen.size());
        Mitglied mitglied{person->m_strName, vorlage.bKind, {}, {}};
        for (const KontoVorlage& k : vorlage.konten) {
            auto konto = std::make_unique<CKonto>();
            konto->m_strName = k.name.In(m_en);
            konto->m_dStand = k.dStart;
            konto->m_nIndex = static_cast<int>(person->m_arrKonten.size());
            mitglied.konten.push_back(konto.get());
            mitglied.referenzen.push_back(Format("%s, %s", person->m_strName.c_str(), konto->m_strName.c_str()));
            person->m_arrKonten.push_back(std::move(konto));
        }
        m_mitglieder.push_back(std::move(mitglied));
        familie->m_arrPersonen.push_back(std::move(person));
    }
    m_basis.m_arrFamilien.push_back(std::move(familie));
    m_basis.m_nFamilie = 0;
}

void Haushaltsanlage::LegeKategorienAn()
{
    for (const KategorieVorlage& vorlage : Kategorien()) {
        auto kategorie = std::make_unique<CKategorie>();
        kategorie->m_strName = vorlage.name.In(m_en);
        kategorie->m_nKat0C = 1;
        kategorie->m_nKat14 = static_cast<int>(m_basis.m_arrKategorien.size());
        std::vector<CUKategorie*> unter;
        for (const Name& name : vorlage.unter) {
            auto u = std::make_unique<CUKategorie>();
            u->m_strName = name.In(m_en);
            u->m_nKat0C = 1;
            u->m_nKat14 = static_cast<int>(kategorie->m_arrUKategorien.size());
            unter.push_back(u.get());
            kategorie->m_arrUKategorien.push_back(std::move(u));
        }
        m_kategorien.push_back(kategorie.get());
        m_unter.push_back(std::move(unter));
        m_basis.m_arrKategorien.push_back(std::move(kategorie));
    }
    // A sub-category created by mistake and deleted at once.
    m_basis.m_nLoeschNr -= 1;
    Kategorie(kGeloeschteKategorie, kGeloeschteUnterkategorie).unter->m_nKat0C = m_basis.m_nLoeschNr;
}

void Haushaltsanlage::LegeLaedenAn()
{
    double summe = 0.0;
    for (const LadenVorlage& vorlage : Laeden()) {
        auto ziel = std::make_unique<CZIELKONTO>();
        ziel->m_strName = vorlage.name.In(m_en);
        ziel->m_bGebucht = 1;
        ziel->m_nZiel14 = static_cast<int>(m_basis.m_arrZielKonten.size());
        m_laeden.push_back({&vorlage, ziel.get(), Kategorie(vorlage.kategorie, vorlage.unter)});
        summe += vorlage.dProMonat;
        m_haeufigkeit.push_back(summe);
        m_basis.m_arrZielKonten.push_back(std::move(ziel));
    }
    // The lottery shop was entered once and deleted before it was ever used.
    m_basis.m_nLoeschNr -= 1;
    LadenNamens(kGeloeschterLaden).ziel->m_bGebucht = m_basis.m_nLoeschNr;
}

void Haushaltsanlage::LegeAuftraegeAn()
{
    const int offenesEnde = std::max(20301231, (m_p.nHeute / 10000 + 5) * 10000 + 1231);
    const size_t eigene = Auftraege().size();
    const size_t anzahl = std::max(eigene, static_cast<size_t>(m_p.nDauerAuftraege));
    for (size_t nr = 0; nr < anzahl; ++nr) {
        const AuftragVorlage& vorlage = Auftraege()[nr % eigene];
        auto a = std::make_unique<CDauerAuftrag>();
        const Kategoriewahl wahl = Kategorie(vorlage.kategorie, vorlage.unter);
        a->m_strAuftraggeber = Referenz(vorlage.zahler);
        a->m_strEmpfaenger = Referenz(vorlage.empfaenger);
        a->m_strNutzniesser =
            vorlage.nNutzniesser == kFamilie ? Alle() : m_mitglieder[static_cast<size_t>(vorlage.nNutzniesser)].name;
        a->m_strKategorie = wahl.kategorie->m_strName;
        a->m_strUKategorie = wahl.unter->m_strName;
        a->m_strKommentar = vorlage.kommentar.In(m_en);
        a->m_dBetrag = vorlage.dBetrag;
        const bool zahlerEigen = vorlage.zahler.nMitglied >= 0;
        const bool empfaengerEigen = vorlage.empfaenger.nMitglied >= 0;
        a->m_nArt = zahlerEigen && empfaengerEigen ? 2 : (zahlerEigen ? 1 : 0);
        a->m_nZyklus = vorlage.nZyklus;
        a->m_strZyklus = ZyklusBeschreibung(vorlage.nZyklus, !m_en);
        if (nr >= eigene) {
            // One more order after the pattern of one of the household's own.
            a->m_dBetrag = AufCent(vorlage.dBetrag * (1.0 + 0.01 * static_cast<double>(nr / eigene)));
            a->m_strKommentar = Format(m_en ? "Order %zu" : "Auftrag %zu", nr + 1);
        }
        for (int monatTag : vorlage.termine) {
            auto termin = std::make_unique<CTermin>();
            termin->m_strTermin1 = Format("%2d.", monatTag % 100);
            termin->m_strTermin2 = m_basis.MonatsName(monatTag / 100);
            termin->m_nMonatTag = monatTag;
            a->m_arrTermine.push_back(std::move(termin));
        }
        a->m_nStatus = vorlage.bAktiv ? 1 : 0;
        a->m_nBeginn = DatumBei(vorlage.dBeginn, false);
        a->m_nEnde = vorlage.dEnde >= 1.0 ? offenesEnde : DatumBei(vorlage.dEnde, true);
        a->m_nNr = static_cast<int>(m_basis.m_arrDauerAuftraege.size());
        a->m_n48 = 1;
        if (vorlage.bGeloescht && nr < eigene)
            m_geloeschterAuftrag = a.get();
        m_basis.m_arrDauerAuftraege.push_back(std::move(a));
    }
}

Kategoriewahl Haushaltsanlage::Kategorie(std::string_view kategorie, std::string_view unter) const
{
    const auto& tabelle = Kategorien();
    for (size_t k = 0; k < tabelle.size(); ++k) {
        if (kategorie != tabelle[k].name.de)
            continue;
        for (size_t u = 0; u < tabelle[k].unter.size(); ++u) {
            if (unter == tabelle[k].unter[u].de)
                return {m_kategorien[k], m_unter[k][u]};
        }
    }
    throw std::logic_error("household tables name an unknown category: " + std::string(kategorie) + " / " +
                           std::string(unter));
}

Laden& Haushaltsanlage::LadenNamens(std::string_view deutscherName)
{
    for (Laden& laden : m_laeden) {
        if (deutscherName == laden.vorlage->name.de)
            return laden;
    }
    throw std::logic_error("household tables name an unknown counterpart: " + std::string(deutscherName));
}

std::string Haushaltsanlage::Referenz(const Seite& seite)
{
    if (seite.laden)
        return LadenNamens(seite.laden).ziel->m_strName;
    return m_mitglieder.at(static_cast<size_t>(seite.nMitglied)).referenzen.at(static_cast<size_t>(seite.nKonto));
}

// First day of the month at that share of the period, or for an end the last day of the month before.
int Haushaltsanlage::DatumBei(double anteil, bool ende) const
{
    const int index = static_cast<int>(anteil * m_nMonate);
    if (!ende)
        return MonatPlus(m_nErsterMonat, index) * 100 + 1;
    return MonatsEnde(MonatPlus(m_nErsterMonat, index - 1) * 100 + 1);
}

} // namespace velmora::generator

#include "Buchhaltung.h"

#include "Familienverwaltung.h"
#include "Fremdkontenverwaltung.h"
#include "Kategorienverwaltung.h"
#include "Start.h"

namespace velmora::test {

namespace {

template<class Satz>
const Satz& Finde(const OwnedList<Satz>& liste, const std::string& kennung)
{
    static const Satz kFehlt = [] {
        Satz s;
        s.m_strAuftraggeber = s.m_strEmpfaenger = s.m_strNutzniesser = "<fehlt>";
        return s;
    }();
    for (const auto& eintrag : liste) {
        if (eintrag->m_strKommentar == kennung)
            return *eintrag;
    }
    return kFehlt;
}

template<class Satz>
void Fuelle(Satz& s, const Buchung& b)
{
    s.m_strAuftraggeber = b.strAuftraggeber;
    s.m_strEmpfaenger = b.strEmpfaenger;
    s.m_strNutzniesser = b.strNutzniesser;
    s.m_strKategorie = b.strKategorie;
    s.m_strUKategorie = b.strUKategorie;
    s.m_strKommentar = b.strKennung;
    s.m_dBetrag = b.dBetrag;
}

} // namespace

Buchhaltung::Buchhaltung(int heute)
    : m_basis(std::make_unique<CBasis>())
{
    m_basis->m_uhr = FesteUhr(heute, 1200);
    StarteDaten(*m_basis, m_ordner.Pfad());
    // A first run has no settings file; the main window asks for the language, here German.
    m_basis->m_nSprache = kDeutsch;
}

CBasis& Buchhaltung::NeuerLauf(int heute)
{
    SpeichereAlles(*m_basis);
    m_basis = std::make_unique<CBasis>();
    m_basis->m_uhr = FesteUhr(heute, 1200);
    StarteDaten(*m_basis, m_ordner.Pfad());
    return *m_basis;
}

void Buchhaltung::RichteMeierEin()
{
    CBasis& b = *m_basis;
    SetzeFamilienName(b, "", "Meier");
    for (const char* name : {"Anna", "Bernd", "Annabelle"})
        ErstelleMitglied(b, name);
    ErstelleKonto(b, 0, "Giro-Konto", 1000.0);
    ErstelleKonto(b, 1, "Giro-Konto", 500.0);
    for (const char* name : {"Supermarkt", "Supermarkt Nord", "Anna", "Stadtwerke", "Arbeitgeber"})
        ErstelleFremdKonto(b, name);
    ErstelleKategorie(b, "Wohnen");
    ErstelleUKategorie(b, 0, "Strom");
    ErstelleUKategorie(b, 0, "Miete");
    ErstelleKategorie(b, "Auto");
    ErstelleUKategorie(b, 1, "Strom");
    ErstelleUKategorie(b, 1, "Benzin");
    ErstelleKategorie(b, "Lebensmittel");
}

void Buche(CBasis& basis, const Buchung& buchung)
{
    CInOut& t = basis.NeueTransaktion();
    Fuelle(t, buchung);
    t.m_nDatum = buchung.nDatum;
    basis.BucheTransaktion(t);
    basis.ZaehleNutzung(t);
    basis.MonatGeaendert(t.m_nDatum / 100);
}

CDauerAuftrag& NeuerAuftrag(CBasis& basis, const Buchung& vorlage)
{
    auto& auftrag = *basis.m_arrDauerAuftraege.emplace_back(std::make_unique<CDauerAuftrag>());
    Fuelle(auftrag, vorlage);
    auftrag.m_nStatus = 0;
    auftrag.m_nZyklus = 1;
    auftrag.m_nNr = static_cast<int>(basis.m_arrDauerAuftraege.size()) - 1;
    return auftrag;
}

int LoescheInUebersicht(CBasis& basis, const std::string& kennung)
{
    for (size_t i = 0; i < basis.m_arrInOut.size(); ++i) {
        if (basis.m_arrInOut[i]->m_strKommentar == kennung) {
            basis.m_nLoeschNr -= 1;
            basis.StorniereTransaktion(static_cast<int>(i));
            basis.MonatGeaendert(basis.m_arrInOut[i]->m_nDatum / 100);
            return basis.m_nLoeschNr;
        }
    }
    return 0;
}

const CInOut& Transaktion(const CBasis& basis, const std::string& kennung)
{
    return Finde(basis.m_arrInOut, kennung);
}

const CDauerAuftrag& Auftrag(const CBasis& basis, const std::string& kennung)
{
    return Finde(basis.m_arrDauerAuftraege, kennung);
}

double Stand(const CBasis& basis, const std::string& person, const std::string& konto)
{
    return KontoVon(basis, person, konto).m_dStand;
}

} // namespace velmora::test

#include "Testhaushalt.h"

#include "AuswahlAnsicht.h"
#include "AuswahlModell.h"
#include "Bedienung.h"
#include "Dateinamen.h"
#include "Datenbau.h"
#include "InOut.h"
#include "QtText.h"

#include <QHeaderView>
#include <QTest>
#include <stdexcept>

namespace velmora::test {

namespace {

void NeueKategorie(CBasis& basis, const std::string& name, std::initializer_list<const char*> unter)
{
    auto kategorie = std::make_unique<CKategorie>();
    kategorie->m_strName = name;
    kategorie->m_nKat0C = 1;
    kategorie->m_nKat14 = static_cast<int>(basis.m_arrKategorien.size());
    for (const char* u : unter) {
        auto uKategorie = std::make_unique<CUKategorie>();
        uKategorie->m_strName = u;
        uKategorie->m_nKat0C = 1;
        uKategorie->m_nKat14 = static_cast<int>(kategorie->m_arrUKategorien.size());
        kategorie->m_arrUKategorien.push_back(std::move(uKategorie));
    }
    basis.m_arrKategorien.push_back(std::move(kategorie));
}

} // namespace

Testhaushalt::Testhaushalt(int sprache)
    : m_basis(std::make_unique<CBasis>())
{
    CBasis& b = *m_basis;
    b.m_strPfad = Ordner();
    b.m_nSprache = sprache;
    b.m_nHeute = kHeute;
    b.m_nErsterMonat = 202401;
    auto familie = std::make_unique<CFAMILY>();
    familie->m_strName = "Meier";
    NeuesMitglied(*familie, "Anna", {{"Giro", 100.0}, {"Bar", 50.0}});
    NeuesMitglied(*familie, "Bernd", {{"Bar", 20.0}});
    b.m_arrFamilien.push_back(std::move(familie));
    b.m_nFamilie = 0;
    for (const char* name : {"Supermarkt", "Arbeitgeber", "Tankstelle"}) {
        auto ziel = std::make_unique<CZIELKONTO>();
        ziel->m_strName = name;
        ziel->m_bGebucht = 1;
        ziel->m_nZiel14 = static_cast<int>(b.m_arrZielKonten.size());
        b.m_arrZielKonten.push_back(std::move(ziel));
    }
    NeueKategorie(b, "Lebensmittel", {"Obst", "Brot"});
    NeueKategorie(b, "Auto", {"Benzin"});
    NeueKategorie(b, "Gehalt", {});
    b.m_arrLoadedFiles.push_back(
        std::make_unique<CLoadedFiles>(CLoadedFiles{MonatsDateiname("Meier", 202403), 202403, 0}));
}

const CKonto& Testhaushalt::Konto(const std::string& person, const std::string& konto) const
{
    for (const auto& p : m_basis->Familie()->m_arrPersonen) {
        for (const auto& k : p->m_arrKonten) {
            if (p->m_strName == person && k->m_strName == konto)
                return *k;
        }
    }
    throw std::invalid_argument("no account " + person + ", " + konto);
}

double Testhaushalt::Stand(const std::string& person, const std::string& konto) const
{
    return Konto(person, konto).m_dStand;
}

CZIELKONTO& Testhaushalt::Ziel(const std::string& name)
{
    for (auto& z : m_basis->m_arrZielKonten) {
        if (z->m_strName == name)
            return *z;
    }
    throw std::invalid_argument("no external account " + name);
}

CKategorie& Testhaushalt::Kategorie(const std::string& name)
{
    for (auto& k : m_basis->m_arrKategorien) {
        if (k->m_strName == name)
            return *k;
    }
    throw std::invalid_argument("no category " + name);
}

Eingabefenster::Eingabefenster(CBasis& basis, Hub& hub)
    : m_fenster(new InOut(basis, hub))
{
    m_fenster->show();
    if (!QTest::qWaitForWindowExposed(m_fenster))
        throw std::runtime_error("the entry window was not shown");
}

Eingabefenster::~Eingabefenster()
{
    delete m_fenster.data();
}

AuswahlAnsicht& Eingabefenster::Liste(int id) const
{
    auto* liste = test::Element<AuswahlAnsicht>(*m_fenster, id);
    if (!liste)
        throw std::invalid_argument("no picker c" + std::to_string(id));
    return *liste;
}

QWidget& Eingabefenster::Element(int id) const
{
    auto* element = test::Element(*m_fenster, id);
    if (!element)
        throw std::invalid_argument("no control c" + std::to_string(id));
    return *element;
}

void Eingabefenster::Klicke(int id, const std::string& text, bool rechts) const
{
    AuswahlAnsicht& liste = Liste(id);
    const int zeile = ZeileMitText(liste.Modell()->Zeilen(), text);
    if (zeile < 0)
        throw std::invalid_argument("no row " + text + " in c" + std::to_string(id));
    const QModelIndex zelle = liste.model()->index(zeile, 0);
    liste.scrollTo(zelle);
    QTest::mouseClick(liste.viewport(), rechts ? Qt::RightButton : Qt::LeftButton, {},
                      liste.visualRect(zelle).center());
}

void Eingabefenster::KlickeLeer(int id, bool rechts) const
{
    AuswahlAnsicht& liste = Liste(id);
    QTest::mouseClick(liste.viewport(), rechts ? Qt::RightButton : Qt::LeftButton, {},
                      QPoint(10, liste.viewport()->height() - 5));
}

void Eingabefenster::KlickeKopf(int id) const
{
    QHeaderView* kopf = Liste(id).horizontalHeader();
    QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, QPoint(kopf->sectionSize(0) / 2, kopf->height() / 2));
}

void Eingabefenster::Tippe(const QString& betrag) const
{
    test::Tippe(*m_fenster, InOut::kBetrag, betrag);
}

void Eingabefenster::Uebernimm() const
{
    test::Klicke(*m_fenster, InOut::kUebernehmen);
}

bool Eingabefenster::UebernehmenAktiv() const
{
    return Element(InOut::kUebernehmen).isEnabled();
}

void Eingabefenster::Buche(const std::string& zahler, const std::string& empfaenger, const QString& betrag) const
{
    Klicke(InOut::kZahler, zahler);
    Klicke(InOut::kEmpfaenger, empfaenger);
    Tippe(betrag);
    Uebernimm();
}

std::vector<std::string> Eingabefenster::Zeilen(int id) const
{
    std::vector<std::string> zeilen;
    for (const auto& z : Liste(id).Modell()->Zeilen())
        zeilen.push_back(z->m_strName);
    return zeilen;
}

std::string Eingabefenster::Gewaehlt(int id) const
{
    const AuswahlModell& modell = *Liste(id).Modell();
    return modell.Text(modell.Gewaehlt());
}

} // namespace velmora::test

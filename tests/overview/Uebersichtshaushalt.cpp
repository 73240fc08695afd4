#include "Uebersichtshaushalt.h"

#include "Buchung.h"
#include "Dateinamen.h"
#include "Datenbau.h"
#include "EintragBearbeiten.h"

#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <stdexcept>

namespace velmora::test {

Uebersichtshaushalt::Uebersichtshaushalt(int sprache)
    : m_basis(std::make_unique<CBasis>())
{
    CBasis& b = *m_basis;
    b.m_strPfad = Ordner();
    b.m_nSprache = sprache;
    b.m_nHeute = kHeute;
    b.m_nErsterMonat = 202402;
    auto familie = std::make_unique<CFAMILY>();
    familie->m_strName = "Meier";
    NeuesMitglied(*familie, "Anna", {{"Giro", 100.0}, {"Spar", 50.0}});
    NeuesMitglied(*familie, "Bernd", {{"Giro", 20.0}});
    b.m_arrFamilien.push_back(std::move(familie));
    b.m_nFamilie = 0;
    struct Satz
    {
        const char* zahler;
        const char* empfaenger;
        const char* kategorie;
        const char* kommentar;
        double betrag;
        int datum;
    };
    const Satz saetze[] = {
        {"Bernd, Giro", "Tankstelle", "Auto", "Tanken", 40.0, 20240220},
        {"Arbeitgeber", "Anna, Giro", "Gehalt", "", 2000.0, 20240301},
        {"Anna, Giro", "Supermarkt", "Lebensmittel",
         "B\xE4"
         "ckerei",
         12.5, 20240305},
        {"Anna, Giro", "Anna, Spar", "Sparen", "Monat", 100.0, 20240310},
        {"Anna, Giro", "Bernd, Giro", "Taschengeld", "Monat", 50.0, 20240312},
        {"Bernd, Giro", "Supermarkt", "Lebensmittel", "Brot", 7.25, 20240314},
    };
    for (const Satz& s : saetze) {
        Buchungseingabe e;
        e.strZahler = s.zahler;
        e.strEmpfaenger = s.empfaenger;
        e.strNutzniesser = "Anna";
        e.strKategorie = s.kategorie;
        e.strKommentar = s.kommentar;
        e.dBetrag = s.betrag;
        e.nDatum = s.datum;
        BucheNeu(b, e);
    }
    b.m_arrInOut.back()->m_nDauerAuftragNr = 2;
    for (auto& datei : b.m_arrLoadedFiles)
        datei->m_bGeaendert = 0;
}

double Uebersichtshaushalt::Stand(const std::string& person, const std::string& konto) const
{
    for (const auto& p : m_basis->Familie()->m_arrPersonen) {
        for (const auto& k : p->m_arrKonten) {
            if (p->m_strName == person && k->m_strName == konto)
                return k->m_dStand;
        }
    }
    throw std::invalid_argument("no account " + person + ", " + konto);
}

int Uebersichtshaushalt::Position(double betrag) const
{
    for (size_t i = 0; i < m_basis->m_arrInOut.size(); ++i) {
        if (m_basis->m_arrInOut[i]->m_dBetrag == betrag)
            return static_cast<int>(i);
    }
    return -1;
}

Uebersichtsfenster::Uebersichtsfenster(CBasis& basis, Hub& hub)
    : m_fenster(new Overview(basis, hub))
{
    EintragBearbeiten::SetzeAntwort([this](EintragBearbeiten& popup) {
        angeboten.push_back(popup.findChild<QWidget*>(QStringLiteral("c1025"))->isVisibleTo(&popup));
        return wahl;
    });
    m_fenster->show();
    if (!QTest::qWaitForWindowExposed(m_fenster))
        throw std::runtime_error("the overview was not shown");
}

Uebersichtsfenster::~Uebersichtsfenster()
{
    EintragBearbeiten::SetzeAntwort({});
    delete m_fenster.data();
}

QTableView& Uebersichtsfenster::Tabelle() const
{
    return *m_fenster->findChild<QTableView*>(QStringLiteral("c1019"));
}

std::vector<QString> Uebersichtsfenster::Spalte(int spalte) const
{
    std::vector<QString> texte;
    const QAbstractItemModel& modell = *Tabelle().model();
    for (int zeile = 0; zeile < modell.rowCount(); ++zeile)
        texte.push_back(modell.index(zeile, spalte).data().toString());
    return texte;
}

void Uebersichtsfenster::KlickeZelle(int zeile, int spalte, bool rechts) const
{
    QTableView& liste = Tabelle();
    const QModelIndex zelle = liste.model()->index(zeile, spalte);
    liste.scrollTo(zelle);
    QTest::mouseClick(liste.viewport(), rechts ? Qt::RightButton : Qt::LeftButton, {},
                      liste.visualRect(zelle).center());
}

void Uebersichtsfenster::KlickeNebenZellen() const
{
    QTableView& liste = Tabelle();
    QTest::mouseClick(liste.viewport(), Qt::LeftButton, {}, QPoint(10, liste.viewport()->height() - 5));
}

void Uebersichtsfenster::KlickeKopf(int spalte) const
{
    QHeaderView* kopf = Tabelle().horizontalHeader();
    QTest::mouseClick(
        kopf->viewport(), Qt::LeftButton, {},
        QPoint(kopf->sectionViewportPosition(spalte) + kopf->sectionSize(spalte) / 2, kopf->height() / 2));
}

} // namespace velmora::test

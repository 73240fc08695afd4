#include "Testhaushalt.h"

#include "Buchung.h"
#include "Familienverwaltung.h"
#include "Fremdkontenverwaltung.h"
#include "Kategorienverwaltung.h"
#include "Meldung.h"
#include "Start.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace velmora::test {

Testhaushalt::Testhaushalt(int sprache)
    : m_basis(std::make_unique<CBasis>())
{
    m_basis->m_uhr = FesteUhr(kHeute, 1200);
    StarteDaten(*m_basis, Ordner());
    m_basis->m_nSprache = sprache;
}

CBasis& Testhaushalt::NeuerStart()
{
    SpeichereAlles(*m_basis);
    m_basis = std::make_unique<CBasis>();
    m_basis->m_uhr = FesteUhr(kHeute, 1300);
    StarteDaten(*m_basis, Ordner());
    return *m_basis;
}

void Testhaushalt::RichteMeierEin()
{
    CBasis& b = *m_basis;
    SetzeFamilienName(b, "", "Meier");
    ErstelleMitglied(b, "Anna");
    ErstelleMitglied(b, "Bernd");
    ErstelleKonto(b, 0, "Giro-Konto", 100.0);
    ErstelleFremdKonto(b, "Supermarkt");
    ErstelleFremdKonto(b, "Bank");
    ErstelleKategorie(b, "Wohnen");
    ErstelleUKategorie(b, 0, "Strom");
    ErstelleUKategorie(b, 0, "Miete");
    ErstelleKategorie(b, "Auto");
    BucheNeu(b, {"Anna, Giro-Konto", "Supermarkt", "Anna", "Wohnen", "Strom", "", 30.0, kHeute});
}

void TestHub::Benachrichtige(int code, int arg)
{
    codes.emplace_back(code, arg);
    if (code == kDatenGeaendert && beiAenderung)
        beiAenderung();
}

} // namespace velmora::test

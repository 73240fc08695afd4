#include "Testhaushalt.h"

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
#include <filesystem>
#include <random>

namespace velmora::test {

Testhaushalt::Testhaushalt(int sprache)
{
    std::random_device zufall;
    const auto pfad = std::filesystem::temp_directory_path() / ("velmora-einstellungen-" + std::to_string(zufall()));
    std::filesystem::create_directories(pfad);
    m_ordner = pfad.string();
    m_basis = std::make_unique<CBasis>();
    m_basis->m_uhr = FesteUhr(kHeute, 1200);
    StarteDaten(*m_basis, m_ordner);
    m_basis->m_nSprache = sprache;
}

Testhaushalt::~Testhaushalt()
{
    m_basis.reset();
    std::error_code fehler;
    std::filesystem::remove_all(m_ordner, fehler);
}

CBasis& Testhaushalt::NeuerStart()
{
    SpeichereAlles(*m_basis);
    m_basis = std::make_unique<CBasis>();
    m_basis->m_uhr = FesteUhr(kHeute, 1300);
    StarteDaten(*m_basis, m_ordner);
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
    CInOut& t = b.NeueTransaktion();
    t.m_strAuftraggeber = "Anna, Giro-Konto";
    t.m_strEmpfaenger = "Supermarkt";
    t.m_strNutzniesser = "Anna";
    t.m_strKategorie = "Wohnen";
    t.m_strUKategorie = "Strom";
    t.m_dBetrag = 30.0;
    t.m_nDatum = kHeute;
    b.BucheTransaktion(t);
    b.MonatGeaendert(kHeute / 100);
    b.m_arrZielKonten[0]->m_bBenutzt = 1;
    b.m_arrZielKonten[0]->m_nAnzahl = 1;
    b.m_arrKategorien[0]->m_bBenutzt = 1;
    b.m_arrKategorien[0]->m_arrUKategorien[0]->m_bBenutzt = 1;
}

void TestHub::Benachrichtige(int code, int arg)
{
    codes.emplace_back(code, arg);
    if (code == kDatenGeaendert && beiAenderung)
        beiAenderung();
}

} // namespace velmora::test

#include "Buehne.h"

#include "Bedienung.h"
#include "Buchung.h"
#include "Fremdkontenverwaltung.h"
#include "Kategorienverwaltung.h"
#include "Start.h"
#include "Textpruefung.h"

#include <QApplication>

namespace velmora::test {

const char* const kLangeFamilie = "Wittgenstein-Hohenzollern";
const char* const kLangesMitglied = "Wilhelmina Maria Theresia";
const char* const kLangesKonto = "Gemeinschaftskonto Sparda";
const char* const kLangesFremdKonto = "Stadtwerke Wuppertal GmbH";
const char* const kLangeKategorie = "Versicherungen und Steuer";

namespace {

void LangerHaushalt(CBasis& basis)
{
    CFAMILY& familie = *basis.m_arrFamilien.front();
    familie.m_strName = kLangeFamilie;
    const std::string bar = basis.Deutsch() ? "Bar" : "Cash";
    NeuesMitglied(familie, kLangesMitglied, {{kLangesKonto, -kGroessterBetrag}, {bar, kGroessterBetrag}});
    NeuesMitglied(familie, "Maximilian Georg Wolfgang", {{bar, 0.0}, {"Tagesgeldkonto Volksbank", kGroessterBetrag}});
    ErstelleFremdKonto(basis, kLangesFremdKonto);
    ErstelleKategorie(basis, kLangeKategorie);
    ErstelleUKategorie(basis, 0, "Wohngeb\xE4udeversicherungen");
    Buchungseingabe eingabe;
    eingabe.strZahler = std::string(kLangesMitglied) + ", " + kLangesKonto;
    eingabe.strEmpfaenger = kLangesFremdKonto;
    eingabe.strNutzniesser = kLangesMitglied;
    eingabe.strKategorie = kLangeKategorie;
    eingabe.strUKategorie = "Wohngeb\xE4udeversicherungen";
    eingabe.strKommentar = "Abschlag Strom und Wasser f\xFCr das ganze Jahr";
    eingabe.dBetrag = kGroessterBetrag;
    eingabe.nDatum = kHeute - 1;
    BucheNeu(basis, eingabe);
    // The booking moved the balance; the stage shows the largest one.
    familie.m_arrPersonen[0]->m_arrKonten[0]->m_dStand = -kGroessterBetrag;
}

} // namespace

Buehne::Buehne(int sprache)
    : m_nSprache(sprache)
{
    m_haushalt.Schreibe(LangerHaushalt, sprache);
}

Buehne::~Buehne()
{
    m_haupt.reset();
    RaeumeAuf();
}

CVelmoraDlg& Buehne::Haupt()
{
    if (!m_haupt) {
        const int sprache = m_nSprache;
        m_haupt = std::make_unique<CVelmoraDlg>(m_haushalt.Ordner(),
                                                Startumgebung{FesteUhr(kHeute, 1230), [sprache] { return sprache; }});
        m_haupt->show();
    }
    return *m_haupt;
}

void Buehne::KlickeHaupt(int knopf)
{
    Klicke(Haupt(), knopf);
    QApplication::processEvents();
}

void Buehne::Pruefe(QWidget& fenster, const QString& zustand)
{
    fenster.show();
    QApplication::processEvents();
    const QString vorsatz = zustand.isEmpty() ? QString() : zustand + QStringLiteral(": ");
    for (const QString& befund : PruefeTexte(fenster))
        befunde << vorsatz + befund;
}

} // namespace velmora::test

#include "Uebersichtsdruck.h"

#include "Basis.h"
#include "Drucktexte.h"
#include "Listenansicht.h"
#include "MaleText.h"
#include "QtText.h"
#include "Text.h"
#include "Texte.h"
#include "Uebersicht.h"
#include "UebersichtModell.h"
#include "Uebersichtsmalerei.h"

namespace velmora {

namespace {

constexpr int kBetrag = 7;
constexpr int kDatum = 8;
constexpr size_t kMuster = 8;

class Uebersichtszeilen final : public Zeilenquelle
{
public:
    Uebersichtszeilen(const OverviewListing& liste, bool geloeschteWeglassen)
        : m_liste(liste)
    {
        const CBasis& basis = liste.Basis();
        for (size_t i = 0; i < 3; ++i)
            m_farben[i] = AlsFarbe(basis.m_aFarben[i]);
        // Without deleted rows the printed rows are a selection; with them, the listing's own rows.
        if (geloeschteWeglassen) {
            m_bAuswahl = true;
            for (int z = 0; z < static_cast<int>(liste.m_arrZeilen.size()); ++z) {
                const CInOut* t = liste.TransaktionDerZeile(z);
                if (t && t->m_nStatus > 0)
                    m_zeilen.push_back(z);
            }
        }
    }

    int Anzahl() const override
    {
        return m_bAuswahl ? static_cast<int>(m_zeilen.size()) : static_cast<int>(m_liste.m_arrZeilen.size());
    }

    void Fuelle(int nr, Druckzeile& aus) const override
    {
        const int zeile = m_bAuswahl ? m_zeilen[static_cast<size_t>(nr)] : nr;
        const CInOut* t = m_liste.TransaktionDerZeile(zeile);
        if (!t)
            return;
        aus.bGrau = t->m_nStatus < 0;
        aus.texte[0] = t->m_nDauerAuftragNr >= 0 ? QStringLiteral("D") : QString();
        for (int spalte = 1; spalte < kSpalten; ++spalte)
            aus.texte[static_cast<size_t>(spalte)] = AlsQString(m_liste.Zelle(zeile, spalte)).trimmed();
        aus.texte[kBetrag] = MitVorzeichen(aus.texte[kBetrag], t->m_nArt);
        aus.farben.assign(aus.farben.size(),
                          m_farben[static_cast<size_t>(t->m_nArt == 0 || t->m_nArt == 1 ? t->m_nArt : 2)]);
    }

private:
    const OverviewListing& m_liste;
    bool m_bAuswahl = false;
    std::vector<int> m_zeilen;
    std::array<QColor, 3> m_farben;
};

QString Ueberschrift(const OverviewListing& liste)
{
    const bool deutsch = liste.Basis().Deutsch();
    if (!liste.m_bFilter)
        return Sprachtext(deutsch, "Gesamt", "Total");
    if (liste.m_nFilterArt == 0)
        return Filterart(liste);
    return Filterart(liste) + QStringLiteral(": ") + AlsQString(liste.Filterschluessel());
}

} // namespace

Drucksache UebersichtsDruck(const OverviewListing& liste, bool geloeschteWeglassen)
{
    const CBasis& basis = liste.Basis();
    const int sprache = basis.m_nSprache;
    const bool deutsch = basis.Deutsch();
    const CFAMILY* familie = basis.Familie();
    const QString name = familie ? AlsQString(familie->m_strName) : QString();

    Drucksache sache;
    sache.nSprache = sprache;
    sache.titel = name.isEmpty() ? Sprachtext(deutsch, "Übersicht", "Overview")
                                 : Sprachtext(deutsch, "Übersicht Familie %1", "Overview Family %1").arg(name);
    auto zeilen = std::make_shared<Uebersichtszeilen>(liste, geloeschteWeglassen);
    const auto datum = [deutsch](int tag) { return AlsQString(DatumsText(tag, deutsch)).trimmed(); };
    sache.unterzeilen = {Ueberschrift(liste),
                         Zeichenkette(sprache, kTxtZeitraum).arg(datum(basis.m_nVonDatum), datum(basis.m_nBisDatum)) +
                             QStringLiteral(" · ") + Zeichenkette(sprache, kTxtZeilen).arg(zeilen->Anzahl())};

    Drucktabelle tabelle;
    const UebersichtModell modell(liste, basis);
    for (int spalte = 0; spalte < kSpalten; ++spalte) {
        Druckspalte s;
        s.kopf = modell.headerData(spalte, Qt::Horizontal, Qt::DisplayRole).toString().trimmed();
        s.bRechts = spalte == kBetrag || spalte == kDatum;
        if (spalte == 0)
            s.muster = {QStringLiteral("D")};
        // Dates print in one width only with their padding blanks; a two-digit day and month is the widest.
        if (spalte == kDatum)
            s.muster = {datum(basis.m_nBisDatum / 10000 * 10000 + 1228)};
        for (const std::string& text : spalte > 0 ? liste.LaengsteTexte(spalte, kMuster) : std::vector<std::string>())
            s.muster << (spalte == kBetrag ? QStringLiteral("+") : QString()) + AlsQString(text).trimmed();
        tabelle.spalten.push_back(s);
    }
    tabelle.quelle = zeilen;
    sache.tabellen.push_back(std::move(tabelle));

    const QColor einnahmen = AlsFarbe(basis.m_aFarben[0]);
    const QColor ausgaben = AlsFarbe(basis.m_aFarben[1]);
    const double differenz = liste.m_dEinnahmen - liste.m_dAusgaben;
    sache.summen = {
        {{Zeichenkette(sprache, kTxtEinnahmen), einnahmen}, {Summentext(liste.m_dEinnahmen, true), einnahmen}},
        {{Zeichenkette(sprache, kTxtAusgaben), ausgaben}, {Summentext(-liste.m_dAusgaben, true), ausgaben}},
        {{Zeichenkette(sprache, kTxtDifferenz)}, {Summentext(differenz, true), differenz >= 0 ? einnahmen : ausgaben}},
        {{Zeichenkette(sprache, kTxtUmbuchungen), AlsFarbe(basis.m_aFarben[2])},
         {Summentext(liste.m_dUmbuchungen, false), AlsFarbe(basis.m_aFarben[2])}},
    };
    sache.nLinieVorSumme = 2;
    sache.fuss = Fusstext(sprache, name, basis.m_nHeute);
    return sache;
}

} // namespace velmora

#include "Auftragsdruck.h"

#include "Basis.h"
#include "DauerAuftragModell.h"
#include "DauerAuftragsliste.h"
#include "MaleText.h"
#include "QtText.h"
#include "Texte.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr size_t kMuster = 8;

class Auftragszeilen final : public Zeilenquelle
{
public:
    Auftragszeilen(const DauerAuftragsListe& liste, const CBasis& basis, bool geloeschteWeglassen)
        : m_liste(liste)
    {
        for (size_t i = 0; i < 3; ++i)
            m_farben[i] = AlsFarbe(basis.m_aFarben[i]);
        for (int z = 0; z < static_cast<int>(liste.m_arrZeilen.size()); ++z) {
            if (liste.AuftragDerZeile(z) && !(geloeschteWeglassen && liste.Geloescht(z)))
                m_zeilen.push_back(z);
        }
    }

    int Anzahl() const override { return static_cast<int>(m_zeilen.size()); }

    void Fuelle(int nr, Druckzeile& aus) const override
    {
        const int zeile = m_zeilen[static_cast<size_t>(nr)];
        const CDauerAuftrag& auftrag = *m_liste.AuftragDerZeile(zeile);
        aus.bGrau = m_liste.Geloescht(zeile) || m_liste.Beendet(zeile);
        aus.texte[kSpalteKennung] = m_liste.Icon(zeile) & 1 ? QStringLiteral("✓") : QString();
        for (int spalte = kSpalteAuftraggeber; spalte <= kSpalteEnde; ++spalte)
            aus.texte[static_cast<size_t>(spalte)] = AlsQString(m_liste.Zelle(zeile, spalte)).trimmed();
        aus.texte[kSpalteBetrag] = MitVorzeichen(aus.texte[kSpalteBetrag], auftrag.m_nArt);
        const int art = auftrag.m_nArt == 0 || auftrag.m_nArt == 1 ? auftrag.m_nArt : 2;
        aus.farben.assign(aus.farben.size(), m_farben[static_cast<size_t>(art)]);
    }

    // The longest texts of a column among the printed rows.
    QStringList Laengste(int spalte) const
    {
        std::vector<QString> texte;
        for (int z : m_zeilen)
            texte.push_back(AlsQString(m_liste.Zelle(z, spalte)).trimmed());
        const size_t anzahl = std::min(kMuster, texte.size());
        std::partial_sort(texte.begin(), texte.begin() + static_cast<long>(anzahl), texte.end(),
                          [](const QString& a, const QString& b) { return a.size() > b.size(); });
        QStringList laengste;
        for (size_t i = 0; i < anzahl; ++i)
            laengste << (spalte == kSpalteBetrag ? QStringLiteral("+") : QString()) + texte[i];
        return laengste;
    }

private:
    const DauerAuftragsListe& m_liste;
    std::vector<int> m_zeilen;
    std::array<QColor, 3> m_farben;
};

QString Ueberschrift(const DauerAuftragsListe& liste, const CBasis& basis)
{
    const bool deutsch = basis.Deutsch();
    if (liste.m_strFilterText.empty())
        return Sprachtext(deutsch, "Gesamt / Jahr", "Total / Year");
    const QString spalte = liste.SchluesselIstKonto() ? Zeichenkette(basis.m_nSprache, kTxtKonto)
                                                      : DauerAuftragsKopf(basis.m_nSprache, liste.m_nFilterArt);
    return spalte + QStringLiteral(": ") +
           Sprachtext(deutsch, "%1 / Jahr", "%1 / Year").arg(AlsQString(liste.m_strFilterText));
}

} // namespace

Drucksache AuftragsDruck(const CBasis& basis, const DauerAuftragsListe& liste, bool geloeschteWeglassen)
{
    const int sprache = basis.m_nSprache;
    const CFAMILY* familie = basis.Familie();
    const QString name = familie ? AlsQString(familie->m_strName) : QString();
    auto zeilen = std::make_shared<Auftragszeilen>(liste, basis, geloeschteWeglassen);

    Drucksache sache;
    sache.nSprache = sprache;
    sache.titel = Zeichenkette(sprache, kTxtDauerAuftraege);
    sache.unterzeilen = {Ueberschrift(liste, basis)};
    Drucktabelle tabelle;
    for (int spalte = kSpalteKennung; spalte <= kSpalteEnde; ++spalte) {
        Druckspalte s;
        s.kopf = spalte == kSpalteKennung ? QString() : DauerAuftragsKopf(sprache, spalte);
        s.bRechts = spalte == kSpalteBetrag;
        s.muster = spalte == kSpalteKennung ? QStringList{QStringLiteral("✓")} : zeilen->Laengste(spalte);
        tabelle.spalten.push_back(s);
    }
    tabelle.quelle = zeilen;
    sache.tabellen.push_back(std::move(tabelle));

    const QColor einnahmen = AlsFarbe(basis.m_aFarben[0]);
    const QColor ausgaben = AlsFarbe(basis.m_aFarben[1]);
    const QColor umbuchungen = AlsFarbe(basis.m_aFarben[2]);
    const double differenz = liste.m_dEinnahmen - liste.m_dAusgaben;
    const auto wort = [sprache](int offset) { return Zeichenkette(sprache, offset) + QLatin1Char(':'); };
    sache.summen = {
        {{wort(kTxtEinnahmen), einnahmen}, {Summentext(liste.m_dEinnahmen, true), einnahmen}},
        {{wort(kTxtAusgaben), ausgaben}, {Summentext(-liste.m_dAusgaben, true), ausgaben}},
        {{wort(kTxtDifferenz)}, {Summentext(differenz, true), differenz >= 0 ? einnahmen : ausgaben}},
        {{wort(kTxtUmbuchungen), umbuchungen}, {Summentext(liste.m_dUmbuchungen, false), umbuchungen}},
    };
    sache.nLinieVorSumme = 2;
    sache.fuss = Fusstext(sprache, name, basis.m_nHeute);
    return sache;
}

} // namespace velmora

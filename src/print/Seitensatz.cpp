#include "Seitensatz.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace velmora {

namespace {

constexpr double kRandMm = 12;
constexpr double kZellRandMm = 1.2;
constexpr double kTabellenAbstandMm = 5;
constexpr double kSchmalsteSpalteMm = 6;
constexpr int kZeilenZurSumme = 3;

QFont Schrift(double punkte, bool fett)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(punkte);
    font.setBold(fett);
    return font;
}

double Zeilenabstand(const QFont& font, const QPaintDevice& geraet)
{
    return QFontMetricsF(font, &geraet).lineSpacing();
}

double MmIn(const QPaintDevice& geraet)
{
    return geraet.logicalDpiX() / 25.4;
}

// The widest text columns give up room first, down to one common width, so that narrow columns (a
// member's name, a date) stay whole while a long comment is shortened.
void KappeTextspalten(std::vector<double>& breiten, const std::vector<size_t>& text, double platz)
{
    std::vector<double> sortiert;
    for (size_t i : text)
        sortiert.push_back(breiten[i]);
    std::sort(sortiert.begin(), sortiert.end());
    double kappe = sortiert.empty() ? 0 : sortiert.back();
    double rest = platz;
    for (size_t k = 0; k < sortiert.size(); ++k) {
        const double uebrige = static_cast<double>(sortiert.size() - k);
        if (sortiert[k] * uebrige > rest) {
            kappe = rest / uebrige;
            break;
        }
        rest -= sortiert[k];
    }
    for (size_t i : text)
        breiten[i] = std::min(breiten[i], kappe);
}

// Fits the natural widths into the printable width: text columns give up the difference, figures keep
// their widths; room left over goes to the painted columns (bars), else to the text columns.
void Passe(std::vector<double>& breiten, const Drucktabelle& tabelle, double platz, double schmalste)
{
    const double summe = std::accumulate(breiten.begin(), breiten.end(), 0.0);
    std::vector<size_t> text;
    std::vector<size_t> gemalt;
    double textteil = 0;
    double gemaltteil = 0;
    for (size_t i = 0; i < breiten.size(); ++i) {
        const Druckspalte& spalte = tabelle.spalten[i];
        if (spalte.dGemaltMm > 0) {
            gemalt.push_back(i);
            gemaltteil += breiten[i];
        } else if (!spalte.bRechts) {
            text.push_back(i);
            textteil += breiten[i];
        }
    }
    const auto verteile = [&](const std::vector<size_t>& spalten, double faktor) {
        for (size_t i : spalten)
            breiten[i] *= faktor;
    };
    if (summe > platz) {
        const double fuerText = platz - (summe - textteil);
        if (fuerText >= schmalste * static_cast<double>(text.size())) {
            KappeTextspalten(breiten, text, fuerText);
        } else {
            for (double& b : breiten)
                b *= platz / summe;
        }
        return;
    }
    const double frei = platz - summe;
    if (gemaltteil > 0)
        verteile(gemalt, 1 + frei / gemaltteil);
    else if (textteil > 0)
        verteile(text, 1 + frei / textteil);
}

} // namespace

Druckschriften::Druckschriften()
    : titel(Schrift(13, true))
    , unterzeile(Schrift(9.5, false))
    , tabellentitel(Schrift(11, true))
    , kopf(Schrift(8, true))
    , zeile(Schrift(8, false))
    , summe(Schrift(9, true))
    , fuss(Schrift(7, false))
{
}

std::vector<double> NatuerlicheBreiten(const Drucktabelle& tabelle, const Druckschriften& schriften,
                                       const QPaintDevice& geraet)
{
    const QFontMetricsF kopf(schriften.kopf, &geraet);
    const QFontMetricsF zeile(schriften.zeile, &geraet);
    const double mm = MmIn(geraet);
    std::vector<double> breiten;
    for (const Druckspalte& spalte : tabelle.spalten) {
        double breite = kopf.horizontalAdvance(spalte.kopf);
        for (const QString& text : spalte.muster)
            breite = std::max(breite, zeile.horizontalAdvance(text));
        breite += 2 * kZellRandMm * mm;
        breiten.push_back(std::max(breite, spalte.dGemaltMm * mm));
    }
    return breiten;
}

QPageLayout::Orientation Seitensatz::PassendeLage(const Drucksache& sache, const QPaintDevice& geraet,
                                                  const QPageSize& papier)
{
    const Druckschriften schriften;
    const QSizeF mm = papier.size(QPageSize::Millimeter);
    const double hochkant = (std::min(mm.width(), mm.height()) - 2 * kRandMm) * MmIn(geraet);
    for (const Drucktabelle& tabelle : sache.tabellen) {
        const std::vector<double> breiten = NatuerlicheBreiten(tabelle, schriften, geraet);
        if (std::accumulate(breiten.begin(), breiten.end(), 0.0) > hochkant)
            return QPageLayout::Landscape;
    }
    return QPageLayout::Portrait;
}

QPageLayout Seitensatz::Seitenformat(const QPageSize& papier, QPageLayout::Orientation lage)
{
    return QPageLayout(papier, lage, QMarginsF(kRandMm, kRandMm, kRandMm, kRandMm), QPageLayout::Millimeter);
}

Seitensatz::Seitensatz(const Drucksache& sache, const QPaintDevice& geraet)
{
    dMm = MmIn(geraet);
    dBreite = geraet.width();
    dRand = kZellRandMm * dMm;
    dZeile = Zeilenabstand(schriften.zeile, geraet) * 1.25;
    dKopf = Zeilenabstand(schriften.kopf, geraet) * 1.5;
    dTabellentitel = Zeilenabstand(schriften.tabellentitel, geraet) * 1.6;
    dSummenzeile = Zeilenabstand(schriften.summe, geraet) * 1.4;
    dUnten = geraet.height() - Zeilenabstand(schriften.fuss, geraet) * 2;
    for (const Drucktabelle& tabelle : sache.tabellen) {
        m_breiten.push_back(NatuerlicheBreiten(tabelle, schriften, geraet));
        Passe(m_breiten.back(), tabelle, dBreite, kSchmalsteSpalteMm * dMm);
    }
    Plane(sache, Kopfblock(sache, geraet));
}

double Seitensatz::Kopfblock(const Drucksache& sache, const QPaintDevice& geraet) const
{
    return Zeilenabstand(schriften.titel, geraet) * 1.3 +
           Zeilenabstand(schriften.unterzeile, geraet) * 1.15 * static_cast<double>(sache.unterzeilen.size()) + 3 * dMm;
}

void Seitensatz::Plane(const Drucksache& sache, double oben)
{
    m_seiten.emplace_back();
    double y = oben;
    const auto neueSeite = [&] {
        m_seiten.emplace_back();
        y = 0;
    };
    for (size_t t = 0; t < sache.tabellen.size(); ++t) {
        const Drucktabelle& tabelle = sache.tabellen[t];
        const int anzahl = tabelle.quelle ? tabelle.quelle->Anzahl() : 0;
        bool erstes = true;
        int erste = 0;
        while (true) {
            const bool mitTitel = erstes && !tabelle.titel.isEmpty();
            const double titel = mitTitel ? dTabellentitel : 0;
            const double noetig = titel + dKopf + (erste < anzahl ? dZeile : 0);
            if (y > 0 && y + noetig > dUnten)
                neueSeite();
            const int platz = std::max(1, static_cast<int>(std::floor((dUnten - y - titel - dKopf) / dZeile)));
            const int stueck = std::min(platz, anzahl - erste);
            m_seiten.back().stuecke.push_back({static_cast<int>(t), erste, stueck, mitTitel, y});
            y += titel + dKopf + stueck * dZeile;
            erste += stueck;
            erstes = false;
            if (erste >= anzahl)
                break;
            neueSeite();
        }
        y += kTabellenAbstandMm * dMm;
    }
    if (sache.summen.empty())
        return;
    const double hoehe = static_cast<double>(sache.summen.size()) * dSummenzeile + 2 * dRand;
    if (y > 0 && y + hoehe > dUnten) {
        // The totals never stand alone on a page: the last few rows go with them, under their header.
        Tabellenstueck letztes = m_seiten.back().stuecke.empty() ? Tabellenstueck{} : m_seiten.back().stuecke.back();
        const int mit = std::min(kZeilenZurSumme, letztes.nAnzahl - 1);
        neueSeite();
        if (mit > 0) {
            Druckseite& vorige = m_seiten[m_seiten.size() - 2];
            vorige.stuecke.back().nAnzahl -= mit;
            m_seiten.back().stuecke.push_back(
                {letztes.nTabelle, letztes.nErste + letztes.nAnzahl - mit, mit, false, 0});
            y = dKopf + mit * dZeile + kTabellenAbstandMm * dMm;
        }
    }
    m_seiten.back().dSummenY = y;
}

} // namespace velmora

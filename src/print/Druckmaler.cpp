#include "Druckmaler.h"

#include "Basis.h"
#include "Drucktexte.h"
#include "QtText.h"
#include "Seitensatz.h"
#include "Text.h"
#include "Texte.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cmath>
#include <malloc.h>

namespace velmora {

namespace {

const QColor kGrau(192, 192, 192);

// The PDF engine grows a buffer for every page and frees it at the page's end. With glibc's small
// default pad each page takes that memory from the system anew and hands it back, which costs a quarter
// of the time of a long listing; while printing, a pad of 64 MiB keeps it at hand.
class Seitenvorrat final
{
public:
    Seitenvorrat() { mallopt(M_TOP_PAD, 64 << 20); }
    ~Seitenvorrat() { mallopt(M_TOP_PAD, 128 << 10); }
    Seitenvorrat(const Seitenvorrat&) = delete;
    Seitenvorrat& operator=(const Seitenvorrat&) = delete;
};
const QColor kKopfGrund(232, 232, 232);

// One pass over the pages: holds the painter, the plan and the one row every source fills.
class Seitenmaler final
{
public:
    Seitenmaler(const Drucksache& sache, const Seitensatz& satz, QPainter& maler)
        : m_sache(sache)
        , m_satz(satz)
        , m_maler(maler)
        , m_zeilenMass(satz.schriften.zeile, maler.device())
    {
    }

    void MaleSeite(int nr)
    {
        if (nr == 0)
            MaleKopfblock();
        const Druckseite& seite = m_satz.Seite(nr);
        for (const Tabellenstueck& stueck : seite.stuecke)
            MaleStueck(stueck);
        if (seite.dSummenY >= 0)
            MaleSummen(seite.dSummenY);
        MaleFuss(nr);
    }

private:
    // Text in a cell, shortened with an ellipsis where it is too long, at the left or the right.
    void MaleText(const QFontMetricsF& mass, double links, double breite, double grundlinie, bool rechts,
                  const QString& text)
    {
        if (text.isEmpty())
            return;
        const double platz = breite - 2 * m_satz.dRand;
        double weite = mass.horizontalAdvance(text);
        QString gezeigt = text;
        if (weite > platz) {
            gezeigt = mass.elidedText(text, Qt::ElideRight, platz);
            weite = mass.horizontalAdvance(gezeigt);
        }
        const double x = rechts ? links + breite - m_satz.dRand - weite : links + m_satz.dRand;
        m_maler.drawText(QPointF(x, grundlinie), gezeigt);
    }

    void SetzeFarbe(const QColor& farbe)
    {
        if (farbe != m_farbe) {
            m_farbe = farbe;
            m_maler.setPen(farbe);
        }
    }

    void MaleKopfblock()
    {
        double y = 0;
        m_maler.setFont(m_satz.schriften.titel);
        SetzeFarbe(Qt::black);
        const QFontMetricsF titel(m_satz.schriften.titel, m_maler.device());
        m_maler.drawText(QPointF(0, y + titel.ascent()), m_sache.titel);
        y += titel.lineSpacing() * 1.3;
        m_maler.setFont(m_satz.schriften.unterzeile);
        const QFontMetricsF unter(m_satz.schriften.unterzeile, m_maler.device());
        for (const QString& zeile : m_sache.unterzeilen) {
            m_maler.drawText(QPointF(0, y + unter.ascent()), zeile);
            y += unter.lineSpacing() * 1.15;
        }
    }

    void MaleStueck(const Tabellenstueck& stueck)
    {
        const Drucktabelle& tabelle = m_sache.tabellen[static_cast<size_t>(stueck.nTabelle)];
        const std::vector<double>& breiten = m_satz.Breiten(stueck.nTabelle);
        double y = stueck.dY;
        if (stueck.bMitTitel) {
            m_maler.setFont(m_satz.schriften.tabellentitel);
            SetzeFarbe(Qt::black);
            const QFontMetricsF mass(m_satz.schriften.tabellentitel, m_maler.device());
            m_maler.drawText(QPointF(0, y + mass.ascent() + (m_satz.dTabellentitel - mass.height()) / 2),
                             tabelle.titel);
            y += m_satz.dTabellentitel;
        }
        MaleKopfzeile(tabelle, breiten, y);
        y += m_satz.dKopf;
        m_maler.setFont(m_satz.schriften.zeile);
        const double grundlinie = (m_satz.dZeile + m_zeilenMass.ascent() - m_zeilenMass.descent()) / 2;
        const size_t spalten = tabelle.spalten.size();
        for (int z = stueck.nErste; z < stueck.nErste + stueck.nAnzahl; ++z) {
            m_zeile.texte.assign(spalten, QString());
            m_zeile.farben.assign(spalten, QColor(Qt::black));
            m_zeile.bGrau = false;
            tabelle.quelle->Fuelle(z, m_zeile);
            double x = 0;
            for (size_t s = 0; s < spalten; ++s) {
                if (tabelle.spalten[s].dGemaltMm > 0) {
                    const QRect zelle(QPointF(x + m_satz.dRand, y + m_satz.dZeile * 0.1).toPoint(),
                                      QPointF(x + breiten[s] - m_satz.dRand, y + m_satz.dZeile * 0.9).toPoint());
                    tabelle.quelle->MaleZelle(m_maler, zelle, z, static_cast<int>(s));
                    m_farbe = QColor();
                } else {
                    SetzeFarbe(m_zeile.bGrau ? kGrau : m_zeile.farben[s]);
                    MaleText(m_zeilenMass, x, breiten[s], y + grundlinie, tabelle.spalten[s].bRechts, m_zeile.texte[s]);
                }
                x += breiten[s];
            }
            y += m_satz.dZeile;
            if (tabelle.nGruppe > 0 && (z + 1) % tabelle.nGruppe == 0) {
                SetzeFarbe(Qt::black);
                m_maler.drawLine(QPointF(0, y), QPointF(m_satz.dBreite, y));
            }
        }
    }

    void MaleKopfzeile(const Drucktabelle& tabelle, const std::vector<double>& breiten, double y)
    {
        m_maler.fillRect(QRectF(0, y, m_satz.dBreite, m_satz.dKopf), kKopfGrund);
        m_maler.setFont(m_satz.schriften.kopf);
        SetzeFarbe(Qt::black);
        const QFontMetricsF mass(m_satz.schriften.kopf, m_maler.device());
        const double grundlinie = y + (m_satz.dKopf + mass.ascent() - mass.descent()) / 2;
        double x = 0;
        for (size_t s = 0; s < tabelle.spalten.size(); ++s) {
            MaleText(mass, x, breiten[s], grundlinie, tabelle.spalten[s].bRechts, tabelle.spalten[s].kopf);
            x += breiten[s];
        }
        m_maler.drawLine(QPointF(0, y + m_satz.dKopf), QPointF(m_satz.dBreite, y + m_satz.dKopf));
    }

    void MaleSummen(double y)
    {
        m_maler.setFont(m_satz.schriften.summe);
        const QFontMetricsF mass(m_satz.schriften.summe, m_maler.device());
        // Label column as wide as its longest text, each figure column as wide as its longest figure.
        std::vector<double> breiten;
        for (const auto& zeile : m_sache.summen) {
            breiten.resize(std::max(breiten.size(), zeile.size()), 0.0);
            for (size_t s = 0; s < zeile.size(); ++s)
                breiten[s] = std::max(breiten[s], mass.horizontalAdvance(zeile[s].text) + 6 * m_satz.dRand);
        }
        double gesamt = 0;
        for (double b : breiten)
            gesamt += b;
        const double links = m_satz.dBreite - gesamt;
        const double oben = y;
        y += m_satz.dRand;
        const double grundlinie = (m_satz.dSummenzeile + mass.ascent() - mass.descent()) / 2;
        for (size_t z = 0; z < m_sache.summen.size(); ++z) {
            if (static_cast<int>(z) == m_sache.nLinieVorSumme) {
                SetzeFarbe(Qt::black);
                m_maler.drawLine(QPointF(links + m_satz.dRand, y), QPointF(m_satz.dBreite - m_satz.dRand, y));
            }
            double x = links;
            const auto& zeile = m_sache.summen[z];
            for (size_t s = 0; s < zeile.size(); ++s) {
                SetzeFarbe(zeile[s].farbe);
                MaleText(mass, x, breiten[s], y + grundlinie, s > 0, zeile[s].text);
                x += breiten[s];
            }
            y += m_satz.dSummenzeile;
        }
        if (m_sache.bSummenRahmen) {
            SetzeFarbe(Qt::black);
            m_maler.drawRect(QRectF(links, oben, gesamt, y + m_satz.dRand - oben));
        }
    }

    void MaleFuss(int nr)
    {
        m_maler.setFont(m_satz.schriften.fuss);
        SetzeFarbe(Qt::black);
        const QFontMetricsF mass(m_satz.schriften.fuss, m_maler.device());
        const double linie = m_satz.dUnten + mass.lineSpacing() * 0.5;
        m_maler.drawLine(QPointF(0, linie), QPointF(m_satz.dBreite, linie));
        const double grundlinie = linie + mass.lineSpacing() * 0.2 + mass.ascent();
        m_maler.drawText(QPointF(0, grundlinie), m_sache.fuss);
        const QString seite = Zeichenkette(m_sache.nSprache, kTxtSeiteVon).arg(nr + 1).arg(m_satz.Seiten());
        m_maler.drawText(QPointF(m_satz.dBreite - mass.horizontalAdvance(seite), grundlinie), seite);
    }

    const Drucksache& m_sache;
    const Seitensatz& m_satz;
    QPainter& m_maler;
    const QFontMetricsF m_zeilenMass;
    Druckzeile m_zeile;
    QColor m_farbe;
};

} // namespace

void Zeilenquelle::MaleZelle(QPainter&, const QRect&, int, int) const {}

QString MitVorzeichen(const QString& betrag, int art)
{
    if (art == 0)
        return QLatin1Char('+') + betrag;
    return art == 1 ? QLatin1Char('-') + betrag : betrag;
}

QString Summentext(double betrag, bool vorzeichen)
{
    // Nothing has no sign: no total prints as "-0.00".
    if (std::fabs(betrag) < 0.005)
        return QStringLiteral("0.00");
    return QString::asprintf(vorzeichen ? "%+.2f" : "%.2f", betrag);
}

QString Fusstext(int sprache, const QString& familie, int druckdatum)
{
    const QString datum = AlsQString(DatumsText(druckdatum, sprache == kDeutsch));
    const QString gedruckt = Zeichenkette(sprache, kTxtGedrucktAm).arg(datum.trimmed());
    if (familie.isEmpty())
        return gedruckt;
    return Zeichenkette(sprache, kTxtFamilie).arg(familie) + QStringLiteral(" · ") + gedruckt;
}

QPageLayout::Orientation LageFuer(const Drucksache& sache, const QPagedPaintDevice& geraet, Seitenlage wunsch)
{
    if (wunsch == Seitenlage::kHochformat)
        return QPageLayout::Portrait;
    if (wunsch == Seitenlage::kQuerformat)
        return QPageLayout::Landscape;
    return Seitensatz::PassendeLage(sache, geraet, geraet.pageLayout().pageSize());
}

int Drucke(const Drucksache& sache, QPagedPaintDevice& geraet, QPageLayout::Orientation lage)
{
    geraet.setPageLayout(Seitensatz::Seitenformat(geraet.pageLayout().pageSize(), lage));
    const Seitensatz satz(sache, geraet);
    const Seitenvorrat vorrat;
    QPainter maler;
    if (!maler.begin(&geraet))
        return 0;
    Seitenmaler seiten(sache, satz, maler);
    for (int nr = 0; nr < satz.Seiten(); ++nr) {
        if (nr > 0 && !geraet.newPage())
            return 0;
        seiten.MaleSeite(nr);
    }
    return maler.end() ? satz.Seiten() : 0;
}

bool SchreibePdf(const Drucksache& sache, const QString& datei, Seitenlage wunsch)
{
    // Written beside its place and renamed when whole: a failed run leaves an earlier file as it was.
    QSaveFile ziel(datei);
    if (!ziel.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter pdf(&ziel);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(600);
        pdf.setCreator(QStringLiteral("Velmora"));
        pdf.setTitle(sache.titel);
        if (Drucke(sache, pdf, LageFuer(sache, pdf, wunsch)) == 0) {
            ziel.cancelWriting();
            return false;
        }
    }
    return ziel.commit();
}

} // namespace velmora

#include "CPPHtmlDrawer.h"

#include "Bilder.h"
#include "Textzeuge.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>

namespace velmora {

namespace {

// The value of one attribute of a tag: name=value, name="value" or name='value'.
QString Attribut(const QString& tag, const QString& name)
{
    const QRegularExpression muster(
        QStringLiteral(R"re((?:^|\s)%1\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>/]+)))re").arg(name),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch treffer = muster.match(tag);
    if (!treffer.hasMatch())
        return {};
    for (int i = 1; i <= 3; ++i) {
        if (treffer.capturedStart(i) >= 0)
            return treffer.captured(i).trimmed();
    }
    return {};
}

// A rule without a usable colour is drawn grey, as browsers do.
QColor RegelFarbe(const QString& name)
{
    const QColor farbe = QColor::fromString(name);
    return farbe.isValid() ? farbe : QColor(Qt::gray);
}

QChar Entitaet(const QString& name)
{
    static const std::pair<const char*, char16_t> kEntitaeten[] = {
        {"amp", u'&'}, {"lt", u'<'}, {"gt", u'>'}, {"quot", u'"'}, {"apos", u'\''}, {"nbsp", u'\u00A0'},
    };
    for (const auto& [kuerzel, zeichen] : kEntitaeten) {
        if (name == QLatin1String(kuerzel))
            return QChar(zeichen);
    }
    return {};
}

} // namespace

// Turns the text into lines. A break always ends the current line, even an empty one, except right
// after a rule: the rule has its own line, and the break that usually follows it only closes that line.
// <center> does not break a line by itself; a line is centred when it begins inside it.
class HtmlLeser
{
public:
    HtmlLeser(std::vector<CPPHtmlDrawer::Zeile>& zeilen, bool mitBildern)
        : m_zeilen(zeilen)
        , m_mitBildern(mitBildern)
    {
    }

    void Lies(const QString& html)
    {
        for (qsizetype i = 0; i < html.size(); ++i) {
            const QChar c = html[i];
            if (c == u'<' && i + 1 < html.size() &&
                (html[i + 1].isLetter() || html[i + 1] == u'/' || html[i + 1] == u'!')) {
                const qsizetype ende = html.indexOf(u'>', i + 1);
                if (ende > i) {
                    Tag(html.mid(i + 1, ende - i - 1).trimmed());
                    i = ende;
                    continue;
                }
            } else if (c == u'&') {
                const qsizetype ende = html.indexOf(u';', i + 1);
                const QChar zeichen = ende > i && ende - i <= 6 ? Entitaet(html.mid(i + 1, ende - i - 1)) : QChar();
                if (!zeichen.isNull()) {
                    Zeichen(zeichen);
                    i = ende;
                    continue;
                }
            } else if (c == u'\n') {
                Umbruch();
                continue;
            } else if (c == u'\r') {
                continue;
            }
            Zeichen(c);
        }
        SchliesseStueck();
        if (!m_zeile.stuecke.empty())
            m_zeilen.push_back(std::move(m_zeile));
    }

private:
    void Tag(const QString& tag)
    {
        static const QRegularExpression kName(QStringLiteral("^(/?)([A-Za-z0-9]+)"));
        const QRegularExpressionMatch treffer = kName.match(tag);
        const bool schliessend = !treffer.captured(1).isEmpty();
        const QString name = treffer.captured(2).toLower();
        if (name == QLatin1String("center")) {
            m_zentriert = schliessend ? std::max(0, m_zentriert - 1) : m_zentriert + 1;
        } else if (name == QLatin1String("h1")) {
            SchliesseStueck();
            m_ueberschrift = schliessend ? std::max(0, m_ueberschrift - 1) : m_ueberschrift + 1;
        } else if (schliessend) {
            return;
        } else if (name == QLatin1String("br")) {
            Umbruch();
        } else if (name == QLatin1String("hr")) {
            Regel(RegelFarbe(Attribut(tag, QStringLiteral("color"))));
        } else if (name == QLatin1String("bmp") && m_mitBildern) {
            FuegeBildEin(Bild(Attribut(tag, QStringLiteral("idres")).toInt()));
        }
    }

    void BeginneInhalt()
    {
        if (m_zeile.stuecke.empty() && m_text.isEmpty())
            m_zeile.zentriert = m_zentriert > 0;
        m_nachRegel = false;
    }

    void Zeichen(QChar c)
    {
        BeginneInhalt();
        m_text += c;
    }

    void SchliesseStueck()
    {
        if (m_text.isEmpty())
            return;
        m_zeile.stuecke.push_back({m_text, m_ueberschrift > 0, {}});
        m_text.clear();
    }

    void SchliesseZeile()
    {
        m_zeilen.push_back(std::move(m_zeile));
        m_zeile = {};
    }

    void Umbruch()
    {
        SchliesseStueck();
        if (m_zeile.stuecke.empty()) {
            if (m_nachRegel) {
                m_nachRegel = false;
                return;
            }
            m_zeile.stuecke.push_back({QString(), m_ueberschrift > 0, {}});
        }
        SchliesseZeile();
    }

    void Regel(const QColor& farbe)
    {
        SchliesseStueck();
        if (!m_zeile.stuecke.empty())
            SchliesseZeile();
        m_zeile.regel = true;
        m_zeile.regelFarbe = farbe;
        SchliesseZeile();
        m_nachRegel = true;
    }

    void FuegeBildEin(const QPixmap& bild)
    {
        if (bild.isNull())
            return;
        BeginneInhalt();
        SchliesseStueck();
        m_zeile.stuecke.push_back({QString(), false, bild});
    }

    std::vector<CPPHtmlDrawer::Zeile>& m_zeilen;
    const bool m_mitBildern;
    CPPHtmlDrawer::Zeile m_zeile;
    QString m_text;
    int m_zentriert = 0;
    int m_ueberschrift = 0;
    bool m_nachRegel = false;
};

CPPHtmlDrawer::CPPHtmlDrawer(const QString& html)
{
    SetzeHtml(html);
}

void CPPHtmlDrawer::SetzeHtml(const QString& html)
{
    m_zeilen.clear();
    HtmlLeser(m_zeilen, true).Lies(html);
    Vermesse();
}

QString CPPHtmlDrawer::NurText(const QString& html)
{
    CPPHtmlDrawer drawer;
    HtmlLeser(drawer.m_zeilen, false).Lies(html);
    return drawer.KlarText();
}

QFont CPPHtmlDrawer::TextSchrift()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(10);
    return font;
}

QFont CPPHtmlDrawer::UeberschriftSchrift()
{
    QFont font = TextSchrift();
    font.setPointSize(14);
    font.setBold(true);
    return font;
}

void CPPHtmlDrawer::Vermesse()
{
    const QFontMetrics text(TextSchrift());
    const QFontMetrics kopf(UeberschriftSchrift());
    m_groesse = QSize(0, 0);
    for (Zeile& zeile : m_zeilen) {
        if (zeile.regel) {
            zeile.hoehe = kRegelHoehe;
        } else {
            int unterlaenge = 0;
            for (Stueck& stueck : zeile.stuecke) {
                if (!stueck.bild.isNull()) {
                    const QSize groesse = stueck.bild.deviceIndependentSize().toSize();
                    stueck.breite = groesse.width();
                    zeile.oberlaenge = std::max(zeile.oberlaenge, groesse.height());
                } else {
                    const QFontMetrics& metrik = stueck.ueberschrift ? kopf : text;
                    stueck.breite = metrik.horizontalAdvance(stueck.text);
                    zeile.oberlaenge = std::max(zeile.oberlaenge, metrik.ascent());
                    unterlaenge = std::max(unterlaenge, metrik.descent());
                }
                zeile.breite += stueck.breite;
            }
            zeile.hoehe = zeile.oberlaenge + unterlaenge;
        }
        m_groesse.setWidth(std::max(m_groesse.width(), zeile.breite));
        m_groesse.setHeight(m_groesse.height() + zeile.hoehe);
    }
}

void CPPHtmlDrawer::Male(QPainter& maler, const QRect& ziel) const
{
    maler.save();
    maler.setPen(Qt::black);
    int y = ziel.top();
    for (const Zeile& zeile : m_zeilen) {
        if (zeile.regel) {
            maler.fillRect(QRect(ziel.left(), y + (kRegelHoehe - 2) / 2, ziel.width(), 2), zeile.regelFarbe);
            y += zeile.hoehe;
            continue;
        }
        int x = ziel.left() + (zeile.zentriert ? (ziel.width() - zeile.breite) / 2 : 0);
        const int grundlinie = y + zeile.oberlaenge;
        for (const Stueck& stueck : zeile.stuecke) {
            if (!stueck.bild.isNull()) {
                maler.drawPixmap(QPoint(x, grundlinie - stueck.bild.deviceIndependentSize().toSize().height()),
                                 stueck.bild);
            } else if (!stueck.text.isEmpty()) {
                maler.setFont(stueck.ueberschrift ? UeberschriftSchrift() : TextSchrift());
                maler.drawText(QPoint(x, grundlinie), stueck.text);
                const QFontMetrics metrik = maler.fontMetrics();
                MeldeGemalt(maler, metrik, QPoint(x, grundlinie - metrik.ascent()), stueck.text);
            }
            x += stueck.breite;
        }
        y += zeile.hoehe;
    }
    maler.restore();
}

QString CPPHtmlDrawer::KlarText() const
{
    QStringList zeilen;
    for (const Zeile& zeile : m_zeilen) {
        QString text;
        for (const Stueck& stueck : zeile.stuecke)
            text += stueck.text;
        text = text.trimmed();
        if (!text.isEmpty())
            zeilen << text;
    }
    return zeilen.join(QLatin1Char('\n'));
}

QString CPPHtmlDrawer::Titel() const
{
    for (const Zeile& zeile : m_zeilen) {
        QString titel;
        for (const Stueck& stueck : zeile.stuecke) {
            if (stueck.ueberschrift)
                titel += stueck.text;
        }
        if (!titel.trimmed().isEmpty())
            return titel.trimmed();
    }
    return KlarText().section(QLatin1Char('\n'), 0, 0);
}

} // namespace velmora

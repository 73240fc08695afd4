#pragma once

// Lays out and draws the small HTML dialect of the help balloons with QPainter:
//   <center> ... </center>   lines that begin inside are centred
//   <h1> ... </h1>           heading, 14 pt bold; everything else is body text, 10 pt
//   <br> and "\n"            line break
//   <hr color=blue>          a rule across the whole width in the named colour
//   <bmp idres=181>          picture 181 of the program at its own size
// The entities &amp; &lt; &gt; &quot; &apos; and &nbsp; are understood; other tags are skipped.
// Lines break only where the text says so.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <vector>

class QPainter;
class QRect;

namespace velmora {

class CPPHtmlDrawer final
{
public:
    explicit CPPHtmlDrawer(const QString& html = QString());

    void SetzeHtml(const QString& html);

    // The room the text needs, without any margin.
    QSize Groesse() const { return m_groesse; }

    // Draws from the top-left corner of the rectangle; centred lines and rules use its width.
    void Male(QPainter& maler, const QRect& ziel) const;

    // The words without tags and pictures, one line per line, empty lines left out: what a screen
    // reader reads.
    QString KlarText() const;
    // The first heading, or the first line when there is no heading.
    QString Titel() const;
    // KlarText of a text, without loading its pictures.
    static QString NurText(const QString& html);

    static QFont TextSchrift();
    static QFont UeberschriftSchrift();

    // Height of the line a rule takes up.
    static constexpr int kRegelHoehe = 10;

private:
    // A run of text in one font, or a picture. An empty line holds one empty run, so that it is as
    // high as the font it was broken in.
    struct Stueck
    {
        QString text;
        bool ueberschrift = false;
        QPixmap bild; // a picture when not null
        int breite = 0;
    };

    struct Zeile
    {
        std::vector<Stueck> stuecke;
        bool zentriert = false;
        bool regel = false;
        QColor regelFarbe;
        int oberlaenge = 0;
        int hoehe = 0;
        int breite = 0;
    };

    friend class HtmlLeser;

    void Vermesse();

    std::vector<Zeile> m_zeilen;
    QSize m_groesse;
};

} // namespace velmora

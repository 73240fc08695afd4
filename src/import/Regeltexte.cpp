#include "Regeltexte.h"

#include "Importregel.h"
#include "QtText.h"

#include <QStringList>

namespace velmora {

namespace {

QString Betrag(double betrag)
{
    return QString::asprintf("%.2f", betrag);
}

void Fuege(QStringList& teile, const std::string& wert, const QString& vorn)
{
    if (!wert.empty())
        teile << vorn.arg(AlsQString(wert));
}

} // namespace

QString Bedingungstext(const Importregel& r, bool deutsch)
{
    QStringList teile;
    Fuege(teile, r.strNameEnthaelt, Sprachtext(deutsch, "Name enthält „%1“", "name contains \"%1\""));
    Fuege(teile, r.strNameBeginnt, Sprachtext(deutsch, "Name beginnt mit „%1“", "name starts with \"%1\""));
    Fuege(teile, r.strNameGleich, Sprachtext(deutsch, "Name ist „%1“", "name is \"%1\""));
    Fuege(teile, r.strIban, QStringLiteral("IBAN %1"));
    Fuege(teile, r.strZweckEnthaelt, Sprachtext(deutsch, "Zweck enthält „%1“", "purpose contains \"%1\""));
    if (r.cVorzeichen)
        teile << (r.cVorzeichen == '+' ? Sprachtext(deutsch, "Eingang", "money in")
                                       : Sprachtext(deutsch, "Ausgang", "money out"));
    if (r.dMin)
        teile << Sprachtext(deutsch, "ab %1", "from %1").arg(Betrag(*r.dMin));
    if (r.dMax)
        teile << Sprachtext(deutsch, "bis %1", "up to %1").arg(Betrag(*r.dMax));
    return teile.join(QStringLiteral(", "));
}

QString Wirkungstext(const Importregel& r, bool deutsch)
{
    QStringList teile;
    Fuege(teile, r.strKonto, QStringLiteral("→ %1"));
    Fuege(teile, r.strNutzniesser, QStringLiteral("%1"));
    Fuege(teile, r.strKategorie + (r.strUKategorie.empty() ? "" : " / " + r.strUKategorie), QStringLiteral("%1"));
    Fuege(teile, r.strKommentar, Sprachtext(deutsch, "„%1“", "\"%1\""));
    return teile.join(QStringLiteral(", "));
}

QString Fehlertext(Regelfehler fehler, bool deutsch)
{
    switch (fehler) {
        case Regelfehler::kKeiner:
            return {};
        case Regelfehler::kOhneBedingung:
            return Sprachtext(deutsch, "Die Regel braucht eine Bedingung.", "The rule needs a condition.");
        case Regelfehler::kZuKurz:
            return Sprachtext(deutsch, "Ein Text als Bedingung braucht mindestens zwei Zeichen.",
                              "A text condition needs at least two characters.");
        case Regelfehler::kSpanne:
            return Sprachtext(deutsch, "Die Beträge dürfen nicht negativ sein, „von“ nicht über „bis“.",
                              "Amounts must not be negative, \"from\" not above \"to\".");
        case Regelfehler::kOhneWirkung:
            return Sprachtext(deutsch, "Die Regel setzt nichts (oder eine Unter-Kategorie ohne Kategorie).",
                              "The rule sets nothing (or a sub-category without a category).");
    }
    return {};
}

} // namespace velmora

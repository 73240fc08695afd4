#include "Fensterkopf.h"

#include "Basis.h"
#include "Hauptfensterplan.h"
#include "MaleText.h"
#include "QtText.h"
#include "Text.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QToolTip>

namespace velmora {

namespace {

const QPoint kFamilienNameOrt(16, 8);
const QPoint kHeuteOrt(352, 8);
const QPoint kLetzterAufrufOrt(316, 46);
constexpr Schrift kKopfSchrift{30};
// The family name ends where today's date begins; a longer name is shortened with "…".
const QRect kFamilienNameFeld(kFamilienNameOrt, QPoint(kHeuteOrt.x() - 12, kFamilienNameOrt.y() + 30));

QString AufFamilienNameFeld(const QString& name)
{
    return QFontMetrics(SchriftFuer(kKopfSchrift)).elidedText(name, Qt::ElideRight, kFamilienNameFeld.width());
}

} // namespace

Fensterkopf::Fensterkopf(const CBasis& basis)
    : m_basis(basis)
{
}

QStringList Fensterkopf::Texte(bool gesperrt) const
{
    const bool deutsch = m_basis.Deutsch();
    QStringList texte;
    if (const CFAMILY* familie = m_basis.Familie())
        texte << AlsQString(Format(" %s", familie->m_strName.c_str()));
    texte << AlsQString(DatumsText(m_basis.m_nHeute, deutsch));
    // The very first run has no previous one to tell of.
    if (m_basis.m_nLetzterAufruf != 0) {
        const std::string letzter = DatumsText(m_basis.m_nLetzterAufruf, deutsch);
        texte << AlsQString(deutsch ? Format("letzter Aufruf: %s", letzter.c_str())
                                    : Format("     last call: %s", letzter.c_str()));
    }
    if (gesperrt && !m_basis.m_strPasswort.empty())
        texte << Sprachtext(deutsch, "Bitte Passwort eingeben:", "Please Enter Password:");
    return texte;
}

void Fensterkopf::Male(QPainter& maler, bool gesperrt) const
{
    const QStringList texte = Texte(gesperrt);
    int n = 0;
    if (m_basis.Familie())
        MaleText(maler, kFamilienNameOrt, AufFamilienNameFeld(texte[n++]), kKopfSchrift, Qt::black);
    MaleText(maler, kHeuteOrt, texte[n++], kKopfSchrift, Qt::black);
    if (m_basis.m_nLetzterAufruf != 0)
        MaleText(maler, kLetzterAufrufOrt, texte[n++], {20}, Qt::black);
    if (n < texte.size())
        MaleText(maler, kPasswortFrageOrt, texte[n], {28}, Qt::black);
}

QString Fensterkopf::Beschreibung(bool gesperrt) const
{
    // Screen readers cannot see painted texts; the window describes them.
    QStringList texte = Texte(gesperrt);
    for (QString& text : texte)
        text = text.simplified();
    return texte.join(QStringLiteral(", "));
}

bool Fensterkopf::ZeigeTipp(const QHelpEvent& hilfe, QWidget* fenster) const
{
    if (!m_basis.Familie())
        return false;
    const QString name = Texte(false).front();
    if (!kFamilienNameFeld.contains(hilfe.pos()) || AufFamilienNameFeld(name) == name)
        return false;
    QToolTip::showText(hilfe.globalPos(), name.trimmed(), fenster, kFamilienNameFeld);
    return true;
}

} // namespace velmora

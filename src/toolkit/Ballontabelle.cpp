#include "Ballontabelle.h"

#include "Basis.h"
#include "CPPToolTip.h"

#include <QString>
#include <QWidget>

namespace velmora {

QString BallonHtml(const QString& titel, const QString& text, int bild, const QString& regel)
{
    QString html = QStringLiteral("<center><h1>") + titel + QStringLiteral("</h1></center><br><hr color=") + regel +
                   QStringLiteral("><br><center>") + text + QStringLiteral("</center><br>");
    if (bild != 0)
        html += QStringLiteral("<bmp idres=%1>").arg(bild);
    return html;
}

void FuelleDeutscheBallons(CPPToolTip& ballons, const CBasis& basis, std::span<const Ballontext> tabelle,
                           const std::function<QWidget*(int id)>& steuerelement)
{
    ballons.RemoveAllTools();
    if (!basis.m_bTooltips || !basis.Deutsch())
        return;
    for (const Ballontext& b : tabelle) {
        if (QWidget* control = steuerelement(b.id))
            ballons.AddTool(control, BallonHtml(QString::fromUtf8(b.titel), QString::fromUtf8(b.text), b.bild));
    }
}

} // namespace velmora

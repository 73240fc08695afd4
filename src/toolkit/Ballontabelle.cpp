#include "Ballontabelle.h"

#include "Basis.h"
#include "CPPToolTip.h"

#include <QString>
#include <QWidget>

namespace velmora {

void FuelleDeutscheBallons(CPPToolTip& ballons, const CBasis& basis, std::span<const Ballontext> tabelle,
                           const std::function<QWidget*(int id)>& steuerelement)
{
    ballons.RemoveAllTools();
    if (!basis.m_bTooltips || !basis.Deutsch())
        return;
    for (const Ballontext& b : tabelle) {
        QString text = QStringLiteral("<center><h1>%1</h1></center><br><hr color=blue><br><center>%2</center><br>")
                           .arg(QString::fromUtf8(b.titel), QString::fromUtf8(b.text));
        if (b.bild != 0)
            text += QStringLiteral("<bmp idres=%1>").arg(b.bild);
        if (QWidget* control = steuerelement(b.id))
            ballons.AddTool(control, text);
    }
}

} // namespace velmora

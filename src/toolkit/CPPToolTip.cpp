#include "CPPToolTip.h"

#include <QWidget>

namespace velmora {

CPPToolTip::CPPToolTip(QWidget* besitzer)
    : QObject(besitzer)
    , m_besitzer(besitzer)
{
}

CPPToolTip::~CPPToolTip() = default;

void CPPToolTip::AddTool(QWidget* control, const QString& html)
{
    m_tools.push_back({control, html});
}

void CPPToolTip::RemoveAllTools()
{
    m_tools.clear();
}

QString CPPToolTip::ToolText(const QWidget* control) const
{
    for (const Tool& tool : m_tools) {
        if (tool.control == control)
            return tool.html;
    }
    return {};
}

void RichteBallonsEin(CPPToolTip& ballons)
{
    ballons.SetBehaviour(ballons.GetBehaviour() | CPPToolTip::kBleibtUeberBallon | CPPToolTip::kKeinAutoVerstecken);
    ballons.SetDelayTime(1000);
}

} // namespace velmora

#pragma once

// Balloon help: a small window that opens next to a control when the pointer rests on it and shows a
// formatted help text (the HTML subset of CPPHtmlDrawer). One object per window, owned by the window.

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class QWidget;

namespace velmora {

class CPPToolTip final : public QObject
{
    Q_OBJECT
public:
    // Behaviour bits a window adds to the defaults.
    static constexpr int kBleibtUeberBallon = 8;   // stays while the pointer is over the balloon
    static constexpr int kKeinAutoVerstecken = 16; // never hides after a time by itself

    explicit CPPToolTip(QWidget* besitzer);
    ~CPPToolTip() override;

    int GetBehaviour() const { return m_verhalten; }
    void SetBehaviour(int verhalten) { m_verhalten = verhalten; }
    void SetDelayTime(int ms) { m_verzoegerung = ms; }
    int DelayTime() const { return m_verzoegerung; }

    // Registers one control with one help text; the text is the HTML subset.
    void AddTool(QWidget* control, const QString& html);
    void RemoveAllTools();

    int ToolCount() const { return static_cast<int>(m_tools.size()); }
    QString ToolText(const QWidget* control) const;

private:
    struct Tool
    {
        QPointer<QWidget> control;
        QString html;
    };

    QWidget* m_besitzer;
    std::vector<Tool> m_tools;
    int m_verhalten = 0;
    int m_verzoegerung = 500;
};

// The usual set-up of a window's balloons: the two behaviour bits and the one-second delay.
void RichteBallonsEin(CPPToolTip& ballons);

} // namespace velmora

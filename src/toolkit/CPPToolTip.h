#pragma once

// Balloon help: a small window that opens next to a control when the pointer rests on it and shows a
// formatted help text (the HTML subset of CPPHtmlDrawer). One object per window, owned by the window.
//
// The object watches the events of the application (mouse moves reach it even on controls without
// mouse tracking). The pointer resting on a registered control for the delay opens that control's
// balloon; it closes when the pointer has left the control (and, with kBleibtUeberBallon, the
// balloon), on any mouse press, wheel turn or key press, and when the owner window hides or loses
// activation. A click keeps it closed until the pointer leaves the control.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <vector>

class QWidget;

namespace velmora {

class Ballonfenster;

class CPPToolTip final : public QObject
{
    Q_OBJECT
public:
    // Behaviour bits a window adds to the defaults.
    static constexpr int kBleibtUeberBallon = 8;   // stays while the pointer is over the balloon
    static constexpr int kKeinAutoVerstecken = 16; // never hides after a time by itself

    // Without kKeinAutoVerstecken a balloon closes after this time.
    static constexpr int kAnzeigeDauer = 5000;
    // Interval of the timer that watches a shown balloon.
    static constexpr int kTakt = 100;

    explicit CPPToolTip(QWidget* besitzer);
    ~CPPToolTip() override;

    int GetBehaviour() const { return m_verhalten; }
    void SetBehaviour(int verhalten) { m_verhalten = verhalten; }
    void SetDelayTime(int ms);
    int DelayTime() const { return m_verzoegerung; }

    // Registers one control with one help text; the text is the HTML subset. A control registered
    // again gets the new text. Screen readers learn the text as the control's description.
    void AddTool(QWidget* control, const QString& html);
    void RemoveAllTools();

    int ToolCount() const { return static_cast<int>(m_tools.size()); }
    QString ToolText(const QWidget* control) const;

    // Opens the balloon of a registered control at once, placed for a pointer at that point (global
    // coordinates); does nothing for a control without help text. Like any balloon it closes once the
    // pointer is on neither the control nor the balloon.
    void ZeigeFuer(QWidget* control, QPoint zeiger);
    void Verstecke();

    bool BallonSichtbar() const;
    // The control whose balloon is shown, or nullptr.
    QWidget* AngezeigtFuer() const;
    // The balloon window; it exists as long as the object.
    QWidget* Ballon() const;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    struct Tool
    {
        QPointer<QWidget> control;
        QString html;
        QString beschreibung; // the accessible description this object gave the control
    };

    const Tool* ToolUnter(QObject* objekt) const;
    bool GehoertZumBallon(QObject* objekt) const;
    void ZeigerBewegt(QObject* objekt, QPoint zeiger);
    void ZeigerVerlaesst(QObject* objekt);
    void Ruhe();
    void Takt();

    QWidget* m_besitzer;
    QPointer<Ballonfenster> m_ballon;
    std::vector<Tool> m_tools;
    int m_verhalten = 0;
    int m_verzoegerung = 500;

    QTimer m_ruhe; // the initial delay
    QTimer m_takt; // watches the shown balloon
    QPointer<QWidget> m_kandidat;
    QPoint m_zeiger;
    QPointer<QWidget> m_angezeigt;
    bool m_aufSteuerelement = false;
    bool m_aufBallon = false;
    int m_draussenTakte = 0;
    int m_angezeigtMs = 0;
    QPointer<QWidget> m_gesperrt; // clicked while its balloon was possible: no balloon until left
};

// The usual set-up of a window's balloons: the two behaviour bits and the one-second delay.
void RichteBallonsEin(CPPToolTip& ballons);

} // namespace velmora

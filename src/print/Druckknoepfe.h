#pragma once

// "Drucken…" and "Als PDF speichern…" of a list window: two actions (Ctrl+P prints), offered as buttons
// or in a context menu as the window's layout allows. Each asks for the deleted rows and the paper
// (Druckwahl), then for the printer (QPrintDialog) or the file (QFileDialog), and prints the Drucksache
// the window makes of what it shows.

#include "Druckwahl.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <functional>
#include <initializer_list>

class QAction;
class QPushButton;
class QWidget;

namespace velmora {

class CBasis;
class CPPToolTip;

class Druckknoepfe final : public QObject
{
    Q_OBJECT
public:
    // Control ids of the two buttons; each button's objectName is "c" and its id.
    enum Id
    {
        kDrucken = 1150,
        kAlsPdf = 1151,
    };
    using Erzeuger = std::function<Drucksache(bool geloeschteWeglassen)>;

    // dateiname: what the file dialog suggests ("Uebersicht.pdf"), in the book's folder.
    Druckknoepfe(QWidget& fenster, const CBasis& basis, Erzeuger erzeuger, bool mitGeloeschten,
                 const QString& dateiname);

    QAction& Drucken() const { return *m_drucken; }
    QAction& AlsPdf() const { return *m_alsPdf; }
    // The two buttons, made on first request, children of the window, each as wide as its text needs.
    std::array<QPushButton*, 2> Knoepfe();
    // The two buttons side by side from a point on, for windows laid out by fixed positions.
    std::array<QPushButton*, 2> KnoepfeAb(QPoint links);
    // Tab reaches the buttons right after the control they stand beside.
    void FolgenAuf(QWidget* vorher);
    // Both actions in the right-click menu of these widgets.
    void InsKontextmenue(std::initializer_list<QWidget*> widgets);
    // Balloons on the buttons, in German and while balloon help is on, as on the window's other controls.
    void FuelleBallons(CPPToolTip& ballons) const;

    // The PDF of what the window shows; false, after saying so, when the file could not be written.
    bool SpeichereAlsPdf(const QString& datei, const Druckwunsch& wunsch);

private:
    void FrageUndDrucke();
    void FrageUndSpeichere();
    bool Frage(Druckwunsch& wunsch);

    QWidget& m_fenster;
    const CBasis& m_basis;
    Erzeuger m_erzeuger;
    bool m_bMitGeloeschten;
    QString m_dateiname;
    QAction* m_drucken = nullptr;
    QAction* m_alsPdf = nullptr;
    std::array<QPushButton*, 2> m_knoepfe{};
};

} // namespace velmora

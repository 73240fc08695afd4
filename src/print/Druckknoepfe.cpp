#include "Druckknoepfe.h"

#include "Ballontabelle.h"
#include "Basis.h"
#include "CPPToolTip.h"
#include "Druckmaler.h"
#include "Drucktexte.h"
#include "Meldung.h"
#include "QtText.h"
#include "Texte.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace velmora {

namespace {

// As high as the windows' other buttons.
constexpr int kKnopfHoehe = 30;
constexpr int kAbstand = 8;

} // namespace

Druckknoepfe::Druckknoepfe(QWidget& fenster, const CBasis& basis, Erzeuger erzeuger, bool mitGeloeschten,
                           const QString& dateiname)
    : QObject(&fenster)
    , m_fenster(fenster)
    , m_basis(basis)
    , m_erzeuger(std::move(erzeuger))
    , m_bMitGeloeschten(mitGeloeschten)
    , m_dateiname(dateiname)
{
    const int sprache = basis.m_nSprache;
    m_drucken = new QAction(Zeichenkette(sprache, kTxtDrucken), &fenster);
    m_drucken->setShortcut(QKeySequence::Print);
    m_drucken->setShortcutContext(Qt::WindowShortcut);
    m_alsPdf = new QAction(Zeichenkette(sprache, kTxtAlsPdf), &fenster);
    // The shortcut works wherever the focus is in the window, with or without a context menu.
    fenster.addAction(m_drucken);
    connect(m_drucken, &QAction::triggered, this, &Druckknoepfe::FrageUndDrucke);
    connect(m_alsPdf, &QAction::triggered, this, &Druckknoepfe::FrageUndSpeichere);
}

std::array<QPushButton*, 2> Druckknoepfe::Knoepfe()
{
    if (m_knoepfe[0])
        return m_knoepfe;
    const std::array<std::pair<QAction*, int>, 2> arten = {{{m_drucken, kDrucken}, {m_alsPdf, kAlsPdf}}};
    for (size_t i = 0; i < arten.size(); ++i) {
        auto* knopf = new QPushButton(arten[i].first->text(), &m_fenster);
        knopf->setObjectName(QStringLiteral("c%1").arg(arten[i].second));
        knopf->setAccessibleName(arten[i].first->text());
        knopf->setAutoDefault(false);
        knopf->setMinimumHeight(kKnopfHoehe);
        knopf->resize(knopf->sizeHint().expandedTo(QSize(0, kKnopfHoehe)));
        connect(knopf, &QPushButton::clicked, arten[i].first, &QAction::trigger);
        m_knoepfe[i] = knopf;
    }
    m_drucken->setToolTip(m_drucken->shortcut().toString(QKeySequence::NativeText));
    return m_knoepfe;
}

std::array<QPushButton*, 2> Druckknoepfe::KnoepfeAb(QPoint links)
{
    for (QPushButton* knopf : Knoepfe()) {
        knopf->move(links);
        links.rx() += knopf->width() + kAbstand;
    }
    return m_knoepfe;
}

void Druckknoepfe::FolgenAuf(QWidget* vorher)
{
    const std::array<QPushButton*, 2> knoepfe = Knoepfe();
    QWidget::setTabOrder(vorher, knoepfe[0]);
    QWidget::setTabOrder(knoepfe[0], knoepfe[1]);
}

void Druckknoepfe::InsKontextmenue(std::initializer_list<QWidget*> widgets)
{
    for (QWidget* widget : widgets) {
        widget->setContextMenuPolicy(Qt::ActionsContextMenu);
        widget->addAction(m_drucken);
        widget->addAction(m_alsPdf);
    }
}

void Druckknoepfe::FuelleBallons(CPPToolTip& ballons) const
{
    if (!m_basis.m_bTooltips || !m_basis.Deutsch() || !m_knoepfe[0])
        return;
    ballons.AddTool(m_knoepfe[0],
                    BallonHtml(QStringLiteral("Drucken"),
                               QStringLiteral("\nDie gezeigte Liste wird gedruckt, mit Kopfzeile auf jeder Seite\n"
                                              "und den Summen am Ende. Tastatur: Strg+P.\n")));
    ballons.AddTool(m_knoepfe[1], BallonHtml(QStringLiteral("Als PDF speichern"),
                                             QStringLiteral("\nDie gezeigte Liste wird als PDF-Datei gespeichert,\n"
                                                            "genau so, wie sie gedruckt würde.\n")));
}

bool Druckknoepfe::Frage(Druckwunsch& wunsch)
{
    Druckwahl wahl(m_basis.m_nSprache, m_bMitGeloeschten, &m_fenster);
    if (wahl.exec() != QDialog::Accepted)
        return false;
    wunsch = wahl.Wunsch();
    return true;
}

void Druckknoepfe::FrageUndDrucke()
{
    Druckwunsch wunsch;
    if (!Frage(wunsch))
        return;
    const Drucksache sache = m_erzeuger(wunsch.bGeloeschteWeglassen);
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(sache.titel);
    drucker.setPageOrientation(LageFuer(sache, drucker, wunsch.lage));
    QPrintDialog dialog(&drucker, &m_fenster);
    dialog.setWindowTitle(Zeichenkette(m_basis.m_nSprache, kTxtDruckTitel));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The orientation last chosen, in the print dialog or before it, is the one printed.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const int seiten = Drucke(sache, drucker, drucker.pageLayout().orientation());
    QGuiApplication::restoreOverrideCursor();
    if (seiten == 0)
        Meldung(&m_fenster, QMessageBox::Warning, QStringLiteral("Velmora"),
                Zeichenkette(m_basis.m_nSprache, kTxtDruckFehler));
}

void Druckknoepfe::FrageUndSpeichere()
{
    Druckwunsch wunsch;
    if (!Frage(wunsch))
        return;
    const int sprache = m_basis.m_nSprache;
    QString datei = QFileDialog::getSaveFileName(&m_fenster, Zeichenkette(sprache, kTxtAlsPdf).remove(QChar(0x2026)),
                                                 QDir(AlsQString(m_basis.m_strPfad)).filePath(m_dateiname),
                                                 Zeichenkette(sprache, kTxtPdfDateien));
    if (datei.isEmpty())
        return;
    if (!datei.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        datei += QStringLiteral(".pdf");
    SpeichereAlsPdf(datei, wunsch);
}

bool Druckknoepfe::SpeichereAlsPdf(const QString& datei, const Druckwunsch& wunsch)
{
    // Thirty years of bookings take some seconds on paper.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool geschrieben = SchreibePdf(m_erzeuger(wunsch.bGeloeschteWeglassen), datei, wunsch.lage);
    QGuiApplication::restoreOverrideCursor();
    if (geschrieben)
        return true;
    Meldung(&m_fenster, QMessageBox::Warning, QStringLiteral("Velmora"),
            Zeichenkette(m_basis.m_nSprache, kTxtPdfFehler) + QStringLiteral("\n\n") + datei);
    return false;
}

} // namespace velmora

#include "Fernbedienung.h"

#include <QAccessibleTableInterface>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

void PrintTo(const QString& text, std::ostream* aus)
{
    *aus << '"' << text.toStdString() << '"';
}

namespace velmora::test {

namespace {

QAccessibleInterface* ZugangVon(QWidget* w)
{
    return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
}

QString NameVon(QWidget* w)
{
    const QAccessibleInterface* zugang = ZugangVon(w);
    return zugang ? zugang->text(QAccessible::Name) : QString();
}

QWidget* Vorne()
{
    if (QWidget* w = QApplication::activePopupWidget())
        return w;
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

QWidget* Gezeigt(const QString& name)
{
    if (name.isEmpty())
        return Vorne();
    // A title that goes on with a name from the book ("Übersicht Familie …") is found by its beginning.
    QWidget* anfang = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->windowType() == Qt::ToolTip)
            continue;
        if (NameVon(w) == name || w->windowTitle() == name)
            return w;
        if (!anfang && w->windowTitle().startsWith(name))
            anfang = w;
    }
    return anfang;
}

// Depth first; tables are not entered, their cells are reached through the table.
QAccessibleInterface* Suche(QAccessibleInterface* zugang, const QString& name, QAccessible::Role rolle)
{
    if (!zugang || zugang->state().invisible)
        return nullptr;
    // On Linux a combo box's name is its current text and its label is told through a relation; it is
    // found by the name the program gives it.
    const auto* w = qobject_cast<const QWidget*>(zugang->object());
    const bool heisst = zugang->text(QAccessible::Name) == name || (w && w->accessibleName() == name);
    if (heisst && (rolle == QAccessible::NoRole || zugang->role() == rolle))
        return zugang;
    if (zugang->tableInterface())
        return nullptr;
    for (int i = 0; i < zugang->childCount(); ++i) {
        if (QAccessibleInterface* treffer = Suche(zugang->child(i), name, rolle))
            return treffer;
    }
    return nullptr;
}

void Sammle(QAccessibleInterface* zugang, int tiefe, QString& baum)
{
    if (!zugang || zugang->state().invisible)
        return;
    baum += QString(tiefe * 2, QLatin1Char(' ')) +
            QStringLiteral("%1 '%2'\n").arg(static_cast<int>(zugang->role()), 3).arg(zugang->text(QAccessible::Name));
    if (zugang->tableInterface())
        return;
    for (int i = 0; i < zugang->childCount(); ++i)
        Sammle(zugang->child(i), tiefe + 1, baum);
}

// The top-level window that shows the element: the input goes to it.
QWindow* FensterVon(QAccessibleInterface* zugang)
{
    for (QAccessibleInterface* z = zugang; z; z = z->parent()) {
        if (auto* w = qobject_cast<QWidget*>(z->object()))
            return w->window()->windowHandle();
    }
    return nullptr;
}

// When a dialog closes, a window manager gives the keyboard back to the window beneath it; the test
// platforms (offscreen, Xvfb without a window manager) leave no window active. So a key for a window
// finds it active, unless a modal dialog is open, which keeps the keyboard as it does for a person.
void GibTastatur(QWidget& fenster)
{
    if (QApplication::activeWindow() || QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return;
    fenster.window()->activateWindow();
    QApplication::processEvents();
}

void KlickeBei(QWindow* fenster, QPoint global, Qt::MouseButton knopf, bool doppelt)
{
    ASSERT_NE(nullptr, fenster);
    const QPoint ort = fenster->mapFromGlobal(global);
    if (doppelt)
        QTest::mouseDClick(fenster, knopf, {}, ort);
    else
        QTest::mouseClick(fenster, knopf, {}, ort);
    QApplication::processEvents();
}

// Without a screen reader attached Qt tells tables of no model change, and a table's cached cells would
// outlive a reset of its rows; so the table is read afresh, as a screen reader is told to after a change.
QAccessibleTableInterface* Tabelle(QWidget& fenster, const QString& liste)
{
    QAccessibleInterface* zugang = Zugang(fenster, liste, QAccessible::Table);
    if (!zugang)
        return nullptr;
    QObject* ansicht = zugang->object();
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(zugang));
    zugang = QAccessible::queryAccessibleInterface(ansicht);
    return zugang ? zugang->tableInterface() : nullptr;
}

} // namespace

bool Warte(const std::function<bool()>& bedingung, int ms)
{
    QElapsedTimer uhr;
    uhr.start();
    while (!bedingung()) {
        if (uhr.elapsed() > ms)
            return false;
        QTest::qWait(10);
    }
    return true;
}

QWidget* Fenster(const QString& name)
{
    QWidget* gefunden = nullptr;
    Warte([&] { return (gefunden = Gezeigt(name)) != nullptr; });
    if (!gefunden)
        ADD_FAILURE() << "no window '" << name.toStdString() << "' is shown";
    return gefunden;
}

bool Offen(const QString& name)
{
    return Gezeigt(name) != nullptr;
}

QAccessibleInterface* Zugang(QWidget& fenster, const QString& name, QAccessible::Role rolle)
{
    QAccessibleInterface* treffer = Suche(ZugangVon(&fenster), name, rolle);
    if (!treffer)
        ADD_FAILURE() << "no control '" << name.toStdString() << "' in '" << NameVon(&fenster).toStdString() << "':\n"
                      << Baum(fenster).toStdString();
    return treffer;
}

bool Hat(QWidget& fenster, const QString& name, QAccessible::Role rolle)
{
    return Suche(ZugangVon(&fenster), name, rolle) != nullptr;
}

QString Baum(QWidget& fenster)
{
    QString baum;
    Sammle(ZugangVon(&fenster), 0, baum);
    return baum;
}

void KlickeAuf(QAccessibleInterface* element, Qt::MouseButton knopf, bool doppelt)
{
    ASSERT_NE(nullptr, element);
    KlickeBei(FensterVon(element), element->rect().center(), knopf, doppelt);
}

void KlickeAuf(QWidget& fenster, const QString& name, Qt::MouseButton knopf, bool doppelt)
{
    KlickeAuf(Zugang(fenster, name), knopf, doppelt);
}

void KlickeZelle(QWidget& fenster, const QString& liste, int zeile, int spalte, Qt::MouseButton knopf, bool doppelt)
{
    QAccessibleTableInterface* tabelle = Tabelle(fenster, liste);
    ASSERT_NE(nullptr, tabelle);
    QAccessibleInterface* zelle = tabelle->cellAt(zeile, spalte);
    ASSERT_NE(nullptr, zelle) << "row " << zeile << ", column " << spalte;
    KlickeBei(fenster.windowHandle(), zelle->rect().center(), knopf, doppelt);
}

void KlickeKopf(QWidget& fenster, const QString& liste, int spalte)
{
    QAccessibleInterface* zugang = Zugang(fenster, liste, QAccessible::Table);
    ASSERT_NE(nullptr, zugang);
    auto* ansicht = qobject_cast<QTableView*>(zugang->object());
    ASSERT_NE(nullptr, ansicht);
    const QHeaderView* kopf = ansicht->horizontalHeader();
    const QPoint mitte(kopf->sectionViewportPosition(spalte) + kopf->sectionSize(spalte) / 2, kopf->height() / 2);
    KlickeBei(fenster.windowHandle(), kopf->viewport()->mapToGlobal(mitte), Qt::LeftButton, false);
}

void Taste(QWidget& fenster, Qt::Key taste, Qt::KeyboardModifiers umschalter)
{
    GibTastatur(fenster);
    QTest::keyClick(fenster.window()->windowHandle(), taste, umschalter);
    QApplication::processEvents();
}

void Schreibe(QWidget& fenster, const QString& text)
{
    GibTastatur(fenster);
    QWindow* ziel = fenster.window()->windowHandle();
    for (const QChar zeichen : text) {
        if (zeichen.unicode() < 0x80)
            QTest::keyClick(ziel, zeichen.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_unknown, QString(zeichen), Qt::NoModifier);
    }
    QApplication::processEvents();
}

QString Text(QWidget& fenster, const QString& name, QAccessible::Role rolle)
{
    QAccessibleInterface* zugang = Zugang(fenster, name, rolle);
    if (!zugang)
        return {};
    const QString wert = zugang->text(QAccessible::Value);
    return wert.isEmpty() ? zugang->text(QAccessible::Name) : wert;
}

QString ImFokus()
{
    const QAccessibleInterface* zugang = ZugangVon(QApplication::focusWidget());
    if (!zugang)
        return {};
    const auto* w = qobject_cast<const QWidget*>(zugang->object());
    return w && !w->accessibleName().isEmpty() ? w->accessibleName() : zugang->text(QAccessible::Name);
}

QString Beschreibung(QWidget& fenster)
{
    const QAccessibleInterface* zugang = ZugangVon(&fenster);
    return zugang ? zugang->text(QAccessible::Description) : QString();
}

QString Zelle(QWidget& fenster, const QString& liste, int zeile, int spalte)
{
    QAccessibleTableInterface* tabelle = Tabelle(fenster, liste);
    QAccessibleInterface* zelle = tabelle ? tabelle->cellAt(zeile, spalte) : nullptr;
    return zelle ? zelle->text(QAccessible::Name) : QString();
}

int Zeilen(QWidget& fenster, const QString& liste)
{
    QAccessibleTableInterface* tabelle = Tabelle(fenster, liste);
    return tabelle ? tabelle->rowCount() : -1;
}

QStringList Spalte(QWidget& fenster, const QString& liste, int spalte)
{
    QStringList texte;
    for (int zeile = 0; zeile < Zeilen(fenster, liste); ++zeile)
        texte << Zelle(fenster, liste, zeile, spalte);
    return texte;
}

void DrueckeKopf(QWidget& fenster, const QString& liste, const QString& kopf)
{
    QAccessibleInterface* tabelle = Zugang(fenster, liste, QAccessible::Table);
    ASSERT_NE(nullptr, tabelle);
    for (int i = 0; i < tabelle->childCount(); ++i) {
        QAccessibleInterface* kind = tabelle->child(i);
        if (!kind || kind->role() != QAccessible::ColumnHeader || kind->text(QAccessible::Name) != kopf)
            continue;
        QAccessibleActionInterface* aktion = kind->actionInterface();
        ASSERT_NE(nullptr, aktion) << "the header '" << kopf.toStdString() << "' has no action";
        ASSERT_TRUE(aktion->actionNames().contains(QAccessibleActionInterface::pressAction()));
        aktion->doAction(QAccessibleActionInterface::pressAction());
        QApplication::processEvents();
        return;
    }
    ADD_FAILURE() << "no header '" << kopf.toStdString() << "' in '" << liste.toStdString() << "'";
}

QPoint ZelleImFokus(QWidget& fenster, const QString& liste)
{
    QAccessibleTableInterface* tabelle = Tabelle(fenster, liste);
    for (int zeile = 0; tabelle && zeile < tabelle->rowCount(); ++zeile) {
        for (int spalte = 0; spalte < tabelle->columnCount(); ++spalte) {
            const QAccessible::State zustand = tabelle->cellAt(zeile, spalte)->state();
            if (zustand.focused && zustand.selected)
                return {spalte, zeile};
        }
    }
    return {-1, -1};
}

QList<int> GewaehlteZeilen(QWidget& fenster, const QString& liste)
{
    QAccessibleTableInterface* tabelle = Tabelle(fenster, liste);
    return tabelle ? tabelle->selectedRows() : QList<int>{};
}

bool ImBaum(const QString& name)
{
    QAccessibleInterface* anwendung = QAccessible::queryAccessibleInterface(qApp);
    for (int i = 0; anwendung && i < anwendung->childCount(); ++i) {
        QAccessibleInterface* fenster = anwendung->child(i);
        if (fenster && !fenster->state().invisible && fenster->text(QAccessible::Name) == name)
            return true;
    }
    return false;
}

QStringList TabRunde(QWidget& fenster, Qt::Key taste, int hoechstens)
{
    QWidget* anfang = QApplication::focusWidget();
    QStringList namen;
    for (int i = 0; i < hoechstens; ++i) {
        Taste(fenster, taste, taste == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        if (QApplication::focusWidget() == anfang)
            return namen;
        const QString name = ImFokus();
        if (namen.isEmpty() || namen.back() != name)
            namen << name;
    }
    ADD_FAILURE() << "the focus did not come back after " << hoechstens
                  << " presses: " << namen.join(QStringLiteral(", ")).toStdString();
    return namen;
}

void WennOffen(const QString& name, std::function<void(QWidget&)> aktion)
{
    auto* takt = new QTimer(qApp);
    auto* uhr = new QElapsedTimer;
    uhr->start();
    const QPointer<QWidget> vorher = QApplication::activeModalWidget();
    QObject::connect(takt, &QTimer::timeout, takt, [takt, uhr, name, vorher, aktion = std::move(aktion)] {
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* fenster = name.isEmpty() ? (modal != vorher.data() ? modal : nullptr) : Gezeigt(name);
        const bool zuSpaet = uhr->elapsed() > 5000;
        if (!fenster && !zuSpaet)
            return;
        takt->stop();
        takt->deleteLater();
        delete uhr;
        if (fenster)
            aktion(*fenster);
        else
            ADD_FAILURE() << "no window '" << name.toStdString() << "' opened";
    });
    takt->start(20);
}

} // namespace velmora::test

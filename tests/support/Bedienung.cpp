#include "Bedienung.h"

#include "Meldung.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace velmora::test {

void Tippe(QWidget& fenster, int id, const QString& text)
{
    QWidget* w = Element(fenster, id);
    auto* feld = qobject_cast<QLineEdit*>(w);
    if (auto* liste = qobject_cast<QComboBox*>(w))
        feld = liste->lineEdit();
    if (!feld)
        return;
    feld->setFocus();
    if (!feld->text().isEmpty()) {
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Backspace);
    }
    for (const QChar zeichen : text) {
        if (zeichen.unicode() < 0x80) {
            QTest::keyClicks(feld, QString(zeichen));
            continue;
        }
        // QTest types ASCII only; an umlaut arrives as a key event carrying its text.
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(zeichen));
        QCoreApplication::sendEvent(feld, &druck);
    }
}

void Klicke(QWidget& fenster, int id)
{
    auto* knopf = Element<QAbstractButton>(fenster, id);
    // A check box reacts to its box and its caption, not to the empty rest of its width.
    const QPoint ort = qobject_cast<QCheckBox*>(knopf) ? QPoint(8, knopf->height() / 2) : knopf->rect().center();
    QTest::mouseClick(knopf, Qt::LeftButton, {}, ort);
}

void KlickeZeile(QTableView* liste, int zeile)
{
    const QModelIndex index = liste->model()->index(zeile, 0);
    liste->scrollTo(index);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(index).center());
    QCoreApplication::processEvents();
}

bool KlickeZeile(QTableView* liste, const QString& text)
{
    for (int zeile = 0; zeile < liste->model()->rowCount(); ++zeile) {
        if (liste->model()->index(zeile, 0).data().toString() == text) {
            KlickeZeile(liste, zeile);
            return true;
        }
    }
    return false;
}

bool Sichtbar(QWidget& fenster, int id)
{
    QWidget* w = Element(fenster, id);
    return w && w->isVisibleTo(&fenster);
}

QString TextIn(QWidget& fenster, int id)
{
    if (auto* feld = Element<QLineEdit>(fenster, id))
        return feld->text();
    return Element<QComboBox>(fenster, id)->currentText();
}

bool Aktiv(QWidget& fenster, int id)
{
    QWidget* w = Element(fenster, id);
    return w && w->isEnabled();
}

QColor Zeilenfarbe(QTableView* liste, int zeile)
{
    return liste->model()->index(zeile, 0).data(Qt::ForegroundRole).value<QBrush>().color();
}

MeldungsMitschrift::MeldungsMitschrift()
{
    SetzeMeldungsAntwort([this](const QString& text) {
        texte.push_back(text);
        return QMessageBox::Yes;
    });
}

MeldungsMitschrift::~MeldungsMitschrift()
{
    SetzeMeldungsAntwort({});
}

void RaeumeAuf()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace velmora::test

#include "Datumsfeld.h"

#include "Datumseingabe.h"
#include "Meldung.h"
#include "QtText.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace velmora {

namespace {

bool IstDatumszeichen(const QString& text)
{
    return text.size() == 1 && (text[0].isDigit() || QStringLiteral("./-").contains(text[0]));
}

// Keys the field hands to its text while a date is typed; the others keep the date edit's meaning.
bool IstTextTaste(const QKeyEvent& ereignis)
{
    switch (ereignis.key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return IstDatumszeichen(ereignis.text()) || ereignis.matches(QKeySequence::Paste) ||
                   ereignis.matches(QKeySequence::SelectAll);
    }
}

} // namespace

Datumsfeld::Datumsfeld(QWidget* eltern)
    : QDateEdit(eltern)
{
    SetzeSprache(true);
}

void Datumsfeld::SetzeSprache(bool bDeutsch)
{
    m_bDeutsch = bDeutsch;
    setDisplayFormat(bDeutsch ? QStringLiteral("dd.MM.yyyy") : QStringLiteral("MM/dd/yyyy"));
}

int Datumsfeld::Lies(const QString& text) const
{
    const QDate heute = QDate::currentDate();
    return LeseDatum(AlsCp1252(text).c_str(), m_bDeutsch, heute.year() * 10000 + heute.month() * 100 + heute.day());
}

QValidator::State Datumsfeld::validate(QString& text, int&) const
{
    if (Lies(text) > 0)
        return QValidator::Acceptable;
    for (const QChar c : text)
        if (!c.isDigit() && !QStringLiteral("./- ").contains(c))
            return QValidator::Invalid;
    return text.size() <= 12 ? QValidator::Intermediate : QValidator::Invalid;
}

QDateTime Datumsfeld::dateTimeFromText(const QString& text) const
{
    const int datum = Lies(text);
    if (datum == 0)
        return QDateEdit::dateTimeFromText(text);
    return QDateTime(QDate(datum / 10000, datum / 100 % 100, datum % 100), time());
}

bool Datumsfeld::Uebernimm()
{
    if (!m_bGetippt)
        return true;
    const QString text = lineEdit()->text();
    const int datum = Lies(text);
    if (datum == 0) {
        Melde(text);
        return false;
    }
    m_bGetippt = false;
    setDate(QDate(datum / 10000, datum / 100 % 100, datum % 100));
    // The same date as before leaves the typed form standing; show the book's form.
    lineEdit()->setText(textFromDateTime(dateTime()));
    return true;
}

void Datumsfeld::Melde(const QString& text)
{
    // One slip is told once, whether Return, leaving the field or the window's button finds it.
    if (text == m_strGemeldet)
        return;
    m_strGemeldet = text;
    Meldung(this, QMessageBox::Warning, windowTitle(),
            m_bDeutsch ? QStringLiteral("„%1“ ist kein gültiges Datum.").arg(text)
                       : QStringLiteral("\"%1\" is not a valid date.").arg(text));
}

// The date edit's own handling would jump to the next section at every dot; the text is typed as in
// a plain line, with the edit told nothing until it is taken over.
void Datumsfeld::Tippe(QKeyEvent* ereignis)
{
    QLineEdit* zeile = lineEdit();
    const QSignalBlocker sperre(zeile);
    if (!m_bGetippt && IstDatumszeichen(ereignis->text()))
        zeile->selectAll();
    m_bGetippt = true;
    m_strGemeldet.clear();
    QKeyEvent kopie(ereignis->type(), ereignis->key(), ereignis->modifiers(), ereignis->text());
    QCoreApplication::sendEvent(zeile, &kopie);
    ereignis->accept();
}

void Datumsfeld::keyPressEvent(QKeyEvent* ereignis)
{
    const bool bBefehl = ereignis->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool bBeginnt = (IstDatumszeichen(ereignis->text()) && !bBefehl) || ereignis->key() == Qt::Key_Backspace ||
                          ereignis->key() == Qt::Key_Delete || ereignis->matches(QKeySequence::Paste);
    if (bBeginnt || (m_bGetippt && IstTextTaste(*ereignis))) {
        Tippe(ereignis);
        return;
    }
    if (m_bGetippt) {
        if (ereignis->key() == Qt::Key_Escape) {
            m_bGetippt = false;
            lineEdit()->setText(textFromDateTime(dateTime()));
            ereignis->accept();
            return;
        }
        if (!Uebernimm()) {
            ereignis->accept();
            return;
        }
    }
    QDateEdit::keyPressEvent(ereignis);
}

void Datumsfeld::focusOutEvent(QFocusEvent* ereignis)
{
    if (!m_bGetippt || Lies(lineEdit()->text()) > 0) {
        Uebernimm();
        QDateEdit::focusOutEvent(ereignis);
        return;
    }
    // A slip stays in the field for correcting; nothing takes it over until it names a date.
    const QString text = lineEdit()->text();
    QDateEdit::focusOutEvent(ereignis);
    Zeige(text);
    Melde(text);
}

void Datumsfeld::focusInEvent(QFocusEvent* ereignis)
{
    const QString text = lineEdit()->text();
    QDateEdit::focusInEvent(ereignis);
    if (m_bGetippt) {
        Zeige(text);
        lineEdit()->selectAll();
    }
}

void Datumsfeld::Zeige(const QString& text)
{
    const QSignalBlocker sperre(lineEdit());
    lineEdit()->setText(text);
}

bool Datumsfeld::focusNextPrevChild(bool vor)
{
    return QWidget::focusNextPrevChild(vor);
}

} // namespace velmora

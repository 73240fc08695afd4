#pragma once

// The program's date field. A date edit takes a date typed in one go the way people write it
// ("5.3.2026", "05032026", "3/5/26" in English) instead of walking the edit's sections, which read
// "5.3.2026" as 05.04.3202. The typed text is taken over on Return, when the field loses the focus,
// or when a window asks before it uses the date; an impossible date is refused with a message, and
// the field keeps it for correcting while the date it had stays the field's date.

#include <QDateEdit>

namespace velmora {

class Datumsfeld final : public QDateEdit
{
    Q_OBJECT
public:
    explicit Datumsfeld(QWidget* eltern = nullptr);

    // The book's form of a date: German dd.MM.yyyy, English MM/dd/yyyy.
    void SetzeSprache(bool bDeutsch);
    // Takes over a typed text; false, with the message, when it names no date.
    bool Uebernimm();

    QValidator::State validate(QString& text, int& pos) const override;
    // A typed text names a date or is refused; it is never bent into a neighbouring day (31.02. to 28.02.).
    void fixup(QString&) const override {}

protected:
    QDateTime dateTimeFromText(const QString& text) const override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    // Tab leaves the field, as it leaves every other control; the date edit would walk its sections.
    bool focusNextPrevChild(bool vor) override;

private:
    int Lies(const QString& text) const;
    void Tippe(QKeyEvent* ereignis);
    void Melde(const QString& text);
    // Puts a text into the field without the date edit reading it.
    void Zeige(const QString& text);

    bool m_bDeutsch = true;
    // The text is typed and not yet taken over.
    bool m_bGetippt = false;
    QString m_strGemeldet;
};

} // namespace velmora

#pragma once

// Driving windows in tests as a user does: finding controls by their id, typing, clicking, and
// answering message boxes.

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

class QTableView;

namespace velmora::test {

template<class T = QWidget>
T* Element(QWidget& fenster, int id)
{
    return fenster.findChild<T*>(QStringLiteral("c%1").arg(id));
}

// Replaces a field's text the way a user does: select all, delete, type.
void Tippe(QWidget& fenster, int id, const QString& text);
void Klicke(QWidget& fenster, int id);
void KlickeZeile(QTableView* liste, int zeile);
// Clicks the first row of the list whose text in column 0 is the given one; false when there is none.
bool KlickeZeile(QTableView* liste, const QString& text);
bool Sichtbar(QWidget& fenster, int id);
// The text of a line edit or of an editable combo box.
QString TextIn(QWidget& fenster, int id);
bool Aktiv(QWidget& fenster, int id);
// The text colour of a list row.
QColor Zeilenfarbe(QTableView* liste, int zeile);
// Deletes the windows that closed themselves.
void RaeumeAuf();

// Answers every message box with Yes and remembers its text, while it lives.
class MeldungsMitschrift final
{
public:
    MeldungsMitschrift();
    ~MeldungsMitschrift();
    std::vector<QString> texte;
};

} // namespace velmora::test

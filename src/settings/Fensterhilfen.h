#pragma once

// Small helpers the three settings windows share.

#include "MaleText.h"
#include "Verwaltung.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>

class QAbstractItemModel;
class QObject;
class QComboBox;
class QLineEdit;
class QTableView;
class QWidget;

namespace velmora {

// Sets the generated controls up in the window and answers the window, so that members can be built on it.
template<class Ui, class Fenster>
Fenster& BaueAuf(Ui& ui, Fenster& fenster)
{
    ui.setupUi(&fenster);
    return fenster;
}

// A caption, an id and its English text.
struct Beschriftung
{
    int id;
    const char* en;
};

// The controls of a window by their id: every child named "c" and the id.
class Steuerelemente final
{
public:
    explicit Steuerelemente(QWidget& fenster);

    QWidget* operator[](int id) const { return m_ids.at(id); }
    void Aktiviere(std::initializer_list<int> ids, bool an) const;
    void Zeige(std::initializer_list<int> ids, bool an) const;

    // Replaces the German captions of the template by the English ones.
    void Uebersetze(std::initializer_list<Beschriftung> texte) const;
    // Names every control for screen readers: fields and lists as given, captioned controls by their caption.
    void Benenne(bool deutsch, std::initializer_list<std::pair<int, std::pair<const char*, const char*>>> namen) const;

private:
    std::map<int, QWidget*> m_ids;
};

// Sets a field's text without signalling a change; a field already holding the text keeps its cursor.
void SetzeText(QLineEdit* feld, const QString& text);
void SetzeText(QComboBox* feld, const QString& text);
std::string TextVon(const QLineEdit* feld);
std::string TextVon(const QComboBox* feld);

// Grid lines, one selected row at a time, no editing, no row numbers, the last column filling the width.
void RichteListeEin(QTableView* liste, QAbstractItemModel* modell);
// Calls `gewaehlt` with each row that becomes current in the list. The call comes after the view is done
// with the click or key, so that the window may rebuild the list in it. The window's own ZeigeZeile
// reaches it too, with the row the window has marked already.
void BeiZeilenwahl(QTableView* liste, QObject* kontext, std::function<void(int zeile)> gewaehlt);
// Makes the row current and scrolls it into view.
void ZeigeZeile(QTableView* liste, int zeile);

// "'name' existiert bereits" and "Eingabe ist leer" in the language of the book.
QString ExistiertMeldung(int sprache, const std::string& name);
QString LeerMeldung(int sprache);

// The red one-line message an editor paints near its lower edge. Screen readers cannot see painted
// text, so the message is the window's accessible description too.
class Meldungszeile final
{
public:
    // The message stands `x` pixels from the left and `ueberUnterkante` pixels above the lower edge.
    Meldungszeile(QWidget& fenster, int x, int ueberUnterkante, Schrift schrift);

    const QString& Text() const { return m_strText; }
    // An empty text clears the line.
    void Setze(const QString& text);
    // Shows why a create or rename command refused the name. Answers true for a refused name and for a
    // command that could not run, after which the window stays as it is.
    bool Abgewiesen(Ausgang ausgang, int sprache, const std::string& name);
    // For the window's paintEvent.
    void Male() const;

private:
    QWidget& m_fenster;
    int m_nX;
    int m_nUeberUnterkante;
    Schrift m_schrift;
    QString m_strText;
};

} // namespace velmora

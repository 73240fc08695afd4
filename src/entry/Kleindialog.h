#pragma once

// What the small modal dialogs of the lists share: they open next to the clicked cell and answer with a
// number. Tests answer them through a hook instead of a person.

#include <QPoint>
#include <functional>
#include <span>

class QAbstractItemView;
class QDialog;
class QModelIndex;
class QObject;
class QPushButton;
class QWidget;

namespace velmora {

// The global top-left corner of a cell of a list: the point a small dialog opens at.
QPoint ZellenEcke(const QAbstractItemView& liste, const QModelIndex& zelle);

// Moves a dialog so that its top-left corner lies 10 pixels right of and 15 pixels below the point.
void PlatziereBei(QWidget& dialog, QPoint ort);

// One answer button of a pop-up: its caption in German and English and the number it answers with.
struct Antwortknopf
{
    QPushButton* knopf;
    const char* de;
    const char* en;
    int wahl;
};

// Captions the buttons in the book's language, names them for screen readers, lets the arrow keys walk
// them, and hands a click on one to `waehle` with its number.
void RichteAntwortknoepfeEin(bool deutsch, std::span<const Antwortknopf> knoepfe, QObject* kontext,
                             const std::function<void(int wahl)>& waehle);

// Gives the focus to the first shown and enabled button, so that a pop-up opened by the keyboard is
// answered with the arrows and Return from the start.
void FokusAufErstenKnopf(std::span<const Antwortknopf> knoepfe);

// The answer hook of one dialog class. While it is set, a dialog is built exactly as it would be shown
// and handed to the hook instead of being shown; the hook's number is the answer.
template<class Dialog>
class Antworthaken final
{
public:
    using Antwort = std::function<int(Dialog&)>;

    static void Setze(Antwort antwort) { Halter() = std::move(antwort); }

    // Runs the dialog modally (or asks the hook) and returns its answer.
    static int Frage(Dialog& dialog)
    {
        if (Halter())
            return Halter()(dialog);
        dialog.exec();
        return dialog.Ergebnis();
    }

private:
    static Antwort& Halter()
    {
        static Antwort antwort;
        return antwort;
    }
};

} // namespace velmora

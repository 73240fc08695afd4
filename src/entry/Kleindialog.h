#pragma once

// What the small modal dialogs of the lists share: they open next to the clicked cell and answer with a
// number. Tests answer them through a hook instead of a person.

#include <QPoint>
#include <functional>

class QAbstractItemView;
class QDialog;
class QModelIndex;
class QWidget;

namespace velmora {

// The global top-left corner of a cell of a list: the point a small dialog opens at.
QPoint ZellenEcke(const QAbstractItemView& liste, const QModelIndex& zelle);

// Moves a dialog so that its top-left corner lies 10 pixels right of and 15 pixels below the point.
void PlatziereBei(QWidget& dialog, QPoint ort);

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

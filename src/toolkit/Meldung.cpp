#include "Meldung.h"

namespace velmora {

namespace {

MeldungsAntwort& Antwort()
{
    static MeldungsAntwort antwort;
    return antwort;
}

} // namespace

QMessageBox::StandardButton Meldung(QWidget* eltern, QMessageBox::Icon symbol, const QString& titel,
                                    const QString& text, QMessageBox::StandardButtons knoepfe,
                                    QMessageBox::StandardButton vorgabe)
{
    if (Antwort())
        return Antwort()(text);
    QMessageBox box(symbol, titel, text, knoepfe, eltern);
    // A message waits over the window that has something to say, not over the whole program: the
    // overview, which has no parent, stays usable beside it.
    if (eltern)
        box.setWindowModality(Qt::WindowModal);
    if (vorgabe != QMessageBox::NoButton)
        box.setDefaultButton(vorgabe);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void SetzeMeldungsAntwort(MeldungsAntwort antwort)
{
    Antwort() = std::move(antwort);
}

} // namespace velmora

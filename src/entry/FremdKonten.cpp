#include "FremdKonten.h"

#include "Basis.h"
#include "QtText.h"
#include "ui_FremdKonten.h"

namespace velmora {

FremdKonten::FremdKonten(const CBasis& basis, QPoint ort, QWidget* eltern)
    : QDialog(eltern, Qt::Popup)
    , m_ui(std::make_unique<Ui::FremdKonten>())
{
    m_ui->setupUi(this);
    const bool deutsch = basis.Deutsch();
    setAccessibleName(Sprachtext(deutsch, "Konten bearbeiten", "Edit accounts"));
    const Antwortknopf knoepfe[] = {
        {m_ui->c1023, "Familien-Konten bearbeiten", "Edit Famlily Accounts", kFamilienKonten},
        {m_ui->c1024, "Fremd-Konten bearbeiten", "Edit External Accounts", kFremdKonten},
        {m_ui->c2, "Abbruch", "CANCEL", kAbbruch},
    };
    RichteAntwortknoepfeEin(deutsch, knoepfe, this, [this](int wahl) { Waehle(wahl); });
    FokusAufErstenKnopf(knoepfe);
    adjustSize();
    PlatziereBei(*this, ort);
}

FremdKonten::~FremdKonten() = default;

void FremdKonten::Waehle(int wahl)
{
    m_nErgebnis = wahl;
    done(wahl);
}

int FremdKonten::Frage(const CBasis& basis, QPoint ort, QWidget* eltern)
{
    FremdKonten dialog(basis, ort, eltern);
    return Antworthaken<FremdKonten>::Frage(dialog);
}

void FremdKonten::SetzeAntwort(Antworthaken<FremdKonten>::Antwort antwort)
{
    Antworthaken<FremdKonten>::Setze(std::move(antwort));
}

} // namespace velmora

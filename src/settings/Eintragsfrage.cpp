#include "Eintragsfrage.h"

#include "Basis.h"
#include "Meldung.h"
#include "QtText.h"

namespace velmora {

namespace {

bool FrageMitMeldung(QWidget* eltern, bool deutsch, const Rueckfrage& f)
{
    const QString name = QStringLiteral("'%1'").arg(AlsQString(f.strName));
    QString text = Sprachtext(deutsch, "Es existieren bereits Transaktionen mit %1.",
                              "There are already transactions existing with %1.")
                       .arg(name) +
                   QStringLiteral("\n\n");
    if (f.nModus == Rueckfrage::kUmbenennen)
        text += Sprachtext(deutsch, "Transaktionen mit %1 in %2 umbenennen?", "Rename transactions with %1 in %2?")
                    .arg(name, QStringLiteral("'%1'").arg(AlsQString(f.strNeu)));
    else
        text += Sprachtext(deutsch, "Transaktionen mit %1 löschen?", "Delete transactions with %1?").arg(name);
    const QString titel = f.nModus == Rueckfrage::kUmbenennen
                              ? Sprachtext(deutsch, "Eintrag umbenennen", "Rename entry")
                              : Sprachtext(deutsch, "Eintrag löschen", "Delete entry");
    return Meldung(eltern, QMessageBox::Question, titel, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

} // namespace

Bestaetigung AlsBestaetigung(const Eintragsfrage& frage, QWidget* eltern, const CBasis& basis)
{
    const bool deutsch = basis.Deutsch();
    return [frage, eltern, deutsch](const Rueckfrage& f) {
        if (!frage)
            return FrageMitMeldung(eltern, deutsch, f);
        const int bestaetigt = f.nModus == Rueckfrage::kUmbenennen ? 1 : 2;
        return frage(f.nModus, f.strName, f.strNeu, f.nFilterArt) == bestaetigt;
    };
}

} // namespace velmora

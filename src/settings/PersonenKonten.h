#pragma once

// The settings window: the family name, the members and their accounts with their balances, and below
// them the colours, the password and the balloon-help switch. Every command changes the store at once
// and reports to the main window.

#include "Eintragsfrage.h"
#include "Fensterhilfen.h"

#include <QColor>
#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class PersonenKonten;
}

namespace velmora {

class CBasis;
class CPPToolTip;
class Hub;
class KontenListe;
class MitgliederListe;

class PersonenKonten final : public QDialog
{
    Q_OBJECT
public:
    enum class Form
    {
        kVoll,
        kFamilienKonten, // without the colours, password and balloon switch
    };

    // The part cut off in the family-accounts form.
    static constexpr int kUntererTeil = 170;

    // The colour chooser: the start colour in, the chosen colour out, nothing when cancelled.
    using Farbwahl = std::function<std::optional<QColor>(const QColor& start, QWidget* eltern)>;

    PersonenKonten(CBasis& basis, Hub& hub, QWidget* eltern = nullptr, Form form = Form::kVoll);
    ~PersonenKonten() override;

    // Reads every control's state afresh from the store (the main window calls it on every change).
    void Aktualisiere();

    void SetzeEintragsfrage(Eintragsfrage frage) { m_frage = std::move(frage); }
    void SetzeFarbwahl(Farbwahl wahl) { m_farbwahl = std::move(wahl); }

    // The painted one-line message of the member and account commands; empty when none is shown.
    QString Meldung() const;
    CPPToolTip& Ballons() { return *m_ballons; }

signals:
    // The balloon-help switch changed; the main window builds its balloons afresh.
    void BallonsUmgeschaltet();

public slots:
    void done(int ergebnis) override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void SetzeSprache();
    void VerbindeSteuerelemente();
    void FuelleBallons();
    void MarkiereKonto(int konto);
    void ZeigeKontoFelder();
    void WendeBarKontoRegelAn();
    void FuelleListen();
    // Shows the store's new state and tells the main window.
    void Geaendert();
    void SetzeMeldung(QString& meldung, const QString& text);
    void Melde();
    QString PasswortZustandsText() const;

    void FamilienNameGeaendert();
    void MitgliedAngeklickt(int zeile);
    void KontoAngeklickt(int zeile);
    void ErstelleMitglied();
    void BenenneMitgliedUm();
    void LoescheMitglied();
    void StelleMitgliedWiederHer();
    void LoescheMitgliedEndgueltig();
    void ErstelleKonto();
    void BenenneKontoUm();
    void LoescheKonto();
    void StelleKontoWiederHer();
    void LoescheKontoEndgueltig();
    void AendereBetrag();
    void WaehleFarbe(int eintrag);
    void PasswortGeaendert();
    void SchalteTooltips();

    std::unique_ptr<Ui::PersonenKonten> m_ui;
    CBasis& m_basis;
    Hub& m_hub;
    Form m_form;
    Steuerelemente m_steuer;
    MitgliederListe* m_mitglieder = nullptr;
    KontenListe* m_konten = nullptr;
    CPPToolTip* m_ballons = nullptr;
    Eintragsfrage m_frage;
    Farbwahl m_farbwahl;

    int m_nMitglied = -1;
    int m_nKonto = -1;
    std::string m_strNameBeimOeffnen;
    QString m_strMitgliedMeldung;
    QString m_strKontoMeldung;
};

} // namespace velmora

#include "Prognose.h"

#include "Basis.h"
#include "CPPToolTip.h"
#include "Listenansicht.h"
#include "MaleText.h"
#include "PrognoseModell.h"
#include "Prognoseballons.h"
#include "QtText.h"
#include "Text.h"
#include "Verlaufsbild.h"
#include "ui_Prognose.h"

#include <QHeaderView>

namespace velmora {

Prognose::Prognose(CBasis& basis, QWidget* eltern)
    : QDialog(eltern)
    , m_ui(std::make_unique<Ui::Prognose>())
    , m_basis(basis)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setSizeGripEnabled(true);

    m_modell = new PrognoseModell(m_basis, this);
    RichteListenansichtEin(*m_ui->c1003);
    m_ui->c1003->setModel(m_modell);
    m_ui->c1003->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    SetzeSprache();
    // The everyday estimate averages the last three whole months.
    LadeVorschauMonate(m_basis);
    Aktualisiere();
    connect(m_ui->c1001, &QComboBox::currentIndexChanged, this, &Prognose::Zeige);

    m_ballons = new CPPToolTip(this);
    RichteBallonsEin(*m_ballons);
    FuellePrognoseballons(*m_ballons, m_basis,
                          [this](int id) { return findChild<QWidget*>(QStringLiteral("c%1").arg(id)); });
}

Prognose::~Prognose() = default;

void Prognose::SetzeSprache()
{
    const bool deutsch = m_basis.Deutsch();
    setWindowTitle(Sprachtext(deutsch, "Was bleibt am Monatsende?", "What is left at the end of the month?"));
    m_ui->c1005->setText(Sprachtext(deutsch, "&Konto:", "&Account:"));
    m_ui->c1001->setAccessibleName(Sprachtext(deutsch, "Konto", "Account"));
    m_ui->c1002->setAccessibleName(Sprachtext(deutsch, "Verlauf des Kontostands", "Balance over time"));
    m_ui->c1003->setAccessibleName(Sprachtext(deutsch, "Kommende Buchungen", "Upcoming bookings"));
    m_ui->c1004->setAccessibleName(Sprachtext(deutsch, "Zahlen der Vorschau", "Forecast figures"));
}

Verlaufsbild& Prognose::Bild() const
{
    return *m_ui->c1002;
}

const Verlauf& Prognose::Gezeigt() const
{
    const size_t i = static_cast<size_t>(std::max(m_ui->c1001->currentIndex(), 0));
    if (i < m_vorschau.konten.size())
        return m_vorschau.konten[i];
    if (i - m_vorschau.konten.size() < m_vorschau.mitglieder.size())
        return m_vorschau.mitglieder[i - m_vorschau.konten.size()];
    return m_vorschau.familie;
}

void Prognose::FuelleAuswahl()
{
    const bool deutsch = m_basis.Deutsch();
    QStringList eintraege;
    for (const Verlauf& v : m_vorschau.konten)
        eintraege << AlsQString(v.strName);
    for (const Verlauf& v : m_vorschau.mitglieder)
        eintraege << AlsQString(v.strName) + Sprachtext(deutsch, " (alle Konten)", " (all accounts)");
    eintraege << Sprachtext(deutsch, "Familie ", "Family ") + AlsQString(m_vorschau.familie.strName);
    QComboBox* auswahl = m_ui->c1001;
    const QString vorher = auswahl->currentText();
    const QSignalBlocker still(auswahl);
    auswahl->clear();
    auswahl->addItems(eintraege);
    auswahl->setCurrentIndex(std::max<int>(static_cast<int>(eintraege.indexOf(vorher)), 0));
}

void Prognose::Aktualisiere()
{
    m_vorschau = ErstelleVorschau(m_basis, VorschauHorizont(m_basis.m_nHeute));
    FuelleAuswahl();
    Zeige();
}

void Prognose::WaehleKonto(int konto)
{
    const int familie = m_ui->c1001->count() - 1;
    m_ui->c1001->setCurrentIndex(konto >= 0 && konto < familie ? konto : familie);
    Zeige();
}

QString Prognose::Zahlen(const Verlauf& v) const
{
    const bool deutsch = m_basis.Deutsch();
    const auto betrag = [](double wert) { return AlsQString(Format("%.2f", wert)); };
    const auto datum = [deutsch](int tag) { return AlsQString(DatumsText(tag, deutsch)).trimmed(); };
    QStringList teile;
    teile << Sprachtext(deutsch, "Heute: %1", "Today: %1").arg(betrag(v.dHeute))
          << Sprachtext(deutsch, "Monatsende: %1", "Month end: %1").arg(betrag(v.dMonatsEnde))
          << Sprachtext(deutsch, "Jahresende: %1", "Year end: %1").arg(betrag(v.dJahresEnde))
          << Sprachtext(deutsch, "Tiefster Stand: %1 am %2", "Lowest: %1 on %2")
                 .arg(betrag(v.dTiefst), datum(v.nTiefstDatum));
    if (v.nErstesMinus != 0)
        teile << Sprachtext(deutsch, "Unter null ab %1", "Below zero from %1").arg(datum(v.nErstesMinus));
    teile << Sprachtext(deutsch, "Übliche Ausgaben (geschätzt): %1 pro Tag", "Usual spending (estimate): %1 a day")
                 .arg(betrag(v.dUeblichProTag));
    return teile.join(QStringLiteral("  \u00b7  "));
}

void Prognose::Zeige()
{
    const Verlauf& v = Gezeigt();
    m_modell->Zeige(&m_vorschau, &v);
    m_ui->c1002->Setze(v, m_vorschau.nHeute, m_vorschau.nBis, m_basis.Deutsch(), AlsFarbe(0xA05000),
                       AlsFarbe(m_basis.m_aFarben[1]));
    const QString zahlen = Zahlen(v);
    m_ui->c1004->setText(zahlen);
    m_ui->c1002->setAccessibleDescription(zahlen);
}

} // namespace velmora

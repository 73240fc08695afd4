#include "Empfaenger.h"

#include "ui_Empfaenger.h"

#include "Basis.h"
#include "Fremdkontenverwaltung.h"
#include "Hub.h"
#include "Listenmodelle.h"
#include "QtText.h"

namespace velmora {

namespace {

// The message stands 120 pixels from the left, 26 pixels above the window's lower edge.
constexpr int kMeldungX = 120;
constexpr int kMeldungUeberUnterkante = 26;
constexpr Schrift kMeldungsSchrift{16, 8, 800};

} // namespace

Empfaenger::Empfaenger(CBasis& basis, Hub& hub, QWidget* eltern)
    : QDialog(eltern)
    , m_ui(std::make_unique<Ui::Empfaenger>())
    , m_basis(basis)
    , m_hub(hub)
    , m_steuer(BaueAuf(*m_ui, *this))
    , m_meldung(*this, kMeldungX, kMeldungUeberUnterkante, kMeldungsSchrift)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    SetzeSprache();
    m_liste = new FremdKontenListe(m_basis, this);
    RichteListeEin(m_ui->c1024, m_liste);

    connect(m_ui->c1032, &QPushButton::clicked, this, &Empfaenger::Erstelle);
    connect(m_ui->c1033, &QPushButton::clicked, this, &Empfaenger::BenenneUm);
    connect(m_ui->c1034, &QPushButton::clicked, this, &Empfaenger::Loesche);
    connect(m_ui->c1037, &QPushButton::clicked, this, &Empfaenger::StelleWiederHer);
    connect(m_ui->c1038, &QPushButton::clicked, this, &Empfaenger::LoescheEndgueltig);
    for (QLineEdit* feld : {m_ui->c1035, m_ui->c1036})
        connect(feld, &QLineEdit::textEdited, this, [this] { m_meldung.Setze({}); });
    BeiZeilenwahl(m_ui->c1024, this, [this](int zeile) { Angeklickt(zeile); });
    AktualisiereAnzeige(true);
}

Empfaenger::~Empfaenger() = default;

void Empfaenger::SetzeSprache()
{
    const bool deutsch = m_basis.Deutsch();
    if (!deutsch) {
        setWindowTitle(QStringLiteral("Edit External Accounts"));
        m_ui->gruppeUmbenennen->setTitle(QStringLiteral("Account Rename/Delete"));
        m_steuer.Uebersetze({
            {1033, "Rename"},
            {1034, "Delete"},
            {1037, "Restore"},
            {1038, "Delete Definitely"},
            {1100, "Create New Account"},
            {1032, "Create New Account"},
        });
    }
    m_steuer.Benenne(deutsch, {
                                  {1024, {"Fremd-Konten", "External accounts"}},
                                  {1035, {"Neuer Name des Fremd-Kontos", "New name of the external account"}},
                                  {1036, {"Name des neuen Fremd-Kontos", "Name of the new external account"}},
                              });
    m_ui->gruppeUmbenennen->setAccessibleName(m_ui->gruppeUmbenennen->title().trimmed());
}

void Empfaenger::Aktualisiere()
{
    AktualisiereAnzeige(true);
}

void Empfaenger::AktualisiereAnzeige(bool neuAufbauen)
{
    const int anzahl = static_cast<int>(m_basis.m_arrZielKonten.size());
    if (m_nMarkiert >= anzahl)
        m_nMarkiert = anzahl > 0 ? 0 : -1;
    m_steuer.Zeige({1033, 1034, 1035}, true);
    m_steuer.Zeige({1037, 1038}, false);
    m_steuer.Aktiviere({1033, 1034, 1035}, anzahl > 0);
    m_liste->SetzeMarkiert(m_nMarkiert);
    if (neuAufbauen)
        m_liste->Fuelle();
    ZeigeZeile(m_ui->c1024, m_nMarkiert);
    if (const CZIELKONTO* ziel = FremdKonto(m_basis, m_nMarkiert)) {
        SetzeText(m_ui->c1035, AlsQString(ziel->m_strName));
        const bool geloescht = IstGeloescht(*ziel);
        m_steuer.Zeige({1033, 1034, 1035}, !geloescht);
        m_steuer.Zeige({1037, 1038}, geloescht);
    }
    update();
}

void Empfaenger::Angeklickt(int zeile)
{
    if (!FremdKonto(m_basis, zeile) || zeile == m_nMarkiert)
        return;
    m_nMarkiert = zeile;
    AktualisiereAnzeige(false);
}

void Empfaenger::Erstelle()
{
    m_meldung.Setze({});
    const std::string name = TextVon(m_ui->c1036);
    if (m_meldung.Abgewiesen(ErstelleFremdKonto(m_basis, name), m_basis.m_nSprache, name))
        return;
    SetzeText(m_ui->c1035, AlsQString(name));
    SetzeText(m_ui->c1036, {});
    m_nMarkiert = static_cast<int>(m_basis.m_arrZielKonten.size()) - 1;
    AktualisiereAnzeige(true);
    m_hub.Benachrichtige(kLadeFremdKonten, 0);
    m_hub.Benachrichtige(kDatenGeaendert, 0);
}

void Empfaenger::BenenneUm()
{
    m_meldung.Setze({});
    const std::string name = TextVon(m_ui->c1035);
    const Ausgang ausgang = BenenneFremdKontoUm(m_basis, m_nMarkiert, name, AlsBestaetigung(m_frage, this, m_basis));
    if (m_meldung.Abgewiesen(ausgang, m_basis.m_nSprache, name))
        return;
    AktualisiereAnzeige(true);
    m_hub.Benachrichtige(kDatenGeaendert, 0);
    m_hub.Benachrichtige(kLadeFremdKonten, 0);
}

void Empfaenger::Loesche()
{
    if (LoescheFremdKonto(m_basis, m_nMarkiert, AlsBestaetigung(m_frage, this, m_basis)) == Ausgang::kNichtMoeglich)
        return;
    SetzeText(m_ui->c1036, {});
    AktualisiereAnzeige(false);
    m_hub.Benachrichtige(kLadeFremdKonten, 0);
    m_hub.Benachrichtige(kDatenGeaendert, 0);
}

void Empfaenger::StelleWiederHer()
{
    if (StelleFremdKontoWiederHer(m_basis, m_nMarkiert) != Ausgang::kErledigt)
        return;
    AktualisiereAnzeige(false);
    m_hub.Benachrichtige(kDatenGeaendert, 0);
}

void Empfaenger::LoescheEndgueltig()
{
    if (LoescheFremdKontoEndgueltig(m_basis, m_nMarkiert) != Ausgang::kErledigt)
        return;
    m_nMarkiert = m_basis.m_arrZielKonten.empty() ? -1 : 0;
    SetzeText(m_ui->c1035, m_nMarkiert == 0 ? AlsQString(m_basis.m_arrZielKonten.front()->m_strName) : QString());
    AktualisiereAnzeige(true);
    m_hub.Benachrichtige(kDatenGeaendert, 0);
}

void Empfaenger::paintEvent(QPaintEvent* ereignis)
{
    QDialog::paintEvent(ereignis);
    m_meldung.Male();
}

} // namespace velmora

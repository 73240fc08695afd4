#include "PersonenKonten.h"

#include "ui_PersonenKonten.h"

#include "Basis.h"
#include "CPPToolTip.h"
#include "Einstellungsballons.h"
#include "Einstellungstexte.h"
#include "Familienverwaltung.h"
#include "Hub.h"
#include "Listenmodelle.h"
#include "MaleText.h"
#include "Programmeinstellungen.h"
#include "QtText.h"
#include "Text.h"
#include "Texte.h"

#include <QColorDialog>
#include <QHeaderView>
#include <QPainter>
#include <QSignalBlocker>

namespace velmora {

namespace {

constexpr int kKontoSpalte = 150;
const QColor kMeldungsFarbe(255, 64, 64);

std::optional<QColor> StandardFarbwahl(const QColor& start, QWidget* eltern)
{
    const QColor farbe = QColorDialog::getColor(start, eltern);
    return farbe.isValid() ? std::optional<QColor>(farbe) : std::nullopt;
}

QString BetragsText(double betrag)
{
    return AlsQString(Format("%5.2f", betrag));
}

} // namespace

PersonenKonten::PersonenKonten(CBasis& basis, Hub& hub, QWidget* eltern, Form form)
    : QDialog(eltern)
    , m_ui(std::make_unique<Ui::PersonenKonten>())
    , m_basis(basis)
    , m_hub(hub)
    , m_form(form)
    , m_steuer(BaueAuf(*m_ui, *this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    SetzeSprache();
    setFixedSize(width(), m_form == Form::kFamilienKonten ? height() - kUntererTeil : height());
    const CFAMILY& familie = StelleFamilieSicher(m_basis);

    QStringList kontoNamen{Zeichenkette(m_basis.m_nSprache, kTxtGiroKonto),
                           Zeichenkette(m_basis.m_nSprache, kTxtSparbuch)};
    kontoNamen.sort();
    for (QComboBox* feld : {m_ui->c1013, m_ui->c1028}) {
        feld->addItems(kontoNamen);
        feld->setCurrentIndex(-1);
    }
    SetzeText(m_ui->c1073, AlsQString(m_basis.m_strPasswort));
    SetzeText(m_ui->c1074, AlsQString(m_basis.m_strPasswort));
    m_strNameBeimOeffnen = familie.m_strName;
    SetzeText(m_ui->c1010, AlsQString(familie.m_strName));

    m_mitglieder = new MitgliederListe(m_basis, this);
    m_konten = new KontenListe(m_basis, this);
    RichteListeEin(m_ui->c1024, m_mitglieder);
    RichteListeEin(m_ui->c1019, m_konten);
    m_ui->c1019->horizontalHeader()->resizeSection(KontenListe::kKonto, kKontoSpalte);

    if (!familie.m_arrPersonen.empty()) {
        m_nMitglied = 0;
        m_nKonto = familie.m_arrPersonen[0]->m_arrKonten.empty() ? -1 : 0;
        ZeigeKontoFelder();
    }
    VerbindeSteuerelemente();
    Aktualisiere();
    m_ui->c1012->setFocus();

    m_ballons = new CPPToolTip(this);
    RichteBallonsEin(*m_ballons);
    FuelleBallons();
}

PersonenKonten::~PersonenKonten() = default;

void PersonenKonten::SetzeSprache()
{
    const bool deutsch = m_basis.Deutsch();
    if (!deutsch)
        setWindowTitle(QStringLiteral("Settings"));
    BeschrifteEinstellungen(m_steuer, deutsch);
}

void PersonenKonten::VerbindeSteuerelemente()
{
    const auto knopf = [this](QPushButton* k, void (PersonenKonten::*befehl)()) {
        connect(k, &QPushButton::clicked, this, befehl);
    };
    knopf(m_ui->c1020, &PersonenKonten::ErstelleMitglied);
    knopf(m_ui->c1021, &PersonenKonten::BenenneMitgliedUm);
    knopf(m_ui->c1022, &PersonenKonten::LoescheMitglied);
    knopf(m_ui->c1030, &PersonenKonten::StelleMitgliedWiederHer);
    knopf(m_ui->c1033, &PersonenKonten::LoescheMitgliedEndgueltig);
    knopf(m_ui->c1014, &PersonenKonten::ErstelleKonto);
    knopf(m_ui->c1016, &PersonenKonten::BenenneKontoUm);
    knopf(m_ui->c1023, &PersonenKonten::LoescheKonto);
    knopf(m_ui->c1032, &PersonenKonten::StelleKontoWiederHer);
    knopf(m_ui->c1034, &PersonenKonten::LoescheKontoEndgueltig);
    knopf(m_ui->c1018, &PersonenKonten::AendereBetrag);
    connect(m_ui->c1025, &QPushButton::clicked, this, [this] { WaehleFarbe(0); });
    connect(m_ui->c1026, &QPushButton::clicked, this, [this] { WaehleFarbe(1); });
    connect(m_ui->c1027, &QPushButton::clicked, this, [this] { WaehleFarbe(2); });
    connect(m_ui->c1061, &QPushButton::clicked, this, [this] {
        m_hub.Benachrichtige(kOeffneFremdKonten, -1);
        update();
    });
    connect(m_ui->c1062, &QPushButton::clicked, this, [this] {
        m_hub.Benachrichtige(kOeffneKategorien, -1);
        update();
    });
    connect(m_ui->c1063, &QPushButton::clicked, this, [this] { m_hub.Benachrichtige(kOeffneImportregeln, -1); });
    connect(m_ui->c1097, &QCheckBox::clicked, this, &PersonenKonten::SchalteTooltips);

    connect(m_ui->c1010, &QLineEdit::textEdited, this, &PersonenKonten::FamilienNameGeaendert);
    connect(m_ui->c1073, &QLineEdit::textEdited, this, &PersonenKonten::PasswortGeaendert);
    connect(m_ui->c1074, &QLineEdit::textEdited, this, &PersonenKonten::PasswortGeaendert);
    connect(m_ui->c1012, &QLineEdit::textEdited, this, [this] { SetzeMeldung(m_strMitgliedMeldung, {}); });
    connect(m_ui->c1013, &QComboBox::editTextChanged, this, [this] { SetzeMeldung(m_strKontoMeldung, {}); });
    connect(m_ui->c1015, &QLineEdit::textEdited, this, [this] { SetzeMeldung(m_strKontoMeldung, {}); });
    // A new name typed for a member or an account takes a pending message of its section away.
    connect(m_ui->c1017, &QLineEdit::textEdited, this, [this] { SetzeMeldung(m_strMitgliedMeldung, {}); });
    connect(m_ui->c1028, &QComboBox::editTextChanged, this, [this] {
        m_ui->c1014->setEnabled(true);
        SetzeMeldung(m_strKontoMeldung, {});
    });

    BeiZeilenwahl(m_ui->c1024, this, [this](int zeile) { MitgliedAngeklickt(zeile); });
    BeiZeilenwahl(m_ui->c1019, this, [this](int zeile) { KontoAngeklickt(zeile); });
}

void PersonenKonten::FuelleBallons()
{
    FuelleEinstellungsballons(*m_ballons, m_basis, [this](int id) { return m_steuer[id]; });
}

void PersonenKonten::ZeigeKontoFelder()
{
    if (const CKonto* konto = Konto(m_basis, m_nMitglied, m_nKonto)) {
        SetzeText(m_ui->c1013, AlsQString(konto->m_strName));
        SetzeText(m_ui->c1015, BetragsText(konto->m_dStand));
    }
}

void PersonenKonten::WendeBarKontoRegelAn()
{
    const CKonto* konto = Konto(m_basis, m_nMitglied, m_nKonto);
    m_steuer.Aktiviere({1023, 1013, 1016}, konto && !IstBarKonto(konto->m_strName));
    m_steuer.Aktiviere({1018}, true);
}

void PersonenKonten::FuelleListen()
{
    m_mitglieder->SetzeMarkiert(m_nMitglied);
    m_konten->SetzeMitglied(m_mitglieder->rowCount() > 0 ? m_nMitglied : -1);
    m_konten->SetzeMarkiert(m_nKonto);
    m_mitglieder->Fuelle();
    m_konten->Fuelle();
    ZeigeZeile(m_ui->c1024, m_nMitglied);
    ZeigeZeile(m_ui->c1019, m_nKonto);
}

void PersonenKonten::Aktualisiere()
{
    Steuerelemente& s = m_steuer;
    {
        const QSignalBlocker sperre(m_ui->c1097);
        m_ui->c1097->setChecked(m_basis.m_bTooltips != 0);
    }
    const CFAMILY& familie = StelleFamilieSicher(m_basis);
    const int anzahl = static_cast<int>(familie.m_arrPersonen.size());
    if (m_nMitglied >= anzahl)
        m_nMitglied = anzahl > 0 ? 0 : -1;
    const CPerson* person = Mitglied(m_basis, m_nMitglied);
    if (!person || m_nKonto >= static_cast<int>(person->m_arrKonten.size()))
        m_nKonto = person && !person->m_arrKonten.empty() ? 0 : -1;
    FuelleListen();
    SetzeText(m_ui->c1078, person ? AlsQString(person->m_strName) : QString());

    if (familie.m_strName.empty()) {
        // A family name comes before anything else.
        s.Aktiviere({1023, 1013, 1016, 1018, 1086, 1087, 1088, 1089, 1080, 1020, 1017, 1097,
                     1022, 1012, 1021, 1038, 1015, 1029, 1081, 1028, 1078, 1014, 1082, 1083,
                     1084, 1025, 1026, 1027, 1061, 1062, 1063, 1090, 1073, 1074, 1024, 1019},
                    false);
        s.Zeige({1030, 1033, 1032, 1034}, false);
        Melde();
        return;
    }
    s.Aktiviere({1086, 1087, 1088, 1089, 1080, 1082, 1083, 1084, 1078, 1025, 1026,
                 1027, 1061, 1062, 1063, 1090, 1073, 1074, 1097, 1024, 1019},
                true);
    if (anzahl == 0) {
        s.Aktiviere({1023, 1013, 1016, 1018, 1038, 1015, 1029, 1081, 1028, 1078, 1014, 1082, 1083, 1084, 1080}, false);
        s.Zeige({1030, 1033, 1032, 1034}, false);
        s.Zeige({1022, 1021, 1012, 1089}, true);
        s.Aktiviere({1022, 1021, 1012, 1089}, false);
    }
    if (!person) {
        Melde();
        return;
    }
    SetzeText(m_ui->c1012, AlsQString(person->m_strName));
    ZeigeKontoFelder();
    if (IstGeloescht(*person)) {
        s.Aktiviere({1023, 1013, 1016, 1018}, false);
        s.Zeige({1030, 1033}, true);
        s.Zeige({1022, 1012, 1021}, false);
        s.Aktiviere({1038, 1015, 1029, 1081, 1018, 1028, 1078, 1014, 1032, 1034, 1082, 1083, 1084}, false);
        Melde();
        return;
    }
    WendeBarKontoRegelAn();
    const CKonto* konto = Konto(m_basis, m_nMitglied, m_nKonto);
    const bool kontoGeloescht = konto && IstGeloescht(*konto);
    s.Zeige({1023, 1013, 1016, 1080}, !kontoGeloescht);
    s.Zeige({1032, 1034}, kontoGeloescht);
    s.Zeige({1022, 1012, 1021}, true);
    s.Zeige({1030, 1033}, false);
    s.Aktiviere({1012, 1089, 1021, 1022}, true);
    s.Aktiviere({1038, 1015, 1029, 1081, 1018, 1028, 1078, 1014, 1032, 1034, 1082, 1083, 1084}, true);
    Melde();
}

void PersonenKonten::Geaendert()
{
    Aktualisiere();
    m_hub.Benachrichtige(kDatenGeaendert, 0);
}

void PersonenKonten::SetzeMeldung(QString& meldung, const QString& text)
{
    if (meldung == text)
        return;
    meldung = text;
    Melde();
}

QString PersonenKonten::PasswortZustandsText() const
{
    switch (ZustandDerPasswortFelder(TextVon(m_ui->c1073), TextVon(m_ui->c1074))) {
        case PasswortZustand::kBestaetigen:
            return Sprachtext(m_basis.Deutsch(), "Passwort bestätigen", "Confirm Password");
        case PasswortZustand::kOk:
            return Sprachtext(m_basis.Deutsch(), "Passwort o.k.", "Password o.k.");
        default:
            return {};
    }
}

void PersonenKonten::Melde()
{
    // Screen readers cannot see the painted message and password state; the window describes them.
    QStringList texte;
    for (const QString& t : {m_strMitgliedMeldung, m_strKontoMeldung, PasswortZustandsText()}) {
        if (!t.isEmpty())
            texte << t;
    }
    setAccessibleDescription(texte.join(QStringLiteral(", ")));
    update();
}

QString PersonenKonten::Meldung() const
{
    return m_strMitgliedMeldung.isEmpty() ? m_strKontoMeldung : m_strMitgliedMeldung;
}

void PersonenKonten::FamilienNameGeaendert()
{
    const std::string name = TextVon(m_ui->c1010);
    SetzeFamilienName(m_basis, m_strNameBeimOeffnen, name);
    if (!name.empty())
        m_steuer.Aktiviere({1020, 1017}, true);
    Geaendert();
}

void PersonenKonten::MitgliedAngeklickt(int zeile)
{
    const CPerson* person = Mitglied(m_basis, zeile);
    if (!person || zeile == m_nMitglied)
        return;
    m_nMitglied = zeile;
    m_nKonto = person->m_arrKonten.empty() ? -1 : 0;
    SetzeText(m_ui->c1012, AlsQString(person->m_strName));
    ZeigeKontoFelder();
    Aktualisiere();
}

void PersonenKonten::KontoAngeklickt(int zeile)
{
    if (!Konto(m_basis, m_nMitglied, zeile) || zeile == m_nKonto)
        return;
    m_nKonto = zeile;
    ZeigeKontoFelder();
    Aktualisiere();
}

void PersonenKonten::WaehleFarbe(int eintrag)
{
    const QColor start = AlsFarbe(m_basis.m_aFarben[static_cast<size_t>(eintrag)]);
    const std::optional<QColor> farbe = m_farbwahl ? m_farbwahl(start, this) : StandardFarbwahl(start, this);
    if (farbe) {
        SetzeFarbe(m_basis, eintrag, AlsColorref(*farbe));
        m_hub.Benachrichtige(kDatenGeaendert, 0);
    }
    update();
}

void PersonenKonten::PasswortGeaendert()
{
    PasswortEingegeben(m_basis, TextVon(m_ui->c1073), TextVon(m_ui->c1074));
    Melde();
    m_hub.Benachrichtige(kDatenGeaendert, 0);
}

void PersonenKonten::SchalteTooltips()
{
    const int an = velmora::SchalteTooltips(m_basis);
    const QSignalBlocker sperre(m_ui->c1097);
    m_ui->c1097->setChecked(an != 0);
    emit BallonsUmgeschaltet();
}

void PersonenKonten::done(int ergebnis)
{
    PasswortBeimSchliessen(m_basis, TextVon(m_ui->c1073), TextVon(m_ui->c1074));
    QDialog::done(ergebnis);
}

void PersonenKonten::paintEvent(QPaintEvent* ereignis)
{
    QDialog::paintEvent(ereignis);
    QPainter maler(this);
    const QPoint ort = m_ui->c1131->geometry().topLeft() + QPoint(5, 5);
    for (const QString& meldung : {m_strMitgliedMeldung, m_strKontoMeldung}) {
        if (!meldung.isEmpty())
            MaleText(maler, ort, meldung, {18, 9, 800}, kMeldungsFarbe);
    }
    const bool bestaetigt =
        ZustandDerPasswortFelder(TextVon(m_ui->c1073), TextVon(m_ui->c1074)) == PasswortZustand::kOk;
    MaleText(maler, m_ui->c1075->geometry().topLeft(), PasswortZustandsText(), {12, 6, 100},
             bestaetigt ? QColor(Qt::black) : QColor(255, 0, 0));
}

} // namespace velmora

#include "InOut.h"

#include "AuswahlAnsicht.h"
#include "AuswahlModell.h"
#include "Basis.h"
#include "Buchung.h"
#include "CPPToolTip.h"
#include "Eingabeballons.h"
#include "Hub.h"
#include "MaleText.h"
#include "QtText.h"
#include "ui_InOut.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QPainter>

namespace velmora {

namespace {

const QPoint kKopfOrt(15, 8);
constexpr int kMeldungX = 400;
constexpr Schrift kKopfSchrift{25, 13, 800};
constexpr Schrift kMeldungsSchrift{20, 10, 800};
constexpr Schrift kBetragSchrift{22, 0, 400};
const QColor kBearbeitenFarbe(0, 128, 255);
const QColor kGuthabenFarbe(0, 128, 0);
const QColor kSchuldFarbe(128, 0, 0);
const QColor kMeldungsFarbe(255, 64, 64);

} // namespace

InOut::InOut(CBasis& basis, Hub& hub, QWidget* eltern)
    : QDialog(eltern)
    , m_ui(std::make_unique<Ui::InOut>())
    , m_basis(basis)
    , m_hub(hub)
{
    m_ui->setupUi(this);
    RichteDauerAuftragEin();
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // The standing-order panel below the commit button opens only for standing orders.
    m_ui->c1106->hide();
    m_ui->c1038->setFont(SchriftFuer(kBetragSchrift));
    m_ui->c1043->setFont(SchriftFuer(kBetragSchrift));
    const QDate heute(m_basis.m_nHeute / 10000, m_basis.m_nHeute / 100 % 100, m_basis.m_nHeute % 100);
    m_ui->c1042->setDate(heute.isValid() ? heute : QDate::currentDate());

    BaueListen();
    SetzeSprache();
    Fuelle(kAlleAuswahllisten);
    m_ui->c1040->setEnabled(false);
    connect(m_ui->c1038, &QLineEdit::textChanged, this, [this] { PruefeUebernehmen(true); });
    connect(m_ui->c1040, &QPushButton::clicked, this, &InOut::Uebernehmen);

    m_ballons = new CPPToolTip(this);
    RichteBallonsEin(*m_ballons);
    FuelleEingabeballons(*m_ballons, m_basis, [this](int id) { return Steuerelement(id); });
    Zeige();
}

InOut::~InOut() = default;

QWidget* InOut::Steuerelement(int id) const
{
    return findChild<QWidget*>(QStringLiteral("c%1").arg(id));
}

void InOut::SetzeSprache()
{
    const bool deutsch = m_basis.Deutsch();
    setWindowTitle(
        Sprachtext(deutsch, "Eingabe aller Einnahmen, Ausgaben, Umbuchungen", "Input Income,Expenses,Transfers"));
    m_ui->c1101->setText(Sprachtext(deutsch, "Kommentar", "Comment"));
    m_ui->c1043->setText(Sprachtext(deutsch, "Betrag", "Amount"));
    m_ui->c1102->setText(Sprachtext(deutsch, "Datum", "Date"));
    m_ui->c1040->setText(Sprachtext(deutsch, "Übernehmen", "Assume"));
    m_ui->c1106->setTitle(Sprachtext(deutsch, "Dauerauftrag", "Standing Order"));
    m_ui->c1042->SetzeSprache(deutsch);
    m_ui->c1039->setAccessibleName(m_ui->c1101->text());
    m_ui->c1038->setAccessibleName(m_ui->c1043->text());
    m_ui->c1042->setAccessibleName(m_ui->c1102->text());
    m_ui->c1040->setAccessibleName(m_ui->c1040->text());
    m_ui->c1106->setAccessibleName(m_ui->c1106->title());
    for (AuswahlAnsicht* ansicht : m_ansichten)
        ansicht->setAccessibleName(ansicht->model()->headerData(0, Qt::Horizontal).toString());
}

void InOut::PruefeUebernehmen(bool nachBetrag)
{
    // A standing order is committed by the panel's own button.
    if (m_nDauerAuftragsModus != 0) {
        m_ui->c1040->setEnabled(false);
        return;
    }
    const QString betrag = m_ui->c1038->text();
    if (betrag.isEmpty() || betrag == QLatin1String("0")) {
        m_ui->c1040->setEnabled(false);
        return;
    }
    if (m_astrWert[kZahlerListe] == m_astrWert[kEmpfaengerListe]) {
        if (!nachBetrag)
            m_ui->c1040->setEnabled(false);
        return;
    }
    m_ui->c1040->setEnabled(true);
}

int InOut::DatumsWert() const
{
    const QDate datum = m_ui->c1042->date();
    return datum.year() * 10000 + datum.month() * 100 + datum.day();
}

Buchungseingabe InOut::Formular() const
{
    Buchungseingabe eingabe;
    eingabe.strZahler = m_astrWert[kZahlerListe];
    eingabe.strEmpfaenger = m_astrWert[kEmpfaengerListe];
    eingabe.strNutzniesser = m_astrWert[kNutzniesserListe];
    eingabe.strKategorie = m_astrWert[kKategorieListe];
    eingabe.strUKategorie = m_astrWert[kUKategorieListe];
    eingabe.strKommentar = AlsCp1252(m_ui->c1039->text());
    eingabe.dBetrag = LiesBetrag(AlsCp1252(m_ui->c1038->text()));
    eingabe.nDatum = DatumsWert();
    return eingabe;
}

void InOut::Uebernehmen()
{
    // A date still being typed counts as the one booked, or refuses the booking.
    if (!m_ui->c1042->Uebernimm())
        return;
    m_bHandNutzniesser = m_bHandKategorie = m_bHandUKategorie = false;
    m_ui->c1040->setEnabled(false);
    m_strMeldung.clear();
    const int bearbeitet = m_nBearbeitet;
    if (bearbeitet >= 0 && !Bearbeitbar(m_basis, bearbeitet)) {
        // Deleted in the overview while it was open here: booking it again would count it twice.
        m_nBearbeitet = -1;
        m_strMeldung = Sprachtext(m_basis.Deutsch(), "Der Eintrag wurde inzwischen gelöscht",
                                  "The entry has been deleted meanwhile");
        PruefeUebernehmen(true);
        Zeige();
        return;
    }

    const Buchungseingabe eingabe = Formular();
    m_ui->c1038->setText(QStringLiteral("0"));
    m_ui->c1039->clear();
    if (bearbeitet >= 0)
        BucheGeaendert(m_basis, eingabe, bearbeitet);
    else
        BucheNeu(m_basis, eingabe);
    // The store has re-sorted its categories by usage; the index follows the chosen one.
    const int position = KategoriePosition(m_basis, m_astrWert[kKategorieListe]);
    if (position >= 0)
        m_nKategorie = position;
    Zeige();
    m_hub.Benachrichtige(kDatenGeaendert, 0);
    if (bearbeitet >= 0) {
        m_nBearbeitet = -1;
        close();
    }
}

void InOut::LadeEintrag(int nummer, int was)
{
    if (was == kDauerAuftrag) {
        LadeDauerAuftrag(nummer);
        return;
    }
    if (was != kTransaktion || !Bearbeitbar(m_basis, nummer))
        return;
    SchliesseDauerAuftragsPanel();
    const CInOut& t = *m_basis.m_arrInOut[static_cast<size_t>(m_basis.PositionVonIndex(nummer))];
    m_bHandNutzniesser = m_bHandKategorie = m_bHandUKategorie = false;
    m_nBearbeitet = nummer;
    m_basis.m_InOutNeu = t;
    m_strMeldung.clear();
    WaehleText(kZahlerListe, t.m_strAuftraggeber);
    WaehleText(kEmpfaengerListe, t.m_strEmpfaenger);
    WaehleText(kNutzniesserListe, t.m_strNutzniesser);
    WaehleText(kKategorieListe, t.m_strKategorie);
    WaehleText(kUKategorieListe, t.m_strUKategorie);
    m_ui->c1039->setText(AlsQString(t.m_strKommentar));
    m_ui->c1038->setText(QString::asprintf("%5.2f", t.m_dBetrag));
    m_ui->c1042->setDate(QDate(t.m_nDatum / 10000, t.m_nDatum / 100 % 100, t.m_nDatum % 100));
    m_ui->c1040->setEnabled(true);
    Zeige();
}

void InOut::AktualisiereListen(int welche)
{
    if (welche == 1 || welche == 2) {
        FrischeAuf(kZahlerListe);
        FrischeAuf(kEmpfaengerListe);
    } else if (welche == 4 || welche == 5) {
        const std::string uKategorie = m_astrWert[kUKategorieListe];
        FrischeAuf(kKategorieListe);
        const int zeile = ZeileMitText(m_modelle[kUKategorieListe]->Zeilen(), uKategorie);
        if (zeile >= 0)
            SetzeZeile(kUKategorieListe, zeile);
    }
}

QString InOut::Kopfzeile() const
{
    if (m_nDauerAuftragsModus != 0)
        return Sprachtext(m_basis.Deutsch(), "Dauerauftrag bearbeiten", "Edit Standing Orders");
    if (m_nBearbeitet >= 0)
        return Sprachtext(m_basis.Deutsch(), "Eintrag bearbeiten", "Edit entry");
    const Kontoseite zahler = TeileZeile(m_basis, m_astrWert[kZahlerListe]);
    const CKonto* konto = KontoVon(m_basis, zahler);
    if (!konto)
        return {};
    return QStringLiteral("%1, %2 = %3")
        .arg(AlsQString(zahler.strPerson), AlsQString(zahler.strKonto), QString::asprintf("%5.2f", konto->m_dStand));
}

// Repaints the painted lines and tells screen readers what they say.
void InOut::Zeige()
{
    QStringList gemalt;
    for (const QString& text : {Kopfzeile(), m_strMeldung}) {
        if (!text.isEmpty())
            gemalt << text;
    }
    setAccessibleDescription(gemalt.join(QStringLiteral(" - ")));
    update();
}

void InOut::paintEvent(QPaintEvent* ereignis)
{
    QDialog::paintEvent(ereignis);
    QPainter maler(this);
    QString kopf = Kopfzeile();
    const QFontMetrics kopfMetrik(SchriftFuer(kKopfSchrift));
    if (!m_strMeldung.isEmpty()) {
        // A long header gives the message room before the right edge, keeping its start and the balance.
        const int meldung = QFontMetrics(SchriftFuer(kMeldungsSchrift)).horizontalAdvance(m_strMeldung);
        kopf = kopfMetrik.elidedText(kopf, Qt::ElideMiddle, width() - kKopfOrt.x() - 24 - meldung - kKopfOrt.x());
    }
    QColor farbe = kBearbeitenFarbe;
    if (m_nBearbeitet < 0 && m_nDauerAuftragsModus == 0) {
        const CKonto* konto = KontoVon(m_basis, TeileZeile(m_basis, m_astrWert[kZahlerListe]));
        farbe = konto && konto->m_dStand > 0 ? kGuthabenFarbe : kSchuldFarbe;
    }
    MaleText(maler, kKopfOrt, kopf, kKopfSchrift, farbe);
    if (m_strMeldung.isEmpty())
        return;
    // A long header pushes the message to its right instead of under it.
    const int kopfEnde = kKopfOrt.x() + kopfMetrik.horizontalAdvance(kopf);
    MaleText(maler, QPoint(std::max(kMeldungX, kopfEnde + 24), kKopfOrt.y()), m_strMeldung, kMeldungsSchrift,
             kMeldungsFarbe);
}

void InOut::reject()
{
    close();
}

void InOut::closeEvent(QCloseEvent* ereignis)
{
    if (!m_bGemeldet) {
        m_bGemeldet = true;
        m_nBearbeitet = -1;
        m_hub.Benachrichtige(kAktualisiereDauerAuftraege, 0);
        m_hub.Benachrichtige(kDatenGeaendert, 0);
    }
    ereignis->accept();
}

} // namespace velmora

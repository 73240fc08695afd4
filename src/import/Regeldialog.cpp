#include "Regeldialog.h"

#include "Basis.h"
#include "CPPToolTip.h"
#include "QtText.h"
#include "Regelballons.h"
#include "Regeltexte.h"
#include "Trefferliste.h"
#include "ui_Regeldialog.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace velmora {

namespace {

std::optional<double> Betrag(const QString& text)
{
    QString zahl = text.trimmed();
    if (zahl.isEmpty())
        return std::nullopt;
    zahl.replace(QLatin1Char(','), QLatin1Char('.'));
    return zahl.toDouble();
}

QString Betragstext(const std::optional<double>& betrag)
{
    return betrag ? QString::number(*betrag, 'f', 2) : QString();
}

void Setze(QComboBox* auswahl, const std::string& text)
{
    const QString wert = AlsQString(text);
    if (auswahl->isEditable()) {
        auswahl->setEditText(wert);
        return;
    }
    const int zeile = auswahl->findText(wert);
    auswahl->setCurrentIndex(std::max(zeile, 0));
}

} // namespace

Regeldialog::Regeldialog(CBasis& basis, const Importgedaechtnis& gedaechtnis, const std::vector<Kontoauszug>& auszuege,
                         const Importregel& regel, QWidget* eltern)
    : QDialog(eltern)
    , m_ui(std::make_unique<Ui::Regeldialog>())
    , m_basis(basis)
    , m_gedaechtnis(gedaechtnis)
    , m_auszuege(auszuege)
{
    m_ui->setupUi(this);
    {
        // Thirty years of bookings take a moment to read.
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        LadeBuchFuerRegeln(m_basis);
        QGuiApplication::restoreOverrideCursor();
    }
    m_zeilen = new Trefferliste(m_basis, true, this);
    m_buchungen = new Trefferliste(m_basis, false, this);
    m_ui->c1044->setModel(m_zeilen);
    m_ui->c1046->setModel(m_buchungen);
    for (QTableView* liste : {m_ui->c1044, m_ui->c1046}) {
        liste->setSelectionBehavior(QAbstractItemView::SelectRows);
        liste->verticalHeader()->hide();
        liste->verticalHeader()->setDefaultSectionSize(22);
        liste->horizontalHeader()->setStretchLastSection(false);
        liste->setTabKeyNavigation(false);
    }
    const auto* betrag =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,9}([.,]\\d{0,2})?")), this);
    m_ui->c1007->setValidator(betrag);
    m_ui->c1008->setValidator(betrag);
    m_ui->c1042->setStyleSheet(QStringLiteral("color: rgb(255, 64, 64)"));
    SetzeSprache();
    FuelleListen(regel);
    Zeige(regel);

    m_verzoegerung = new QTimer(this);
    m_verzoegerung->setSingleShot(true);
    m_verzoegerung->setInterval(150);
    connect(m_verzoegerung, &QTimer::timeout, this, &Regeldialog::Aktualisiere);
    const auto geaendert = [this] {
        if (!m_bAmaendern)
            m_verzoegerung->start();
    };
    for (QLineEdit* feld :
         {m_ui->c1001, m_ui->c1002, m_ui->c1003, m_ui->c1004, m_ui->c1005, m_ui->c1007, m_ui->c1008, m_ui->c1025})
        connect(feld, &QLineEdit::textChanged, this, geaendert);
    for (QComboBox* auswahl : {m_ui->c1006, m_ui->c1021, m_ui->c1022, m_ui->c1023, m_ui->c1024})
        connect(auswahl, &QComboBox::currentTextChanged, this, geaendert);
    connect(m_ui->c1023, &QComboBox::currentIndexChanged, this, &Regeldialog::FuelleUnterkategorien);
    connect(m_ui->c1051, &QPushButton::clicked, this, &Regeldialog::Speichere);
    connect(m_ui->c1052, &QPushButton::clicked, this, &QDialog::reject);
    m_ballons = new CPPToolTip(this);
    RichteBallonsEin(*m_ballons);
    FuelleRegelballons(*m_ballons, m_basis,
                       [this](int id) { return findChild<QWidget*>(QStringLiteral("c%1").arg(id)); });
    Aktualisiere();
}

Regeldialog::~Regeldialog() = default;

void Regeldialog::SetzeSprache()
{
    const bool deutsch = m_basis.Deutsch();
    setWindowTitle(Sprachtext(deutsch, "Import-Regel", "Import rule"));
    m_ui->gruppeBedingungen->setTitle(Sprachtext(deutsch, "Wenn die Zeile", "When the line"));
    m_ui->gruppeWirkung->setTitle(Sprachtext(deutsch, "dann buchen mit", "then book with"));
    const std::pair<QLabel*, QString> texte[] = {
        {m_ui->c1011, Sprachtext(deutsch, "Name enthält:", "Name contains:")},
        {m_ui->c1012, Sprachtext(deutsch, "Name beginnt mit:", "Name starts with:")},
        {m_ui->c1013, Sprachtext(deutsch, "Name ist gleich:", "Name equals:")},
        {m_ui->c1014, Sprachtext(deutsch, "IBAN ist:", "IBAN is:")},
        {m_ui->c1015, Sprachtext(deutsch, "Verwendungszweck enthält:", "Purpose contains:")},
        {m_ui->c1016, Sprachtext(deutsch, "Richtung:", "Direction:")},
        {m_ui->c1017, Sprachtext(deutsch, "Betrag von / bis:", "Amount from / to:")},
        {m_ui->c1031, Sprachtext(deutsch, "Fremd-Konto:", "External account:")},
        {m_ui->c1032, Sprachtext(deutsch, "Nutznießer:", "Beneficiary:")},
        {m_ui->c1033, Sprachtext(deutsch, "Kategorie:", "Category:")},
        {m_ui->c1034, Sprachtext(deutsch, "Unter-Kategorie:", "Sub-category:")},
        {m_ui->c1035, Sprachtext(deutsch, "Kommentar:", "Comment:")},
        {m_ui->c1043, Sprachtext(deutsch, "Zeilen dieses Imports", "Lines of this import")},
        {m_ui->c1045, Sprachtext(deutsch, "Buchungen im Buch", "Bookings in the book")},
    };
    for (const auto& [beschriftung, text] : texte) {
        beschriftung->setText(text);
        beschriftung->setAccessibleName(text);
        if (QWidget* feld = beschriftung->buddy())
            feld->setAccessibleName(QString(text).remove(QLatin1Char(':')));
    }
    for (QComboBox* auswahl : {m_ui->c1021, m_ui->c1022})
        auswahl->lineEdit()->setAccessibleName(auswahl->accessibleName());
    m_ui->c1008->setAccessibleName(Sprachtext(deutsch, "Betrag bis", "Amount up to"));
    m_ui->c1007->setAccessibleName(Sprachtext(deutsch, "Betrag von", "Amount from"));
    m_ui->c1006->addItems({Sprachtext(deutsch, "Eingang und Ausgang", "Money in and out"),
                           Sprachtext(deutsch, "Eingang (+)", "Money in (+)"),
                           Sprachtext(deutsch, "Ausgang (−)", "Money out (−)")});
    m_ui->c1051->setText(Sprachtext(deutsch, "Speichern", "Save"));
    m_ui->c1052->setText(Sprachtext(deutsch, "Abbrechen", "Cancel"));
    for (QPushButton* knopf : {m_ui->c1051, m_ui->c1052})
        knopf->setAccessibleName(knopf->text());
}

// The pickers offer what the entry window offers; a rule's own text stays even when it is gone.
void Regeldialog::FuelleListen(const Importregel& regel)
{
    m_bAmaendern = true;
    QStringList konten{QString()};
    for (const auto& ziel : m_basis.m_arrZielKonten) {
        if (ziel->m_bGebucht > 0)
            konten << AlsQString(ziel->m_strName);
    }
    m_ui->c1021->addItems(konten);
    QStringList nutzniesser{QString(), Sprachtext(m_basis.Deutsch(), "Alle", "All")};
    if (const CFAMILY* familie = m_basis.Familie()) {
        for (const auto& mitglied : familie->m_arrPersonen) {
            if (mitglied->m_nStatus > 0)
                nutzniesser << AlsQString(mitglied->m_strName);
        }
    }
    m_ui->c1022->addItems(nutzniesser);
    m_ui->c1023->addItem(QString());
    for (const auto& kategorie : m_basis.m_arrKategorien) {
        if (kategorie->m_nKat0C > 0 || kategorie->m_strName == regel.strKategorie)
            m_ui->c1023->addItem(AlsQString(kategorie->m_strName));
    }
    m_bAmaendern = false;
}

void Regeldialog::FuelleUnterkategorien()
{
    const bool vorher = m_bAmaendern;
    m_bAmaendern = true;
    const QString bisher = m_ui->c1024->currentText();
    m_ui->c1024->clear();
    m_ui->c1024->addItem(QString());
    const std::string name = AlsCp1252(m_ui->c1023->currentText());
    for (const auto& kategorie : m_basis.m_arrKategorien) {
        if (kategorie->m_strName != name)
            continue;
        for (const auto& unter : kategorie->m_arrUKategorien) {
            if (unter->m_nKat0C > 0)
                m_ui->c1024->addItem(AlsQString(unter->m_strName));
        }
        break;
    }
    m_ui->c1024->setCurrentIndex(std::max(m_ui->c1024->findText(bisher), 0));
    m_bAmaendern = vorher;
    if (!m_bAmaendern)
        m_verzoegerung->start();
}

void Regeldialog::Zeige(const Importregel& r)
{
    m_bAmaendern = true;
    m_ui->c1001->setText(AlsQString(r.strNameEnthaelt));
    m_ui->c1002->setText(AlsQString(r.strNameBeginnt));
    m_ui->c1003->setText(AlsQString(r.strNameGleich));
    m_ui->c1004->setText(AlsQString(r.strIban));
    m_ui->c1005->setText(AlsQString(r.strZweckEnthaelt));
    m_ui->c1006->setCurrentIndex(r.cVorzeichen == '+' ? 1 : r.cVorzeichen == '-' ? 2 : 0);
    m_ui->c1007->setText(Betragstext(r.dMin));
    m_ui->c1008->setText(Betragstext(r.dMax));
    Setze(m_ui->c1021, r.strKonto);
    Setze(m_ui->c1022, r.strNutzniesser);
    Setze(m_ui->c1023, r.strKategorie);
    FuelleUnterkategorien();
    Setze(m_ui->c1024, r.strUKategorie);
    m_ui->c1025->setText(AlsQString(r.strKommentar));
    m_bAmaendern = false;
}

Importregel Regeldialog::Regel() const
{
    Importregel r;
    r.strNameEnthaelt = AlsCp1252(m_ui->c1001->text());
    r.strNameBeginnt = AlsCp1252(m_ui->c1002->text());
    r.strNameGleich = AlsCp1252(m_ui->c1003->text());
    r.strIban = AlsCp1252(m_ui->c1004->text());
    r.strZweckEnthaelt = AlsCp1252(m_ui->c1005->text());
    r.cVorzeichen = m_ui->c1006->currentIndex() == 1 ? '+' : m_ui->c1006->currentIndex() == 2 ? '-' : 0;
    r.dMin = Betrag(m_ui->c1007->text());
    r.dMax = Betrag(m_ui->c1008->text());
    r.strKonto = AlsCp1252(m_ui->c1021->currentText());
    r.strNutzniesser = AlsCp1252(m_ui->c1022->currentText());
    r.strKategorie = AlsCp1252(m_ui->c1023->currentText());
    r.strUKategorie = AlsCp1252(m_ui->c1024->currentText());
    r.strKommentar = AlsCp1252(m_ui->c1025->text());
    Normalisiere(r);
    return r;
}

QString Regeldialog::Zaehlertext() const
{
    return m_ui->c1041->text();
}

// Counts whenever the conditions can be tested; what the rule sets does not change what it matches.
void Regeldialog::Aktualisiere()
{
    const bool deutsch = m_basis.Deutsch();
    const Importregel regel = Regel();
    const Regelfehler fehler = Pruefe(regel);
    const bool pruefbar = fehler == Regelfehler::kKeiner || fehler == Regelfehler::kOhneWirkung;
    m_vorschau = pruefbar ? SchaueVoraus(m_basis, m_gedaechtnis, regel, m_auszuege) : Regelvorschau{};
    std::vector<Trefferliste::Zeile> zeilen;
    for (const Zeilentreffer& t : m_vorschau.zeilen) {
        const Auszugszeile& z = m_auszuege[t.nAuszug].zeilen[t.nZeile];
        zeilen.push_back({z.nDatum, z.dBetrag, AlsQString(z.strName), AlsQString(z.strZweck)});
    }
    m_zeilen->Setze(std::move(zeilen));
    std::vector<Trefferliste::Zeile> buchungen;
    for (const size_t position : m_vorschau.buchungen) {
        const CInOut& t = *m_basis.m_arrInOut[position];
        const bool eingang = m_basis.IstEigenesKonto(t.m_strEmpfaenger);
        buchungen.push_back({t.m_nDatum, eingang ? t.m_dBetrag : -t.m_dBetrag,
                             AlsQString(eingang ? t.m_strAuftraggeber : t.m_strEmpfaenger),
                             AlsQString(t.m_strKategorie)});
    }
    m_buchungen->Setze(std::move(buchungen));
    m_ui->c1041->setText(
        pruefbar ? Sprachtext(deutsch, "Trifft %1 von %2 Zeilen dieses Imports und %3 Buchungen im Buch.",
                              "Matches %1 of %2 lines of this import and %3 bookings in the book.")
                       .arg(m_vorschau.zeilen.size())
                       .arg(m_vorschau.nZeilenGesamt)
                       .arg(m_vorschau.buchungen.size())
                 : Sprachtext(deutsch, "Noch keine Bedingung, die sich prüfen lässt.", "No condition to test yet."));
    QString warnung = fehler == Regelfehler::kKeiner ? QString() : Fehlertext(fehler, deutsch);
    if (pruefbar && m_vorschau.Nichts())
        warnung = Sprachtext(deutsch, "Die Bedingungen treffen nichts.", "The conditions match nothing.");
    else if (pruefbar && m_vorschau.Alles())
        warnung = Sprachtext(deutsch, "Die Bedingungen treffen alles: ist das gewollt?",
                             "The conditions match everything: is that meant?");
    m_ui->c1042->setText(warnung);
    for (QLabel* zeile : {m_ui->c1041, m_ui->c1042})
        zeile->setAccessibleName(zeile->text());
    m_ui->c1044->resizeColumnsToContents();
    m_ui->c1046->resizeColumnsToContents();
}

void Regeldialog::Speichere()
{
    const Regelfehler fehler = Pruefe(Regel());
    if (fehler != Regelfehler::kKeiner) {
        m_ui->c1042->setText(Fehlertext(fehler, m_basis.Deutsch()));
        m_ui->c1042->setAccessibleName(m_ui->c1042->text());
        return;
    }
    accept();
}

} // namespace velmora

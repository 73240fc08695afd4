#include "grafik.h"

#include "ui_grafik.h"

#include "Ansagen.h"
#include "Auswahllisten.h"
#include "Auswertungsballons.h"
#include "Auswertungsbild.h"
#include "Auswertungsdruck.h"
#include "Balkenmaler.h"
#include "Basis.h"
#include "CPPToolTip.h"
#include "Druckknoepfe.h"
#include "Hub.h"
#include "Mitwachsen.h"
#include "QtText.h"
#include "Texte.h"
#include "Uebersicht.h"
#include "Vergleichsliste.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>
#include <map>

namespace velmora {

namespace {

constexpr Schrift kAuswahlSchrift{16, 0, 400};
constexpr int kZeilenHoehe = 22;
// Width of the label column of the annual and of the monthly list.
constexpr int kMonatsSpalte = 55;
constexpr int kKategorieSpalte = 120;
// Room the cell painter leaves beside a text.
constexpr int kTextRand = 6;
// Filter kind of the overview: one category.
constexpr int kFilterKategorie = 4;

bool MitZweiterAuswahl(int auswahl)
{
    return auswahl >= kAuswahlFamilienKonto && auswahl <= kAuswahlNutzniesser;
}

// A long category or account name shows whole in the opened list, however narrow the closed box.
void PasseListeAn(QComboBox* box)
{
    box->view()->setMinimumWidth(box->view()->sizeHintForColumn(0) +
                                 box->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

} // namespace

grafik::grafik(CBasis& basis, Hub& hub, QWidget* eltern)
    : QDialog(eltern)
    , m_ui(std::make_unique<Ui::grafik>())
    , m_basis(basis)
    , m_hub(hub)
    , m_vergleich(basis)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // The two lists share what the window grows by; the month navigation and the totals between them move
    // down with the second list.
    m_wachsen = std::make_unique<Mitwachsen>(*this);
    m_wachsen->Folge(m_ui->c1066, {0, 0, 1, 0});
    m_wachsen->Folge(m_ui->c1019, {0, 0, 1, 0.5});
    for (int id : {1093, 1112, 1029, 1131, 1133, 1030, 1031, 1130, 1132, 1032})
        m_wachsen->Folge(Steuerelement(id), {0, 0.5, 0, 0});
    m_wachsen->Folge(m_ui->c1024, {0, 0.5, 1, 0.5});
    m_vergleich.Beginne();

    m_jahre = new Vergleichsliste(m_basis, m_vergleich, Vergleichsliste::kJahre, this);
    m_monate = new Vergleichsliste(m_basis, m_vergleich, Vergleichsliste::kMonate, this);
    RichteListeEin(m_ui->c1019, m_jahre);
    RichteListeEin(m_ui->c1024, m_monate);
    m_ui->c1065->setFont(SchriftFuer(kAuswahlSchrift));
    m_ui->c1066->setFont(SchriftFuer(kAuswahlSchrift));
    SetzeSprache();
    FuelleAuswahl();
    FuelleZweiteAuswahl(kAuswahlAlle);
    VerbindeNavigation();
    connect(m_ui->c1065, &QComboBox::currentIndexChanged, this, &grafik::AuswahlGewaehlt);
    connect(m_ui->c1066, &QComboBox::currentIndexChanged, this, &grafik::ZweiteAuswahlGewaehlt);
    connect(m_ui->c1024, &QTableView::clicked, this, [this](const QModelIndex& index) { Details(index.row()); });
    m_ui->c1024->installEventFilter(this);

    m_ballons = new CPPToolTip(this);
    RichteBallonsEin(*m_ballons);
    FuelleAuswertungsballons(*m_ballons, m_basis, [this](int id) { return Steuerelement(id); });
    // The window has no room for more buttons: printing is in the right-click menu, and on Ctrl+P.
    auto* drucken = new Druckknoepfe(
        *this, m_basis, [this](bool) { return AuswertungsDruck(m_basis, m_vergleich); }, false, "Auswertung.pdf");
    drucken->InsKontextmenue({this, m_ui->c1019, m_ui->c1024});
    Zeige();
    m_ui->c1019->scrollTo(m_jahre->index(2 * m_vergleich.m_anMonat[kPeriodeA] - 1, 0));
}

grafik::~grafik() = default;

QWidget* grafik::Steuerelement(int id) const
{
    return findChild<QWidget*>(QStringLiteral("c%1").arg(id));
}

QPoint grafik::Ort(int id) const
{
    return Steuerelement(id)->geometry().topLeft();
}

void grafik::SetzeSprache()
{
    const bool deutsch = m_basis.Deutsch();
    setWindowTitle(Sprachtext(deutsch, "Auswertung", "Analyses"));
    m_ui->beideJahre->setText(Sprachtext(deutsch, "beide Jahre", "both years"));
    m_ui->c1065->setAccessibleName(Sprachtext(deutsch, "Auswahl", "Selection"));
    m_ui->c1019->setAccessibleName(Sprachtext(deutsch, "Jahres-Vergleich", "Annual-Report"));
    m_ui->c1024->setAccessibleName(Sprachtext(deutsch, "Monats-Vergleich", "Months-Report"));
    const std::map<int, std::pair<const char*, const char*>> knoepfe = {
        {kJahrAZurueck, {"Jahr A zurück", "Year A back"}},
        {kJahrAVor, {"Jahr A vor", "Year A forward"}},
        {kJahrBZurueck, {"Jahr B zurück", "Year B back"}},
        {kJahrBVor, {"Jahr B vor", "Year B forward"}},
        {kBeideZurueck, {"Beide Jahre zurück", "Both years back"}},
        {kBeideVor, {"Beide Jahre vor", "Both years forward"}},
        {kMonatAZurueck, {"Monat A zurück", "Month A back"}},
        {kMonatAVor, {"Monat A vor", "Month A forward"}},
        {kMonatBZurueck, {"Monat B zurück", "Month B back"}},
        {kMonatBVor, {"Monat B vor", "Month B forward"}},
    };
    for (const auto& [id, name] : knoepfe)
        Steuerelement(id)->setAccessibleName(Sprachtext(deutsch, name.first, name.second));
}

void grafik::RichteListeEin(QTableView* liste, Vergleichsliste* modell)
{
    liste->setModel(modell);
    liste->setItemDelegate(new Balkenmaler(
        m_basis, [this] { return m_vergleich.Massstab(); }, liste));
    liste->setShowGrid(true);
    liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste->setTabKeyNavigation(false);
    liste->setWordWrap(false);
    liste->verticalHeader()->hide();
    liste->verticalHeader()->setDefaultSectionSize(kZeilenHoehe);
    liste->horizontalHeader()->setHighlightSections(false);
    liste->horizontalHeader()->setSectionsClickable(false);
    liste->horizontalHeader()->setMinimumSectionSize(1);
    liste->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The list ends with a whole row, so that scrolled to its end no half row stands under the header.
    const int rahmen = 2 * liste->frameWidth() + liste->horizontalHeader()->sizeHint().height();
    liste->setFixedHeight(rahmen + (liste->height() - rahmen) / kZeilenHoehe * kZeilenHoehe);
}

void grafik::RichteSpaltenEin()
{
    for (const auto& [liste, breite] : {std::pair{m_ui->c1019, kMonatsSpalte}, {m_ui->c1024, kKategorieSpalte}}) {
        // A long category name widens its column rather than being cut; the bars give way.
        int erste = breite;
        for (int zeile = 0; zeile < liste->model()->rowCount(); ++zeile) {
            const QString text = liste->model()->index(zeile, Vergleichsliste::kBeschriftung).data().toString();
            erste = std::max(erste, liste->fontMetrics().horizontalAdvance(text) + kTextRand);
        }
        const int client = liste->width() - 2 * liste->frameWidth();
        const int w = client - liste->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - (erste + 2);
        const int balken = static_cast<int>(0.55 * w);
        const int betrag = static_cast<int>(0.15 * w);
        liste->setColumnWidth(Vergleichsliste::kBeschriftung, erste);
        liste->setColumnWidth(Vergleichsliste::kBalken, balken);
        liste->setColumnWidth(Vergleichsliste::kEinnahmen, betrag);
        liste->setColumnWidth(Vergleichsliste::kAusgaben, betrag);
        liste->setColumnWidth(Vergleichsliste::kDifferenz, w - balken - 2 * betrag);
    }
}

void grafik::VerbindeNavigation()
{
    const std::map<int, std::function<void()>> schritte = {
        {kJahrAZurueck, [this] { m_vergleich.JahrZurueck(kPeriodeA); }},
        {kJahrAVor, [this] { m_vergleich.JahrVor(kPeriodeA); }},
        {kJahrBZurueck, [this] { m_vergleich.JahrZurueck(kPeriodeB); }},
        {kJahrBVor, [this] { m_vergleich.JahrVor(kPeriodeB); }},
        {kBeideZurueck, [this] { m_vergleich.BeideZurueck(); }},
        {kBeideVor, [this] { m_vergleich.BeideVor(); }},
        {kMonatAZurueck, [this] { m_vergleich.MonatZurueck(kPeriodeA); }},
        {kMonatAVor, [this] { m_vergleich.MonatVor(kPeriodeA); }},
        {kMonatBZurueck, [this] { m_vergleich.MonatZurueck(kPeriodeB); }},
        {kMonatBVor, [this] { m_vergleich.MonatVor(kPeriodeB); }},
    };
    for (const auto& [id, schritt] : schritte) {
        connect(qobject_cast<QPushButton*>(Steuerelement(id)), &QPushButton::clicked, this, [this, schritt = schritt] {
            schritt();
            Zeige();
        });
    }
}

void grafik::FuelleAuswahl()
{
    const QSignalBlocker sperre(m_ui->c1065);
    const int sprache = m_basis.m_nSprache;
    m_ui->c1065->clear();
    m_ui->c1065->addItem(Sprachtext(m_basis.Deutsch(), "Alle %1/%2", "All %1/%2")
                             .arg(Zeichenkette(sprache, kTxtEinnahmen), Zeichenkette(sprache, kTxtAusgaben)));
    for (int offset : {kTxtFamilienKonten, kTxtFremdKonten, kTxtNutzniesser})
        m_ui->c1065->addItem(Zeichenkette(sprache, offset));
    for (const auto& kategorie : m_basis.m_arrKategorien)
        m_ui->c1065->addItem(
            QStringLiteral("%1: %2").arg(Zeichenkette(sprache, kTxtKategorie), AlsQString(kategorie->m_strName)));
    m_ui->c1065->setCurrentIndex(m_vergleich.m_nAuswahl);
    PasseListeAn(m_ui->c1065);
}

void grafik::FuelleZweiteAuswahl(int auswahl)
{
    const QSignalBlocker sperre(m_ui->c1066);
    m_ui->c1066->clear();
    if (MitZweiterAuswahl(auswahl)) {
        for (const std::string& name : Vergleichsnamen(m_basis, auswahl))
            m_ui->c1066->addItem(AlsQString(name));
        m_ui->c1066->setAccessibleName(m_ui->c1065->itemText(auswahl));
    } else if (auswahl >= kAuswahlKategorie &&
               auswahl - kAuswahlKategorie < static_cast<int>(m_basis.m_arrKategorien.size())) {
        const CKategorie& kategorie = *m_basis.m_arrKategorien[static_cast<size_t>(auswahl - kAuswahlKategorie)];
        if (kategorie.m_arrUKategorien.empty())
            m_ui->c1066->addItem(QString());
        else
            m_ui->c1066->addItem(Sprachtext(m_basis.Deutsch(), "Alle", "All"));
        for (const auto& ukategorie : kategorie.m_arrUKategorien)
            m_ui->c1066->addItem(AlsQString(ukategorie->m_strName));
    }
    m_ui->c1066->setVisible(MitZweiterAuswahl(auswahl));
    PasseListeAn(m_ui->c1066);
}

void grafik::AuswahlGewaehlt(int auswahl)
{
    if (auswahl < 0)
        return;
    FuelleZweiteAuswahl(auswahl);
    const std::vector<std::string> namen = Vergleichsnamen(m_basis, auswahl);
    m_vergleich.Waehle(auswahl, namen.empty() ? std::string() : namen.front());
    Zeige();
}

void grafik::ZweiteAuswahlGewaehlt(int zeile)
{
    const std::vector<std::string> namen = Vergleichsnamen(m_basis, m_vergleich.m_nAuswahl);
    if (zeile < 0 || zeile >= static_cast<int>(namen.size()))
        return;
    m_vergleich.Waehle(m_vergleich.m_nAuswahl, namen[static_cast<size_t>(zeile)]);
    Zeige();
}

void grafik::Aktualisiere()
{
    // Bookings re-sort the categories by use and the settings rename or remove entries: the selection
    // follows its name, and falls back to the first row, or to everything, when the name is gone.
    int auswahl = m_vergleich.m_nAuswahl;
    std::string name = m_vergleich.m_strName;
    if (auswahl >= kAuswahlKategorie) {
        const int k = KategoriePosition(m_basis, name);
        auswahl = k >= 0 ? kAuswahlKategorie + k : kAuswahlAlle;
    }
    const std::vector<std::string> namen = Vergleichsnamen(m_basis, auswahl);
    const auto gefunden = std::find(namen.begin(), namen.end(), name);
    if (MitZweiterAuswahl(auswahl) && gefunden == namen.end())
        name = namen.empty() ? std::string() : namen.front();
    m_vergleich.Waehle(auswahl, name);
    FuelleAuswahl();
    FuelleZweiteAuswahl(auswahl);
    if (MitZweiterAuswahl(auswahl)) {
        const QSignalBlocker sperre(m_ui->c1066);
        m_ui->c1066->setCurrentIndex(static_cast<int>(std::find(namen.begin(), namen.end(), name) - namen.begin()));
    }
    Zeige();
}

void grafik::Zeige()
{
    m_ui->c1026->setEnabled(m_vergleich.JahrVorMoeglich(kPeriodeA));
    m_ui->c1028->setEnabled(m_vergleich.JahrVorMoeglich(kPeriodeB));
    m_ui->c1068->setEnabled(m_vergleich.BeideVorMoeglich());
    m_ui->c1030->setEnabled(m_vergleich.MonatVorMoeglich(kPeriodeA));
    m_ui->c1032->setEnabled(m_vergleich.MonatVorMoeglich(kPeriodeB));
    m_jahre->Fuelle();
    m_monate->Fuelle();
    RichteSpaltenEin();
    // Screen readers cannot see painted texts; the window describes them.
    setAccessibleDescription(GemalteTexte().join(QStringLiteral(", ")));
    SageAn(*this, *this, Beschriftungen(m_basis, m_vergleich, [this](int id) { return Ort(id); }));
    QWidget& kasten = *Steuerelement(kSummenkasten);
    SageAn(kasten, *this, Summenkasten(m_basis, m_vergleich, kasten.geometry()).texte);
    update();
}

void grafik::Details(int zeile)
{
    const CUKategorie* eintrag = m_monate->EintragDerZeile(zeile);
    if (!eintrag)
        return;
    const Periode p = zeile % 2 == 1 ? kPeriodeA : kPeriodeB;
    const int datum = m_vergleich.m_anJahr[p] * 10000 + m_vergleich.m_anMonat[p] * 100;
    // A row sums its category or sub-category within the selection only, and so lists it: the overview's
    // totals are the row's.
    const int auswahl = m_vergleich.m_nAuswahl;
    if (auswahl >= kAuswahlKategorie)
        m_hub.ZeigeUebersicht(kFilterUKategorieIn, datum, 0, m_vergleich.m_strName, eintrag->m_strName);
    else if (auswahl >= kAuswahlFamilienKonto)
        m_hub.ZeigeUebersicht(FilterKategorieBei(auswahl), datum, 0, m_vergleich.m_strName, eintrag->m_strName);
    else
        m_hub.ZeigeUebersicht(kFilterKategorie, datum, 0, eintrag->m_strName, eintrag->m_strName);
}

QStringList grafik::GemalteTexte() const
{
    // One line per painted row: the texts that stand side by side at the same height.
    std::vector<GemalterText> texte = Beschriftungen(m_basis, m_vergleich, [this](int id) { return Ort(id); });
    const Summenkasten kasten(m_basis, m_vergleich, Steuerelement(kSummenkasten)->geometry());
    texte.insert(texte.end(), kasten.texte.begin(), kasten.texte.end());
    QStringList zeilen;
    int y = -1;
    for (const GemalterText& t : texte) {
        if (t.ort.y() == y && !zeilen.isEmpty())
            zeilen.last() += QLatin1Char(' ') + t.text.trimmed();
        else
            zeilen << t.text.trimmed();
        y = t.ort.y();
    }
    return zeilen;
}

void grafik::paintEvent(QPaintEvent* ereignis)
{
    QDialog::paintEvent(ereignis);
    QPainter maler(this);
    Male(maler, Beschriftungen(m_basis, m_vergleich, [this](int id) { return Ort(id); }));
    Male(maler, Summenkasten(m_basis, m_vergleich, Steuerelement(kSummenkasten)->geometry()));
}

void grafik::resizeEvent(QResizeEvent* ereignis)
{
    QDialog::resizeEvent(ereignis);
    m_wachsen->Ordne();
    RichteSpaltenEin();
}

bool grafik::eventFilter(QObject* objekt, QEvent* ereignis)
{
    // Return on a row of the monthly list does what a click does.
    if (objekt == m_ui->c1024 && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            Details(m_ui->c1024->currentIndex().row());
            return true;
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

} // namespace velmora

#include "Overview.h"

#include "Ansagen.h"
#include "Basis.h"
#include "CPPToolTip.h"
#include "Druckknoepfe.h"
#include "Hub.h"
#include "Kalender.h"
#include "QtText.h"
#include "Spaltenbreiten.h"
#include "Suchtreffer.h"
#include "UebersichtModell.h"
#include "Uebersichtsballons.h"
#include "Uebersichtsbeschriftung.h"
#include "Uebersichtsdruck.h"
#include "Uebersichtsliste.h"
#include "Uebersichtsmalerei.h"
#include "ui_Overview.h"

#include <QHeaderView>
#include <QPainter>
#include <array>

namespace velmora {

namespace {

constexpr int kKennungsBreite = 20;
// The longest texts of a column by their characters that are measured in pixels: a proportional font
// can make a shorter text the wider one.
constexpr size_t kGemesseneTexte = 8;

// The sort key of each column; -1 where a header click does not sort.
constexpr std::array<int, kSpalten> kSortierung = {
    -1, kNachAuftraggeber, kNachEmpfaenger, kNachNutzniesser, kNachKategorie, kNachUKategorie,
    -1, kNachBetrag,       kNachDatum};

QDate AlsQDate(int datum)
{
    return QDate(datum / 10000, datum / 100 % 100, datum % 100);
}

int AlsDatum(QDate datum)
{
    return datum.year() * 10000 + datum.month() * 100 + datum.day();
}

} // namespace

Overview::Overview(CBasis& basis, Hub& hub, QWidget* eltern)
    : QDialog(eltern)
    , m_ui(std::make_unique<Ui::Overview>())
    , m_basis(basis)
    , m_hub(hub)
    , m_liste(basis)
{
    m_ui->setupUi(this);
    setModal(false);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    m_modell = new UebersichtModell(m_liste, m_basis, this);
    m_ui->c1019->setModel(m_modell);
    for (QWidget* platz : {m_ui->c1122, m_ui->c1123, m_ui->c1117})
        platz->setAttribute(Qt::WA_TransparentForMouseEvents);

    SetzeSprache();
    FuelleAuswahl();
    if (m_basis.m_nVonDatum == 0)
        m_basis.m_nVonDatum = m_basis.m_nHeute / 100 * 100 + 1;
    if (m_basis.m_nBisDatum == 0)
        m_basis.m_nBisDatum = m_basis.m_nHeute;
    SetzeDaten();
    // A range kept from before in this run has its months loaded already; this makes sure of it.
    m_liste.LadeZeitraum();
    m_liste.SortiereTransaktionen(kNachDatum);
    m_liste.ZeigeAlle();
    ZeigeErgebnis();
    m_ui->c1025->hide();

    connect(m_ui->c1019->horizontalHeader(), &QHeaderView::sectionClicked, this, &Overview::KopfGeklickt);
    connect(m_ui->c1019, &Uebersichtsliste::Geklickt, this, &Overview::ZelleGeklickt);
    connect(m_ui->c1019, &Uebersichtsliste::Rechtsklick, this, &Overview::Rechtsklick);
    connect(m_ui->c1076, &QComboBox::activated, this, &Overview::MitgliedGewaehlt);
    connect(m_ui->c1025, &QPushButton::clicked, this, &Overview::ZeigeGesamt);
    connect(m_ui->c1042, &QDateEdit::dateChanged, this,
            [this](QDate datum) { ZeitraumGeaendert(AlsDatum(datum), m_basis.m_nBisDatum); });
    connect(m_ui->c1047, &QDateEdit::dateChanged, this,
            [this](QDate datum) { ZeitraumGeaendert(m_basis.m_nVonDatum, AlsDatum(datum)); });
    connect(m_ui->c1060, &QPushButton::clicked, this,
            [this] { ZeitraumGeaendert(m_basis.m_nHeute / 100 * 100 + 1, m_basis.m_nHeute); });
    connect(m_ui->c1061, &QPushButton::clicked, this,
            [this] { ZeitraumGeaendert(m_basis.m_nHeute / 10000 * 10000 + 101, m_basis.m_nHeute); });
    connect(m_ui->c1092, &QLineEdit::textChanged, this, &Overview::Suche);
    connect(m_ui->c1079, &QPushButton::clicked, this, &Overview::Exportiere);

    m_ballons = new CPPToolTip(this);
    RichteBallonsEin(*m_ballons);
    FuelleUebersichtsballons(*m_ballons, m_basis, [this](int id) { return Steuerelement(id); });
    auto* drucken = new Druckknoepfe(
        *this, m_basis, [this](bool ohne) { return UebersichtsDruck(m_liste, ohne); }, true, "Uebersicht.pdf");
    for (QPushButton* knopf : drucken->Knoepfe())
        m_ui->zeitraum->addWidget(knopf);
    drucken->FolgenAuf(m_ui->c1079);
    drucken->FuelleBallons(*m_ballons);
    m_ui->aussen->activate();
    RichteSpaltenEin();
    m_ui->c1019->setFocus();
    m_bEingerichtet = true;
}

Overview::~Overview() = default;

QWidget* Overview::Steuerelement(int id) const
{
    return findChild<QWidget*>(QStringLiteral("c%1").arg(id));
}

void Overview::SetzeSprache()
{
    BeschrifteUebersicht(*m_ui, *this, m_basis);
}

void Overview::FuelleAuswahl()
{
    m_ui->c1076->clear();
    m_ui->c1076->addItem(QStringLiteral("     "));
    m_ui->c1076->addItem(Sprachtext(m_basis.Deutsch(), "Gesamt", "All"));
    if (const CFAMILY* familie = m_basis.Familie()) {
        for (const auto& mitglied : familie->m_arrPersonen)
            m_ui->c1076->addItem(AlsQString(mitglied->m_strName));
    }
    m_ui->c1076->setCurrentIndex(1);
}

// Every column as wide as its caption and its longest cells; room left over is shared out.
void Overview::RichteSpaltenEin()
{
    QTableView* liste = m_ui->c1019;
    liste->setColumnWidth(0, kKennungsBreite);
    std::vector<int> breiten;
    for (int spalte = 1; spalte < kSpalten; ++spalte) {
        QStringList texte = {m_modell->headerData(spalte, Qt::Horizontal, Qt::DisplayRole).toString()};
        for (const std::string& text : m_liste.LaengsteTexte(spalte, kGemesseneTexte))
            texte << AlsQString(text);
        breiten.push_back(TextBreite(*liste, texte));
    }
    PasseSpaltenAn(*liste, 1, breiten);
}

void Overview::SetzeDaten()
{
    for (QDateEdit* feld : {m_ui->c1042, m_ui->c1047}) {
        const QSignalBlocker still(feld);
        const QDate datum = AlsQDate(feld == m_ui->c1042 ? m_basis.m_nVonDatum : m_basis.m_nBisDatum);
        feld->setDate(datum.isValid() ? datum : feld->minimumDate());
    }
}

void Overview::BaueListe()
{
    if (m_liste.m_bFilter)
        m_liste.ZeigeGefiltert();
    else
        m_liste.ZeigeAlle();
    ZeigeMitgliedsfilter();
    ZeigeErgebnis();
}

// "Zeige" names the member a member filter lists, "Gesamt" when nothing is filtered, and stays blank
// under any other filter.
void Overview::ZeigeMitgliedsfilter()
{
    int eintrag = 1;
    if (m_liste.m_bFilter) {
        const bool mitglied = m_liste.m_nFilterArt == 9 || m_liste.m_nFilterArt == 10;
        const int gefunden =
            mitglied ? m_ui->c1076->findText(AlsQString(m_liste.m_strFilterText), Qt::MatchExactly) : -1;
        eintrag = gefunden >= 2 ? gefunden : 0;
    }
    m_ui->c1076->setCurrentIndex(eintrag);
}

void Overview::ZeigeErgebnis()
{
    m_modell->Neu();
    if (m_bEingerichtet)
        RichteSpaltenEin();
    m_ui->c1094->setText(QString::number(m_liste.m_nZeilen));
    BeschreibeGemaltes();
    update();
}

void Overview::KopfGeklickt(int spalte)
{
    if (m_liste.m_bBearbeitung || spalte < 0 || spalte >= kSpalten || kSortierung[static_cast<size_t>(spalte)] < 0)
        return;
    const int schluessel = kSortierung[static_cast<size_t>(spalte)];
    int& absteigend = m_liste.m_abAbsteigend[static_cast<size_t>(schluessel)];
    absteigend = absteigend ? 0 : 1;
    m_liste.SortiereTransaktionen(schluessel);
    BaueListe();
}

void Overview::ZelleGeklickt(int zeile, int spalte)
{
    const bool warGefiltert = m_liste.m_bFilter != 0;
    if (zeile < 0) {
        m_liste.m_bNurDauerAuftraege = 0;
        m_liste.m_bFilter = 0;
        m_liste.m_strFilterText.clear();
        if (!m_liste.m_bBearbeitung && warGefiltert)
            BaueListe();
        else
            update();
        ZeigeMitgliedsfilter();
        return;
    }
    m_liste.m_bFilter = 1;
    m_liste.m_nFilterArt = spalte;
    m_liste.m_strFilterText = m_liste.Zelle(zeile, spalte);
    if (spalte == 0) {
        const CInOut* t = m_liste.TransaktionDerZeile(zeile);
        m_liste.m_bNurDauerAuftraege = t && t->m_nDauerAuftragNr >= 0 ? 1 : 0;
    }
    m_ui->c1025->show();
    if (!m_liste.m_bBearbeitung)
        BaueListe();
    ZeigeMitgliedsfilter();
}

// The blank entry means no member: it ends a member filter and leaves any other filter as it is.
void Overview::MitgliedGewaehlt(int eintrag)
{
    const bool mitgliedsfilter = m_liste.m_bFilter && (m_liste.m_nFilterArt == 9 || m_liste.m_nFilterArt == 10);
    if (eintrag == 1 || (eintrag == 0 && mitgliedsfilter)) {
        ZeigeGesamt();
        return;
    }
    if (eintrag >= 2) {
        m_liste.m_bFilter = 1;
        m_liste.m_strFilterText = AlsCp1252(m_ui->c1076->itemText(eintrag));
        m_liste.m_nFilterArt = 9;
        BaueListe();
        m_ui->c1025->show();
    } else {
        ZeigeMitgliedsfilter();
    }
    m_ui->c1019->setFocus();
}

void Overview::ZeigeGesamt()
{
    m_liste.m_bNurDauerAuftraege = 0;
    m_liste.m_bFilter = 0;
    m_liste.m_nFilterArt = 0;
    m_liste.m_strFilterText.clear();
    m_ui->c1025->hide();
    BaueListe();
    m_ui->c1076->setCurrentIndex(1);
    m_ui->c1019->setFocus();
}

void Overview::ZeitraumGeaendert(int von, int bis)
{
    m_basis.m_nVonDatum = von;
    m_basis.m_nBisDatum = bis;
    SetzeDaten();
    m_liste.LadeZeitraum();
    BaueListe();
}

void Overview::Suche(const QString& text)
{
    m_liste.SetzeSuche(AlsCp1252(text));
    m_modell->FarbenNeu();
    WaehleErstenTreffer(*m_ui->c1019, m_liste);
}

void Overview::ZeigeMitFilter(int art, int datum1, int datum2, const std::string& text1, const std::string& text2)
{
    m_basis.m_nVonDatum = datum1 % 100 != 0 ? datum1 : datum1 / 100 * 100 + 1;
    m_basis.m_nBisDatum = datum2 != 0 ? datum2 : MonatsEnde(m_basis.m_nVonDatum);
    SetzeDaten();
    m_liste.LadeZeitraum();
    m_liste.m_bNurDauerAuftraege = 0;
    if (art == 0) {
        // Everything of the range: the filter goes, as with "Gesamt".
        m_liste.m_bFilter = 0;
        m_liste.m_nFilterArt = 0;
        m_liste.m_strFilterText.clear();
        m_ui->c1025->hide();
        m_ui->c1076->setCurrentIndex(1);
        BaueListe();
        return;
    }
    if (art == 1 || art == 2 || art == 3 || art == 12) {
        m_liste.m_nFilterArt = art;
        m_liste.m_strFilterText = text2;
    } else if (art == 4 || art == 5 || art == 9 || art == 10) {
        m_liste.m_nFilterArt = art;
        m_liste.m_strFilterText = text1;
    } else if (art == kFilterUKategorieIn) {
        m_liste.m_nFilterArt = art;
        m_liste.m_strFilterKategorie = text1;
        m_liste.m_strFilterText = text2;
    } else if (art >= kFilterKategorieBeiKonto && art <= kFilterKategorieBeiNutzniesser) {
        m_liste.m_nFilterArt = art;
        m_liste.m_strFilterAuswahl = text1;
        m_liste.m_strFilterText = text2;
    } else {
        m_liste.m_nFilterArt = text2 != text1 ? 5 : 4;
        m_liste.m_strFilterText = text2 != text1 ? text2 : text1;
    }
    m_liste.m_bFilter = 1;
    m_ui->c1025->show();
    BaueListe();
}

void Overview::Aktualisiere()
{
    m_liste.m_abAbsteigend[kNachDatum] = 1;
    m_liste.m_nMarkiert = -1;
    m_liste.m_bBearbeitung = 0;
    if (!m_liste.m_bFilter)
        m_liste.SortiereTransaktionen(kNachDatum);
    BaueListe();
}

QStringList Overview::GemalteTexte() const
{
    QStringList texte;
    for (const GemalterText& t : Datumsbeschriftung(m_basis.Deutsch(), {}, {}))
        texte << t.text;
    for (const GemalterText& t : Summenbild(m_liste, m_ui->c1117->geometry()).texte)
        texte << t.text.trimmed();
    // The key as it is, not as far as the panel had room for it.
    if (m_liste.m_bFilter && m_liste.m_nFilterArt > 0)
        texte[3] = AlsQString(m_liste.Filterschluessel());
    return texte;
}

void Overview::BeschreibeGemaltes()
{
    const QStringList texte = GemalteTexte();
    m_ui->c1117->setAccessibleDescription(texte.mid(2).join(QLatin1Char(' ')));
    SageAn(*m_ui->c1117, *this, Summenbild(m_liste, m_ui->c1117->geometry()).texte);
    setAccessibleDescription(texte.join(QLatin1Char(' ')));
}

void Overview::paintEvent(QPaintEvent* ereignis)
{
    QDialog::paintEvent(ereignis);
    QPainter maler(this);
    Male(maler, Datumsbeschriftung(m_basis.Deutsch(), m_ui->c1122->geometry(), m_ui->c1123->geometry()));
    const Uebersichtsbild bild = Summenbild(m_liste, m_ui->c1117->geometry());
    Male(maler, bild.texte);
    maler.setPen(QPen(Qt::black, 1));
    maler.drawLine(bild.linie);
}

void Overview::resizeEvent(QResizeEvent* ereignis)
{
    QDialog::resizeEvent(ereignis);
    if (m_bEingerichtet)
        RichteSpaltenEin();
}

} // namespace velmora

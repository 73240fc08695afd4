#include "Dauerauftrag.h"

#include "Auftragsballons.h"
#include "Auftragsdruck.h"
#include "Basis.h"
#include "CPPToolTip.h"
#include "DauerAuftragModell.h"
#include "Druckknoepfe.h"
#include "EintragBearbeiten.h"
#include "Hub.h"
#include "Meldung.h"
#include "Mitwachsen.h"
#include "QtText.h"
#include "Spaltenbreiten.h"
#include "Summentafel.h"
#include "Texte.h"
#include "ui_Dauerauftrag.h"

#include <QHeaderView>
#include <QPainter>

namespace velmora {

namespace {

constexpr int kKennungBreite = 20;

} // namespace

Dauerauftrag::Dauerauftrag(CBasis& basis, Hub& hub, QWidget* eltern)
    : QDialog(eltern)
    , m_ui(std::make_unique<Ui::Dauerauftrag>())
    , m_basis(basis)
    , m_hub(hub)
    , m_liste(basis)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // The list takes what the window grows by; the buttons, the search and the totals stay below it.
    m_wachsen = std::make_unique<Mitwachsen>(*this);
    m_wachsen->Folge(m_ui->c1020, {0, 0, 1, 1});
    for (QWidget* unten : {static_cast<QWidget*>(m_ui->c1077), static_cast<QWidget*>(m_ui->c1025),
                           static_cast<QWidget*>(m_ui->c1116), static_cast<QWidget*>(m_ui->c1092)})
        m_wachsen->Folge(unten, {0, 1, 0, 0});
    m_wachsen->Folge(m_ui->c1031, {0, 1, 1, 0});
    m_ui->c1031->hide();
    m_ui->c1025->hide();

    m_modell = new DauerAuftragModell(m_basis, m_liste, this);
    m_ui->c1020->setModel(m_modell);
    SetzeSprache();
    m_liste.RichteEin();
    ZeigeListe();

    connect(m_ui->c1020, &Auftragsansicht::Geklickt, this, &Dauerauftrag::Geklickt);
    connect(m_ui->c1020, &Auftragsansicht::Rechtsklick, this, &Dauerauftrag::Rechtsklick);
    connect(m_ui->c1020, &Auftragsansicht::KopfGeklickt, this, &Dauerauftrag::KopfGeklickt);
    connect(m_ui->c1025, &QPushButton::clicked, this, &Dauerauftrag::ZeigeAlles);
    connect(m_ui->c1077, &QPushButton::clicked, this, [this] { m_hub.Benachrichtige(kBearbeiteDauerAuftrag, -1); });
    connect(m_ui->c1092, &QLineEdit::textChanged, this, &Dauerauftrag::Suche);

    m_ballons = new CPPToolTip(this);
    RichteBallonsEin(*m_ballons);
    FuelleAuftragsballons(*m_ballons, m_basis,
                          [this](int id) { return findChild<QWidget*>(QStringLiteral("c%1").arg(id)); });
    // Printing sits right of the search box, below the totals, and moves down with it.
    auto* drucken = new Druckknoepfe(
        *this, m_basis, [this](bool ohne) { return AuftragsDruck(m_basis, m_liste, ohne); }, true,
        "Dauerauftraege.pdf");
    for (QPushButton* knopf : drucken->KnoepfeAb(m_ui->c1092->geometry().topRight() + QPoint(16, -1)))
        m_wachsen->Folge(knopf, {0, 1, 0, 0});
    drucken->FolgenAuf(m_ui->c1092);
    drucken->FuelleBallons(*m_ballons);
}

Dauerauftrag::~Dauerauftrag() = default;

void Dauerauftrag::SetzeSprache()
{
    const bool deutsch = m_basis.Deutsch();
    setWindowTitle(Zeichenkette(m_basis.m_nSprache, kTxtDauerAuftraege));
    if (!deutsch) {
        m_ui->c1077->setText(QStringLiteral("New Standing Order"));
        m_ui->c1025->setText(QStringLiteral("Show All"));
        m_ui->c1116->setText(QStringLiteral("Search Text"));
    }
    m_ui->c1077->setAccessibleName(m_ui->c1077->text());
    m_ui->c1025->setAccessibleName(m_ui->c1025->text());
    m_ui->c1116->setAccessibleName(m_ui->c1116->text());
    m_ui->c1092->setAccessibleName(m_ui->c1116->text());
    m_ui->c1020->setAccessibleName(windowTitle());
}

// Every column as wide as its caption and its longest cell; room left over is shared out.
void Dauerauftrag::RichteSpaltenEin()
{
    QTableView* liste = m_ui->c1020;
    liste->setColumnWidth(kSpalteKennung, kKennungBreite);
    std::vector<int> breiten;
    for (int spalte = kSpalteAuftraggeber; spalte <= kSpalteEnde; ++spalte) {
        QStringList texte = {m_modell->headerData(spalte, Qt::Horizontal, Qt::DisplayRole).toString()};
        for (int zeile = 0; zeile < m_modell->rowCount(); ++zeile)
            texte << AlsQString(m_liste.Zelle(zeile, spalte));
        breiten.push_back(TextBreite(*liste, texte));
    }
    PasseSpaltenAn(*liste, kSpalteAuftraggeber, breiten);
}

void Dauerauftrag::ZeigeListe()
{
    m_modell->Neu();
    RichteSpaltenEin();
    m_ui->c1025->setVisible(m_liste.m_bFilter != 0);
    setAccessibleDescription(GemalteTexte().join(QStringLiteral(", ")));
    update();
}

void Dauerauftrag::Aktualisiere()
{
    m_liste.Aktualisiere();
    ZeigeListe();
}

void Dauerauftrag::Geklickt(int zeile, int spalte)
{
    m_liste.KlickeZelle(zeile, spalte);
    ZeigeListe();
}

void Dauerauftrag::KopfGeklickt(int spalte)
{
    m_liste.KlickeKopf(spalte);
    ZeigeListe();
}

void Dauerauftrag::ZeigeAlles()
{
    m_liste.ZeigeAlles();
    ZeigeListe();
}

void Dauerauftrag::Suche(const QString& text)
{
    m_liste.SetzeSuche(AlsCp1252(text));
    const int zeile = m_liste.ErsteTrefferZeile();
    if (zeile >= 0)
        m_ui->c1020->scrollTo(m_modell->index(zeile, kSpalteAuftraggeber));
    m_modell->Auffrischen();
}

void Dauerauftrag::Markiere(int index)
{
    m_liste.m_nMarkiert = index;
    m_modell->Auffrischen();
}

void Dauerauftrag::Rechtsklick(int zeile, int, QPoint ecke)
{
    const int index = m_liste.IndexDerZeile(zeile);
    if (index < 0)
        return;
    CDauerAuftrag& auftrag = *m_basis.m_arrDauerAuftraege[static_cast<size_t>(index)];
    Markiere(index);
    const bool deutsch = m_basis.Deutsch();
    switch (EintragBearbeiten::Frage(m_basis, auftrag.m_n48 < 0, ecke, this)) {
        case EintragBearbeiten::kLoeschen:
            Markiere(-1);
            if (Meldung(this, QMessageBox::Warning, QString(),
                        Sprachtext(deutsch, "Diesen Eintrag wirklich löschen ?", "Really delete this entry ?"),
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes) {
                m_liste.Loesche(index);
                Geaendert();
            }
            break;
        case EintragBearbeiten::kBearbeiten:
            m_liste.m_bBearbeitung = 1;
            m_hub.Benachrichtige(kBearbeiteDauerAuftrag, auftrag.m_nNr);
            break;
        case EintragBearbeiten::kWiederherstellen:
            m_liste.StelleWiederHer(index);
            Geaendert();
            break;
        case EintragBearbeiten::kEndgueltigLoeschen:
            m_liste.LoescheEndgueltig(index);
            Geaendert();
            break;
        default:
            Markiere(-1);
            break;
    }
}

// The main window keeps the recovery copy of every change; it refreshes this list as it does after the
// editor has stored an order.
void Dauerauftrag::Geaendert()
{
    ZeigeListe();
    m_hub.Benachrichtige(kAktualisiereDauerAuftraege, 0);
}

QStringList Dauerauftrag::GemalteTexte() const
{
    QStringList texte;
    for (const GemalterText& t : BaueSummentafel(m_ui->c1031->geometry(), m_basis, m_liste).texte)
        texte << t.text.simplified();
    return texte;
}

void Dauerauftrag::resizeEvent(QResizeEvent* ereignis)
{
    QDialog::resizeEvent(ereignis);
    m_wachsen->Ordne();
    RichteSpaltenEin();
    ZeigeGanzeZeilen(*m_ui->c1020);
}

void Dauerauftrag::paintEvent(QPaintEvent* ereignis)
{
    QDialog::paintEvent(ereignis);
    QPainter maler(this);
    MaleSummentafel(maler, BaueSummentafel(m_ui->c1031->geometry(), m_basis, m_liste));
}

} // namespace velmora

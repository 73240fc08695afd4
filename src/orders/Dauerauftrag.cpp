#include "Dauerauftrag.h"

#include "Auftragsballons.h"
#include "Basis.h"
#include "CPPToolTip.h"
#include "DauerAuftragModell.h"
#include "EintragBearbeiten.h"
#include "Hub.h"
#include "Meldung.h"
#include "QtText.h"
#include "Summentafel.h"
#include "Texte.h"
#include "ui_Dauerauftrag.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyle>

namespace velmora {

namespace {

// Shares of the width W of columns 1 to 7; column 0 is 20 pixels, column 8 takes the rest.
constexpr double kAnteile[] = {0.15, 0.15, 0.09, 0.13, 0.12, 0.15, 0.07};
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
    setFixedSize(size());
    m_ui->c1031->hide();
    m_ui->c1025->hide();

    m_modell = new DauerAuftragModell(m_basis, m_liste, this);
    m_ui->c1020->setModel(m_modell);
    SetzeSprache();
    m_liste.RichteEin();
    ZeigeListe();
    RichteSpaltenEin();

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

// W = list width - scroll bar - 22; the widths are whole pixels, the last column takes what is left.
void Dauerauftrag::RichteSpaltenEin()
{
    QTableView* liste = m_ui->c1020;
    const int w = liste->width() - liste->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 22;
    int summe = kKennungBreite;
    liste->setColumnWidth(kSpalteKennung, kKennungBreite);
    for (int spalte = kSpalteAuftraggeber; spalte <= kSpalteBetrag; ++spalte) {
        const int breite = static_cast<int>(kAnteile[spalte - 1] * w);
        liste->setColumnWidth(spalte, breite);
        summe += breite;
    }
    liste->setColumnWidth(kSpalteAusfuehrung, w - summe + 18);
}

void Dauerauftrag::ZeigeListe()
{
    m_modell->Neu();
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
                ZeigeListe();
            }
            break;
        case EintragBearbeiten::kBearbeiten:
            m_liste.m_bBearbeitung = 1;
            m_hub.Benachrichtige(kBearbeiteDauerAuftrag, auftrag.m_nNr);
            break;
        case EintragBearbeiten::kWiederherstellen:
            m_liste.StelleWiederHer(index);
            ZeigeListe();
            break;
        case EintragBearbeiten::kEndgueltigLoeschen:
            m_liste.LoescheEndgueltig(index);
            ZeigeListe();
            break;
        default:
            Markiere(-1);
            break;
    }
}

QStringList Dauerauftrag::GemalteTexte() const
{
    QStringList texte;
    for (const GemalterText& t : BaueSummentafel(m_ui->c1031->geometry(), m_basis, m_liste).texte)
        texte << t.text.simplified();
    return texte;
}

void Dauerauftrag::paintEvent(QPaintEvent* ereignis)
{
    QDialog::paintEvent(ereignis);
    QPainter maler(this);
    MaleSummentafel(maler, BaueSummentafel(m_ui->c1031->geometry(), m_basis, m_liste));
}

} // namespace velmora

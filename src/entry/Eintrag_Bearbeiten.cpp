#include "Eintrag_Bearbeiten.h"

#include "Basis.h"
#include "Bilder.h"
#include "Hub.h"
#include "MaleText.h"
#include "QtText.h"
#include "ui_Eintrag_Bearbeiten.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace velmora {

namespace {

constexpr int kBild = 151;
constexpr int kMindestBreite = 470;
const QColor kGrau(64, 64, 64);
const QColor kRot(255, 64, 64);
constexpr Schrift kKlein{20, 10, 800};
constexpr Schrift kGross{22, 11, 800};

// The x where a text may start after another one: its place, or further right when the words before it
// run longer in this font.
int Hinter(const GemalterText& davor, int x)
{
    return std::max(x, davor.ort.x() + QFontMetrics(SchriftFuer(davor.schrift)).horizontalAdvance(davor.text) + 10);
}

std::vector<GemalterText> Gemaelde(bool deutsch, int modus, const QString& name, const QString& neuerName)
{
    const QString inAnfuehrung = QStringLiteral("'%1'").arg(name);
    std::vector<GemalterText> texte = {
        {Sprachtext(deutsch, "Es existieren bereits Transaktionen mit", "There are already transactions existing with"),
         {120, 20},
         kKlein,
         kGrau},
        {inAnfuehrung, {120, 45}, kKlein, kRot},
    };
    const int y = modus == Eintrag_Bearbeiten::kLoeschen ? 110 : 95;
    const GemalterText mit{Sprachtext(deutsch, "Transaktionen mit", "Transactions with"), {40, y}, kGross, kGrau};
    texte.push_back(mit);
    texte.push_back({inAnfuehrung, {Hinter(mit, 190), y}, kGross, kRot});
    if (modus != Eintrag_Bearbeiten::kLoeschen) {
        const GemalterText in{QStringLiteral("in"), {40, 122}, kGross, kGrau};
        texte.push_back(in);
        texte.push_back({QStringLiteral("'%1'").arg(neuerName), {Hinter(in, 70), 122}, kGross, kRot});
    }
    return texte;
}

} // namespace

Eintrag_Bearbeiten::Eintrag_Bearbeiten(Hub& hub, const CBasis& basis, int modus, const std::string& name,
                                       const std::string& neuerName, int filterArt, QWidget* eltern)
    : QDialog(eltern)
    , m_ui(std::make_unique<Ui::Eintrag_Bearbeiten>())
    , m_hub(hub)
    , m_basis(basis)
    , m_nModus(modus)
    , m_strName(name)
    , m_strNeuerName(neuerName)
    , m_nFilterArt(filterArt)
{
    m_ui->setupUi(this);
    const bool deutsch = basis.Deutsch();
    const bool umbenennen = modus == kUmbenennen;
    setWindowTitle(umbenennen ? Sprachtext(deutsch, "Eintrag umbenennen", "Rename entry")
                              : Sprachtext(deutsch, "Eintrag löschen", "Delete entry"));
    m_ui->c1026->setText(Sprachtext(deutsch, "Zeige Transaktionen", "show transactions"));
    m_ui->c1025->setText(Sprachtext(deutsch, "Umbenennen", "Rename"));
    m_ui->c1022->setText(Sprachtext(deutsch, "Löschen", "Delete"));
    m_ui->c2->setText(Sprachtext(deutsch, "Abbrechen", "CANCEL"));
    for (QPushButton* knopf : {m_ui->c1026, m_ui->c1025, m_ui->c1022, m_ui->c1023, m_ui->c2})
        knopf->setAccessibleName(knopf->text());
    m_ui->c1025->setVisible(umbenennen);
    m_ui->c1022->setVisible(!umbenennen);
    m_ui->c1023->hide();

    connect(m_ui->c1026, &QPushButton::clicked, this, &Eintrag_Bearbeiten::ZeigeTransaktionen);
    connect(m_ui->c1025, &QPushButton::clicked, this, [this] { Waehle(kUmbenannt); });
    connect(m_ui->c1022, &QPushButton::clicked, this, [this] { Waehle(kGeloescht); });
    connect(m_ui->c1023, &QPushButton::clicked, this, [this] { Waehle(kBeibehalten); });
    connect(m_ui->c2, &QPushButton::clicked, this, [this] { Waehle(kAbbrechen); });

    setAccessibleName(windowTitle());
    setAccessibleDescription(GemalteTexte().join(QLatin1Char(' ')));
    // Modal to the editor that asks, not to the whole program: the overview that "Zeige Transaktionen"
    // opens must stay usable beside it.
    if (parentWidget())
        setWindowModality(Qt::WindowModal);
    setFixedSize(NoetigeBreite(), height());
}

Eintrag_Bearbeiten::~Eintrag_Bearbeiten() = default;

QStringList Eintrag_Bearbeiten::GemalteTexte() const
{
    QStringList zeilen;
    for (const GemalterText& t :
         Gemaelde(m_basis.Deutsch(), m_nModus, AlsQString(m_strName), AlsQString(m_strNeuerName)))
        zeilen << t.text;
    return zeilen;
}

// Long names widen the window instead of running out of it.
int Eintrag_Bearbeiten::NoetigeBreite() const
{
    int breite = kMindestBreite;
    for (const GemalterText& t :
         Gemaelde(m_basis.Deutsch(), m_nModus, AlsQString(m_strName), AlsQString(m_strNeuerName)))
        breite = std::max(breite, t.ort.x() + QFontMetrics(SchriftFuer(t.schrift)).horizontalAdvance(t.text) + 20);
    return std::max(breite, minimumSizeHint().width());
}

void Eintrag_Bearbeiten::paintEvent(QPaintEvent* ereignis)
{
    QDialog::paintEvent(ereignis);
    QPainter maler(this);
    maler.drawPixmap(20, 4, Bild(kBild));
    for (const GemalterText& t :
         Gemaelde(m_basis.Deutsch(), m_nModus, AlsQString(m_strName), AlsQString(m_strNeuerName)))
        MaleText(maler, t.ort, t.text, t.schrift, t.farbe);
    maler.setPen(QPen(Qt::black, 1));
    maler.drawLine(20, 85, width() - 20, 85);
    maler.drawLine(20, 155, width() - 20, 155);
}

void Eintrag_Bearbeiten::ZeigeTransaktionen()
{
    m_hub.ZeigeUebersicht(m_nFilterArt, m_basis.m_nErsterMonat * 100, m_basis.m_nHeute, m_strName, m_strName);
}

void Eintrag_Bearbeiten::Waehle(int wahl)
{
    m_nErgebnis = wahl;
    // The overview opened to show the transactions has served its purpose.
    m_hub.ZeigeUebersicht(-1, 0, 0, {}, {});
    done(wahl);
}

int Eintrag_Bearbeiten::Frage(Hub& hub, const CBasis& basis, int modus, const std::string& name,
                              const std::string& neuerName, int filterArt, QWidget* eltern)
{
    Eintrag_Bearbeiten dialog(hub, basis, modus, name, neuerName, filterArt, eltern);
    return Antworthaken<Eintrag_Bearbeiten>::Frage(dialog);
}

void Eintrag_Bearbeiten::SetzeAntwort(Antworthaken<Eintrag_Bearbeiten>::Antwort antwort)
{
    Antworthaken<Eintrag_Bearbeiten>::Setze(std::move(antwort));
}

} // namespace velmora

#include "Knopfleiste.h"

#include "Basis.h"
#include "Bilder.h"
#include "CImageTextButton.h"
#include "CPPToolTip.h"
#include "Hauptballons.h"
#include "Hauptfensterplan.h"
#include "QtText.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace velmora {

using namespace haupt;

Knopfleiste::Knopfleiste(const CBasis& basis, QDialog& fenster)
    : m_basis(basis)
    , m_fenster(fenster)
{
}

CImageTextButton* Knopfleiste::NeuerBildknopf(int id, const char* beschriftungDe, const char* beschriftungEn,
                                              int bildDe, int bildEn, bool inaktiv)
{
    auto* knopf = new CImageTextButton(&m_fenster);
    knopf->setObjectName(QStringLiteral("c%1").arg(id));
    const bool deutsch = m_basis.Deutsch();
    const int oben = deutsch ? bildDe : bildEn;
    knopf->SetzeBilder(Bild(oben), Bild(inaktiv ? oben : oben + 1));
    knopf->setAccessibleName(Sprachtext(deutsch, beschriftungDe, beschriftungEn));
    if (inaktiv)
        knopf->setEnabled(false);
    m_elemente[id] = knopf;
    return knopf;
}

void Knopfleiste::BaueHauptknoepfe()
{
    struct Hauptknopf
    {
        int id;
        int inaktivId;
        const char* de;
        const char* en;
        int bildDe;
        int bildEn;
    };
    const Hauptknopf knoepfe[] = {
        {kEingabe, kEingabeInaktiv, "Eingabe", "Input", 161, 278},
        {kUebersicht, kUebersichtInaktiv, "Einzel-Übersicht", "Overview", 164, 281},
        {kAuswertung, kAuswertungInaktiv, "Auswertung", "Analyses", 167, 284},
        {kDauerAuftraege, kDauerAuftraegeInaktiv, "Daueraufträge", "Standing Orders", 170, 287},
    };
    int y = kListenOrt.top();
    for (const Hauptknopf& k : knoepfe) {
        CImageTextButton* aktiv = NeuerBildknopf(k.id, k.de, k.en, k.bildDe, k.bildEn, false);
        CImageTextButton* inaktiv = NeuerBildknopf(k.inaktivId, k.de, k.en, k.bildDe + 2, k.bildEn + 2, true);
        // A main button whose window is not available looks like its inactive look-alike.
        const int oben = m_basis.Deutsch() ? k.bildDe : k.bildEn;
        aktiv->SetzeBilder(Bild(oben), Bild(oben + 1), Bild(oben + 2));
        aktiv->move(16, y);
        inaktiv->move(16, y);
        y += aktiv->height() + 6;
    }
    NeuerBildknopf(kEinstellungen, "Grund-Einstellungen", "Settings", 173, 290, false)->move(16, y);

    CImageTextButton* ende = NeuerBildknopf(kEnde, "Ende", "End", 175, 274, false);
    CImageTextButton* ohne =
        NeuerBildknopf(kEndeOhneSpeichern, "Ende OHNE speichern", "End without saving", 178, 276, false);
    ohne->move(kHauptBreite - 16 - ohne->width(), kHauptHoehe - kStatusHoehe - 8 - ohne->height());
    ende->move(ohne->x() - 10 - ende->width(), ohne->y());
}

void Knopfleiste::BaueUntereLeiste()
{
    for (int id : {kWillkommenDeutsch, kWillkommenEnglisch}) {
        auto* bild = new QLabel(&m_fenster);
        bild->setObjectName(QStringLiteral("c%1").arg(id));
        bild->setPixmap(Bild(id));
        bild->setGeometry(kListenOrt);
        bild->setAlignment(Qt::AlignCenter);
        m_elemente[id] = bild;
    }

    const int untenY = kListenOrt.bottom() + 10;
    auto* sperren = new CImageTextButton(&m_fenster);
    sperren->setObjectName(QStringLiteral("c%1").arg(kSperren));
    sperren->SetzeBilder(Bild(kSperren), Bild(kSperren));
    sperren->move(kListenOrt.left(), untenY);
    m_elemente[kSperren] = sperren;

    // The text buttons stand in a row after the lock.
    struct Textknopf
    {
        int id;
        const char* text;
        int breite;
    };
    int x = kListenOrt.left() + 56;
    for (const Textknopf& t :
         {Textknopf{kInfo, "Info", 80}, Textknopf{kHilfe, "Online-Help", 110}, Textknopf{kImport, "Import", 64}}) {
        auto* knopf = new QPushButton(QString::fromUtf8(t.text), &m_fenster);
        knopf->setObjectName(QStringLiteral("c%1").arg(t.id));
        knopf->setGeometry(x, untenY + 8, t.breite, 28);
        knopf->setAutoDefault(false);
        m_elemente[t.id] = knopf;
        x = knopf->geometry().right() + 8;
    }

    for (int id : {kFlaggeDeutsch, kFlaggeEnglisch}) {
        auto* flagge = new CImageTextButton(&m_fenster);
        flagge->setObjectName(QStringLiteral("c%1").arg(id));
        flagge->SetzeBilder(Bild(id), Bild(id));
        flagge->setFocusPolicy(Qt::NoFocus);
        flagge->move(kListenOrt.right() - flagge->width(), untenY + 8);
        m_elemente[id] = flagge;
    }
}

void Knopfleiste::Merke(int id, QWidget* element)
{
    m_elemente[id] = element;
}

QWidget* Knopfleiste::Element(int id) const
{
    return m_elemente.at(id);
}

QAbstractButton* Knopfleiste::Knopf(int id) const
{
    return static_cast<QAbstractButton*>(Element(id));
}

void Knopfleiste::SetzeSprache()
{
    const bool deutsch = m_basis.Deutsch();
    Element(kFlaggeDeutsch)->setVisible(deutsch);
    Element(kFlaggeEnglisch)->setVisible(!deutsch);
    Element(kFlaggeDeutsch)->setAccessibleName(QStringLiteral("Deutsch"));
    Element(kFlaggeEnglisch)->setAccessibleName(QStringLiteral("English"));
    Element(kWillkommenDeutsch)->setAccessibleName(QStringLiteral("Willkommen bei Velmora"));
    Element(kWillkommenEnglisch)->setAccessibleName(QStringLiteral("Welcome to Velmora"));
    Element(kSperren)->setAccessibleName(Sprachtext(deutsch, "Sperren", "Lock"));
    Element(kInfo)->setAccessibleName(QStringLiteral("Info"));
    Element(kImport)->setAccessibleName(Sprachtext(deutsch, "Kontoauszug importieren", "Import bank statement"));
    Element(kHilfe)->setAccessibleName(Sprachtext(deutsch, "Online-Hilfe", "Online-Help"));
}

void Knopfleiste::ZeigeWillkommen()
{
    for (int id : {kEingabe, kUebersicht, kAuswertung, kDauerAuftraege, kSperren, kPasswort, kKontostaende, kImport})
        Element(id)->hide();
    for (int id : {kEingabeInaktiv, kUebersichtInaktiv, kAuswertungInaktiv, kDauerAuftraegeInaktiv, kEinstellungen})
        Element(id)->show();
    Element(kWillkommenDeutsch)->setVisible(m_basis.Deutsch());
    Element(kWillkommenEnglisch)->setVisible(!m_basis.Deutsch());
}

void Knopfleiste::ZeigeNormal(const std::function<bool(int id)>& verfuegbar)
{
    for (int id : {kEingabeInaktiv, kUebersichtInaktiv, kAuswertungInaktiv, kDauerAuftraegeInaktiv, kWillkommenDeutsch,
                   kWillkommenEnglisch})
        Element(id)->hide();
    for (int id : {kEingabe, kUebersicht, kAuswertung, kDauerAuftraege, kEinstellungen, kKontostaende, kImport})
        Element(id)->show();
    Element(kSperren)->setVisible(!m_basis.m_strPasswort.empty());
    // A window kind still to come keeps its button, but inactive.
    for (int id : {kEingabe, kUebersicht, kAuswertung, kDauerAuftraege, kEinstellungen})
        Element(id)->setEnabled(verfuegbar(id));
}

void Knopfleiste::VersteckeFuerSperre()
{
    for (int id : {kEingabe, kUebersicht, kAuswertung, kDauerAuftraege, kEingabeInaktiv, kUebersichtInaktiv,
                   kAuswertungInaktiv, kDauerAuftraegeInaktiv, kEinstellungen, kKontostaende, kSperren, kImport})
        Element(id)->hide();
}

void Knopfleiste::BaueBallons()
{
    m_ballons = new CPPToolTip(&m_fenster);
    RichteBallonsEin(*m_ballons);
}

void Knopfleiste::ErstelleBallons()
{
    FuelleHauptballons(*m_ballons, m_basis, [this](int id) { return Element(id); });
}

} // namespace velmora

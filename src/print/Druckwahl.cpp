#include "Druckwahl.h"

#include "Drucktexte.h"
#include "Texte.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

QRadioButton* Knopf(const QString& text, QGroupBox& gruppe, const char* name)
{
    auto* knopf = new QRadioButton(text, &gruppe);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setAccessibleName(text);
    gruppe.layout()->addWidget(knopf);
    return knopf;
}

QGroupBox* Gruppe(const QString& titel, QWidget& fenster)
{
    auto* gruppe = new QGroupBox(titel, &fenster);
    gruppe->setAccessibleName(titel);
    new QVBoxLayout(gruppe);
    fenster.layout()->addWidget(gruppe);
    return gruppe;
}

} // namespace

Druckwahl::Druckwahl(int sprache, bool mitGeloeschten, QWidget* eltern)
    : QDialog(eltern)
{
    setWindowTitle(Zeichenkette(sprache, kTxtDruckTitel));
    setObjectName(QStringLiteral("druckwahl"));
    new QVBoxLayout(this);
    if (mitGeloeschten) {
        QGroupBox* geloeschte = Gruppe(Zeichenkette(sprache, kTxtGeloeschteZeilen), *this);
        Knopf(Zeichenkette(sprache, kTxtGrauZeigen), *geloeschte, "grau")->setChecked(true);
        m_weglassen = Knopf(Zeichenkette(sprache, kTxtWeglassen), *geloeschte, "weglassen");
    }
    QGroupBox* papier = Gruppe(Zeichenkette(sprache, kTxtPapier), *this);
    Knopf(Zeichenkette(sprache, kTxtPassend), *papier, "passend")->setChecked(true);
    m_hochkant = Knopf(Zeichenkette(sprache, kTxtHochformat), *papier, "hochkant");
    m_quer = Knopf(Zeichenkette(sprache, kTxtQuerformat), *papier, "quer");
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    for (QAbstractButton* knopf : knoepfe->buttons())
        knopf->setAccessibleName(knopf->text().remove(QLatin1Char('&')));
    layout()->addWidget(knoepfe);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

Druckwunsch Druckwahl::Wunsch() const
{
    Druckwunsch wunsch;
    wunsch.bGeloeschteWeglassen = m_weglassen && m_weglassen->isChecked();
    wunsch.lage = m_hochkant->isChecked() ? Seitenlage::kHochformat
                  : m_quer->isChecked()   ? Seitenlage::kQuerformat
                                          : Seitenlage::kPassend;
    return wunsch;
}

} // namespace velmora

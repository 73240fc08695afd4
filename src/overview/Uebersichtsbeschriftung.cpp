#include "Uebersichtsbeschriftung.h"

#include "Basis.h"
#include "QtText.h"
#include "Uebersichtsmalerei.h"
#include "ui_Overview.h"

#include <QFontMetrics>
#include <QToolButton>

namespace velmora {

void BeschrifteUebersicht(Ui::Overview& ui, QDialog& fenster, const CBasis& basis)
{
    const bool deutsch = basis.Deutsch();
    if (!deutsch) {
        ui.c1060->setText(QStringLiteral("Actual Month"));
        ui.c1061->setText(QStringLiteral("Actual Year"));
        ui.c1103->setText(QStringLiteral("Show"));
        ui.c1025->setText(QStringLiteral("Total"));
        ui.c1115->setText(QStringLiteral("Transactions"));
        ui.c1116->setText(QStringLiteral("Search Text"));
        ui.c1079->setText(QStringLiteral("Save as Excel-File"));
    }
    const CFAMILY* familie = basis.Familie();
    fenster.setWindowTitle(
        familie ? Sprachtext(deutsch, "Übersicht Familie %1", "Overview Family %1").arg(AlsQString(familie->m_strName))
                : Sprachtext(deutsch, "Übersicht", "Overview"));
    ui.c1042->SetzeSprache(deutsch);
    ui.c1047->SetzeSprache(deutsch);

    // The picker labels are painted; their places take the painted words' size.
    const std::vector<GemalterText> beschriftung = Datumsbeschriftung(deutsch, {}, {});
    const QFontMetrics masse(SchriftFuer(kDatumsSchrift));
    ui.c1122->setFixedSize(masse.horizontalAdvance(beschriftung[0].text) + 4, 30);
    ui.c1123->setFixedSize(masse.horizontalAdvance(beschriftung[1].text) + 4, 30);

    ui.c1122->setAccessibleName(beschriftung[0].text);
    ui.c1123->setAccessibleName(beschriftung[1].text);
    ui.c1042->setAccessibleName(beschriftung[0].text);
    ui.c1047->setAccessibleName(beschriftung[1].text);
    for (QPushButton* knopf : {ui.c1060, ui.c1061, ui.c1025, ui.c1079})
        knopf->setAccessibleName(knopf->text());
    ui.c1076->setAccessibleName(ui.c1103->text());
    ui.c1092->setAccessibleName(ui.c1116->text());
    // The search field's clear button shows only a cross.
    for (QToolButton* leeren : ui.c1092->findChildren<QToolButton*>())
        leeren->setAccessibleName(Sprachtext(deutsch, "Suche leeren", "Clear the search"));
    ui.c1094->setAccessibleName(ui.c1115->text());
    ui.c1019->setAccessibleName(Sprachtext(deutsch, "Transaktionen", "Transactions"));
    ui.c1117->setAccessibleName(Sprachtext(deutsch, "Summen", "Totals"));
}

} // namespace velmora

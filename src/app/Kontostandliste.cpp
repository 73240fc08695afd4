#include "Kontostandliste.h"

#include "Basis.h"
#include "Hauptfensterplan.h"
#include "KontostandModell.h"
#include "QtText.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>

namespace velmora {

Kontostandliste::Kontostandliste(const CBasis& basis, QWidget* fenster)
    : m_modell(new KontostandModell(basis, fenster))
    , m_ansicht(new QTableView(fenster))
{
    m_ansicht->setObjectName(QStringLiteral("c%1").arg(haupt::kKontostaende));
    m_ansicht->setAccessibleName(Sprachtext(basis.Deutsch(), "Kontostände", "Balances"));
    m_ansicht->setModel(m_modell);
    m_ansicht->setGeometry(kListenOrt);
    m_ansicht->setShowGrid(true);
    m_ansicht->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ansicht->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ansicht->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ansicht->setTabKeyNavigation(false);
    m_ansicht->verticalHeader()->hide();
    m_ansicht->verticalHeader()->setDefaultSectionSize(22);
    m_ansicht->horizontalHeader()->setHighlightSections(false);
    m_ansicht->horizontalHeader()->setMinimumSectionSize(1);
    m_ansicht->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_ansicht->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void Kontostandliste::Fuelle()
{
    m_modell->Fuelle();
    RichteSpaltenEin();
}

void Kontostandliste::RichteSpaltenEin()
{
    const int client = m_ansicht->width() - 2 * m_ansicht->frameWidth();
    const int w = client - m_ansicht->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 22;
    RichteKontostandSpaltenEin(*m_ansicht, w);
}

} // namespace velmora

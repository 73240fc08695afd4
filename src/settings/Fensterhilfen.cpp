#include "Fensterhilfen.h"

#include "QtText.h"
#include "Texte.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableView>

#include <algorithm>

namespace velmora {

Steuerelemente::Steuerelemente(QWidget& fenster)
{
    for (QWidget* kind : fenster.findChildren<QWidget*>()) {
        const QString name = kind->objectName();
        bool zahl = false;
        const int id = name.startsWith(QLatin1Char('c')) ? name.mid(1).toInt(&zahl) : 0;
        if (zahl)
            m_ids[id] = kind;
    }
}

void Steuerelemente::Aktiviere(std::initializer_list<int> ids, bool an) const
{
    for (int id : ids)
        m_ids.at(id)->setEnabled(an);
}

void Steuerelemente::Zeige(std::initializer_list<int> ids, bool an) const
{
    for (int id : ids)
        m_ids.at(id)->setVisible(an);
}

namespace {

// The least distance of a painted message from the window's edges.
constexpr int kMeldungsRand = 12;

// Rows are drawn on white in their own colour, the marked one too: its icon tells it apart.
class WeisseZeilen final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_Selected;
    }
};

QString BeschriftungVon(const QWidget* w)
{
    if (const auto* knopf = qobject_cast<const QAbstractButton*>(w))
        return knopf->text();
    if (const auto* etikett = qobject_cast<const QLabel*>(w))
        return etikett->text();
    if (const auto* gruppe = qobject_cast<const QGroupBox*>(w))
        return gruppe->title();
    return {};
}

} // namespace

void Steuerelemente::Uebersetze(std::initializer_list<Beschriftung> texte) const
{
    for (const Beschriftung& b : texte) {
        QWidget* w = m_ids.at(b.id);
        const QString text = QString::fromUtf8(b.en);
        if (auto* knopf = qobject_cast<QAbstractButton*>(w))
            knopf->setText(text);
        else if (auto* etikett = qobject_cast<QLabel*>(w))
            etikett->setText(text);
        else if (auto* gruppe = qobject_cast<QGroupBox*>(w))
            gruppe->setTitle(text);
    }
}

void Steuerelemente::Benenne(bool deutsch,
                             std::initializer_list<std::pair<int, std::pair<const char*, const char*>>> namen) const
{
    for (const auto& [id, w] : m_ids)
        w->setAccessibleName(BeschriftungVon(w).remove(QLatin1Char('&')).trimmed());
    for (const auto& [id, name] : namen)
        m_ids.at(id)->setAccessibleName(Sprachtext(deutsch, name.first, name.second));
}

void SetzeText(QLineEdit* feld, const QString& text)
{
    if (feld->text() == text)
        return;
    const QSignalBlocker sperre(feld);
    feld->setText(text);
}

void SetzeText(QComboBox* feld, const QString& text)
{
    if (feld->currentText() == text)
        return;
    const QSignalBlocker sperre(feld);
    feld->setEditText(text);
}

std::string TextVon(const QLineEdit* feld)
{
    return AlsCp1252(feld->text());
}

std::string TextVon(const QComboBox* feld)
{
    return AlsCp1252(feld->currentText());
}

void RichteListeEin(QTableView* liste, QAbstractItemModel* modell)
{
    liste->setModel(modell);
    liste->setItemDelegate(new WeisseZeilen(liste));
    liste->setShowGrid(true);
    liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list; walking its cells would move the marked entry under the form.
    liste->setTabKeyNavigation(false);
    liste->setIconSize(QSize(16, 16));
    liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liste->verticalHeader()->hide();
    liste->verticalHeader()->setDefaultSectionSize(22);
    liste->horizontalHeader()->setHighlightSections(false);
    liste->horizontalHeader()->setSectionsClickable(false);
    liste->horizontalHeader()->setStretchLastSection(true);
}

void BeiZeilenwahl(QTableView* liste, QObject* kontext, std::function<void(int zeile)> gewaehlt)
{
    QObject::connect(
        liste->selectionModel(), &QItemSelectionModel::currentRowChanged, kontext,
        [gewaehlt = std::move(gewaehlt)](const QModelIndex& index) {
            if (index.isValid())
                gewaehlt(index.row());
        },
        Qt::QueuedConnection);
}

void ZeigeZeile(QTableView* liste, int zeile)
{
    if (zeile < 0 || zeile >= liste->model()->rowCount())
        return;
    const QModelIndex index = liste->model()->index(zeile, 0);
    liste->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    liste->scrollTo(index);
}

QString ExistiertMeldung(int sprache, const std::string& name)
{
    return QStringLiteral("'%1' %2").arg(AlsQString(name), Zeichenkette(sprache, kTxtExistiertBereits));
}

QString LeerMeldung(int sprache)
{
    return Zeichenkette(sprache, kTxtEingabeLeer);
}

Meldungszeile::Meldungszeile(QWidget& fenster, int x, int ueberUnterkante, Schrift schrift)
    : m_fenster(fenster)
    , m_nX(x)
    , m_nUeberUnterkante(ueberUnterkante)
    , m_schrift(schrift)
{
}

void Meldungszeile::Setze(const QString& text)
{
    if (m_strText == text)
        return;
    m_strText = text;
    m_fenster.setAccessibleDescription(text);
    m_fenster.update();
}

bool Meldungszeile::Abgewiesen(Ausgang ausgang, int sprache, const std::string& name)
{
    switch (ausgang) {
        case Ausgang::kExistiert:
            Setze(ExistiertMeldung(sprache, name));
            return true;
        case Ausgang::kLeer:
            Setze(LeerMeldung(sprache));
            return true;
        case Ausgang::kNichtMoeglich:
            return true;
        default:
            return false;
    }
}

void Meldungszeile::Male() const
{
    if (m_strText.isEmpty())
        return;
    QPainter maler(&m_fenster);
    // A message too long for its usual place moves left, so that it ends inside the window.
    const int breite = QFontMetrics(SchriftFuer(m_schrift)).horizontalAdvance(m_strText);
    const int x = std::max(kMeldungsRand, std::min(m_nX, m_fenster.width() - kMeldungsRand - breite));
    MaleText(maler, QPoint(x, m_fenster.height() - m_nUeberUnterkante), m_strText, m_schrift, QColor(255, 64, 64));
}

} // namespace velmora

#include "Aenderungsliste.h"

#include "Basis.h"
#include "QtText.h"
#include "Text.h"
#include "Texte.h"

namespace velmora {

namespace {

const std::string& Fremd(const CBasis& basis, const Buchungseingabe& e)
{
    return basis.IstEigenesKonto(e.strZahler) ? e.strEmpfaenger : e.strZahler;
}

QString Kategorie(const Buchungseingabe& e)
{
    return AlsQString(e.strUKategorie.empty() ? e.strKategorie : e.strKategorie + " / " + e.strUKategorie);
}

} // namespace

Aenderungsliste::Aenderungsliste(const CBasis& basis, std::vector<Regelaenderung> aenderungen, QObject* eltern)
    : QAbstractTableModel(eltern)
    , m_basis(basis)
    , m_aenderungen(std::move(aenderungen))
    , m_haken(m_aenderungen.size(), 1)
{
}

std::vector<Regelaenderung> Aenderungsliste::Angehakte() const
{
    std::vector<Regelaenderung> angehakt;
    for (size_t i = 0; i < m_aenderungen.size(); ++i) {
        if (m_haken[i])
            angehakt.push_back(m_aenderungen[i]);
    }
    return angehakt;
}

int Aenderungsliste::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(m_aenderungen.size());
}

int Aenderungsliste::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : kSpalten;
}

QVariant Aenderungsliste::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const size_t zeile = static_cast<size_t>(index.row());
    const Regelaenderung& a = m_aenderungen[zeile];
    const bool deutsch = m_basis.Deutsch();
    if (rolle == Qt::CheckStateRole)
        return index.column() == kHaken ? QVariant(m_haken[zeile] ? Qt::Checked : Qt::Unchecked) : QVariant();
    if (rolle == Qt::TextAlignmentRole)
        return index.column() == kBetrag ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (rolle == Qt::AccessibleTextRole && index.column() == kHaken)
        return Sprachtext(deutsch, m_haken[zeile] ? "wird geändert" : "bleibt", m_haken[zeile] ? "to change" : "kept");
    if (rolle != Qt::DisplayRole && rolle != Qt::ToolTipRole && rolle != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
        case kDatum:
            return AlsQString(DatumsText(a.alt.nDatum, deutsch));
        case kBetrag:
            return QString::asprintf("%5.2f", a.alt.dBetrag);
        case kKonto: {
            const std::string& alt = Fremd(m_basis, a.alt);
            const std::string& neu = Fremd(m_basis, a.neu);
            return alt == neu ? AlsQString(alt) : AlsQString(alt) + QStringLiteral(" → ") + AlsQString(neu);
        }
        case kAlt:
            return Kategorie(a.alt);
        case kNeu:
            return Kategorie(a.neu);
        default:
            return {};
    }
}

bool Aenderungsliste::setData(const QModelIndex& index, const QVariant& wert, int rolle)
{
    if (!index.isValid() || index.row() >= rowCount() || rolle != Qt::CheckStateRole || index.column() != kHaken)
        return false;
    m_haken[static_cast<size_t>(index.row())] = wert.toInt() == Qt::Checked;
    emit dataChanged(index, index);
    emit HakenGeaendert();
    return true;
}

Qt::ItemFlags Aenderungsliste::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == kHaken)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant Aenderungsliste::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || (rolle != Qt::DisplayRole && rolle != Qt::AccessibleTextRole))
        return {};
    const bool deutsch = m_basis.Deutsch();
    switch (abschnitt) {
        case kHaken:
            return Sprachtext(deutsch, "Ändern", "Change");
        case kDatum:
            return Zeichenkette(m_basis.m_nSprache, kTxtDatum);
        case kBetrag:
            return Zeichenkette(m_basis.m_nSprache, kTxtBetrag);
        case kKonto:
            return Sprachtext(deutsch, "Fremd-Konto", "External account");
        case kAlt:
            return Sprachtext(deutsch, "Kategorie bisher", "Category now");
        case kNeu:
            return Sprachtext(deutsch, "Kategorie neu", "New category");
        default:
            return {};
    }
}

} // namespace velmora

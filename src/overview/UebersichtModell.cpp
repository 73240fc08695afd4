#include "UebersichtModell.h"

#include "Basis.h"
#include "Bilder.h"
#include "Listenansicht.h"
#include "MaleText.h"
#include "QtText.h"
#include "Texte.h"
#include "Uebersicht.h"

#include <QBrush>
#include <QIcon>
#include <array>

namespace velmora {

namespace {

// String-table offsets of the captions of columns 1 to 8.
constexpr std::array<int, kSpalten> kTitel = {
    -1,         kTxtAuftraggeber, kTxtEmpfaenger, kTxtNutzniesser, kTxtKategorie, kTxtUKategorie, kTxtKommentar,
    kTxtBetrag, kTxtDatum};
constexpr int kErstesSymbol = 132;

} // namespace

UebersichtModell::UebersichtModell(const OverviewListing& liste, const CBasis& basis, QObject* eltern)
    : QAbstractTableModel(eltern)
    , m_liste(liste)
    , m_basis(basis)
{
}

void UebersichtModell::Neu()
{
    beginResetModel();
    endResetModel();
}

void UebersichtModell::ZeileNeu(int zeile)
{
    if (zeile >= 0 && zeile < rowCount())
        emit dataChanged(index(zeile, 0), index(zeile, kSpalten - 1));
}

void UebersichtModell::FarbenNeu()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, kSpalten - 1), {Qt::ForegroundRole, Qt::BackgroundRole});
}

int UebersichtModell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(m_liste.m_arrZeilen.size());
}

int UebersichtModell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : kSpalten;
}

QVariant UebersichtModell::Textfarbe(int zeile, int spalte) const
{
    if (m_liste.ZelleTrifft(zeile, spalte))
        return QBrush(kTrefferFarbe);
    const CInOut* t = m_liste.TransaktionDerZeile(zeile);
    if (!t)
        return {};
    if (t->m_nStatus < 0)
        return QBrush(kGeloeschtFarbe);
    const size_t art = t->m_nArt == 0 || t->m_nArt == 1 ? static_cast<size_t>(t->m_nArt) : 2;
    return QBrush(AlsFarbe(m_basis.m_aFarben[art]));
}

QVariant UebersichtModell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int zeile = index.row();
    const int spalte = index.column();
    switch (rolle) {
        case Qt::DisplayRole:
            // Column 0 is only as wide as its icon; the row's number is there for the program, not the eye.
            return spalte == kKennung ? QVariant() : QVariant(AlsQString(m_liste.Zelle(zeile, spalte)));
        case kKennungsRolle:
            return AlsQString(m_liste.Zelle(zeile, kKennung));
        case Qt::DecorationRole:
            if (spalte != kKennung)
                return {};
            return QIcon(Bild(kErstesSymbol + m_liste.m_arrZeilen[static_cast<size_t>(zeile)].nIcon));
        case Qt::AccessibleTextRole:
            if (spalte != kKennung)
                return AlsQString(m_liste.Zelle(zeile, spalte));
            return m_liste.m_arrZeilen[static_cast<size_t>(zeile)].nIcon & 1
                       ? Zeichenkette(m_basis.m_nSprache, kTxtDauerAuftraege)
                       : QString();
        case Qt::AccessibleDescriptionRole:
            // A search hit is told in words, not only by its red on yellow.
            return m_liste.ZelleTrifft(zeile, spalte) ? Sprachtext(m_basis.Deutsch(), "Treffer", "match") : QString();
        case Qt::ForegroundRole:
            return Textfarbe(zeile, spalte);
        case Qt::BackgroundRole:
            return QBrush(m_liste.ZelleTrifft(zeile, spalte) ? kTrefferGrund : QColor(Qt::white));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignVCenter |
                                       (spalte == kBetrag || spalte == kDatum ? Qt::AlignRight : Qt::AlignLeft));
        default:
            return {};
    }
}

QVariant UebersichtModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || abschnitt < 0 || abschnitt >= kSpalten)
        return {};
    if (rolle == Qt::DisplayRole)
        return abschnitt == kKennung ? QStringLiteral(" ")
                                     : Zeichenkette(m_basis.m_nSprache, kTitel[static_cast<size_t>(abschnitt)]);
    if (rolle == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (abschnitt == kBetrag || abschnitt == kDatum ? Qt::AlignRight : Qt::AlignLeft));
    return {};
}

} // namespace velmora

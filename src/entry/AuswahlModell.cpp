#include "AuswahlModell.h"

#include "Basis.h"
#include "Bilder.h"
#include "QtText.h"
#include "Texte.h"

#include <QBrush>

namespace velmora {

namespace {

constexpr int kSymbolLeer = 132;
constexpr int kSymbolGewaehlt = 134;

int UeberschriftVon(Auswahlliste liste)
{
    switch (liste) {
        case kZahlerListe:
            return kTxtAuftraggeber;
        case kEmpfaengerListe:
            return kTxtEmpfaenger;
        case kNutzniesserListe:
            return kTxtNutzniesser;
        case kKategorieListe:
            return kTxtKategorie;
        default:
            return kTxtUKategorie;
    }
}

} // namespace

AuswahlModell::AuswahlModell(CBasis& basis, Auswahlliste liste, QObject* eltern)
    : QAbstractTableModel(eltern)
    , m_basis(basis)
    , m_liste(liste)
{
}

const OwnedList<TempList>& AuswahlModell::Zeilen() const
{
    return m_basis.m_arrTempListen[static_cast<size_t>(m_liste)];
}

std::string AuswahlModell::Text(int zeile) const
{
    if (zeile < 0 || zeile >= static_cast<int>(Zeilen().size()))
        return {};
    return Zeilen()[static_cast<size_t>(zeile)]->m_strName;
}

void AuswahlModell::SetzeGewaehlt(int zeile)
{
    const int vorher = m_nGewaehlt;
    m_nGewaehlt = zeile >= 0 && zeile < rowCount() ? zeile : -1;
    for (int z : {vorher, m_nGewaehlt}) {
        if (z >= 0 && z < rowCount())
            emit dataChanged(index(z, 0), index(z, 0), {Qt::DecorationRole});
    }
}

void AuswahlModell::Fuelle(int kategorieIndex)
{
    beginResetModel();
    FuelleAuswahl(m_basis, m_liste, kategorieIndex);
    m_nGewaehlt = -1;
    endResetModel();
}

void AuswahlModell::FuelleKonten()
{
    beginResetModel();
    FuelleKontenAuswahl(m_basis, m_liste);
    m_nGewaehlt = -1;
    endResetModel();
}

void AuswahlModell::Sortiere(bool absteigend)
{
    beginResetModel();
    SortiereAuswahl(m_basis.m_arrTempListen[static_cast<size_t>(m_liste)], absteigend);
    m_nGewaehlt = -1;
    endResetModel();
}

int AuswahlModell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(Zeilen().size());
}

int AuswahlModell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : 1;
}

QVariant AuswahlModell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() != 0)
        return {};
    const std::string& text = Zeilen()[static_cast<size_t>(index.row())]->m_strName;
    switch (rolle) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return AlsQString(text);
        case Qt::DecorationRole:
            return Bild(index.row() == m_nGewaehlt ? kSymbolGewaehlt : kSymbolLeer);
        case Qt::ForegroundRole:
            if ((m_liste == kZahlerListe || m_liste == kEmpfaengerListe) && BeginntMitMitglied(m_basis, text))
                return QBrush(QColor(0, 0, 255));
            return QBrush(Qt::black);
        case Qt::BackgroundRole:
            return QBrush(Qt::white);
        default:
            return {};
    }
}

QVariant AuswahlModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || abschnitt != 0 || rolle != Qt::DisplayRole)
        return {};
    return Zeichenkette(m_basis.m_nSprache, UeberschriftVon(m_liste));
}

} // namespace velmora

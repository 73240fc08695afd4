#include "DauerAuftragModell.h"

#include "Basis.h"
#include "Bilder.h"
#include "DauerAuftragsliste.h"
#include "Listenansicht.h"
#include "MaleText.h"
#include "QtText.h"
#include "Texte.h"

#include <QBrush>

#include <algorithm>

namespace velmora {

namespace {

// Icons of the rows: blank, active, marked, active and marked.
constexpr int kIcons[] = {132, 141, 134, 142};
// String-table offsets of the column captions 1 to 8; the end has its caption in the code.
constexpr int kKoepfe[] = {kTxtAuftraggeber, kTxtEmpfaenger, kTxtNutzniesser, kTxtKategorie,
                           kTxtUKategorie,   kTxtKommentar,  kTxtBetrag,      kTxtAusfuehrung};

} // namespace

QString DauerAuftragsKopf(int sprache, int spalte)
{
    if (spalte == kSpalteEnde)
        return Sprachtext(sprache == kDeutsch, "Ende", "End");
    return Zeichenkette(sprache, kKoepfe[std::clamp(spalte, 1, 8) - 1]);
}

DauerAuftragModell::DauerAuftragModell(const CBasis& basis, const DauerAuftragsListe& liste, QObject* eltern)
    : QAbstractTableModel(eltern)
    , m_basis(basis)
    , m_liste(liste)
{
}

void DauerAuftragModell::Neu()
{
    beginResetModel();
    endResetModel();
}

void DauerAuftragModell::Auffrischen()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int DauerAuftragModell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(m_liste.m_arrZeilen.size());
}

int DauerAuftragModell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : kSpalteEnde + 1;
}

QColor DauerAuftragModell::Textfarbe(int zeile) const
{
    if (m_liste.Geloescht(zeile) || m_liste.Beendet(zeile))
        return kGeloeschtFarbe;
    const CDauerAuftrag* auftrag = m_liste.AuftragDerZeile(zeile);
    const int art = auftrag ? auftrag->m_nArt : 2;
    return AlsFarbe(m_basis.m_aFarben[static_cast<size_t>(art == 0 || art == 1 ? art : 2)]);
}

// What the icon and the colour say, for screen readers.
QString DauerAuftragModell::Zustand(int zeile) const
{
    const bool deutsch = m_basis.Deutsch();
    QStringList teile;
    teile << (m_liste.Icon(zeile) & 1 ? Sprachtext(deutsch, "aktiv", "active")
                                      : Sprachtext(deutsch, "nicht aktiv", "not active"));
    if (m_liste.Geloescht(zeile))
        teile << Sprachtext(deutsch, "gelöscht", "deleted");
    if (m_liste.Beendet(zeile))
        teile << Sprachtext(deutsch, "beendet", "ended");
    if (m_liste.Icon(zeile) & 2)
        teile << Sprachtext(deutsch, "markiert", "marked");
    return teile.join(QStringLiteral(", "));
}

QVariant DauerAuftragModell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int zeile = index.row();
    const int spalte = index.column();
    const bool treffer = m_liste.ZelleTrifft(zeile, spalte);
    switch (rolle) {
        case Qt::DisplayRole:
            // The number and kind that identify the row stay out of sight behind the icon.
            return spalte == kSpalteKennung ? QVariant() : QVariant(AlsQString(m_liste.Zelle(zeile, spalte)));
        case Qt::UserRole:
            return AlsQString(m_liste.Zelle(zeile, spalte));
        case Qt::AccessibleTextRole:
            return spalte == kSpalteKennung ? Zustand(zeile) : AlsQString(m_liste.Zelle(zeile, spalte));
        case Qt::DecorationRole:
            return spalte == kSpalteKennung ? QVariant(Bild(kIcons[m_liste.Icon(zeile) & 3])) : QVariant();
        case Qt::AccessibleDescriptionRole:
            return treffer ? Sprachtext(m_basis.Deutsch(), "Treffer", "match") : QString();
        case Qt::ForegroundRole:
            return QBrush(treffer ? kTrefferFarbe : Textfarbe(zeile));
        case Qt::BackgroundRole:
            return QBrush(treffer ? kTrefferGrund : QColor(Qt::white));
        case Qt::TextAlignmentRole:
            return spalte == kSpalteBetrag ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                           : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant DauerAuftragModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || abschnitt < 0 || abschnitt > kSpalteEnde)
        return {};
    if (rolle == Qt::DisplayRole)
        return abschnitt == kSpalteKennung ? QStringLiteral(" ") : DauerAuftragsKopf(m_basis.m_nSprache, abschnitt);
    if (rolle == Qt::AccessibleTextRole && abschnitt == kSpalteKennung)
        return Sprachtext(m_basis.Deutsch(), "Zustand", "State");
    if (rolle == Qt::TextAlignmentRole)
        return abschnitt == kSpalteBetrag ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                          : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

} // namespace velmora

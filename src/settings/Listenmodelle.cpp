#include "Listenmodelle.h"

#include "Basis.h"
#include "Bilder.h"
#include "Familienverwaltung.h"
#include "Fremdkontenverwaltung.h"
#include "Kategorienverwaltung.h"
#include "Listenansicht.h"
#include "QtText.h"
#include "Text.h"
#include "Texte.h"

#include <QBrush>
#include <QIcon>

namespace velmora {

namespace {

constexpr int kSymbolMarkiert = 134;
constexpr int kSymbolNormal = 132;

QColor FarbeVon(Eintragsliste::Zustand zustand)
{
    switch (zustand) {
        case Eintragsliste::Zustand::kGeloescht:
            return kGeloeschtFarbe;
        case Eintragsliste::Zustand::kBenutzt:
            return QColor(255, 32, 32);
        default:
            return Qt::black;
    }
}

Eintragsliste::Zustand ZustandMit(bool geloescht, bool benutzt)
{
    if (geloescht)
        return Eintragsliste::Zustand::kGeloescht;
    return benutzt ? Eintragsliste::Zustand::kBenutzt : Eintragsliste::Zustand::kNormal;
}

} // namespace

Eintragsliste::Eintragsliste(CBasis& basis, QObject* eltern)
    : QAbstractTableModel(eltern)
    , m_basis(basis)
{
}

// Rows come and go at the end and the rest is told as changed, not reset: a reset would leave a screen
// reader holding rows that no longer name anything.
void Eintragsliste::Fuelle()
{
    const int neu = Anzahl();
    if (m_nZeilen < 0) {
        beginResetModel();
        m_nZeilen = neu;
        endResetModel();
        return;
    }
    if (neu < m_nZeilen) {
        beginRemoveRows({}, neu, m_nZeilen - 1);
        m_nZeilen = neu;
        endRemoveRows();
    } else if (neu > m_nZeilen) {
        beginInsertRows({}, m_nZeilen, neu - 1);
        m_nZeilen = neu;
        endInsertRows();
    }
    if (neu > 0) {
        emit dataChanged(index(0, 0), index(neu - 1, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, 0, neu - 1);
    }
}

void Eintragsliste::SetzeMarkiert(int zeile)
{
    const int vorher = m_nMarkiert;
    m_nMarkiert = zeile;
    for (int z : {vorher, zeile}) {
        if (z >= 0 && z < rowCount())
            emit dataChanged(index(z, 0), index(z, columnCount() - 1));
    }
}

int Eintragsliste::rowCount(const QModelIndex& eltern) const
{
    if (eltern.isValid())
        return 0;
    return m_nZeilen < 0 ? Anzahl() : m_nZeilen;
}

int Eintragsliste::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : Spalten();
}

QVariant Eintragsliste::data(const QModelIndex& index, int rolle) const
{
    // The store may have lost rows the list still shows until its next filling.
    if (!index.isValid() || index.row() >= rowCount() || index.row() >= Anzahl() || index.column() >= columnCount())
        return {};
    switch (rolle) {
        case Qt::DisplayRole:
            return Text(index.row(), index.column());
        case Qt::DecorationRole:
            if (index.column() != 0)
                return {};
            return QIcon(Bild(index.row() == m_nMarkiert ? kSymbolMarkiert : kSymbolNormal));
        case Qt::ForegroundRole:
            return QBrush(FarbeVon(ZustandVon(index.row())));
        case Qt::AccessibleDescriptionRole:
            // What the grey and the red say, for screen readers.
            switch (ZustandVon(index.row())) {
                case Zustand::kGeloescht:
                    return Sprachtext(m_basis.Deutsch(), "gelöscht", "deleted");
                case Zustand::kBenutzt:
                    return Sprachtext(m_basis.Deutsch(), "benutzt", "used");
                default:
                    return {};
            }
        case Qt::BackgroundRole:
            return QBrush(Qt::white);
        case Qt::TextAlignmentRole:
            return Rechts(index.column()) ? int(Qt::AlignRight | Qt::AlignVCenter)
                                          : int(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant Eintragsliste::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (rolle != Qt::DisplayRole || abschnitt < 0)
        return {};
    // The hidden row header names the row for screen readers.
    if (richtung == Qt::Vertical)
        return abschnitt < rowCount() && abschnitt < Anzahl() ? Text(abschnitt, 0) : QVariant();
    return abschnitt < columnCount() ? Kopf(abschnitt) : QVariant();
}

int MitgliederListe::Anzahl() const
{
    // The list stays empty until the family has a name.
    const CFAMILY* familie = m_basis.Familie();
    return familie && !familie->m_strName.empty() ? static_cast<int>(familie->m_arrPersonen.size()) : 0;
}

QString MitgliederListe::Text(int zeile, int) const
{
    return AlsQString(Mitglied(m_basis, zeile)->m_strName);
}

Eintragsliste::Zustand MitgliederListe::ZustandVon(int zeile) const
{
    const CPerson& person = *Mitglied(m_basis, zeile);
    return ZustandMit(IstGeloescht(person), person.m_nAnzahl != 0);
}

QString MitgliederListe::Kopf(int) const
{
    return QStringLiteral("Name");
}

int KontenListe::Anzahl() const
{
    const CPerson* person = Mitglied(m_basis, m_nMitglied);
    return person ? static_cast<int>(person->m_arrKonten.size()) : 0;
}

QString KontenListe::Text(int zeile, int spalte) const
{
    const CKonto& konto = *Konto(m_basis, m_nMitglied, zeile);
    return spalte == kKonto ? AlsQString(konto.m_strName) : AlsQString(Format("%6.2f", konto.m_dStand));
}

Eintragsliste::Zustand KontenListe::ZustandVon(int zeile) const
{
    const CKonto& konto = *Konto(m_basis, m_nMitglied, zeile);
    return ZustandMit(IstGeloescht(konto) || IstGeloescht(*Mitglied(m_basis, m_nMitglied)), konto.m_nAnzahl != 0);
}

QString KontenListe::Kopf(int spalte) const
{
    return Zeichenkette(m_basis.m_nSprache, spalte == kKonto ? kTxtKonto : kTxtBetrag);
}

int FremdKontenListe::Anzahl() const
{
    return static_cast<int>(m_basis.m_arrZielKonten.size());
}

QString FremdKontenListe::Text(int zeile, int) const
{
    return AlsQString(FremdKonto(m_basis, zeile)->m_strName);
}

Eintragsliste::Zustand FremdKontenListe::ZustandVon(int zeile) const
{
    const CZIELKONTO& ziel = *FremdKonto(m_basis, zeile);
    return ZustandMit(IstGeloescht(ziel), ziel.m_bBenutzt == 1);
}

QString FremdKontenListe::Kopf(int) const
{
    return Zeichenkette(m_basis.m_nSprache, kTxtFremdKonten);
}

int KategorienListe::Anzahl() const
{
    return static_cast<int>(m_basis.m_arrKategorien.size());
}

QString KategorienListe::Text(int zeile, int) const
{
    return AlsQString(Kategorie(m_basis, zeile)->m_strName);
}

Eintragsliste::Zustand KategorienListe::ZustandVon(int zeile) const
{
    const CKategorie& kategorie = *Kategorie(m_basis, zeile);
    return ZustandMit(IstGeloescht(kategorie), kategorie.m_bBenutzt == 1);
}

QString KategorienListe::Kopf(int) const
{
    return Zeichenkette(m_basis.m_nSprache, kTxtKategorie);
}

int UKategorienListe::Anzahl() const
{
    const CKategorie* kategorie = Kategorie(m_basis, m_nKategorie);
    return kategorie ? static_cast<int>(kategorie->m_arrUKategorien.size()) : 0;
}

QString UKategorienListe::Text(int zeile, int) const
{
    return AlsQString(UKategorie(m_basis, m_nKategorie, zeile)->m_strName);
}

Eintragsliste::Zustand UKategorienListe::ZustandVon(int zeile) const
{
    const CUKategorie& u = *UKategorie(m_basis, m_nKategorie, zeile);
    return ZustandMit(IstGeloescht(u) || IstGeloescht(*Kategorie(m_basis, m_nKategorie)), u.m_bBenutzt == 1);
}

QString UKategorienListe::Kopf(int) const
{
    return Zeichenkette(m_basis.m_nSprache, kTxtUKategorie);
}

} // namespace velmora

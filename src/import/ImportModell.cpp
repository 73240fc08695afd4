#include "ImportModell.h"

#include "Auswahllisten.h"
#include "Basis.h"
#include "Importregeln.h"
#include "QtText.h"
#include "Regeltexte.h"
#include "Text.h"
#include "Texte.h"

#include <QApplication>
#include <QBrush>
#include <QDate>
#include <QStyle>

#include <algorithm>

namespace velmora {

namespace {

const QColor kDuplikatFarbe(128, 128, 128);

} // namespace

ImportModell::ImportModell(CBasis& basis, const std::vector<Importregel>& regeln, QObject* eltern)
    : QAbstractTableModel(eltern)
    , m_basis(basis)
    , m_regeln(regeln)
{
}

void ImportModell::Setze(std::vector<Importvorschlag> vorschlaege)
{
    beginResetModel();
    m_vorschlaege = std::move(vorschlaege);
    endResetModel();
    emit ZahlenGeaendert();
}

int ImportModell::Angehakt() const
{
    return static_cast<int>(
        std::count_if(m_vorschlaege.begin(), m_vorschlaege.end(), [](const auto& v) { return v.bAngehakt; }));
}

int ImportModell::Duplikate() const
{
    return static_cast<int>(
        std::count_if(m_vorschlaege.begin(), m_vorschlaege.end(), [](const auto& v) { return v.bDuplikat; }));
}

int ImportModell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(m_vorschlaege.size());
}

int ImportModell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : kSpalten;
}

QString ImportModell::Hinweis(const Importvorschlag& v) const
{
    const bool deutsch = m_basis.Deutsch();
    if (v.bDuplikat)
        return Sprachtext(deutsch, "Schon gebucht", "Already booked");
    if (v.eingabe.strKategorie.empty())
        return Sprachtext(deutsch, "Kategorie fehlt", "No category");
    return {};
}

QVariant ImportModell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Importvorschlag& v = m_vorschlaege[static_cast<size_t>(index.row())];
    const int spalte = index.column();
    const int datum = v.eingabe.nDatum;
    if (spalte == kRegel)
        return Regelzelle(v, rolle);
    switch (rolle) {
        case Qt::CheckStateRole:
            return spalte == kHaken ? QVariant(v.bAngehakt ? Qt::Checked : Qt::Unchecked) : QVariant();
        case Qt::DecorationRole:
            if (spalte == kHinweis && !Hinweis(v).isEmpty())
                return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
            return {};
        case Qt::ForegroundRole:
            return v.bDuplikat ? QVariant(QBrush(kDuplikatFarbe)) : QVariant();
        case Qt::TextAlignmentRole:
            return spalte == kBetrag ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        case Qt::AccessibleTextRole:
            if (spalte == kHaken)
                return Sprachtext(m_basis.Deutsch(), v.bAngehakt ? "wird gebucht" : "wird nicht gebucht",
                                  v.bAngehakt ? "to be booked" : "not to be booked");
            [[fallthrough]];
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            switch (spalte) {
                case kHinweis:
                    return Hinweis(v);
                case kDatum:
                    return AlsQString(DatumsText(datum, m_basis.Deutsch()));
                case kBetrag:
                    return QString::asprintf("%5.2f", v.eingabe.dBetrag);
                default: {
                    const std::string* text = Text(v, spalte);
                    return text ? AlsQString(*text) : QVariant();
                }
            }
        case Qt::EditRole:
            if (spalte == kDatum)
                return QDate(datum / 10000, datum / 100 % 100, datum % 100);
            if (spalte == kBetrag)
                return v.eingabe.dBetrag;
            if (const std::string* text = Text(v, spalte))
                return AlsQString(*text);
            return {};
        default:
            return {};
    }
}

QVariant ImportModell::Regelzelle(const Importvorschlag& v, int rolle) const
{
    const bool deutsch = m_basis.Deutsch();
    const bool regel = v.nRegel >= 0 && v.nRegel < static_cast<int>(m_regeln.size());
    switch (rolle) {
        case Qt::DisplayRole:
            return regel ? QVariant(v.nRegel + 1) : QVariant();
        case Qt::ToolTipRole:
        case Qt::AccessibleTextRole:
            if (!regel)
                return Sprachtext(deutsch, "keine Regel", "no rule");
            return Sprachtext(deutsch, "Regel %1: %2", "Rule %1: %2")
                .arg(v.nRegel + 1)
                .arg(Bedingungstext(m_regeln[static_cast<size_t>(v.nRegel)], deutsch));
        case Qt::TextAlignmentRole:
            return QVariant(Qt::AlignCenter);
        default:
            return {};
    }
}

bool ImportModell::setData(const QModelIndex& index, const QVariant& wert, int rolle)
{
    if (!index.isValid() || index.row() >= rowCount())
        return false;
    Importvorschlag& v = m_vorschlaege[static_cast<size_t>(index.row())];
    const int spalte = index.column();
    if (rolle == Qt::CheckStateRole && spalte == kHaken) {
        const bool an = wert.toInt() == Qt::Checked;
        // A line can be ticked only when it could be booked as it stands.
        if (an && !Buchbar(v))
            return false;
        v.bAngehakt = an;
    } else if (rolle == Qt::EditRole && spalte == kDatum) {
        const QDate datum = wert.toDate();
        if (!datum.isValid())
            return false;
        v.eingabe.nDatum = datum.year() * 10000 + datum.month() * 100 + datum.day();
    } else if (rolle == Qt::EditRole && spalte == kBetrag) {
        const double betrag = wert.toDouble();
        if (betrag <= 0.0)
            return false;
        v.eingabe.dBetrag = betrag;
    } else if (std::string* text = rolle == Qt::EditRole ? Text(v, spalte) : nullptr) {
        const std::string neu = AlsCp1252(wert.toString());
        if (neu == *text)
            return true;
        *text = neu;
        if (spalte == kKategorie) {
            // The sub-category follows the category, as in the entry window.
            const std::vector<std::string> unter =
                AuswahlTexte(m_basis, kUKategorieListe, KategoriePosition(m_basis, neu));
            v.eingabe.strUKategorie = unter.empty() ? std::string() : unter.front();
            // Choosing the category a line lacked makes it one to book.
            if (!v.bDuplikat && Buchbar(v))
                v.bAngehakt = true;
        }
    } else {
        return false;
    }
    if (!Buchbar(v))
        v.bAngehakt = false;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), kSpalten - 1));
    emit ZahlenGeaendert();
    return true;
}

Qt::ItemFlags ImportModell::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == kHaken)
        f |= Qt::ItemIsUserCheckable;
    else if (index.column() != kHinweis && index.column() != kRegel)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ImportModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || (rolle != Qt::DisplayRole && rolle != Qt::AccessibleTextRole))
        return {};
    const int sprache = m_basis.m_nSprache;
    switch (abschnitt) {
        case kHaken:
            return Sprachtext(m_basis.Deutsch(), "Buchen", "Book");
        case kHinweis:
            return Sprachtext(m_basis.Deutsch(), "Hinweis", "Note");
        case kDatum:
            return Zeichenkette(sprache, kTxtDatum);
        case kBetrag:
            return Zeichenkette(sprache, kTxtBetrag);
        case kZahler:
            return Zeichenkette(sprache, kTxtAuftraggeber);
        case kEmpfaenger:
            return Zeichenkette(sprache, kTxtEmpfaenger);
        case kNutzniesser:
            return Zeichenkette(sprache, kTxtNutzniesser);
        case kKategorie:
            return Zeichenkette(sprache, kTxtKategorie);
        case kUKategorie:
            return Zeichenkette(sprache, kTxtUKategorie);
        case kKommentar:
            return Zeichenkette(sprache, kTxtKommentar);
        case kRegel:
            return Sprachtext(m_basis.Deutsch(), "Regel", "Rule");
        default:
            return {};
    }
}

} // namespace velmora

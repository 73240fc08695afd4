#pragma once

// The preview of an import: one row per proposed booking, with its tick, a warning mark on duplicates
// and on lines without a category, every proposed field editable in place, and the rule that filled it.

#include "Kontoauszug.h"

#include <QAbstractTableModel>
#include <vector>

namespace velmora {

class CBasis;

class ImportModell final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Spalte
    {
        kHaken = 0,
        kHinweis,
        kDatum,
        kBetrag,
        kZahler,
        kEmpfaenger,
        kNutzniesser,
        kKategorie,
        kUKategorie,
        kKommentar,
        kRegel, // the number of the rule that filled the line
        kSpalten
    };

    // `regeln` are the import's rules, which the rule column names.
    ImportModell(CBasis& basis, const std::vector<Importregel>& regeln, QObject* eltern = nullptr);

    void Setze(std::vector<Importvorschlag> vorschlaege);
    const std::vector<Importvorschlag>& Vorschlaege() const { return m_vorschlaege; }
    int Angehakt() const;
    int Duplikate() const;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    bool setData(const QModelIndex& index, const QVariant& wert, int rolle) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

signals:
    void ZahlenGeaendert();

private:
    QString Hinweis(const Importvorschlag& v) const;
    // The text field a column shows; null for the other columns.
    template<class Vorschlag>
    static auto* Text(Vorschlag& v, int spalte)
    {
        using Feld = decltype(&v.eingabe.strZahler);
        switch (spalte) {
            case kZahler:
                return &v.eingabe.strZahler;
            case kEmpfaenger:
                return &v.eingabe.strEmpfaenger;
            case kNutzniesser:
                return &v.eingabe.strNutzniesser;
            case kKategorie:
                return &v.eingabe.strKategorie;
            case kUKategorie:
                return &v.eingabe.strUKategorie;
            case kKommentar:
                return &v.eingabe.strKommentar;
            default:
                return static_cast<Feld>(nullptr);
        }
    }

    QVariant Regelzelle(const Importvorschlag& v, int rolle) const;

    CBasis& m_basis;
    const std::vector<Importregel>& m_regeln;
    std::vector<Importvorschlag> m_vorschlaege;
};

} // namespace velmora

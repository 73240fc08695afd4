#pragma once

// The lists of the settings windows: one row per record of the store, read afresh in data(). The
// marked row carries its own icon; deleted records are grey, records used in transactions red.

#include <QAbstractTableModel>

namespace velmora {

class CBasis;

class Eintragsliste : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum class Zustand
    {
        kNormal,
        kBenutzt,
        kGeloescht,
    };

    explicit Eintragsliste(CBasis& basis, QObject* eltern = nullptr);

    // Reads the rows again from the store.
    void Fuelle();
    void SetzeMarkiert(int zeile);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

protected:
    virtual int Anzahl() const = 0;
    virtual QString Text(int zeile, int spalte) const = 0;
    virtual Zustand ZustandVon(int zeile) const = 0;
    virtual QString Kopf(int spalte) const = 0;
    // Most lists show only a name.
    virtual int Spalten() const { return 1; }
    virtual bool Rechts(int) const { return false; }

    CBasis& m_basis;

private:
    int m_nMarkiert = -1;
    // Rows as last told to the views; -1 before the first filling.
    int m_nZeilen = -1;
};

// The members of the current family.
class MitgliederListe final : public Eintragsliste
{
    Q_OBJECT
public:
    using Eintragsliste::Eintragsliste;

protected:
    int Anzahl() const override;
    QString Text(int zeile, int spalte) const override;
    Zustand ZustandVon(int zeile) const override;
    QString Kopf(int spalte) const override;
};

// The accounts of one member; a deleted member greys all of them.
class KontenListe final : public Eintragsliste
{
    Q_OBJECT
public:
    enum Spalte
    {
        kKonto,
        kBetrag,
        kAnzahlSpalten
    };
    using Eintragsliste::Eintragsliste;
    void SetzeMitglied(int mitglied) { m_nMitglied = mitglied; }

protected:
    int Anzahl() const override;
    QString Text(int zeile, int spalte) const override;
    Zustand ZustandVon(int zeile) const override;
    QString Kopf(int spalte) const override;
    int Spalten() const override { return kAnzahlSpalten; }
    bool Rechts(int spalte) const override { return spalte == kBetrag; }

private:
    int m_nMitglied = -1;
};

class FremdKontenListe final : public Eintragsliste
{
    Q_OBJECT
public:
    using Eintragsliste::Eintragsliste;

protected:
    int Anzahl() const override;
    QString Text(int zeile, int spalte) const override;
    Zustand ZustandVon(int zeile) const override;
    QString Kopf(int spalte) const override;
};

class KategorienListe final : public Eintragsliste
{
    Q_OBJECT
public:
    using Eintragsliste::Eintragsliste;

protected:
    int Anzahl() const override;
    QString Text(int zeile, int spalte) const override;
    Zustand ZustandVon(int zeile) const override;
    QString Kopf(int spalte) const override;
};

// The sub-categories of one category; a deleted category greys all of them.
class UKategorienListe final : public Eintragsliste
{
    Q_OBJECT
public:
    using Eintragsliste::Eintragsliste;
    void SetzeKategorie(int kategorie) { m_nKategorie = kategorie; }

protected:
    int Anzahl() const override;
    QString Text(int zeile, int spalte) const override;
    Zustand ZustandVon(int zeile) const override;
    QString Kopf(int spalte) const override;

private:
    int m_nKategorie = -1;
};

} // namespace velmora

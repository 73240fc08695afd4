#pragma once

// The first start asks once for the language of the household book and, when no folder is known yet,
// for the folder it lives in.

#include <QDialog>
#include <optional>

class QLineEdit;

namespace velmora {

// The first run's answers: where the book lives and its language.
struct Erstwahl
{
    QString strOrdner;
    int nSprache;
};

class Sprachwahl final : public QDialog
{
    Q_OBJECT
public:
    // With a suggested folder the question offers the data folder beside the language.
    explicit Sprachwahl(QWidget* eltern = nullptr, const QString& ordnerVorschlag = {});

    // kDeutsch or kEnglisch; closing the question without a choice means German, the program's first language.
    static int Frage(QWidget* eltern);
    // The first run: folder and language; nullopt when the question is closed without a choice.
    static std::optional<Erstwahl> FrageMitOrdner(const QString& vorschlag);

    int Gewaehlt() const { return m_sprache; }
    QString Ordner() const;

private:
    void WaehleOrdner();

    int m_sprache;
    QLineEdit* m_ordner = nullptr;
};

} // namespace velmora

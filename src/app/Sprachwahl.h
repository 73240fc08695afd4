#pragma once

// The first start, before any settings exist, asks once for the language of the household book.

#include <QDialog>

namespace velmora {

class Sprachwahl final : public QDialog
{
    Q_OBJECT
public:
    explicit Sprachwahl(QWidget* eltern = nullptr);

    // kDeutsch or kEnglisch; closing the question without a choice means German, the program's first language.
    static int Frage(QWidget* eltern);

    int Gewaehlt() const { return m_sprache; }

private:
    int m_sprache;
};

} // namespace velmora

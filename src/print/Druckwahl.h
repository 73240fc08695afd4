#pragma once

// Asks before printing: deleted rows grey as on screen or left out, and the paper portrait, landscape
// or as the columns need.

#include "Drucksache.h"

#include <QDialog>

class QRadioButton;

namespace velmora {

struct Druckwunsch
{
    bool bGeloeschteWeglassen = false;
    Seitenlage lage = Seitenlage::kPassend;
};

class Druckwahl final : public QDialog
{
    Q_OBJECT
public:
    // Without deleted rows to choose about (the analyses) only the paper is asked.
    Druckwahl(int sprache, bool mitGeloeschten, QWidget* eltern = nullptr);

    Druckwunsch Wunsch() const;

private:
    QRadioButton* m_weglassen = nullptr;
    QRadioButton* m_hochkant = nullptr;
    QRadioButton* m_quer = nullptr;
};

} // namespace velmora

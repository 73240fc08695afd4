#pragma once

// The page where the user says once which column of a bank's CSV file holds what, when the header names
// are not ones the import knows. It shows the first rows; the mapping is remembered for files with the
// same header row.

#include "Auszugsdatei.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;

namespace Ui {
class Spaltenwahl;
}

namespace velmora {

class Spaltenwahl final : public QDialog
{
    Q_OBJECT
public:
    // 1011 to 1019: one chooser per role, in the order of Spaltenrolle.
    static constexpr int kErsteRolle = 1011;
    enum Id
    {
        kErklaerung = 1030,
        kVorschau = 1031,
        kKnoepfe = 1032,
    };

    Spaltenwahl(bool deutsch, const std::string& datei, const CsvVorschau& vorschau, QWidget* eltern = nullptr);
    ~Spaltenwahl() override;

    Spaltenzuordnung Zuordnung() const;

    // Asks the user; nothing when cancelled.
    static std::optional<Spaltenzuordnung> Frage(bool deutsch, const std::string& datei, const CsvVorschau& vorschau,
                                                 QWidget* eltern);
    // While set, the dialog is built and handed to the hook instead of being shown; true accepts it.
    static void SetzeAntwort(std::function<bool(Spaltenwahl&)> antwort);

private:
    void Pruefe();

    std::unique_ptr<Ui::Spaltenwahl> m_ui;
    std::array<QComboBox*, kAnzahlSpaltenrollen> m_rollen{};
};

} // namespace velmora

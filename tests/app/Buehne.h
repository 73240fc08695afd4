#pragma once

// The stage of the text-fit test: a household whose names are as long as the program takes (25
// characters) and whose amounts are the largest a household book shows, opened in the real main
// window in one language. Scenes open windows on it as a user does and hand each shown state to
// Pruefe, which collects whatever text does not fit.

#include "CVelmoraDlg.h"
#include "Haushalt.h"

#include <QStringList>
#include <memory>

namespace velmora::test {

// The longest texts of the stage.
extern const char* const kLangeFamilie;
extern const char* const kLangesMitglied;
extern const char* const kLangesKonto;
extern const char* const kLangesFremdKonto;
extern const char* const kLangeKategorie;
constexpr double kGroessterBetrag = 9999999.99;

class Buehne final
{
public:
    explicit Buehne(int sprache);
    ~Buehne();

    int Sprache() const { return m_nSprache; }
    CVelmoraDlg& Haupt();
    CBasis& Basis() { return Haupt().Basis(); }

    // Clicks a button of the main window and answers the working window it opened.
    template<class Fenster>
    Fenster& Oeffne(int knopf)
    {
        KlickeHaupt(knopf);
        return *Haupt().findChild<Fenster*>();
    }
    void KlickeHaupt(int knopf);

    // Shows the window as a user sees it and records every text of it that does not fit.
    void Pruefe(QWidget& fenster, const QString& zustand = {});
    QStringList befunde;

private:
    int m_nSprache;
    Haushalt m_haushalt;
    std::unique_ptr<CVelmoraDlg> m_haupt;
};

} // namespace velmora::test

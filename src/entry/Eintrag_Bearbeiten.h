#pragma once

// The confirmation the settings editors ask before they rename or delete a member, account, external
// account, category or sub-category that transactions already name. It can list those transactions in
// the overview and answers with the user's decision; the editor acts on it.

#include "Kleindialog.h"

#include <QDialog>
#include <memory>
#include <string>

namespace Ui {
class Eintrag_Bearbeiten;
}

namespace velmora {

class CBasis;
class Hub;

class Eintrag_Bearbeiten final : public QDialog
{
    Q_OBJECT
public:
    enum Modus
    {
        kUmbenennen = 0,
        kLoeschen = 1,
    };
    enum Wahl
    {
        kAbbrechen = 0,
        kUmbenannt = 1,
        kGeloescht = 2,
        kBeibehalten = 3,
    };

    // name: the entry as transactions name it; neuerName: its new name (rename mode only);
    // filterArt: the overview filter kind that lists the entry's transactions (1 and 10 members and
    // accounts, 4 categories, 5 sub-categories, 12 external accounts).
    Eintrag_Bearbeiten(Hub& hub, const CBasis& basis, int modus, const std::string& name, const std::string& neuerName,
                       int filterArt, QWidget* eltern = nullptr);
    ~Eintrag_Bearbeiten() override;

    // Shows the confirmation modally and returns the Wahl: kUmbenannt or kGeloescht when confirmed,
    // kAbbrechen when cancelled or left with Escape.
    static int Frage(Hub& hub, const CBasis& basis, int modus, const std::string& name, const std::string& neuerName,
                     int filterArt, QWidget* eltern = nullptr);
    static void SetzeAntwort(Antworthaken<Eintrag_Bearbeiten>::Antwort antwort);

    int Ergebnis() const { return m_nErgebnis; }
    // The painted lines, top to bottom, as screen readers get them.
    QStringList GemalteTexte() const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void ZeigeTransaktionen();
    void Waehle(int wahl);
    int NoetigeBreite() const;

    std::unique_ptr<Ui::Eintrag_Bearbeiten> m_ui;
    Hub& m_hub;
    const CBasis& m_basis;
    int m_nModus;
    std::string m_strName;
    std::string m_strNeuerName;
    int m_nFilterArt;
    int m_nErgebnis = kAbbrechen;
};

} // namespace velmora

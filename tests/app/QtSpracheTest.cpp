// Qt's own buttons and dialogs speak the language of the book that is open.

#include "QtSprache.h"
#include "CVelmoraApp.h"
#include "Haushalt.h"
#include "TempOrdner.h"
#include "Uhr.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

// The texts of a dialog's buttons in alphabetical order, without their shortcut marks.
std::string Knopftexte(const QDialogButtonBox& knoepfe)
{
    QStringList texte;
    for (const QAbstractButton* knopf : knoepfe.buttons())
        texte << knopf->text().remove(QLatin1Char('&'));
    texte.sort();
    return texte.join(QLatin1Char(' ')).toStdString();
}

// Once the modal dialog is up, notes its buttons and closes it with the button that answers "no".
void NotiereUndSchliesse(std::string& texte)
{
    QTimer::singleShot(0, [&texte] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(nullptr, dialog);
        const auto* knoepfe = dialog->findChild<QDialogButtonBox*>();
        ASSERT_NE(nullptr, knoepfe);
        texte = Knopftexte(*knoepfe);
        if (auto* frage = qobject_cast<QMessageBox*>(dialog))
            frage->button(QMessageBox::No)->click();
        else
            qobject_cast<QDialog*>(dialog)->reject();
    });
}

// A run that ended without "Ende": the recovery copy is newer than the book.
void LegeWiederherstellungAn(const Haushalt& haushalt)
{
    const fs::path kopie = haushalt.Pfad(".recovery");
    fs::create_directories(kopie);
    std::ofstream(kopie / "VLMBasic_D.ini") << "x";
    fs::last_write_time(kopie / "VLMBasic_D.ini", fs::file_time_type::clock::now() + std::chrono::minutes(1));
}

TEST(QtSprache, FrageUndDateidialogInDerSpracheDesBuchs)
{
    TempOrdner konfiguration{"velmora-qtsprache"};
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QString::fromStdString(konfiguration.Pfad()));
    struct Fall
    {
        int sprache;
        std::string frage;
        std::string speichern;
    };
    for (const Fall& fall :
         {Fall{kDeutsch, "Ja Nein", "Abbrechen Speichern"}, Fall{kEnglisch, "No Yes", "Cancel Save"}}) {
        SCOPED_TRACE(fall.sprache);
        Haushalt haushalt;
        haushalt.Schreibe([](CBasis&) {}, fall.sprache);
        LegeWiederherstellungAn(haushalt);
        Anwendungsumgebung umgebung;
        umgebung.argumente = {haushalt.Ordner()};
        umgebung.start.uhr = FesteUhr(kHeute, 1200);
        CVelmoraApp app(umgebung);

        std::string frage;
        NotiereUndSchliesse(frage);
        const auto fenster = app.Oeffne();
        ASSERT_NE(nullptr, fenster);
        EXPECT_EQ(fall.frage, frage);

        std::string speichern;
        NotiereUndSchliesse(speichern);
        QFileDialog::getSaveFileName(fenster.get(), QString(), QString::fromStdString(haushalt.Ordner()));
        EXPECT_EQ(fall.speichern, speichern);
    }
    SetzeQtSprache(kEnglisch);
}

} // namespace
} // namespace velmora::test

// Renders every window of the program, in German and in English, to PNG files, without a display:
// make screenshots writes them to build/screenshots.

#include "CVelmoraDlg.h"
#include "EintragBearbeiten.h"
#include "Eintrag_Bearbeiten.h"
#include "FremdKonten.h"
#include "Generator.h"
#include "InOut.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>

#include <clocale>
#include <filesystem>
#include <iostream>

namespace {

using namespace velmora;

constexpr int kHeute = 20261208;

class Fotograf final
{
public:
    explicit Fotograf(QString ziel)
        : m_ziel(std::move(ziel))
    {
        QDir().mkpath(m_ziel);
    }

    void Speichere(QWidget& fenster, const QString& name)
    {
        fenster.show();
        QApplication::processEvents();
        const QString datei = m_ziel + QLatin1Char('/') + name + QStringLiteral(".png");
        if (fenster.grab().save(datei)) {
            std::cout << datei.toStdString() << "\n";
        } else {
            std::cerr << "cannot write " << datei.toStdString() << "\n";
            m_fehler = true;
        }
    }

    bool Fehler() const { return m_fehler; }

private:
    QString m_ziel;
    bool m_fehler = false;
};

// A data folder of its own for each picture set; an earlier run's folder is replaced.
std::string NeuerOrdner(const std::string& name)
{
    const auto pfad = std::filesystem::temp_directory_path() / ("velmora-shots-" + name);
    std::filesystem::remove_all(pfad);
    std::filesystem::create_directories(pfad);
    return pfad.string();
}

std::string Haushalt(const std::string& name, bool englisch)
{
    const std::string ordner = NeuerOrdner(name);
    Haushaltsparameter parameter;
    parameter.nJahre = 2;
    parameter.nHeute = kHeute - 3;
    parameter.bEnglisch = englisch;
    std::string fehler;
    if (ErzeugeHaushalt(ordner, parameter, fehler) != 0)
        std::cerr << fehler << "\n";
    return ordner;
}

void Hauptfenster(Fotograf& foto, int sprache, const QString& kuerzel)
{
    const Startumgebung umgebung{FesteUhr(kHeute, 1230), [sprache] { return sprache; }};
    CVelmoraDlg willkommen(NeuerOrdner("leer-" + kuerzel.toStdString()), umgebung);
    foto.Speichere(willkommen, QStringLiteral("main-welcome-") + kuerzel);

    CVelmoraDlg normal(Haushalt("familie-" + kuerzel.toStdString(), sprache != kDeutsch), umgebung);
    foto.Speichere(normal, QStringLiteral("main-") + kuerzel);

    normal.findChild<QAbstractButton*>(QStringLiteral("c1001"))->click();
    if (InOut* eingabe = normal.findChild<InOut*>())
        foto.Speichere(*eingabe, QStringLiteral("entry-") + kuerzel);

    CBasis& basis = normal.Basis();
    EintragBearbeiten popup(basis, false, QPoint(100, 100));
    foto.Speichere(popup, QStringLiteral("entry-popup-") + kuerzel);
    EintragBearbeiten popupGeloescht(basis, true, QPoint(100, 100));
    foto.Speichere(popupGeloescht, QStringLiteral("entry-popup-deleted-") + kuerzel);
    Eintrag_Bearbeiten umbenennen(normal, basis, Eintrag_Bearbeiten::kUmbenennen, "Supermarkt", "Supermarkt Nord", 12);
    foto.Speichere(umbenennen, QStringLiteral("confirm-rename-") + kuerzel);
    Eintrag_Bearbeiten loeschen(normal, basis, Eintrag_Bearbeiten::kLoeschen, "Anna, Bar", "", 10);
    foto.Speichere(loeschen, QStringLiteral("confirm-delete-") + kuerzel);
    FremdKonten waehler(basis, QPoint(100, 100));
    foto.Speichere(waehler, QStringLiteral("chooser-") + kuerzel);

    normal.Basis().m_strPasswort = "geheim";
    normal.Sperre();
    foto.Speichere(normal, QStringLiteral("main-locked-") + kuerzel);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    Fotograf foto(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    Hauptfenster(foto, kDeutsch, QStringLiteral("de"));
    Hauptfenster(foto, kEnglisch, QStringLiteral("en"));
    return foto.Fehler() ? 1 : 0;
}

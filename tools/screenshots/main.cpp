// Renders every window of the program, in German and in English, to PNG files, without a display.

#include "Bilder.h"
#include "CVelmoraDlg.h"

#include <QApplication>
#include <clocale>
#include <QDir>
#include <QLineEdit>
#include <QTest>

#include <filesystem>
#include <iostream>
#include <random>

namespace {

using namespace velmora;

constexpr int kHeute = 20261208;

std::string NeuerOrdner(const std::string& name)
{
    const auto pfad = std::filesystem::temp_directory_path() / ("velmora-shots-" + name);
    std::filesystem::remove_all(pfad);
    std::filesystem::create_directories(pfad);
    return pfad.string();
}

void Beispielhaushalt(const std::string& ordner, int sprache, const std::string& passwort)
{
    CBasis basis;
    basis.m_strPfad = ordner;
    basis.m_nSprache = sprache;
    basis.m_nHeute = kHeute - 3;
    basis.m_nJetzt = 1815;
    basis.m_strPasswort = passwort;
    auto familie = std::make_unique<CFAMILY>();
    familie->m_strName = sprache == kDeutsch ? "M\xFCller" : "Miller";
    const char* namen[] = {"Anna", "Bernd", "Clara", "David"};
    const char* bar = sprache == kDeutsch ? "Bar" : "Cash";
    double stand = 1234.56;
    for (const char* name : namen) {
        auto person = std::make_unique<CPerson>();
        person->m_strName = name;
        for (const char* konto : {bar, sprache == kDeutsch ? "Giro-Konto" : "Giro account"}) {
            auto k = std::make_unique<CKonto>();
            k->m_strName = konto;
            k->m_dStand = stand;
            stand = -stand / 3 + 87.5;
            person->m_arrKonten.push_back(std::move(k));
        }
        familie->m_arrPersonen.push_back(std::move(person));
    }
    basis.m_arrFamilien.push_back(std::move(familie));
    basis.m_nFamilie = 0;
    basis.SpeichereMonate();
    basis.SpeichereEinstellungen();
}

void Speichere(QWidget& fenster, const QString& ziel, const QString& name)
{
    fenster.show();
    QApplication::processEvents();
    const QString datei = ziel + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!fenster.grab().save(datei))
        std::cerr << "cannot write " << datei.toStdString() << "\n";
    else
        std::cout << datei.toStdString() << "\n";
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QString ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(ziel);

    Bild(kProgrammBild)
        .scaled(128, 128, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        .save(ziel + QStringLiteral("/velmora.png"));
    for (int sprache : {kDeutsch, kEnglisch}) {
        const QString kuerzel = sprache == kDeutsch ? QStringLiteral("de") : QStringLiteral("en");
        const Startumgebung umgebung{FesteUhr(kHeute, 1230), [sprache] { return sprache; }};

        const std::string leer = NeuerOrdner("leer-" + kuerzel.toStdString());
        CVelmoraDlg willkommen(leer, umgebung);
        Speichere(willkommen, ziel, QStringLiteral("main-welcome-") + kuerzel);

        const std::string familie = NeuerOrdner("familie-" + kuerzel.toStdString());
        Beispielhaushalt(familie, sprache, "");
        CVelmoraDlg normal(familie, umgebung);
        Speichere(normal, ziel, QStringLiteral("main-") + kuerzel);

        const std::string gesperrt = NeuerOrdner("gesperrt-" + kuerzel.toStdString());
        Beispielhaushalt(gesperrt, sprache, "geheim");
        CVelmoraDlg sperre(gesperrt, umgebung);
        Speichere(sperre, ziel, QStringLiteral("main-locked-") + kuerzel);
        QTest::keyClicks(sperre.findChild<QLineEdit*>(QStringLiteral("c1072")), QStringLiteral("geheim"));
        Speichere(sperre, ziel, QStringLiteral("main-password-") + kuerzel);
    }
    return 0;
}

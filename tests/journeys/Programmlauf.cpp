#include "Programmlauf.h"

#include "Befehle.h"
#include "CVelmoraApp.h"
#include "Fernbedienung.h"
#include "Generator.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>
#include <gtest/gtest.h>

#include <sstream>

namespace velmora::test {

Reisehaushalt::Reisehaushalt()
{
    Haushaltsparameter parameter;
    parameter.nJahre = 2;
    parameter.nHeute = kReiseHeute;
    parameter.nSeed = 17;
    parameter.nEingabenProMonat = 12;
    std::string fehler;
    EXPECT_EQ(0, ErzeugeHaushalt(Ordner(), parameter, fehler)) << fehler;
}

Programmlauf::Programmlauf(std::string ordner, int heute)
    : m_strOrdner(std::move(ordner))
    , m_nHeute(heute)
{
    // The setting "Path" goes to a scratch folder, never to the user's.
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QString::fromStdString(m_einstellungen.Pfad()));
}

void Programmlauf::Fahre(const std::function<void()>& reise, int grenzeMs)
{
    Anwendungsumgebung umgebung;
    umgebung.argumente = {m_strOrdner};
    umgebung.wiederherstellen = [] { return false; };
    umgebung.meldung = [this](const QString& text) { meldungen << text; };
    umgebung.start.uhr = FesteUhr(m_nHeute, 1930);

    QTimer::singleShot(0, qApp, [&] {
        if (Fenster(QStringLiteral("Velmora")))
            reise();
        if (Offen(QStringLiteral("Velmora"))) {
            ADD_FAILURE() << "the journey left the program running";
            QCoreApplication::exit(1);
        }
    });
    QTimer waechter;
    waechter.setSingleShot(true);
    QObject::connect(&waechter, &QTimer::timeout, [&] {
        ADD_FAILURE() << "the journey took longer than " << grenzeMs << " ms";
        QCoreApplication::exit(1);
    });
    waechter.start(grenzeMs);
    CVelmoraApp(umgebung).Run();
}

std::string Programmlauf::Cli(std::vector<std::string> argumente) const
{
    argumente.insert(argumente.begin() + 1, m_strOrdner);
    std::ostringstream aus;
    std::ostringstream fehler;
    EXPECT_EQ(cli::kFertig, cli::FuehreAus(argumente, aus, fehler)) << fehler.str();
    return aus.str();
}

QStringList Programmlauf::CliZeilen(std::vector<std::string> argumente) const
{
    QStringList zeilen;
    for (const QString& zeile : QString::fromStdString(Cli(std::move(argumente))).split(QLatin1Char('\n'))) {
        if (zeile.startsWith(QStringLiteral("totals")))
            break;
        zeilen << zeile;
    }
    return zeilen;
}

} // namespace velmora::test

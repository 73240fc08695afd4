#include "Druckbefehl.h"

#include "Auftragsdruck.h"
#include "Auswertungsdruck.h"
#include "Befehle.h"
#include "Druckmaler.h"
#include "Uebersichtsdruck.h"

#include <QFile>
#include <QGuiApplication>
#include <clocale>
#include <iostream>

namespace velmora::cli {

namespace {

// The PDF writer needs fonts, and fonts need a GUI application; offscreen, it needs no screen.
bool SorgeFuerAnwendung(std::ostream& fehler)
{
    if (QCoreApplication::instance()) {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            return true;
        fehler << "velmora-cli: --pdf needs a GUI application\n";
        return false;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the session (no runtime folder, no screen) are no business of a command line.
    qInstallMessageHandler([](QtMsgType art, const QMessageLogContext&, const QString& text) {
        if (art == QtCriticalMsg || art == QtFatalMsg)
            std::cerr << "velmora-cli: " << text.toStdString() << '\n';
    });
    static int argc = 1;
    static char name[] = "velmora-cli";
    static char* argv[] = {name, nullptr};
    // Lives as long as the process: fonts and the PDF engine may be used until the end.
    new QGuiApplication(argc, argv);
    // The application takes the locale of the environment; amounts keep their decimal point.
    std::setlocale(LC_NUMERIC, "C");
    return true;
}

Seitenlage Lage(const Aufruf& aufruf)
{
    if (aufruf.Hat("--portrait") && aufruf.Hat("--landscape"))
        throw Benutzungsfehler("--portrait and --landscape exclude each other");
    if (aufruf.Hat("--portrait"))
        return Seitenlage::kHochformat;
    return aufruf.Hat("--landscape") ? Seitenlage::kQuerformat : Seitenlage::kPassend;
}

template<class Erzeuger>
int Schreibe(const Aufruf& aufruf, Erzeuger&& erzeuger, std::ostream& aus, std::ostream& fehler)
{
    const Seitenlage lage = Lage(aufruf);
    if (!SorgeFuerAnwendung(fehler))
        return kFehlgeschlagen;
    const std::string& datei = aufruf.Wert("--pdf");
    if (!SchreibePdf(erzeuger(), QFile::decodeName(QByteArray::fromStdString(datei)), lage)) {
        fehler << "velmora-cli: cannot write " << datei << '\n';
        return kFehlgeschlagen;
    }
    aus << datei << '\n';
    return kFertig;
}

} // namespace

int ListenPdf(const OverviewListing& liste, const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    const bool ohne = aufruf.Hat("--without-deleted");
    return Schreibe(
        aufruf, [&] { return UebersichtsDruck(liste, ohne); }, aus, fehler);
}

int AuftragsPdf(const CBasis& basis, const DauerAuftragsListe& liste, const Aufruf& aufruf, std::ostream& aus,
                std::ostream& fehler)
{
    const bool ohne = aufruf.Hat("--without-deleted");
    return Schreibe(
        aufruf, [&] { return AuftragsDruck(basis, liste, ohne); }, aus, fehler);
}

int VergleichsPdf(const CBasis& basis, const Vergleich& vergleich, const Aufruf& aufruf, std::ostream& aus,
                  std::ostream& fehler)
{
    if (aufruf.Hat("--without-deleted"))
        throw Benutzungsfehler("--without-deleted belongs to list and orders; the analyses count no deleted rows");
    return Schreibe(
        aufruf, [&] { return AuswertungsDruck(basis, vergleich); }, aus, fehler);
}

} // namespace velmora::cli

#include "CVelmoraApp.h"

#include "Bilder.h"
#include "Buchsperre.h"
#include "Buchsprache.h"
#include "Meldung.h"
#include "QtSprache.h"
#include "Start.h"
#include "Wiederherstellung.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>

namespace velmora {

namespace {

const QString kPfadSchluessel = QStringLiteral("Velmora/Path");

std::string AlsPfad(const QString& ordner)
{
    return QFile::encodeName(ordner).toStdString();
}

bool FrageWiederherstellen()
{
    QMessageBox frage(QMessageBox::Question, QStringLiteral("Velmora"),
                      QString::fromUtf8("Die letzte Sitzung wurde unerwartet beendet. Sollen ihre nicht "
                                        "gespeicherten Änderungen wiederhergestellt werden?\n\n"
                                        "The last session ended unexpectedly. Restore its unsaved changes?"),
                      QMessageBox::Yes | QMessageBox::No);
    frage.setDefaultButton(QMessageBox::Yes);
    return frage.exec() == QMessageBox::Yes;
}

} // namespace

CVelmoraApp::CVelmoraApp(Anwendungsumgebung umgebung)
    : m_umgebung(std::move(umgebung))
{
    if (m_umgebung.strHeim.isEmpty())
        m_umgebung.strHeim = QDir::homePath();
    if (m_umgebung.strAktuell.isEmpty())
        m_umgebung.strAktuell = QDir::currentPath();
    if (!m_umgebung.erstwahl)
        m_umgebung.erstwahl = [](const QString& vorschlag) { return Sprachwahl::FrageMitOrdner(vorschlag); };
    if (!m_umgebung.wiederherstellen)
        m_umgebung.wiederherstellen = FrageWiederherstellen;
    if (!m_umgebung.meldung)
        m_umgebung.meldung = [](const QString& text) {
            Meldung(nullptr, QMessageBox::Warning, QStringLiteral("Velmora"), text);
        };
}

CVelmoraApp::~CVelmoraApp() = default;

QString CVelmoraApp::GespeicherterPfad()
{
    const QSettings einstellungen(QStringLiteral("Velmora"), QStringLiteral("Velmora"));
    const QString pfad = einstellungen.value(kPfadSchluessel).toString();
    // Earlier versions documented "Error" as the value meaning "unset".
    return pfad == QStringLiteral("Error") ? QString() : pfad;
}

QString CVelmoraApp::DatenOrdner()
{
    QString argument;
    for (const QString& a : m_umgebung.argumente) {
        if (!a.startsWith(QLatin1Char('-'))) {
            argument = QDir(m_umgebung.strAktuell).absoluteFilePath(a);
            break;
        }
    }
    const std::string gewaehlt =
        WaehleDatenOrdner(AlsPfad(argument), AlsPfad(GespeicherterPfad()), AlsPfad(m_umgebung.strAktuell));
    if (!gewaehlt.empty())
        return QFile::decodeName(QByteArray::fromStdString(gewaehlt));

    const std::optional<Erstwahl> wahl =
        m_umgebung.erstwahl(QDir(m_umgebung.strHeim).filePath(QStringLiteral("Velmora")));
    if (!wahl || wahl->strOrdner.isEmpty())
        return {};
    QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")).setValue(kPfadSchluessel, wahl->strOrdner);
    // The language answers the first run only; a chosen folder that holds a book keeps the book's language.
    const int sprache = wahl->nSprache;
    m_umgebung.start.sprachwahl = [sprache] { return sprache; };
    return wahl->strOrdner;
}

std::unique_ptr<CVelmoraDlg> CVelmoraApp::Oeffne()
{
    const QString ordner = DatenOrdner();
    if (ordner.isEmpty())
        return nullptr;
    QDir().mkpath(ordner);
    const std::string pfad = AlsPfad(ordner);
    // Qt's own buttons and dialogs speak the book's language from the first question on.
    SetzeQtSprache(SpracheDesBuchs(pfad));

    m_sperre = std::make_unique<Buchsperre>(pfad);
    if (m_sperre->Nimm() != Buchsperre::Zustand::kGenommen) {
        m_umgebung.meldung(m_sperre->Meldung(true) + QStringLiteral("\n\n") + m_sperre->Meldung(false));
        m_sperre.reset();
        return nullptr;
    }

    Startumgebung start = m_umgebung.start;
    if (HatWiederherstellung(pfad)) {
        start.bWiederherstellen = m_umgebung.wiederherstellen();
        if (!start.bWiederherstellen) {
            const Zeitpunkt jetzt = start.uhr();
            VerwerfeWiederherstellung(pfad, jetzt.nDatum, jetzt.nZeit);
        }
    }
    auto hauptfenster = std::make_unique<CVelmoraDlg>(pfad, start);
    // A new book's language is chosen while the main window starts.
    SetzeQtSprache(hauptfenster->Basis().m_nSprache);
    return hauptfenster;
}

int CVelmoraApp::Run()
{
    QApplication::setWindowIcon(QIcon(Bild(kProgrammBild)));
    if (m_umgebung.argumente.isEmpty())
        m_umgebung.argumente = QApplication::arguments().mid(1);
    const std::unique_ptr<CVelmoraDlg> hauptfenster = Oeffne();
    if (!hauptfenster)
        return 1;
    // The main window is shown, not run with exec(): exec() would make it modal to the whole program,
    // and Qt would then drop every click and key meant for a window outside its family, such as the
    // overview, which has no parent so that a rename confirmation (modal to its own editor only) leaves
    // it usable. So every working window takes input while it is shown, and only the confirmations and
    // messages block, each the window it sits on. The run ends when the main window ends.
    QObject::connect(hauptfenster.get(), &QDialog::finished, qApp, &QCoreApplication::quit);
    hauptfenster->show();
    QApplication::exec();
    return 0;
}

} // namespace velmora

#include "CVelmoraApp.h"

#include "Bilder.h"
#include "Buchsperre.h"
#include "Buchsprache.h"
#include "Meldung.h"
#include "QtSprache.h"
#include "Schreibjournal.h"
#include "Start.h"
#include "Wiederherstellung.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
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

bool FrageTrotzdemOeffnen(const QString& text)
{
    QMessageBox frage(QMessageBox::Warning, QStringLiteral("Velmora"), text, QMessageBox::NoButton);
    QPushButton* oeffnen = frage.addButton(QString::fromUtf8("Trotzdem öffnen / Open anyway"), QMessageBox::AcceptRole);
    frage.setDefaultButton(frage.addButton(QStringLiteral("Beenden / Quit"), QMessageBox::RejectRole));
    frage.exec();
    return frage.clickedButton() == oeffnen;
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
    if (!m_umgebung.trotzdemOeffnen)
        m_umgebung.trotzdemOeffnen = FrageTrotzdemOeffnen;
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
    QSettings einstellungen(QStringLiteral("Velmora"), QStringLiteral("Velmora"));
    const QString gespeichert = GespeicherterPfad();
    // A start on a named folder (as `make run` makes) also tells a later start without one where the book is.
    if (!argument.isEmpty() && gespeichert.isEmpty())
        einstellungen.setValue(kPfadSchluessel, argument);
    const std::string gewaehlt =
        WaehleDatenOrdner(AlsPfad(argument), AlsPfad(gespeichert), AlsPfad(m_umgebung.strAktuell));
    if (!gewaehlt.empty())
        return QFile::decodeName(QByteArray::fromStdString(gewaehlt));

    const std::optional<Erstwahl> wahl =
        m_umgebung.erstwahl(QDir(m_umgebung.strHeim).filePath(QStringLiteral("Velmora")));
    if (!wahl || wahl->strOrdner.isEmpty())
        return {};
    // "~/Haushalt" and "Haushalt" both mean the home folder's Haushalt, wherever the program was started.
    const QString ordner = QFile::decodeName(
        QByteArray::fromStdString(AbsoluterOrdner(AlsPfad(wahl->strOrdner), AlsPfad(m_umgebung.strHeim))));
    einstellungen.setValue(kPfadSchluessel, ordner);
    // The language answers the first run only; a chosen folder that holds a book keeps the book's language.
    const int sprache = wahl->nSprache;
    m_umgebung.start.sprachwahl = [sprache] { return sprache; };
    return ordner;
}

bool CVelmoraApp::NimmSperre(const std::string& pfad)
{
    m_sperre = std::make_unique<Buchsperre>(pfad);
    Buchsperre::Zustand zustand = m_sperre->Nimm();
    if (zustand == Buchsperre::Zustand::kZweifelhaft) {
        if (!m_umgebung.trotzdemOeffnen(m_sperre->Meldung(true) + QStringLiteral("\n\n") + m_sperre->Meldung(false))) {
            m_sperre.reset();
            return false;
        }
        zustand = m_sperre->NimmTrotzdem();
    }
    if (zustand != Buchsperre::Zustand::kGenommen) {
        m_umgebung.meldung(m_sperre->Meldung(true) + QStringLiteral("\n\n") + m_sperre->Meldung(false));
        m_sperre.reset();
        return false;
    }
    return true;
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
    if (!NimmSperre(pfad))
        return nullptr;
    // A save cut off last time is completed before anything reads the book.
    VollendeSpeicherung(pfad);

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

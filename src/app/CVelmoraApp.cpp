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
#include <filesystem>

namespace velmora {

namespace {

const QString kPfadSchluessel = QStringLiteral("Velmora/Path");

std::string AlsPfad(const QString& ordner)
{
    return QFile::encodeName(ordner).toStdString();
}

QString AlsText(const std::string& pfad)
{
    return QFile::decodeName(QByteArray::fromStdString(pfad));
}

// A folder whose name is UTF-8 is stored as text, as it always was; any other as its bytes, which a text
// would not give back unchanged.
void SpeicherePfad(const std::string& ordner)
{
    const QByteArray bytes = QByteArray::fromStdString(ordner);
    const QString text = QString::fromUtf8(bytes);
    QSettings einstellungen(QStringLiteral("Velmora"), QStringLiteral("Velmora"));
    einstellungen.setValue(kPfadSchluessel, text.toUtf8() == bytes ? QVariant(text) : QVariant(bytes));
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
    if (m_umgebung.strHeim.empty())
        m_umgebung.strHeim = AlsPfad(QDir::homePath());
    if (m_umgebung.strAktuell.empty()) {
        std::error_code fehler;
        m_umgebung.strAktuell = std::filesystem::current_path(fehler).string();
    }
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

std::string CVelmoraApp::GespeicherterPfad()
{
    const QSettings einstellungen(QStringLiteral("Velmora"), QStringLiteral("Velmora"));
    const QVariant wert = einstellungen.value(kPfadSchluessel);
    if (wert.typeId() == QMetaType::QByteArray)
        return wert.toByteArray().toStdString();
    const QString pfad = wert.toString();
    // Earlier versions documented "Error" as the value meaning "unset".
    return pfad == QStringLiteral("Error") ? std::string() : AlsPfad(pfad);
}

std::string CVelmoraApp::DatenOrdner()
{
    std::string argument;
    for (const std::string& a : m_umgebung.argumente) {
        if (!a.empty() && !a.starts_with('-')) {
            argument = (std::filesystem::path(m_umgebung.strAktuell) / a).string();
            break;
        }
    }
    const std::string gespeichert = GespeicherterPfad();
    // A start on a named folder (as `make run` makes) also tells a later start without one where the book is.
    if (!argument.empty() && gespeichert.empty())
        SpeicherePfad(argument);
    const std::string gewaehlt = WaehleDatenOrdner(argument, gespeichert, m_umgebung.strAktuell);
    if (!gewaehlt.empty())
        return gewaehlt;

    const std::optional<Erstwahl> wahl =
        m_umgebung.erstwahl(AlsText((std::filesystem::path(m_umgebung.strHeim) / "Velmora").string()));
    if (!wahl || wahl->strOrdner.isEmpty())
        return {};
    // "~/Haushalt" and "Haushalt" both mean the home folder's Haushalt, wherever the program was started.
    const std::string ordner = AbsoluterOrdner(AlsPfad(wahl->strOrdner), m_umgebung.strHeim);
    SpeicherePfad(ordner);
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
    const std::string pfad = DatenOrdner();
    if (pfad.empty())
        return nullptr;
    std::error_code fehler;
    std::filesystem::create_directories(pfad, fehler);
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

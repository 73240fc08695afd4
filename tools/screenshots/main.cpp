// Renders every window of the program, in German and in English, to PNG files, without a display:
// make screenshots writes them to build/screenshots.

#include "Anwendungsdialog.h"
#include "Auftragsansicht.h"
#include "CAboutDlg.h"
#include "CPPToolTip.h"
#include "CVelmoraDlg.h"
#include "Dauerauftrag.h"
#include "EditKategorie.h"
#include "EintragBearbeiten.h"
#include "Eintrag_Bearbeiten.h"
#include "Empfaenger.h"
#include "FremdKonten.h"
#include "Generator.h"
#include "Importsammlung.h"
#include "InOut.h"
#include "Kontoimport.h"
#include "Overview.h"
#include "PersonenKonten.h"
#include "Prognose.h"
#include "Regeldialog.h"
#include "Regelfenster.h"
#include "Spaltenwahl.h"
#include "Sprachwahl.h"
#include "Textpruefung.h"
#include "grafik.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPainter>

#include <clocale>
#include <filesystem>
#include <fstream>
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

    QPixmap Speichere(QWidget& fenster, const QString& name)
    {
        fenster.show();
        QApplication::processEvents();
        const QPixmap bild = fenster.grab();
        // A picture with a cut or overlapping text is a fault of the window, not a picture to ship.
        for (const QString& befund : PruefeTexte(fenster)) {
            std::cerr << name.toStdString() << ": " << befund.toStdString() << "\n";
            m_fehler = true;
        }
        const QString datei = m_ziel + QLatin1Char('/') + name + QStringLiteral(".png");
        if (bild.save(datei)) {
            std::cout << datei.toStdString() << "\n";
        } else {
            std::cerr << "cannot write " << datei.toStdString() << "\n";
            m_fehler = true;
        }
        return bild;
    }

    // A help-balloon picture: part of a window, scaled whole into the picture's size and centred on the
    // window's background, so that nothing of it is cut. The pictures show the German windows; number 0
    // asks for none.
    void Ballonbild(const QPixmap& bild, const QRect& ausschnitt, int nummer, QSize groesse)
    {
        if (nummer == 0)
            return;
        QDir().mkpath(m_ziel + QStringLiteral("/pictures"));
        const QImage teil = bild.copy(ausschnitt.isNull() ? bild.rect() : ausschnitt)
                                .toImage()
                                .scaled(groesse, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QImage ganz(groesse, QImage::Format_RGB32);
        ganz.fill(teil.pixelColor(0, 0));
        QPainter(&ganz).drawImage((groesse.width() - teil.width()) / 2, (groesse.height() - teil.height()) / 2, teil);
        const QString datei = m_ziel + QStringLiteral("/pictures/%1.png").arg(nummer);
        if (!ganz.save(datei)) {
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

// The standing-order list, whole and filtered by the account of the first order's payee, and the entry
// window on that order.
void Dauerauftraege(Fotograf& foto, CVelmoraDlg& hauptfenster, bool deutsch, const QString& kuerzel)
{
    hauptfenster.findChild<QAbstractButton*>(QStringLiteral("c1041"))->click();
    auto* liste = hauptfenster.findChild<Dauerauftrag*>();
    auto* ansicht = liste ? liste->findChild<Auftragsansicht*>() : nullptr;
    if (!ansicht)
        return;
    const QPixmap bild = foto.Speichere(*liste, QStringLiteral("orders-") + kuerzel);
    // The right part of the window, with the totals, in the picture's proportions.
    foto.Ballonbild(bild, QRect(bild.width() - bild.height() * 429 / 255, 0, bild.height() * 429 / 255, bild.height()),
                    deutsch ? 184 : 0, {429, 255});
    foto.Ballonbild(bild, QRect(ansicht->pos(), QSize(528, 52)), deutsch ? 197 : 0, {264, 26});
    emit ansicht->Geklickt(0, kSpalteEmpfaenger);
    foto.Speichere(*liste, QStringLiteral("orders-filtered-") + kuerzel);
    hauptfenster.Benachrichtige(kBearbeiteDauerAuftrag, hauptfenster.Basis().m_arrDauerAuftraege.front()->m_nNr);
    if (InOut* eingabe = hauptfenster.findChild<InOut*>())
        foto.Speichere(*eingabe, QStringLiteral("entry-order-") + kuerzel);
    liste->close();
}

// The balloon of one control of a shown window, when the window has balloons (German only).
void Ballonfoto(Fotograf& foto, CPPToolTip& ballons, QWidget& fenster, int id, const QString& name)
{
    QWidget* control = fenster.findChild<QWidget*>(QStringLiteral("c%1").arg(id));
    if (!control)
        return;
    ballons.ZeigeFuer(control, control->mapToGlobal(control->rect().center()));
    if (QWidget* ballon = ballons.BallonSichtbar() ? ballons.Ballon() : nullptr)
        foto.Speichere(*ballon, name);
    ballons.Verstecke();
}

// The rule dialog on a rule made from the statement's first line, the rules window, and the bookings such
// a rule would change in the book, with a balloon of the dialog.
void Regeln(Fotograf& foto, CVelmoraDlg& haupt, const std::string& datei, const QString& kuerzel)
{
    CBasis& basis = haupt.Basis();
    Importgedaechtnis gedaechtnis;
    gedaechtnis.bGeladen = true;
    Importsammlung sammlung(basis, gedaechtnis);
    for (Kontoauszug& auszug : sammlung.Lies(datei).auszuege)
        sammlung.Fuege(std::move(auszug), Familienkonten(basis).at(1));
    const Importergebnis ergebnis = sammlung.Vorschlaege(kStandardToleranz);
    if (ergebnis.vorschlaege.empty())
        return;
    Importregel regel = RegelAusZeile(basis, sammlung.Auszuege()[0].zeilen[0], ergebnis.vorschlaege[0]);
    regel.strNameEnthaelt = "Frischeland";
    for (const auto& kategorie : basis.m_arrKategorien) {
        if (kategorie->m_nKat0C > 0 && kategorie->m_strName != regel.strKategorie) {
            regel.strKategorie = kategorie->m_strName;
            regel.strUKategorie.clear();
            break;
        }
    }
    Regeldialog dialog(basis, gedaechtnis, sammlung.Auszuege(), regel, &haupt);
    foto.Speichere(dialog, QStringLiteral("rule-") + kuerzel);
    Ballonfoto(foto, dialog.Ballons(), dialog, Regeldialog::kZaehler, QStringLiteral("rule-balloon-") + kuerzel);
    Importregel strom;
    strom.strNameBeginnt = "Stadtwerke";
    strom.strZweckEnthaelt = "Strom";
    strom.cVorzeichen = '-';
    strom.strKategorie = regel.strKategorie;
    gedaechtnis.regeln = {regel, strom};
    Regelfenster fenster(basis, haupt, gedaechtnis, sammlung.Auszuege(), &haupt);
    foto.Speichere(fenster, QStringLiteral("rules-") + kuerzel);
    // The book of the English household names its shops otherwise: the rule for the picture takes the
    // payee of the book's last expense.
    Importregel buch = regel;
    buch.strKonto.clear();
    for (const auto& t : basis.m_arrInOut) {
        if (t->m_nStatus > 0 && t->m_nArt == 1 && t->m_strKategorie != buch.strKategorie)
            buch.strNameEnthaelt = t->m_strEmpfaenger;
    }
    Anwendungsdialog anwenden(basis, haupt, Regelaenderungen(basis, gedaechtnis, buch), &haupt);
    foto.Speichere(anwenden, QStringLiteral("rule-apply-") + kuerzel);
}

// The import window on a small statement of the generated household, and the column mapping page, with
// a balloon of each.
void Import(Fotograf& foto, CVelmoraDlg& haupt, const QString& kuerzel)
{
    const std::string datei = NeuerOrdner("auszug-" + kuerzel.toStdString()) + "/umsaetze.csv";
    std::ofstream(datei, std::ios::binary) << "Buchungstag;Auftraggeber/Empf\xe4"
                                              "nger;Verwendungszweck;Betrag\n"
                                              "01.12.2026;Supermarkt Frischeland Filiale 12;Einkauf Karte 4711;-54,20\n"
                                              "02.12.2026;B\xe4"
                                              "ckerei Sch\xe4"
                                              "fer;Br\xf6"
                                              "tchen;-6,80\n"
                                              "03.12.2026;Stadtwerke Musterstadt GmbH;Abschlag Strom Dezember;-78,00\n"
                                              "04.12.2026;Kiosk am Bahnhof;Zeitung;-2,50\n"
                                              "04.12.2026;Kiosk am Bahnhof;Zeitung;-2,50\n";
    Kontoimport::SetzeKontofrage(
        [](const QString&, const QString&, const QStringList& konten) { return konten.value(1); });
    haupt.Importiere({QString::fromStdString(datei)});
    Kontoimport::SetzeKontofrage({});
    if (auto* import = haupt.findChild<Kontoimport*>()) {
        import->resize(1180, 360);
        foto.Speichere(*import, QStringLiteral("import-") + kuerzel);
        Ballonfoto(foto, import->Ballons(), *import, Kontoimport::kListe, QStringLiteral("import-balloon-") + kuerzel);
        import->close();
    }
    Regeln(foto, haupt, datei, kuerzel);
    CsvVorschau vorschau;
    vorschau.kopf = {"Tag", "Wer", "Wofür", "Wieviel"};
    vorschau.ersteZeilen = {{"01.12.2026", "Supermarkt Frischeland", "Einkauf", "-54,20"},
                            {"02.12.2026", "Bäckerei Schäfer", "Brötchen", "-6,80"}};
    Spaltenwahl spalten(haupt.Basis(), "/home/anna/Downloads/umsaetze.csv", vorschau);
    foto.Speichere(spalten, QStringLiteral("import-columns-") + kuerzel);
    Ballonfoto(foto, spalten.Ballons(), spalten, Spaltenwahl::kErsteRolle + kRolleBetrag,
               QStringLiteral("import-columns-balloon-") + kuerzel);
}

void Hauptfenster(Fotograf& foto, int sprache, const QString& kuerzel)
{
    const Startumgebung umgebung{FesteUhr(kHeute, 1230), [sprache] { return sprache; }};
    CVelmoraDlg willkommen(NeuerOrdner("leer-" + kuerzel.toStdString()), umgebung);
    foto.Speichere(willkommen, QStringLiteral("main-welcome-") + kuerzel);

    CVelmoraDlg normal(Haushalt("familie-" + kuerzel.toStdString(), sprache != kDeutsch), umgebung);
    const QPixmap haupt = foto.Speichere(normal, QStringLiteral("main-") + kuerzel);
    const bool deutsch = sprache == kDeutsch;
    if (deutsch) {
        const QWidget* ende = normal.findChild<QWidget*>(QStringLiteral("c1"));
        const QWidget* ohne = normal.findChild<QWidget*>(QStringLiteral("c2"));
        foto.Ballonbild(haupt, ende->geometry().united(ohne->geometry()).adjusted(-8, -8, 8, 8), 186, {436, 107});
        const QWidget* info = normal.findChild<QWidget*>(QStringLiteral("c1098"));
        const QWidget* hilfe = normal.findChild<QWidget*>(QStringLiteral("c1099"));
        foto.Ballonbild(haupt, info->geometry().united(hilfe->geometry()).adjusted(-6, -6, 6, 6), 189, {372, 50});
    }
    QWidget* eingabeKnopf = normal.findChild<QWidget*>(QStringLiteral("c1001"));
    normal.Ballons().ZeigeFuer(eingabeKnopf, eingabeKnopf->mapToGlobal(QPoint(40, 30)));
    if (QWidget* ballon = normal.Ballons().Ballon())
        foto.Speichere(*ballon, QStringLiteral("main-balloon-") + kuerzel);
    normal.Ballons().Verstecke();
    normal.Benachrichtige(kZeigeVorschau, 0);
    if (auto* vorschau = normal.findChild<Prognose*>()) {
        foto.Speichere(*vorschau, QStringLiteral("forecast-") + kuerzel);
        Ballonfoto(foto, vorschau->Ballons(), *vorschau, Prognose::kVerlauf,
                   QStringLiteral("forecast-balloon-") + kuerzel);
        vorschau->WaehleKonto(-1);
        foto.Speichere(*vorschau, QStringLiteral("forecast-family-") + kuerzel);
        vorschau->close();
    }
    CAboutDlg info(normal.Basis());
    foto.Ballonbild(foto.Speichere(info, QStringLiteral("about-") + kuerzel), {}, deutsch ? 188 : 193,
                    deutsch ? QSize(436, 175) : QSize(436, 174));

    normal.findChild<QAbstractButton*>(QStringLiteral("c1001"))->click();
    if (InOut* eingabe = normal.findChild<InOut*>())
        foto.Ballonbild(foto.Speichere(*eingabe, QStringLiteral("entry-") + kuerzel), {}, deutsch ? 181 : 0,
                        {278, 110});

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

    if (InOut* eingabe = normal.findChild<InOut*>())
        eingabe->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Dauerauftraege(foto, normal, deutsch, kuerzel);
    if (InOut* eingabe = normal.findChild<InOut*>())
        eingabe->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    normal.findChild<QAbstractButton*>(QStringLiteral("c1002"))->click();
    if (auto* einstellungen = normal.findChild<PersonenKonten*>())
        foto.Ballonbild(foto.Speichere(*einstellungen, QStringLiteral("settings-") + kuerzel), {}, deutsch ? 185 : 0,
                        {276, 334});
    normal.Benachrichtige(kOeffneFremdKonten, -1);
    if (auto* fremdKonten = normal.findChild<Empfaenger*>())
        foto.Speichere(*fremdKonten, QStringLiteral("external-accounts-") + kuerzel);
    normal.Benachrichtige(kOeffneKategorien, 0);
    if (auto* kategorien = normal.findChild<EditKategorie*>())
        foto.Speichere(*kategorien, QStringLiteral("categories-") + kuerzel);
    if (auto* einstellungen = normal.findChild<PersonenKonten*>())
        einstellungen->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    normal.Benachrichtige(kOeffneFamilienKonten, 0);
    if (auto* familienKonten = normal.findChild<PersonenKonten*>())
        foto.Speichere(*familienKonten, QStringLiteral("family-accounts-") + kuerzel);

    normal.findChild<QAbstractButton*>(QStringLiteral("c1004"))->click();
    if (auto* auswertung = normal.findChild<grafik*>()) {
        const QPixmap bild = foto.Speichere(*auswertung, QStringLiteral("analyses-") + kuerzel);
        // The balloons show the left part of the window and of its lists, where the bars begin.
        const auto linkerTeil = [](const QRect& r, QSize groesse) {
            return QRect(r.topLeft(), QSize(r.height() * groesse.width() / groesse.height(), r.height()));
        };
        const auto liste = [auswertung](const char* name) { return auswertung->findChild<QWidget*>(name)->geometry(); };
        if (deutsch) {
            foto.Ballonbild(bild, linkerTeil(bild.rect(), {287, 299}), 183, {287, 299});
            foto.Ballonbild(bild, linkerTeil(liste("c1019"), {166, 95}), 195, {166, 95});
            foto.Ballonbild(bild, linkerTeil(liste("c1024"), {191, 95}), 196, {191, 95});
            QWidget* monate = auswertung->findChild<QWidget*>(QStringLiteral("c1024"));
            auswertung->Ballons().ZeigeFuer(monate, monate->mapToGlobal(QPoint(60, 40)));
            if (QWidget* ballon = auswertung->Ballons().Ballon())
                foto.Speichere(*ballon, QStringLiteral("analyses-balloon-") + kuerzel);
            auswertung->Ballons().Verstecke();
        }
        auswertung->close();
    }

    normal.findChild<QAbstractButton*>(QStringLiteral("c1003"))->click();
    if (Overview* uebersicht = normal.Uebersicht()) {
        foto.Ballonbild(foto.Speichere(*uebersicht, QStringLiteral("overview-") + kuerzel), {}, deutsch ? 182 : 0,
                        {296, 195});
        const std::string mitglied = basis.Familie()->m_arrPersonen.front()->m_strName;
        uebersicht->ZeigeMitFilter(9, kHeute / 10000 * 10000 + 100, kHeute, mitglied, mitglied);
        foto.Speichere(*uebersicht, QStringLiteral("overview-member-") + kuerzel);
        uebersicht->close();
    }

    // The settings take their password fields over when they close; the lock comes after them, as for a user.
    if (auto* familienKonten = normal.findChild<PersonenKonten*>())
        familienKonten->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    Import(foto, normal, kuerzel);

    normal.Basis().m_strPasswort = "geheim";
    normal.Sperre();
    foto.Ballonbild(foto.Speichere(normal, QStringLiteral("main-locked-") + kuerzel), {}, deutsch ? 187 : 0,
                    {271, 221});
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
    Sprachwahl ersterStart(nullptr, QDir::home().filePath(QStringLiteral("Velmora")));
    foto.Speichere(ersterStart, QStringLiteral("first-run"));
    return foto.Fehler() ? 1 : 0;
}

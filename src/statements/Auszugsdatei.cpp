#include "Auszugsdatei.h"

#include "CamtAuszug.h"
#include "CsvAuszug.h"
#include "Mt940Auszug.h"
#include "Textkodierung.h"
#include "ZipArchiv.h"

#include <QDate>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace velmora {

namespace {

size_t ErstesZeichen(const std::string& text)
{
    size_t i = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
        ++i;
    return i;
}

bool IstXml(const std::string& text)
{
    const size_t i = ErstesZeichen(text);
    return i < text.size() && text[i] == '<';
}

// Kinds of file a bank's portal also offers, which hold no statement Velmora reads; "" for none of them.
std::string FremdesFormat(const std::string& text)
{
    const std::string anfang = text.substr(ErstesZeichen(text), 64);
    if (anfang.starts_with("%PDF"))
        return "PDF";
    if (anfang.starts_with("\xD0\xCF\x11\xE0"))
        return "Excel (.xls)";
    if (anfang.starts_with("!Type:") || anfang.starts_with("!Account") || anfang.starts_with("!Option"))
        return "QIF";
    if (anfang.starts_with("OFXHEADER") || anfang.starts_with("<OFX>"))
        return "OFX";
    if (anfang.starts_with("<!DOCTYPE html") || anfang.starts_with("<html") || anfang.starts_with("<HTML"))
        return "HTML";
    return {};
}

Leseergebnis Fehler(Lesefehler::Art art, int zeile = 0, std::string wert = {})
{
    Leseergebnis ergebnis;
    ergebnis.fehler.art = art;
    ergebnis.fehler.nZeile = zeile;
    ergebnis.fehler.strWert = std::move(wert);
    return ergebnis;
}

std::string Betragstext(double betrag)
{
    char text[64];
    std::snprintf(text, sizeof text, std::fabs(betrag) < 1e18 ? "%.2f" : "%.3g", betrag);
    return text;
}

// What every reader's lines must keep to before they are trusted: amounts a household books, dates from
// 1900 to a year ahead, and texts without control characters.
void Pruefe(Leseergebnis& ergebnis, int heute)
{
    if (heute == 0) {
        const QDate d = QDate::currentDate();
        heute = d.year() * 10000 + d.month() * 100 + d.day();
    }
    const int spaetestens = heute + 10000;
    for (Kontoauszug& auszug : ergebnis.auszuege) {
        for (Auszugszeile& z : auszug.zeilen) {
            if (!std::isfinite(z.dBetrag) || std::fabs(z.dBetrag) > kGroessterBetrag) {
                ergebnis.fehler = {Lesefehler::kZuGrosserBetrag, z.nZeile, Betragstext(z.dBetrag), {}, {}};
                return;
            }
            if (z.nDatum < 19000101 || z.nDatum > spaetestens) {
                const std::string datum = std::to_string(z.nDatum);
                ergebnis.fehler = {Lesefehler::kDatumAusserhalb,
                                   z.nZeile,
                                   datum.substr(0, datum.size() - 4) + "-" + datum.substr(datum.size() - 4, 2) + "-" +
                                       datum.substr(datum.size() - 2),
                                   {},
                                   {}};
                return;
            }
            for (std::string* text : {&z.strName, &z.strZweck, &z.strReferenz, &z.strWaehrung})
                *text = OhneSteuerzeichen(std::move(*text));
        }
    }
}

Leseergebnis LiesInhalt(const std::string& bytes, const Importgedaechtnis& gedaechtnis,
                        const Spaltenzuordnung* zuordnung, bool imArchiv);

// Each member of the archive is read as a file of its own; statements of the same account join.
Leseergebnis LiesArchiv(const std::string& bytes, const Importgedaechtnis& gedaechtnis)
{
    Leseergebnis ergebnis;
    std::vector<ZipEintrag> eintraege;
    std::string grund;
    if (!EntpackeZip(bytes, kGroessteAuszugsdatei, eintraege, grund)) {
        ergebnis.fehler.art = Lesefehler::kArchiv;
        ergebnis.fehler.strDetail = grund;
        return ergebnis;
    }
    std::map<std::string, size_t> proKonto;
    for (const ZipEintrag& eintrag : eintraege) {
        Leseergebnis teil = LiesInhalt(eintrag.bytes, gedaechtnis, nullptr, true);
        if (!teil.Ok()) {
            if (teil.bZuordnen)
                teil.fehler.art = Lesefehler::kUnbekannt;
            teil.fehler.strTeil = eintrag.strName;
            teil.auszuege.clear();
            return teil;
        }
        ergebnis.vorschau = teil.vorschau;
        for (Kontoauszug& auszug : teil.auszuege) {
            const auto [it, neu] = proKonto.try_emplace(auszug.Kennung(), ergebnis.auszuege.size());
            if (neu) {
                ergebnis.auszuege.push_back(std::move(auszug));
                continue;
            }
            Kontoauszug& ziel = ergebnis.auszuege[it->second];
            ziel.nVorgemerkt += auszug.nVorgemerkt;
            ziel.zeilen.insert(ziel.zeilen.end(), std::make_move_iterator(auszug.zeilen.begin()),
                               std::make_move_iterator(auszug.zeilen.end()));
        }
    }
    return ergebnis;
}

Leseergebnis LiesInhalt(const std::string& bytes, const Importgedaechtnis& gedaechtnis,
                        const Spaltenzuordnung* zuordnung, bool imArchiv)
{
    if (IstZip(bytes))
        return imArchiv ? Fehler(Lesefehler::kArchiv) : LiesArchiv(bytes, gedaechtnis);
    QString utf16;
    int fehlzeile = 0;
    if (LiesUtf16(bytes, utf16, fehlzeile)) {
        if (fehlzeile > 0)
            return Fehler(Lesefehler::kKodierung, fehlzeile, "UTF-16");
        if (utf16.trimmed().startsWith(QLatin1Char('<')))
            return LiesCamt(utf16);
        return LiesInhalt(utf16.toStdString(), gedaechtnis, zuordnung, imArchiv);
    }
    const std::string fremd = FremdesFormat(bytes);
    if (!fremd.empty())
        return Fehler(Lesefehler::kFremdesFormat, 0, fremd);
    if (IstXml(bytes))
        return LiesCamt(bytes);
    std::string text;
    if (!AlsUtf8(bytes, text, fehlzeile))
        return Fehler(Lesefehler::kKodierung, fehlzeile, "UTF-8");
    if (IstMt940(text))
        return LiesMt940(text);
    return LiesCsv(text, gedaechtnis, zuordnung);
}

} // namespace

std::string Fehlertext(const std::string& datei, const Lesefehler& f, bool deutsch)
{
    const std::string teil = f.strTeil.empty() ? "" : " (" + f.strTeil + ")";
    const std::string zeile = f.nZeile > 0 ? (deutsch ? ", Zeile " : ", line ") + std::to_string(f.nZeile) : "";
    const std::string ort = datei + teil + zeile + ": ";
    const std::string detail = f.strDetail.empty() ? "" : " (" + f.strDetail + ")";
    const std::string formate =
        deutsch ? " Velmora liest CAMT.052, CAMT.053 und CAMT.054 (XML), MT940/MT942 (.sta, .mta), die CSV-Dateien "
                  "der Banken und ZIP-Archive davon."
                : " Velmora reads CAMT.052, CAMT.053 and CAMT.054 (XML), MT940/MT942 (.sta, .mta), the banks' CSV "
                  "files and ZIP archives of these.";
    switch (f.art) {
        case Lesefehler::kKeiner:
            return {};
        case Lesefehler::kNichtLesbar:
            return ort + (deutsch ? "Die Datei lässt sich nicht lesen." : "The file cannot be read.");
        case Lesefehler::kZuGross:
            return ort + (deutsch ? "Die Datei ist größer als 50 MB; ein Kontoauszug ist nie so groß."
                                  : "The file is larger than 50 MB; no statement is that large.");
        case Lesefehler::kUnbekannt:
            return ort +
                   (deutsch ? "Die Datei ist kein Kontoauszug, den Velmora kennt."
                            : "The file is no statement "
                              "Velmora knows.") +
                   formate;
        case Lesefehler::kFremdesFormat:
            return ort +
                   (deutsch ? "Die Datei ist eine " + f.strWert + "-Datei, kein Kontoauszug zum Einlesen."
                            : "The file is a " + f.strWert + " file, not a statement to import.") +
                   formate;
        case Lesefehler::kKeinXml:
            return ort + (deutsch ? "Das XML ist nicht wohlgeformt" : "The XML is not well formed") + detail + ".";
        case Lesefehler::kKeinAuszug:
            return ort +
                   (deutsch ? "Das XML ist kein CAMT-Kontoauszug (052, 053 oder 054)"
                            : "The XML is not a CAMT statement (052, 053 or 054)") +
                   detail + "." + formate;
        case Lesefehler::kBetrag:
            return ort + (deutsch ? "Der Betrag \"" : "The amount \"") + f.strWert +
                   (deutsch ? "\" ist keine Zahl." : "\" is not a number.");
        case Lesefehler::kKeinDatum:
            return ort + "\"" + f.strWert + (deutsch ? "\" ist kein Datum." : "\" is not a date.") + detail;
        case Lesefehler::kDatumGibtEsNicht:
            return ort + (deutsch ? "Das Datum \"" : "The date \"") + f.strWert +
                   (deutsch ? "\" gibt es nicht." : "\" does not exist.");
        case Lesefehler::kZuTief:
            return ort + (deutsch ? "Das XML ist tiefer verschachtelt als jeder Kontoauszug."
                                  : "The XML is nested deeper than any statement.");
        case Lesefehler::kZuGrosserBetrag:
            return ort + (deutsch ? "Der Betrag " : "The amount ") + f.strWert +
                   (deutsch ? " ist größer als 100 Millionen; so viel bucht kein Haushalt."
                            : " is larger than 100 million; no household books that much.");
        case Lesefehler::kDatumAusserhalb:
            return ort + (deutsch ? "Das Datum " : "The date ") + f.strWert +
                   (deutsch ? " liegt vor 1900 oder mehr als ein Jahr in der Zukunft."
                            : " lies before 1900 or more than a year ahead.");
        case Lesefehler::kKodierung:
            return ort + (deutsch ? "Die Datei ist kein gültiges " + f.strWert + " (ein Zeichen ist beschädigt)."
                                  : "The file is no valid " + f.strWert + " (a character is damaged).");
        case Lesefehler::kZuVieleSpalten:
            return ort + (deutsch ? "Die Zeile hat mehr Spalten als die Datei einer Bank."
                                  : "The row has more columns than a bank's file has.");
        case Lesefehler::kKurzeZeile:
            return ort +
                   (deutsch ? "Der Zeile fehlen Felder mitten in der Zeile: " : "The row lacks fields within it: ") +
                   f.strWert + (deutsch ? " statt " : " instead of ") + f.strDetail + ".";
        case Lesefehler::kArchiv:
            return ort +
                   (deutsch ? "Das ZIP-Archiv lässt sich nicht entpacken" : "The ZIP archive cannot be unpacked") +
                   detail + ".";
        case Lesefehler::kMt940:
            return ort + (deutsch ? "Das MT940-Feld \"" : "The MT940 field \"") + f.strWert +
                   (deutsch ? "\" ist nicht in der Form der Norm" : "\" is not in its standard form") + detail + ".";
    }
    return {};
}

Leseergebnis LiesAuszug(const std::string& pfad, const std::string& bytes, const Importgedaechtnis& gedaechtnis,
                        const Spaltenzuordnung* zuordnung, int heute)
{
    Leseergebnis ergebnis = LiesInhalt(bytes, gedaechtnis, zuordnung, false);
    if (ergebnis.Ok())
        Pruefe(ergebnis, heute);
    for (Kontoauszug& auszug : ergebnis.auszuege)
        auszug.strDatei = pfad;
    // A file that fails anywhere books nothing at all.
    if (!ergebnis.Ok())
        ergebnis.auszuege.clear();
    return ergebnis;
}

Leseergebnis LiesAuszugsdatei(const std::string& pfad, const Importgedaechtnis& gedaechtnis,
                              const Spaltenzuordnung* zuordnung, int heute)
{
    Leseergebnis ergebnis;
    std::error_code ec;
    const auto groesse = std::filesystem::file_size(pfad, ec);
    if (ec || !std::filesystem::is_regular_file(pfad, ec)) {
        ergebnis.fehler.art = Lesefehler::kNichtLesbar;
        return ergebnis;
    }
    if (groesse > static_cast<std::uintmax_t>(kGroessteAuszugsdatei)) {
        ergebnis.fehler.art = Lesefehler::kZuGross;
        return ergebnis;
    }
    std::ifstream datei(pfad, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(datei)), std::istreambuf_iterator<char>());
    if (!datei.good() && !datei.eof()) {
        ergebnis.fehler.art = Lesefehler::kNichtLesbar;
        return ergebnis;
    }
    return LiesAuszug(pfad, bytes, gedaechtnis, zuordnung, heute);
}

} // namespace velmora

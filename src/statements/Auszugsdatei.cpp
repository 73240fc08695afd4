#include "Auszugsdatei.h"

#include "CamtAuszug.h"
#include "CsvAuszug.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace velmora {

namespace {

bool IstXml(const std::string& bytes)
{
    size_t i = bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return i < bytes.size() && bytes[i] == '<';
}

} // namespace

std::string Fehlertext(const std::string& datei, const Lesefehler& f, bool deutsch)
{
    const std::string zeile = f.nZeile > 0 ? (deutsch ? ", Zeile " : ", line ") + std::to_string(f.nZeile) : "";
    const std::string ort = datei + zeile + ": ";
    const std::string detail = f.strDetail.empty() ? "" : " (" + f.strDetail + ")";
    switch (f.art) {
        case Lesefehler::kKeiner:
            return {};
        case Lesefehler::kNichtLesbar:
            return ort + (deutsch ? "Die Datei lässt sich nicht lesen." : "The file cannot be read.");
        case Lesefehler::kZuGross:
            return ort + (deutsch ? "Die Datei ist größer als 50 MB; ein Kontoauszug ist nie so groß."
                                  : "The file is larger than 50 MB; no statement is that large.");
        case Lesefehler::kUnbekannt:
            return ort + (deutsch ? "Die Datei ist weder ein CAMT.053-Kontoauszug noch eine CSV-Datei einer Bank."
                                  : "The file is neither a CAMT.053 statement nor a bank's CSV file.");
        case Lesefehler::kKeinXml:
            return ort + (deutsch ? "Das XML ist nicht wohlgeformt" : "The XML is not well formed") + detail + ".";
        case Lesefehler::kKeinAuszug:
            return ort + (deutsch ? "Das XML ist kein CAMT.053-Kontoauszug" : "The XML is not a CAMT.053 statement") +
                   detail + ".";
        case Lesefehler::kBetrag:
            return ort + (deutsch ? "Der Betrag \"" : "The amount \"") + f.strWert +
                   (deutsch ? "\" ist keine Zahl." : "\" is not a number.");
        case Lesefehler::kKeinDatum:
            return ort + "\"" + f.strWert + (deutsch ? "\" ist kein Datum." : "\" is not a date.") + detail;
        case Lesefehler::kDatumGibtEsNicht:
            return ort + (deutsch ? "Das Datum \"" : "The date \"") + f.strWert +
                   (deutsch ? "\" gibt es nicht." : "\" does not exist.");
    }
    return {};
}

Leseergebnis LiesAuszug(const std::string& pfad, const std::string& bytes, const Importgedaechtnis& gedaechtnis,
                        const Spaltenzuordnung* zuordnung)
{
    Leseergebnis ergebnis = IstXml(bytes) ? LiesCamt(bytes) : LiesCsv(bytes, gedaechtnis, zuordnung);
    for (Kontoauszug& auszug : ergebnis.auszuege)
        auszug.strDatei = pfad;
    // A file that fails anywhere books nothing at all.
    if (!ergebnis.Ok())
        ergebnis.auszuege.clear();
    return ergebnis;
}

Leseergebnis LiesAuszugsdatei(const std::string& pfad, const Importgedaechtnis& gedaechtnis,
                              const Spaltenzuordnung* zuordnung)
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
    return LiesAuszug(pfad, bytes, gedaechtnis, zuordnung);
}

} // namespace velmora

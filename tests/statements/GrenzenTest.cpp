// What a statement may hold before it is trusted: nesting, amounts, dates, encodings, control characters
// and row widths. Every refusal names the line and leaves nothing to book.

#include "Auszugsbau.h"
#include "Auszugsdatei.h"
#include "Text.h"

#include <QString>

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

const std::string kKopf = "Buchungstag;Name;Betrag\n";

std::string Utf16(const std::string& utf8, bool gross)
{
    std::string bytes;
    for (QChar c : QString::fromStdString(utf8)) {
        const char hoch = static_cast<char>(c.unicode() >> 8), tief = static_cast<char>(c.unicode() & 0xFF);
        bytes += gross ? std::string{hoch, tief} : std::string{tief, hoch};
    }
    return bytes;
}

TEST(Grenzen, FeindlicheDateienWerdenMitIhrerZeileAbgelehnt)
{
    struct Fall
    {
        const char* name;
        std::string bytes;
        Lesefehler::Art art;
        int zeile;
    };
    const std::string camtKopf = "<?xml version=\"1.0\"?>\n<Document "
                                 "xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\"><BkToCstmrStmt>\n";
    std::string tief, tiefImEintrag;
    for (int i = 0; i < 100000; ++i)
        tief += "<a>";
    const std::vector<Fall> faelle = {
        {"tief.xml", camtKopf + tief, Lesefehler::kZuTief, 3},
        {"tief-im-eintrag.xml", camtKopf + "<Stmt><Ntry>\n" + tief, Lesefehler::kZuTief, 4},
        {"abgeschnitten.xml", Camt(8, kIbanAnna, {{"1.00"}}).substr(0, 400), Lesefehler::kKeinXml, 0},
        {"unendlich.csv", kKopf + "04.03.2024;A;1" + std::string(308, '0') + "\n", Lesefehler::kZuGrosserBetrag, 2},
        {"billion.csv", kKopf + "04.03.2024;A;-1,00\n05.03.2024;B;" + std::string(30, '9') + ",00\n",
         Lesefehler::kZuGrosserBetrag, 3},
        {"zukunft.csv", kKopf + "31.12.9999;A;-1,00\n", Lesefehler::kDatumAusserhalb, 2},
        {"naechstes-jahr.xml", Camt(8, kIbanAnna, {{"1.00", "DBIT", "BOOK", "2025-03-16"}}),
         Lesefehler::kDatumAusserhalb, 0},
        {"vor-1900.csv", kKopf + "31.12.1899;A;-1,00\n", Lesefehler::kDatumGibtEsNicht, 2},
        {"halb-utf8.csv", kKopf + "04.03.2024;M\xC3\xBCller;-1,00\n05.03.2024;M\xFCller;-2,00\n",
         Lesefehler::kKodierung, 3},
        {"utf16-kaputt.csv", "\xFF\xFE" + Utf16(kKopf, false) + std::string("\x00\xD8\x41\x00x", 5),
         Lesefehler::kKodierung, 2},
        {"breit.csv", kKopf + std::string(1000000, ';') + "\n", Lesefehler::kZuVieleSpalten, 2},
        {"quicken.qif", "!Type:Bank\nD03/04/2024\nT-23.45\n^\n", Lesefehler::kFremdesFormat, 0},
        {"kaputt.sta", ":20:X\n:25:DE11520513735120710131\n:61:240304XY1,00NMSC\n", Lesefehler::kMt940, 3},
    };
    Importhaushalt h;
    for (const Fall& f : faelle) {
        const std::string datei = h.Datei(f.name, f.bytes);
        const Leseergebnis gelesen = LiesAuszugsdatei(datei, h.Gedaechtnis(), nullptr, 20240315);
        EXPECT_EQ(f.art, gelesen.fehler.art) << f.name << ": " << Fehlertext(datei, gelesen.fehler, false);
        if (f.zeile > 0) {
            EXPECT_EQ(f.zeile, gelesen.fehler.nZeile) << f.name;
        }
        EXPECT_TRUE(gelesen.auszuege.empty()) << f.name;
        EXPECT_FALSE(Fehlertext(datei, gelesen.fehler, true).empty()) << f.name;
    }
}

// UTF-16 in either byte order, with or without its mark, and cp1252 read alike; control characters go.
TEST(Grenzen, KodierungenUndSteuerzeichen)
{
    const std::string text = kKopf + "04.03.2024;M\xC3\xBCller\x1B[0m\x07 Kiosk\tNord;-1,00\r\n";
    const std::vector<std::pair<const char*, std::string>> faelle = {
        {"utf8.csv", text},
        {"utf16le.csv", "\xFF\xFE" + Utf16(text, false)},
        {"utf16be.csv", "\xFE\xFF" + Utf16(text, true)},
        {"utf16le-ohne-bom.csv", Utf16(text, false)},
        {"cp1252.csv", Utf8ZuCp1252(text)},
        {"utf16.xml",
         "\xFF\xFE" + Utf16(Camt(8, kIbanAnna,
                                 {{"1.00", "DBIT", "BOOK", "2024-03-04", false, "", "M\xC3\xBCller[0m Kiosk\tNord"}}),
                            false)},
    };
    Importhaushalt h;
    for (const auto& [name, bytes] : faelle) {
        const std::string datei = h.Datei(name, bytes);
        const Leseergebnis gelesen = LiesAuszugsdatei(datei, h.Gedaechtnis(), nullptr, 20240315);
        ASSERT_TRUE(gelesen.Ok()) << name << ": " << Fehlertext(datei, gelesen.fehler, false);
        ASSERT_EQ(1u, gelesen.auszuege.size()) << name;
        ASSERT_EQ(1u, gelesen.auszuege[0].zeilen.size()) << name;
        EXPECT_EQ("Müller[0m Kiosk Nord", Cp1252ZuUtf8(gelesen.auszuege[0].zeilen[0].strName)) << name;
    }
}

} // namespace
} // namespace velmora::test

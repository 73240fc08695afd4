// The downloads of German banks, one file per bank layout and per format, written here from the layouts
// as the banks document or write them (no bank's real data): every line is checked whole.

#include "Auszugsbau.h"
#include "Auszugsdatei.h"
#include "Text.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

struct Bankdatei
{
    const char* name;
    std::string bytes;
    std::string kennung; // the account's IBAN, else "layout:..." (compared up to its length)
    int vorgemerkt;
    std::vector<std::string> zeilen; // Auszugszeilen() of the file
};

const std::string kVorspannIng =
    "Umsatzanzeige;Datei erstellt am: 15.03.2024 10:00\r\n\r\nIBAN;DE11 5205 1373 5120 7101 31\r\n"
    "Kontoname;Girokonto\r\nBank;ING\r\nKunde;Anna Meier\r\nZeitraum;01.03.2024 - 15.03.2024\r\n"
    "Saldo;1.234,56;EUR\r\n\r\nSortierung;Datum absteigend\r\n\r\nIn der CSV-Datei finden Sie alle bereits "
    "gebuchten Ums\xe4tze. Die vorgemerkten Ums\xe4tze werden nicht aufgenommen.\r\n\r\n";

const std::vector<Bankdatei>& Bankdateien()
{
    static const std::vector<Bankdatei> dateien = {
        {"sparkasse-camt-v2.csv",
         "\"Auftragskonto\";\"Buchungstag\";\"Valutadatum\";\"Buchungstext\";\"Verwendungszweck\";\"Glaeubiger ID\";"
         "\"Mandatsreferenz\";\"Kundenreferenz (End-to-End)\";\"Sammlerreferenz\";\"Lastschrift Ursprungsbetrag\";"
         "\"Auslagenersatz Ruecklastschrift\";\"Beguenstigter/Zahlungspflichtiger\";\"Kontonummer/IBAN\";"
         "\"BIC (SWIFT-Code)\";\"Betrag\";\"Waehrung\";\"Info\"\r\n"
         "\"DE11520513735120710131\";\"05.03.24\";\"05.03.24\";\"FOLGELASTSCHRIFT\";\"Strom Abschlag M\xe4rz\";"
         "\"DE98ZZZ09999999999\";\"M-123\";\"E2E-1\";\"\";\"\";\"\";\"Stadtwerke Musterstadt\";"
         "\"DE66370400440532013003\";\"COBADEFFXXX\";\"-58,00\";\"EUR\";\"Umsatz gebucht\"\r\n"
         "\"DE11520513735120710131\";\"01.03.24\";\"01.03.24\";\"GUTSCHR. UEBERWEISUNG\";\"Gehalt M\xe4rz 2024\";"
         "\"\";\"\";\"\";\"\";\"\";\"\";\"Arbeitgeber AG\";\"DE44370400440532013001\";\"COBADEFFXXX\";\"2.500,00\";"
         "\"EUR\";\"Umsatz gebucht\"\r\n"
         "\"DE11520513735120710131\";\"06.03.24\";\"06.03.24\";\"KARTENZAHLUNG\";\"Hotel Z\xfcrich\";\"\";\"\";\"\";"
         "\"\";\"\";\"\";\"Hotel Bellevue\";\"\";\"\";\"-120,50\";\"CHF\";\"Umsatz gebucht\"\r\n"
         "\"DE11520513735120710131\";\"07.03.24\";\"07.03.24\";\"KARTENZAHLUNG\";\"REWE SAGT DANKE\";\"\";\"\";\"\";"
         "\"\";\"\";\"\";\"REWE Markt GmbH\";\"\";\"\";\"-12,34\";\"EUR\";\"Umsatz vorgemerkt\"\r\n",
         kIbanAnna,
         1,
         {"20240305|-58.00|Stadtwerke Musterstadt|Strom Abschlag März|DE66370400440532013003",
          "20240301|2500.00|Arbeitgeber AG|Gehalt März 2024|DE44370400440532013001",
          "20240306|-120.50|Hotel Bellevue|Hotel Zürich||CHF"}},
        {"sparkasse-mt940.csv",
         "\"Auftragskonto\";\"Buchungstag\";\"Valutadatum\";\"Buchungstext\";\"Verwendungszweck\";"
         "\"Beguenstigter/Zahlungspflichtiger\";\"Kontonummer\";\"BLZ\";\"Betrag\";\"Waehrung\";\"Info\"\r\n"
         "\"1234567890\";\"04.03.24\";\"04.03.24\";\"LASTSCHRIFT\";\"Beitrag M\xe4rz\";\"Turnverein e.V.\";"
         "\"532013002\";\"37040044\";\"-10,00\";\"EUR\";\"Umsatz gebucht\"\r\n",
         "layout:Auftragskonto;Buchungstag;",
         0,
         {"20240304|-10.00|Turnverein e.V.|Beitrag März|"}},
        {"volksbank-atruvia.csv",
         "Bezeichnung Auftragskonto;IBAN Auftragskonto;BIC Auftragskonto;Bankname Auftragskonto;Buchungstag;"
         "Valutadatum;Name Zahlungsbeteiligter;IBAN Zahlungsbeteiligter;BIC (SWIFT-Code) Zahlungsbeteiligter;"
         "Buchungstext;Verwendungszweck;Betrag;Waehrung;Saldo nach Buchung;Bemerkung;Kategorie;Steuerrelevant;"
         "Glaeubiger ID;Mandatsreferenz\r\n"
         "Girokonto Anna;DE11520513735120710131;GENODEF1XXX;Volksbank Musterstadt eG;04.03.2024;04.03.2024;"
         "Supermarkt Nord GmbH;DE33370400440532013000;COBADEFFXXX;Basislastschrift;Einkauf 4.3.;-23,45;EUR;976,55;"
         ";;;;\r\n"
         "Girokonto Anna;DE11520513735120710131;GENODEF1XXX;Volksbank Musterstadt eG;08.03.2024;08.03.2024;"
         "Supermarkt Nord GmbH;DE33370400440532013000;COBADEFFXXX;R\xfc"
         "cklastschrift;Storno Einkauf;23,45;EUR;1.000,00;;;;;\r\n",
         kIbanAnna,
         0,
         {"20240304|-23.45|Supermarkt Nord GmbH|Einkauf 4.3.|DE33370400440532013000",
          "20240308|23.45|Supermarkt Nord GmbH|Storno Einkauf|DE33370400440532013000"}},
        {"dkb-2023.csv",
         "\xEF\xBB\xBF\"Girokonto\";\"DE11 5205 1373 5120 7101 31\"\n\"\"\n\"Kontostand vom 15.03.2024:\";\"1.234,56 "
         "\xE2\x82\xAC\"\n\"\"\n"
         "\"Buchungsdatum\";\"Wertstellung\";\"Status\";\"Zahlungspflichtige*r\";\"Zahlungsempf\xC3\xA4nger*in\";"
         "\"Verwendungszweck\";\"Umsatztyp\";\"IBAN\";\"Betrag (\xE2\x82\xAC)\";\"Gl\xC3\xA4ubiger-ID\";"
         "\"Mandatsreferenz\";\"Kundenreferenz\"\n"
         "\"14.03.24\";\"14.03.24\";\"Vorgemerkt\";\"Anna Meier\";\"Kiosk\";\"Zeitung\";\"Ausgang\";\"\";\"-2,50\";"
         "\"\";\"\";\"\"\n"
         "\"12.03.24\";\"12.03.24\";\"Gebucht\";\"Anna Meier\";\"B\xC3\xA4"
         "ckerei Sch\xC3\xA4"
         "fer\";"
         "\"Br\xC3\xB6tchen\";\"Ausgang\";\"DE55370400440532013002\";\"-4,20 \xE2\x82\xAC\";\"\";\"\";\"\"\n"
         "\"11.03.24\";\"11.03.24\";\"Gebucht\";\"Arbeitgeber AG\";\"Anna Meier\";\"Gehalt\";\"Eingang\";"
         "\"DE44370400440532013001\";\"2.500,00\";\"\";\"\";\"\"\n",
         kIbanAnna,
         1,
         {"20240312|-4.20|Bäckerei Schäfer|Brötchen|DE55370400440532013002",
          "20240311|2500.00|Arbeitgeber AG|Gehalt|DE44370400440532013001"}},
        {"dkb-alt.csv",
         "\"Kontonummer:\";\"DE11520513735120710131 / "
         "Girokonto\";\n\n\"Von:\";\"01.03.2024\";\n\"Bis:\";\"15.03.2024\";\n"
         "\"Kontostand vom 15.03.2024:\";\"1.234,56 EUR\";\n\n"
         "\"Buchungstag\";\"Wertstellung\";\"Buchungstext\";\"Auftraggeber / Beg\xfcnstigter\";\"Verwendungszweck\";"
         "\"Kontonummer\";\"BLZ\";\"Betrag (EUR)\";\"Gl\xe4ubiger-ID\";\"Mandatsreferenz\";\"Kundenreferenz\";\n"
         "\"04.03.2024\";\"04.03.2024\";\"Lastschrift\";\"Stadtwerke Musterstadt\";\"Strom M\xe4rz\";"
         "\"DE66370400440532013003\";\"COBADEFFXXX\";\"-58,00\";\"DE98ZZZ09999999999\";\"M-1\";\"\";\n",
         kIbanAnna,
         0,
         {"20240304|-58.00|Stadtwerke Musterstadt|Strom März|DE66370400440532013003"}},
        {"ing.csv",
         kVorspannIng +
             "Buchung;Valuta;Auftraggeber/Empf\xe4nger;Buchungstext;Verwendungszweck;Saldo;W\xe4hrung;Betrag;"
             "W\xe4hrung\r\n"
             "08.03.2024;08.03.2024;B\xe4"
             "ckerei Sch\xe4"
             "fer;Lastschrift;Br\xf6tchen;1.234,56;EUR;-4,20;"
             "EUR\r\n"
             "07.03.2024;07.03.2024;Hotel London;Visa-Umsatz;Zimmer;1.238,76;EUR;-80,00\r\n",
         kIbanAnna,
         0,
         {"20240308|-4.20|Bäckerei Schäfer|Brötchen|", "20240307|-80.00|Hotel London|Zimmer|"}},
        {"commerzbank.csv",
         "\xEF\xBB\xBF"
         "Buchungstag;Wertstellung;Umsatzart;Buchungstext;Betrag;W\xC3\xA4hrung;IBAN Kontoinhaber;Kategorie\n"
         "04.03.2024;04.03.2024;Lastschrift;REWE Markt GmbH Filiale 1234 Sagt Danke Einkauf;-23,45;EUR;"
         "DE11520513735120710131;Lebensmittel\n"
         "01.03.2024;01.03.2024;Gutschrift;Arbeitgeber AG Gehalt M\xC3\xA4rz;2.500,00;EUR;DE11520513735120710131;"
         "Einkommen\n",
         kIbanAnna,
         0,
         {"20240304|-23.45|REWE Markt GmbH Filiale 1234 Sagt Danke Einkauf|REWE Markt GmbH Filiale 1234 Sagt Danke "
          "Einkauf|",
          "20240301|2500.00|Arbeitgeber AG Gehalt März|Arbeitgeber AG Gehalt März|"}},
        {"comdirect.csv",
         ";\r\n\"Ums\xe4tze Girokonto\";\"Zeitraum: 30 Tage\";\r\n\"Neuer Kontostand\";\"1.234,56 EUR\";\r\n\r\n"
         "\"Buchungstag\";\"Wertstellung (Valuta)\";\"Vorgang\";\"Buchungstext\";\"Umsatz in EUR\";\r\n"
         "\"offen\";\"--\";\"Lastschrift / Belastung\";\"Empf\xe4nger: Kiosk Buchungstext: Zeitung Ref. "
         "1\";\"-2,50\";\r\n"
         "\"05.03.2024\";\"05.03.2024\";\"Lastschrift / Belastung\";\"Empf\xe4nger: Stadtwerke Musterstadt Kto/IBAN: "
         "DE66370400440532013003 BLZ/BIC: COBADEFFXXX Buchungstext: Strom M\xe4rz Ref. 2X3Y\";\"-58,00\";\r\n"
         "\"01.03.2024\";\"01.03.2024\";\"\xdc"
         "bertrag / \xdc"
         "berweisung\";\"Auftraggeber: Arbeitgeber AG "
         "Buchungstext: Gehalt M\xe4rz Ref. 9Z\";\"2.500,00\";\r\n\r\n\"Alter Kontostand\";\"1.000,00 EUR\";\r\n",
         "layout:Buchungstag;Wertstellung (Valuta)",
         1,
         {"20240305|-58.00|Stadtwerke Musterstadt|Strom März|", "20240301|2500.00|Arbeitgeber AG|Gehalt März|"}},
        {"deutsche-bank.csv",
         "Ums\xe4tze Girokonto;Zeitraum: 01.03.2024 - 15.03.2024;;;;;;;;;;;;;;;;\r\nKunde;Anna "
         "Meier;;;;;;;;;;;;;;;;\r\n"
         "Buchungstag;Wert;Umsatzart;Beg\xfcnstigter / Auftraggeber;Verwendungszweck;IBAN;BIC;Kundenreferenz;"
         "Mandatsreferenz ;Gl\xe4ubiger ID;Fremde Geb\xfchren;Betrag;Abweichender Empf\xe4nger;Anzahl der Auftr\xe4ge;"
         "Anzahl der Schecks;Soll;Haben;W\xe4hrung\r\n"
         "04.03.2024;04.03.2024;SEPA-Lastschrift;Stadtwerke Musterstadt;Strom M\xe4rz;DE66370400440532013003;"
         "COBADEFFXXX;;M-1;DE98ZZZ09999999999;;;;;;-58,00;;EUR\r\n"
         "01.03.2024;01.03.2024;SEPA-Gutschrift;Arbeitgeber AG;Gehalt M\xe4rz;DE44370400440532013001;COBADEFFXXX;;;;;;"
         ";;;;2.500,00;EUR\r\nKontostand;15.03.2024;;;1.234,56;EUR\r\n",
         "layout:Buchungstag;Wert;",
         0,
         {"20240304|-58.00|Stadtwerke Musterstadt|Strom März|DE66370400440532013003",
          "20240301|2500.00|Arbeitgeber AG|Gehalt März|DE44370400440532013001"}},
        {"postbank.csv",
         "Ums\xe4tze;;;;;;;;\r\nName;Anna Meier;;;;;;;\r\nKonto;Giro plus;;;;;;;\r\n"
         "IBAN;DE11 5205 1373 5120 7101 31;;;;;;;\r\nKontostand;1.234,56 \x80;;;;;;;\r\n"
         "Buchungstag;Wert;Umsatzart;Beg\xfcnstigter / Auftraggeber;Verwendungszweck;IBAN / Kontonummer;BIC;"
         "Betrag (\x80);Saldo (\x80)\r\n"
         "04.03.2024;04.03.2024;Lastschrift;Stadtwerke Musterstadt;Strom M\xe4rz;DE66370400440532013003;COBADEFFXXX;"
         "-58,00 \x80;1.176,56 \x80\r\n",
         kIbanAnna,
         0,
         {"20240304|-58.00|Stadtwerke Musterstadt|Strom März|DE66370400440532013003"}},
        {"consorsbank.csv",
         "Buchung;Valuta;Sender / Empf\xC3\xA4nger;IBAN / Konto-Nr.;BIC / BLZ;Buchungstext;Verwendungszweck;Kategorie;"
         "Stichw\xC3\xB6rter;Umsatz geplant;Betrag;W\xC3\xA4hrung\n"
         "04.03.2024;04.03.2024;Stadtwerke Musterstadt;DE66370400440532013003;COBADEFFXXX;Lastschrift;"
         "Strom M\xC3\xA4rz;Wohnen;;Nein;-58,00;EUR\n"
         "10.03.2024;10.03.2024;Versicherung AG;DE77370400440532013004;COBADEFFXXX;Lastschrift;Haftpflicht;;;Ja;"
         "-30,00;EUR\n",
         "layout:Buchung;Valuta;",
         1,
         {"20240304|-58.00|Stadtwerke Musterstadt|Strom März|DE66370400440532013003"}},
        {"n26.csv",
         "\"Booking Date\",\"Value Date\",\"Partner Name\",\"Partner Iban\",Type,\"Payment Reference\",\"Account "
         "Name\",\"Amount (EUR)\",\"Original Amount\",\"Original Currency\",\"Exchange Rate\"\n"
         "2024-03-04,2024-03-04,\"Supermarkt Nord GmbH\",DE33370400440532013000,Presentment,\"Einkauf, Woche 10\","
         "\"Main Account\",-23.45,,,\n"
         "2024-03-05,2024-03-05,\"Caf\xC3\xA9 Z\xC3\xBCrich\",,Presentment,,\"Main Account\",-9.80,-9.50,CHF,1.0316\n",
         "layout:Booking Date;",
         0,
         {"20240304|-23.45|Supermarkt Nord GmbH|Einkauf, Woche 10|DE33370400440532013000",
          "20240305|-9.80|Café Zürich||"}},
        {"hypovereinsbank.csv",
         "Kontonummer;Buchungsdatum;Valuta;Empfaenger 1;Empfaenger 2;Verwendungszweck;Betrag;Waehrung\r\n"
         "1234567890;04.03.2024;04.03.2024;Stadtwerke Musterstadt;;Strom M\xe4rz;-58,00;EUR\r\n",
         "layout:Kontonummer;",
         0,
         {"20240304|-58.00|Stadtwerke Musterstadt|Strom März|"}},
        {"paypal.csv",
         "\xEF\xBB\xBF\"Datum\",\"Uhrzeit\",\"Zeitzone\",\"Name\",\"Typ\",\"Status\",\"W\xC3\xA4hrung\",\"Brutto\","
         "\"Geb\xC3\xBChr\",\"Netto\",\"Absender E-Mail-Adresse\",\"Empf\xC3\xA4nger E-Mail-Adresse\","
         "\"Transaktionscode\",\"Betreff\",\"Hinweis\",\"Guthaben\",\"Auswirkung auf Guthaben\"\r\n"
         "\"04.03.2024\",\"10:15:00\",\"CET\",\"Buchladen M\xC3\xBCller\",\"Handyzahlung\",\"Abgeschlossen\",\"EUR\","
         "\"-15,90\",\"0,00\",\"-15,90\",\"anna@example.org\",\"shop@example.org\",\"1AB23456CD789012E\","
         "\"Bestellung 4711\",\"\",\"-15,90\",\"Soll\"\r\n"
         "\"05.03.2024\",\"11:00:00\",\"CET\",\"Reiseportal Ltd\",\"Allgemeine Zahlung\",\"Ausstehend\",\"EUR\","
         "\"-99,00\",\"0,00\",\"-99,00\",\"anna@example.org\",\"info@example.org\",\"2AB\",\"Flug\",\"\",\"0,00\","
         "\"Soll\"\r\n"
         "\"06.03.2024\",\"12:00:00\",\"CET\",\"Shop London\",\"Allgemeine Zahlung\",\"Abgeschlossen\",\"GBP\","
         "\"-20,00\",\"0,00\",\"-20,00\",\"anna@example.org\",\"x@example.org\",\"3AB\",\"Tasse\",\"\",\"0,00\","
         "\"Soll\"\r\n",
         "layout:Datum;Uhrzeit;",
         1,
         {"20240304|-15.90|Buchladen Müller|Bestellung 4711|", "20240306|-20.00|Shop London|Tasse||GBP"}},
    };
    return dateien;
}

TEST(Bankdateien, JedeBankLiefertJedeZeileGenau)
{
    Importhaushalt h;
    for (const Bankdatei& d : Bankdateien()) {
        const std::string datei = h.Datei(d.name, d.bytes);
        const Leseergebnis gelesen = LiesAuszugsdatei(datei, h.Gedaechtnis(), nullptr, 20240315);
        ASSERT_TRUE(gelesen.Ok()) << d.name << ": " << Fehlertext(datei, gelesen.fehler, false);
        ASSERT_EQ(1u, gelesen.auszuege.size()) << d.name;
        const Kontoauszug& auszug = gelesen.auszuege[0];
        EXPECT_EQ(d.kennung, Cp1252ZuUtf8(auszug.Kennung()).substr(0, d.kennung.size())) << d.name;
        EXPECT_EQ(d.vorgemerkt, auszug.nVorgemerkt) << d.name;
        EXPECT_EQ(d.zeilen, Auszugszeilen(auszug)) << d.name;
    }
}

} // namespace
} // namespace velmora::test

#include "CsvSpalten.h"

#include "Text.h"

#include <algorithm>
#include <array>

namespace velmora {

namespace {

template<size_t N>
bool Unter(const std::string& n, const std::array<const char*, N>& namen)
{
    return std::any_of(namen.begin(), namen.end(), [&n](const char* name) { return n == name; });
}

template<size_t N>
bool Enthaelt(const std::string& n, const std::array<const char*, N>& teile)
{
    return std::any_of(teile.begin(), teile.end(),
                       [&n](const char* teil) { return n.find(teil) != std::string::npos; });
}

constexpr std::array<const char*, 10> kDatum = {"buchungstag", "buchungsdatum", "bookingdate",     "buchung",
                                                "datum",       "date",          "transactiondate", "bookeddate",
                                                "umsatzdatum", "bookingday"};
constexpr std::array<const char*, 7> kWertstellung = {
    "valuta", "wertstellung", "valuedate", "valutadatum", "wert", "wertstellungsdatum", "wertstellungvaluta"};
constexpr std::array<const char*, 6> kBetrag = {"umsatz", "value", "summe", "betrageur", "amounteur", "netto"};
constexpr std::array<const char*, 5> kSollHaben = {"sh", "sollhaben", "debitcredit", "dc", "creditdebit"};
constexpr std::array<const char*, 11> kSoll = {"soll",        "ausgang",    "lastschrift", "debit",
                                               "belastung",   "ausgabe",    "ausgaben",    "sollbetrag",
                                               "debitamount", "withdrawal", "withdrawals"};
constexpr std::array<const char*, 11> kHaben = {"haben",    "eingang",   "gutschrift",  "credit",
                                                "einnahme", "einnahmen", "habenbetrag", "creditamount",
                                                "deposit",  "deposits",  "eingaenge"};
// Columns about the account the statement is of.
constexpr std::array<const char*, 4> kEigenesKonto = {"auftragskonto", "kontoinhaber", "eigeneiban", "ownaccount"};
// Columns that name parties but not the counterparty of the booking.
constexpr std::array<const char*, 4> kNebenparteien = {"mail", "abweichend", "ultimate", "ursprung"};
constexpr std::array<const char*, 3> kIban = {"iban", "kontonummer", "accountnumber"};
constexpr std::array<const char*, 13> kName = {
    "empfaenger",     "auftraggeber", "beguenstigt",  "zahlungsbeteiligt", "zahlungspflichtig",
    "payee",          "payer",        "counterparty", "beneficiary",       "name",
    "glaeubigername", "sender",       "absender"};
constexpr std::array<const char*, 5> kZahler = {"zahlungspflichtig", "auftraggeber", "payer", "absender", "sender"};
constexpr std::array<const char*, 4> kEmpfaenger = {"empfaenger", "beguenstigt", "payee", "beneficiary"};
constexpr std::array<const char*, 10> kZweck = {
    "zweck",     "purpose", "description",      "beschreibung",          "memo",
    "reference", "details", "paymentreference", "remittanceinformation", "betreff"};
constexpr std::array<const char*, 4> kStatus = {"status", "info", "umsatzgeplant", "buchungsstatus"};
constexpr std::array<const char*, 3> kWaehrung = {"waehrung", "currency", "ccy"};
constexpr std::array<const char*, 2> kBuchungstext = {"buchungstext", "postingtext"};
constexpr std::array<const char*, 9> kVorgemerkt = {
    "vorgemerkt", "umsatzvorgemerkt", "pending", "ausstehend", "offen", "ja", "yes", "geplant", "nichtgebucht"};

} // namespace

std::string NormalerName(const std::string& name)
{
    std::string s = Klein(Utf8ZuCp1252(name));
    std::string n;
    for (unsigned char c : s) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            n += static_cast<char>(c);
        else if (c == 0xE4)
            n += "ae";
        else if (c == 0xF6)
            n += "oe";
        else if (c == 0xFC)
            n += "ue";
        else if (c == 0xDF)
            n += "ss";
    }
    return n;
}

bool Vorgemerkt(const std::string& wert)
{
    return Unter(NormalerName(wert), kVorgemerkt);
}

Spaltenzuordnung ErkenneSpalten(const std::vector<std::string>& kopf)
{
    Spaltenzuordnung z;
    int wertstellung = -1, zahler = -1, empfaenger = -1, beide = -1, text = -1;
    std::vector<int> waehrungen;
    auto setze = [](int& rolle, int spalte) {
        if (rolle < 0)
            rolle = spalte;
    };
    for (int i = 0; i < static_cast<int>(kopf.size()); ++i) {
        const std::string n = NormalerName(kopf[static_cast<size_t>(i)]);
        if (n.empty() || Enthaelt(n, kNebenparteien))
            continue;
        const bool vorDenBuchungen =
            z[kRolleDatum] < 0 && wertstellung < 0 && zahler < 0 && empfaenger < 0 && beide < 0;
        if (Enthaelt(n, kEigenesKonto)) {
            // "Bezeichnung Auftragskonto" or "BIC Auftragskonto" name the account but do not identify it.
            if (n.find("iban") != std::string::npos || n == "auftragskonto" || Unter(n, kEigenesKonto))
                setze(z[kRolleEigeneIban], i);
        } else if (Unter(n, kDatum)) {
            setze(z[kRolleDatum], i);
        } else if (Unter(n, kWertstellung)) {
            setze(wertstellung, i);
        } else if (Unter(n, kSollHaben)) {
            setze(z[kRolleSollHaben], i);
        } else if (Unter(n, kSoll)) {
            setze(z[kRolleSoll], i);
        } else if (Unter(n, kHaben)) {
            setze(z[kRolleHaben], i);
        } else if (n.starts_with("betrag") || n.starts_with("amount") || n.starts_with("umsatzin") ||
                   Unter(n, kBetrag)) {
            setze(z[kRolleBetrag], i);
        } else if (Unter(n, kStatus)) {
            setze(z.nStatus, i);
        } else if (Unter(n, kWaehrung)) {
            waehrungen.push_back(i);
        } else if (Unter(n, kBuchungstext)) {
            setze(text, i);
        } else if (Enthaelt(n, kIban)) {
            // An account number left of the dates and names is the statement's own (HypoVereinsbank).
            setze(n == "kontonummer" && vorDenBuchungen ? z[kRolleEigeneIban] : z[kRolleIban], i);
        } else if (n.starts_with("verwendungszweck") || Unter(n, kZweck)) {
            if (z[kRolleZweck] < 0)
                z[kRolleZweck] = i;
            else
                z.anWeitereZwecke.push_back(i);
        } else if (Enthaelt(n, kName) && !n.ends_with("id")) {
            const bool zahlt = Enthaelt(n, kZahler), empfaengt = Enthaelt(n, kEmpfaenger);
            setze(zahlt == empfaengt ? beide : zahlt ? zahler : empfaenger, i);
        }
    }
    // The value date serves only where the file has no booking date.
    setze(z[kRolleDatum], wertstellung);
    if (beide >= 0) {
        z[kRolleName] = beide;
    } else if (zahler >= 0 && empfaenger >= 0) {
        z[kRolleName] = empfaenger;
        z.nZahlerName = zahler;
    } else {
        z[kRolleName] = std::max(zahler, empfaenger);
    }
    if (z[kRolleName] < 0 && z[kRolleZweck] < 0)
        z.nText = text;
    // Of several currency columns (ING has one for the balance), the one behind the amount.
    for (int w : waehrungen) {
        if (z.nWaehrung < 0 || (w > z[kRolleBetrag] && z.nWaehrung < z[kRolleBetrag]))
            z.nWaehrung = w;
    }
    return z;
}

} // namespace velmora

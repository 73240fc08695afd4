#include "Aufruf.h"

#include "Kalender.h"

#include <algorithm>
#include <charconv>

namespace velmora::cli {

namespace {

bool Enthaelt(const std::vector<std::string>& liste, const std::string& wert)
{
    return std::find(liste.begin(), liste.end(), wert) != liste.end();
}

bool LiesZahl(const std::string& text, long& wert)
{
    const char* ende = text.data() + text.size();
    const auto [p, fehler] = std::from_chars(text.data(), ende, wert);
    return !text.empty() && fehler == std::errc() && p == ende;
}

bool NurZiffern(const std::string& text, size_t laenge)
{
    return text.size() == laenge && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

Aufruf::Aufruf(const std::vector<std::string>& argumente, const Optionen& optionen)
{
    if (argumente.empty() || argumente.front().starts_with("--"))
        throw Benutzungsfehler("the data folder DIR is missing");
    m_ordner = argumente.front();
    for (size_t i = 1; i < argumente.size(); ++i) {
        const std::string& option = argumente[i];
        if (Enthaelt(optionen.schalter, option)) {
            m_schalter.insert(option);
        } else if (Enthaelt(optionen.mitWert, option)) {
            if (i + 1 >= argumente.size())
                throw Benutzungsfehler(option + " needs a value");
            m_werte[option] = argumente[++i];
        } else if (Enthaelt(optionen.mitZweiWerten, option)) {
            if (i + 2 >= argumente.size() || argumente[i + 1].starts_with("--") || argumente[i + 2].starts_with("--"))
                throw Benutzungsfehler(option + " needs two values");
            m_werte[option] = argumente[++i];
            m_zweiteWerte[option] = argumente[++i];
        } else if (optionen.bDateien && !option.starts_with("--")) {
            m_dateien.push_back(option);
        } else {
            throw Benutzungsfehler("unexpected argument " + option);
        }
    }
    for (const std::string& option : optionen.pflicht) {
        if (!Hat(option))
            throw Benutzungsfehler(option + " is missing");
    }
}

bool Aufruf::Hat(const std::string& option) const
{
    return m_werte.count(option) != 0 || m_schalter.count(option) != 0;
}

const std::string& Aufruf::Wert(const std::string& option, int stelle) const
{
    static const std::string leer;
    const auto& werte = stelle == 0 ? m_werte : m_zweiteWerte;
    const auto it = werte.find(option);
    return it == werte.end() ? leer : it->second;
}

int Aufruf::Datum(const std::string& option) const
{
    const std::string& text = Wert(option);
    long wert = 0;
    if (!NurZiffern(text, 8) || !LiesZahl(text, wert) || !IstDatum(static_cast<int>(wert)))
        throw Benutzungsfehler(option + " wants a date YYYYMMDD, not '" + text + "'");
    return static_cast<int>(wert);
}

int Aufruf::Uhrzeit(const std::string& option) const
{
    const std::string& text = Wert(option);
    long wert = 0;
    if (!NurZiffern(text, 4) || !LiesZahl(text, wert) || wert / 100 > 23 || wert % 100 > 59)
        throw Benutzungsfehler(option + " wants a time HHMM, not '" + text + "'");
    return static_cast<int>(wert);
}

long Aufruf::Zahl(const std::string& option, long min, long max, int stelle) const
{
    const std::string& text = Wert(option, stelle);
    long wert = 0;
    if (!LiesZahl(text, wert) || wert < min || wert > max)
        throw Benutzungsfehler(option + " wants a number from " + std::to_string(min) + " to " + std::to_string(max) +
                               ", not '" + text + "'");
    return wert;
}

bool IstDatum(int datum)
{
    const int jahr = datum / 10000;
    const int monat = datum / 100 % 100;
    const int tag = datum % 100;
    return jahr >= 1000 && jahr <= 9999 && monat >= 1 && monat <= 12 && tag >= 1 && tag <= TageImMonat(jahr, monat);
}

const char* Benutzung()
{
    return R"(usage: velmora-cli COMMAND DIR [OPTIONS]

  dump DIR [--today YYYYMMDD] [--all-months]
      the settings and the current month (with --all-months every month up
      to today) as one JSON object, without running standing orders
  startup DIR --today YYYYMMDD --now HHMM [--save [--force-unlock]]
      the program's start-up, standing orders included, as JSON; --save then
      writes the changed months and the settings as leaving with "Ende" does,
      all or nothing, backups included; it refuses while a program has the
      book open; --force-unlock opens a book whose lock file is damaged or
      names another computer (only when it is surely not in use there)
  list DIR --from YYYYMMDD --to YYYYMMDD [--today YYYYMMDD] [--all-months]
           [--filter KIND --key TEXT [--category TEXT | --within TEXT]]
           [--sort KEY [--ascending]]
           [--export FILE | --pdf FILE [--portrait | --landscape]
                            [--without-deleted]]
      the overview listing: the nine cells of each row separated by tabs, then
      "totals", income, expenses and transfers; with --export the listing is
      written to FILE as the overview's export writes it, in the book's
      language: UTF-8 CSV when FILE ends in .csv, else the tab-separated .xls
      text (.xls is appended unless FILE ends in .xls), and the name of the
      file written is printed; --pdf FILE writes the listing as the
      overview's "Als PDF speichern" does (A4, portrait unless the columns
      need landscape; deleted rows grey, or left out with --without-deleted)
      KIND is 0 to 12; for kind 0, --key 1 lists the bookings of standing
      orders and --key 0 the others; kind 13 lists the sub-category TEXT of
      --key within the category TEXT of --category, as the analyses sum it;
      kinds 14, 15 and 16 list the category of --key within the family
      account, external account or beneficiary of --within, as the analyses'
      rows under that selection sum it; kinds 9 and 10 match a member exactly
      KEY is date, amount, payer, payee, beneficiary, category, subcategory
      or 0 to 6; sorting is descending unless --ascending is given
  orders DIR [--filter KIND --key TEXT] [--sort KEY [--ascending]]
             [--pdf FILE [--portrait | --landscape] [--without-deleted]]
      the standing-order list as its window shows it: the ten cells of each
      row separated by tabs (the last one the end, or "unbefristet" /
      "open-ended"), then "totals", the yearly income, expenses, difference
      and transfers of the orders that still run (present, active, not
      ended); KIND is the clicked column 1 to 9 and TEXT the clicked cell; KEY is execution, amount, payer, payee, beneficiary,
      category, subcategory or 0 to 6, as a click on that column's header;
      --pdf FILE writes the list and its totals as the window prints them
  order DIR [--today YYYYMMDD] --nr N [--day D | --weekday W | --dates MMDD,...]
            [--amount X] [--first YYYYMMDD] [--last YYYYMMDD | --open-ended]
            [--active 0|1] [--payer TEXT] [--payee TEXT] [--beneficiary TEXT]
            [--category TEXT] [--subcategory TEXT] [--comment TEXT] [--save]
  order DIR [--today YYYYMMDD] --new --payer TEXT --payee TEXT
            --beneficiary TEXT --category TEXT --subcategory TEXT --amount X
            [the cycle and date options above] [--save]
  order DIR [--today YYYYMMDD] --nr N --delete | --restore | --purge [--save]
      starts the program on that day (default: the system date), then stores
      the standing order number N as the entry window's "Dauerauftrag
      übernehmen" does (a new one with --new), executing it alone: a changed
      order books only days after its newest booking; or deletes, restores or
      deletes it for good as the standing-order list does. D is the day of the
      month 1 to 31, W the weekday 1 (Monday) to 7 (Sunday); the texts are
      rows of the entry window's lists. Prints the order as JSON, with
      "open_ended" true for an order without an end; an amount of 0 or a value
      that is no row changes nothing. --save writes as "Ende" does
  purge DIR [--today YYYYMMDD] --date YYYYMMDD --index I [--save]
      starts the program, then deletes for good the transaction of that date
      whose m_nIndex in its month is I (as "dump DIR --today YYYYMMDD" shows
      it), as the overview does; one not deleted yet is deleted first. Prints
      the transaction as JSON; --save writes as "Ende" does
  generate DIR --years N [--seed S] [--today YYYYMMDD] [--english] [--orders N]
      writes a synthetic household of N years up to today (default: the
      system date) into DIR, which must not hold a household yet; --orders
      gives it N standing orders in all instead of its own few
  compare DIR --today YYYYMMDD --years A B --months MA MB
          [--selection N [--item TEXT]] [--pdf FILE [--portrait | --landscape]]
      the analyses' comparison as one JSON object: the annual table of years
      A and B (twelve rows of income A, expenses A, income B, expenses B,
      difference A, difference B), the maximum (the amount of a full bar,
      taken from the whole family's two years), and the monthly sums of
      month MA of year A and month MB of year B per category, or per
      sub-category for a category's selection; no period passes today's month
      N is the selection: 0 all, 1 a family account, 2 an external account,
      3 a beneficiary (each named by --item, else the first one), 4 + k the
      k-th category of the settings; --pdf FILE writes both tables with
      their bars and the totals box as the analyses print them
  stats DIR --today YYYYMMDD
      times loading every month, a full listing, a sort by payer, ten years of
      standing orders, a save, and the recovery copy after one booking, and
      prints them as one JSON line
  backups DIR
      the backups "Ende" made in DIR/Sicherungen, newest first: folder, date
      and time, and the files it holds; a folder that is no whole backup
      (a save cut off while making it) is marked as incomplete
  forecast DIR --today YYYYMMDD [--until YYYYMMDD] [--account "MEMBER, ACCOUNT"]
      starts the program on that day without saving and prints every family
      account's balance forecast from the standing orders, from tomorrow to
      --until (default twelve months on): {"accounts": [...], "members": [...],
      "family": {...}}, each with today's, the month-end and year-end balance,
      the lowest balance and its date, the first date below zero (or null),
      the upcoming bookings with the running balance, and usual_per_day, the
      everyday bookings outside the orders per day over the last three whole
      months (an estimate, never part of the other figures); --account lists
      that account only
  import DIR FILE... [--account "MEMBER, ACCOUNT"] --today YYYYMMDD
                     [--tolerance DAYS] [--columns ROLE=N,...]
                     [--save [--force-unlock]]
      starts the program on that day, reads the bank statements (CAMT.053
      or the bank's CSV download) and prints the proposed bookings as
      {"proposals": [...], "pending": N}; --account names the family account
      of statements whose IBAN is not known yet; --columns names the columns
      of a CSV file whose header is not recognised (ROLE: date, amount,
      debit, credit, debitcredit, name, iban, purpose, ownIban; N from 1),
      remembered for its header row with --save; --save books the proposals
      that are no duplicates and have a category, and writes as "Ende" does
  rules DIR [--list | --add JSON | --delete N | --move N --to M] [--save]
      the import's rules in their order, as a JSON list of
      {"name_contains", "name_starts", "name_equals", "iban",
      "purpose_contains", "sign": "+"|"-"|"", "min", "max", "account",
      "beneficiary", "category", "subcategory", "comment"} (empty or null =
      not used); --add appends one, --delete and --move take the 0-based
      position; --save writes VLMImport.json
  rules DIR --test JSON [FILE...] [--today YYYYMMDD]
      what the rule would match: {"statement_lines": N, "bookings": [...]},
      the lines of the statement FILEs and the bookings of the book
  rules DIR --apply N [--pick I,...] [--today YYYYMMDD] [--save]
      the bookings rule N would change, {"changes": [{"before", "after"}],
      "applied": N}; --save changes them (--pick only those at positions I)
      as an edit does and writes as "Ende" does

A command that reads a book first completes a save that was cut off (when
no program has the book open). Texts are read and written as UTF-8. Exit
status: 0 done, 1 failed, 2 usage, 3 saved but no backup could be made.
)";
}

} // namespace velmora::cli

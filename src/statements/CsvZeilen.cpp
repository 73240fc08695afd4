#include "CsvZeilen.h"

#include <csv.h>

namespace velmora {

namespace {

int LeerOhneTab(unsigned char c)
{
    return c == CSV_SPACE;
}

int LeerMitTab(unsigned char c)
{
    return c == CSV_SPACE || c == CSV_TAB;
}

struct Sammler
{
    const std::function<bool(const CsvZeile&)>& weiter;
    CsvZeile aktuell;
    int nBeginn = 1;
    bool bBegonnen = false;
    bool bFertig = false;
};

void Feld(void* text, size_t laenge, void* daten)
{
    auto& s = *static_cast<Sammler*>(daten);
    if (!s.bBegonnen) {
        s.aktuell.nZeile = s.nBeginn;
        s.bBegonnen = true;
    }
    if (s.aktuell.felder.size() < kMeisteCsvFelder)
        s.aktuell.felder.emplace_back(static_cast<const char*>(text), laenge);
    else
        s.aktuell.bZuLang = true;
}

void Zeilenende(int, void* daten)
{
    auto& s = *static_cast<Sammler*>(daten);
    if (!s.bBegonnen)
        s.aktuell.nZeile = s.nBeginn;
    if (!s.bFertig)
        s.bFertig = !s.weiter(s.aktuell);
    s.aktuell.felder.clear();
    s.aktuell.bZuLang = false;
    s.bBegonnen = false;
}

} // namespace

void JedeCsvZeile(const std::string& text, char trenner, const std::function<bool(const CsvZeile&)>& zeile)
{
    csv_parser parser;
    csv_init(&parser, 0);
    csv_set_delim(&parser, static_cast<unsigned char>(trenner));
    csv_set_space_func(&parser, trenner == '\t' ? LeerOhneTab : LeerMitTab);
    Sammler sammler{zeile, {}, 1, false, false};
    int nummer = 1;
    size_t pos = 0;
    // Fed line by line so that each row knows the line it starts on.
    while (pos < text.size() && !sammler.bFertig) {
        size_t ende = text.find('\n', pos);
        ende = ende == std::string::npos ? text.size() : ende + 1;
        // A row begins on this line unless a quoted field runs on from the previous one.
        if (!sammler.bBegonnen && parser.pstate == 0)
            sammler.nBeginn = nummer;
        csv_parse(&parser, text.data() + pos, ende - pos, Feld, Zeilenende, &sammler);
        pos = ende;
        ++nummer;
    }
    if (!sammler.bFertig)
        csv_fini(&parser, Feld, Zeilenende, &sammler);
    csv_free(&parser);
}

std::vector<CsvZeile> CsvZeilen(const std::string& text, char trenner, size_t hoechstens)
{
    std::vector<CsvZeile> zeilen;
    JedeCsvZeile(text, trenner, [&zeilen, hoechstens](const CsvZeile& z) {
        zeilen.push_back(z);
        return zeilen.size() < hoechstens;
    });
    return zeilen;
}

} // namespace velmora

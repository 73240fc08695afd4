// Values a damaged settings file can carry unchecked: counts at the largest int and a first month far
// outside any book. Start-up and booking must neither overflow nor run off.

#include "Buchhaltung.h"
#include "Haushaltsbuch.h"
#include "Hilfen.h"

#include "Start.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

// Item 13 of the settings file, after the header, the two file names, the password and the colours.
void SetzeErstenMonat(const TempOrdner& ordner, int monat)
{
    std::string bytes = ordner.Lies("VLMBasic_D.ini");
    size_t pos = 32;
    for (int text = 0; text < 3; ++text) {
        int laenge = 0;
        std::memcpy(&laenge, bytes.data() + pos, 4);
        pos += 4 + static_cast<size_t>(laenge);
    }
    pos += 6 * 4;
    std::memcpy(bytes.data() + pos, &monat, 4);
    ordner.Schreibe("VLMBasic_D.ini", bytes);
}

TEST(BeschaedigteWerte, ZaehlerBleibenAmGroesstenWertUndErsterMonatImBuch)
{
    // A first month outside the book counts as today's. Catching up from the day after the last run reads
    // March too when the book reaches back that far, with the order's March booking in it.
    struct Fall
    {
        int nErsterMonat;
        int nErwartet;
        const char* szTage = "20090405 / 2";
    } const faelle[] = {{30000000, 200904},
                        {-5, 200904},
                        {189912, 200904},
                        {200905, 200904},
                        {200811, 200811, "20090305 20090405 / 3"}};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.nErsterMonat);
        TempOrdner ordner;
        LegeMuellerAn(ordner.Pfad());
        CBasis voll;
        StarteLauf(voll, ordner.Pfad(), 20090320);
        CPerson& anna = *voll.Familie()->m_arrPersonen[0];
        anna.m_nAnzahl = INT_MAX;
        anna.m_arrKonten[1]->m_nAnzahl = INT_MAX;
        voll.m_arrZielKonten[0]->m_nAnzahl = INT_MAX;
        NeueKategorie(voll, "Energie", INT_MAX);
        voll.m_arrDauerAuftraege[0]->m_strKategorie = "Energie";
        voll.m_nZaehler = INT_MAX;
        ASSERT_EQ(0, SpeichereAlles(voll));
        SetzeErstenMonat(ordner, fall.nErsterMonat);

        CBasis b;
        StarteLauf(b, ordner.Pfad(), 20090410);
        EXPECT_EQ(fall.nErwartet, b.m_nErsterMonat);
        Buche(b, {"Brot", "Anna, Giro", "Stadtwerke", 1.0, 20090410, {}, "Energie"});
        EXPECT_EQ(fall.szTage, AuftragsTage(b)) << "the April order ran";
        const CPerson& gelesen = *b.Familie()->m_arrPersonen[0];
        for (int anzahl : {gelesen.m_nAnzahl, gelesen.m_arrKonten[1]->m_nAnzahl, b.m_arrZielKonten[0]->m_nAnzahl,
                           b.m_arrKategorien[0]->m_nAnzahl, b.m_nZaehler})
            EXPECT_EQ(INT_MAX, anzahl);
    }
}

} // namespace
} // namespace velmora::test

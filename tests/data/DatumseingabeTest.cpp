#include "Datumseingabe.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

struct Fall
{
    const char* text;
    bool bDeutsch;
    int nErwartet;
};

TEST(Datumseingabe, LiestDieFormenDieMenschenTippen)
{
    constexpr int kHeute = 20260305;
    const Fall faelle[] = {
        {"5.3.2026", true, 20260305},
        {"05.03.2026", true, 20260305},
        {"5.3.26", true, 20260305},
        {"05032026", true, 20260305},
        {"050326", true, 20260305},
        {"28.03.2026", true, 20260328},
        {"15.2.2026", true, 20260215},
        {" 5. 3.2026", true, 20260305},
        {"5.3.", true, 20260305},
        {"5.3", true, 20260305},
        {"2026-03-05", true, 20260305},
        {"29.2.2024", true, 20240229},
        {"1.1.46", true, 20460101},
        {"1.1.47", true, 19470101},
        {"3/5/2026", false, 20260305},
        {"03/05/2026", false, 20260305},
        {"3/5/26", false, 20260305},
        {"03052026", false, 20260305},
        {" 3/ 5/2026", false, 20260305},
        {"12/31/2026", false, 20261231},
        // Refused: impossible days and months, slips and stray characters.
        {"31.02.2026", true, 0},
        {"29.2.2025", true, 0},
        {"5.13.2026", true, 0},
        {"0.3.2026", true, 0},
        {"5.3.3202", true, 0},
        {"5.3.202", true, 0},
        {"5..3.2026", true, 0},
        {"5.3.2026.1", true, 0},
        {"5", true, 0},
        {"", true, 0},
        {"5a.3.2026", true, 0},
        {"0503202", true, 0},
        {"31/12/2026", false, 0},
        {"123.3.2026", true, 0},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(LeseDatum(f.text, f.bDeutsch, kHeute), f.nErwartet) << '"' << f.text << '"';
}

} // namespace
} // namespace velmora::test

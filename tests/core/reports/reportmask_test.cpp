// The masks every report and report file lays its columns out with.
#include "reports/reportmask.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

TEST(ReportMasks, NumberMasks) {
    struct Case {
        double value;
        const char16_t* mask;
        const char* expected;
    };
    const Case cases[] = {
        {0, u"##", ""},                // "#" shows only significant digits
        {0, u"#0", "0"},               //
        {7, u"#0", "7"},               //
        {123, u"#0", "123"},           // digits beyond the places are all shown
        {7, u"-00", "-07"},            // "-" is a literal, "0" always shows
        {12, u"  (##) ", "  (12) "},   // literals stand where they are
        {0, u"  (##) ", "  () "},      //
        {0, u"## |", " |"},            //
        {5, u"#0 ", "5 "},             //
        {0, u"##.0", ".0"},            // the point is always shown
        {7.25, u"##.0", "7.3"},        // halves away from zero
        {0.625, u"##0.0%", "62.5%"},   // "%" multiplies by 100
        {1.0 / 80, u"##0.0%", "1.3%"}, // 1.25 held as 1.2499.. rounds as 1.25
        {2.0 / 3, u"##0.0%", "66.7%"}, //
        {0.6375, u"##0.0%", "63.8%"},  // 63.75 held as 63.7499..
        {0.6625, u"0.000", "0.663"},   // 0.6625 held as 0.66249..
        {0, u"##0.0%", "0.0%"},        //
        {2.5, u"#####0", "3"},         // halves away from zero
        {-2.5, u"#####0", "-3"},       //
        {-12.4, u"#####0", "-12"},     // a leading minus sign
        {-0.4, u"#####0", "0"},        // never "-0"
        {-7, u"    ##0", "-    7"},    // the sign leads the whole text
        {12, u"    ##0", "    12"},    //
        {2024, u"0", "2024"},          // the year
        {3, u"00", "03"},              //
        {12, u" 00 ", " 12 "},         //
        {34, u"  00    ", "  34    "}, //
        {0, u"###", ""},               //
        {1500, u"#####", "1500"},      //
        {99, u"####0|", "99|"},        //
        {7, u" #0", " 7"},             //
        {12345678, u"#####0", "12345678"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatNumber(c.value, c.mask), QString::fromLatin1(c.expected))
            << c.value << " under " << QString::fromUtf16(c.mask).toStdString();
    }
}

TEST(ReportMasks, TextMasks) {
    struct Case {
        const char* text;
        const char16_t* mask;
        const char* expected;
    };
    const Case cases[] = {
        {"7", u"@@@", "  7"},               // right-aligned
        {"Ann", u"!@@@@@@@@", "Ann     "},  // "!" left-aligns
        {"12", u"@@@@|", "  12|"},          // literals are copied
        {"", u"@@@", "   "},                //
        {"", u"!@@@@", "    "},             //
        {"12345", u"@@@", "12345"},         // a long text is written whole
        {"12345", u"@@@@|", "12345|"},      // and widens its column
        {"ABCDE", u"!@@@@|", "ABCDE|"},     //
        {"Bob", u"!@@@@|", "Bob |"},        //
        {"12", u"@@@     ", " 12     "},    //
        {"62.5%", u"@@@@@@  ", " 62.5%  "}, //
        {"7", u" @@ ", "  7 "},             //
        {"", u"@@@@@@@@", "        "},      //
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatText(QString::fromLatin1(c.text), c.mask), QString::fromLatin1(c.expected))
            << c.text << " under " << QString::fromUtf16(c.mask).toStdString();
    }
    // Both steps, as most cells use them.
    EXPECT_EQ(formatCell(7, u"##0", u"@@@"), QStringLiteral("  7"));
    EXPECT_EQ(formatCell(0, u"##", u"@@"), QStringLiteral("  "));
    EXPECT_EQ(blanks(3), QStringLiteral("   "));
    EXPECT_EQ(blanks(-2), QString());
}

} // namespace
} // namespace vek

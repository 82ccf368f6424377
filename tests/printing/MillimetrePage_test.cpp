#include "printing/MillimetrePage.h"
#include "support/RecordingPrinter.h"

#include <gtest/gtest.h>

namespace {

struct ScaleCase {
    int dpi, widthMm, heightMm;
    int left, right, top, firstRow; // Mh(0), Mh(190), Mv(0), Mv(15)
};

TEST(MillimetrePageTest, DotsPerMillimetreAreTruncated)
{
    // 600 dpi: 23.6 dots a millimetre are 23; 300 dpi: 11.8 are 11; 1200 dpi: 47.2 are 47.
    for (const ScaleCase c : {ScaleCase{600, 203, 290, 230, 4600, 115, 460}, ScaleCase{300, 203, 290, 110, 2200, 55, 220},
                              ScaleCase{1200, 200, 287, 470, 9400, 235, 940}}) {
        SCOPED_TRACE(c.dpi);
        RecordingPrinter printer(c.dpi, c.widthMm, c.heightMm);
        const printing::MillimetrePage page(printer);
        ASSERT_TRUE(page.usable());
        EXPECT_EQ(page.Mh(0), c.left);
        EXPECT_EQ(page.Mh(190), c.right);
        EXPECT_EQ(page.Mv(0), c.top);
        EXPECT_EQ(page.Mv(15), c.firstRow);
        EXPECT_EQ(page.heightMm(), c.heightMm);
    }
}

TEST(MillimetrePageTest, ADeviceWithoutPrintableAreaIsNotUsable)
{
    RecordingPrinter none(600, 0, 290);
    EXPECT_FALSE(printing::MillimetrePage(none).usable());
    RecordingPrinter flat(600, 203, 0);
    EXPECT_FALSE(printing::MillimetrePage(flat).usable());
}

} // namespace

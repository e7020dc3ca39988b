// DescrambleAsset when its buffer cannot be allocated (every allocation fails in this program).
#include <gtest/gtest.h>

#include "assets/DescrambleAsset.h"
#include "assets/EmbeddedAssets.h"

namespace {

TEST(DescrambleAssetWithoutMemory, ReturnsNullWithoutReadingSource) {
    // A null source would crash if it were read.
    EXPECT_EQ(DescrambleAsset(nullptr, 4096), nullptr);
    EXPECT_EQ(DescrambleAsset(kLogoAsset, kLogoAssetSize), nullptr);
}

}  // namespace

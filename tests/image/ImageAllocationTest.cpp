// How Image takes and gives back its pixel array, seen through a recording allocator.
#include <gtest/gtest.h>

#include "RecordingAllocator.h"
#include "image/Image.h"

namespace {

TEST(ImageAllocation, CreateGivesBackHeldArrayBeforeAllocatingAndInitialisesEveryPixel) {
    Image image;
    ASSERT_TRUE(image.Create(4, 4));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) image.SetPixel(x, y, FloatColor{0.5f, 0.25f, 0.75f, 0.0f});
    }
    FloatColor* const old = image.m_pixels;

    ClearAllocationLog();
    ASSERT_TRUE(image.Create(3, 5));
    const std::vector<AllocationEvent>& log = AllocationLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].kind, AllocationEvent::kFree);
    EXPECT_EQ(log[0].block, old);
    EXPECT_EQ(log[1].kind, AllocationEvent::kAllocate);
    EXPECT_EQ(log[1].size, 15 * sizeof(FloatColor));
    EXPECT_EQ(log[1].alignment, 16u);
    EXPECT_EQ(log[1].block, image.m_pixels);

    // New blocks come filled with a marker, so each pixel must have been written.
    for (int i = 0; i < 15; ++i) {
        const FloatColor& p = image.m_pixels[i];
        EXPECT_TRUE(p.r == 0.0f && p.g == 0.0f && p.b == 0.0f && p.a == 1.0f) << "pixel " << i;
    }
}

TEST(ImageAllocation, RefusedAllocationLeavesImageEmpty) {
    Image image;
    ASSERT_TRUE(image.Create(2, 2));
    SetRefuseAllocations(true);
    EXPECT_FALSE(image.Create(8, 8));
    SetRefuseAllocations(false);
    EXPECT_EQ(image.m_pixels, nullptr);
    EXPECT_EQ(image.m_width, 0);
    EXPECT_EQ(image.m_height, 0);
}

TEST(ImageAllocation, OversizedRequestIsRefusedWithoutAskingForMemory) {
    Image image;
    ClearAllocationLog();
    EXPECT_FALSE(image.Create(65535, 65535));
    EXPECT_TRUE(AllocationLog().empty());
}

TEST(ImageAllocation, ReleaseAndDestructorGiveBackTheArrayOnce) {
    FloatColor* block = nullptr;
    {
        Image image;
        ASSERT_TRUE(image.Create(2, 2));
        block = image.m_pixels;
        ClearAllocationLog();
        image.Release();
        image.Release();
        ASSERT_TRUE(image.Create(1, 1));
        block = image.m_pixels;
        ClearAllocationLog();
    }
    ASSERT_EQ(AllocationLog().size(), 1u);
    EXPECT_EQ(AllocationLog()[0].kind, AllocationEvent::kFree);
    EXPECT_EQ(AllocationLog()[0].block, block);
}

}  // namespace

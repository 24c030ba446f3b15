#include <gtest/gtest.h>

#include "batch/Catalogue.h"

TEST(Catalogue, HasTwentyTwoRows) { EXPECT_EQ(tarvic::ExtensionCatalogue().size(), 22u); }

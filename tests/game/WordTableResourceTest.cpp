#include "game/WordTableResource.h"

#include "tests/game/ShippedWordList.h"

#include <gtest/gtest.h>

// This executable carries the shipped table as its resource 1008, compiled from the source file.
TEST(LoadWordTable, ReadsTheWholeTableFromTheModuleResources)
{
    const MyGame::WordTable table = MyGame::LoadWordTable();
    ASSERT_EQ(table.size(), 488u);
    EXPECT_EQ(table.front(), "Sostantivi;Aggettivi;Verbi;Locuzioni varie");
    EXPECT_EQ(table.back(), "lago;;;");
    EXPECT_EQ(table, MyGame::SplitTableLines(ReadShippedWordList()));
}

#include "list/list_kind.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

TEST(ListKind, KnownNamesInAnyFolderAndCase)
{
    EXPECT_EQ(ListKindOf(""), ListKind::None);
    EXPECT_EQ(ListKindOf("INTERRUP.LST"), ListKind::Interrup);
    EXPECT_EQ(ListKindOf("/home/u/lists/ports.lst"), ListKind::Ports);
    EXPECT_EQ(ListKindOf("C:\\LISTS\\Memory.Lst"), ListKind::Memory);
    EXPECT_EQ(ListKindOf("BIBLIO.LST"), ListKind::Biblio);
    EXPECT_EQ(ListKindOf("I2C.LST"), ListKind::I2c);
    EXPECT_EQ(ListKindOf("INTERRUP.A"), ListKind::Other);
    EXPECT_EQ(ListKindOf("MYPORTS.LST"), ListKind::Other);
    EXPECT_EQ(ListKindOf("PORTS.LST.BAK"), ListKind::Other);
    EXPECT_EQ(ListKindOf("/lists/"), ListKind::None);
}

} // namespace
} // namespace zelt

#include "base/u_Document.h"

#include <gtest/gtest.h>

using TNames = std::vector<std::string>;

TEST(TRecentFilesTest, LatestFirstEachOnceWithinTheLimit)
{
    TRecentFiles recent;
    recent.SetLimit(3);
    for (const char* name : {"/a.rle", "/b.rle", "/a.rle", "/c.lif", "/d.plx"}) recent.Add(name);
    EXPECT_EQ(recent.Names(), (TNames{"/d.plx", "/c.lif", "/a.rle"}));
    // Names that are no files are never kept.
    recent.Add(kNonameFile);
    recent.Add(kClipboardFile);
    recent.Add("");
    EXPECT_EQ(recent.Names().size(), 3u);
    recent.SetLimit(1);
    EXPECT_EQ(recent.Names(), (TNames{"/d.plx"}));
    recent.SetLimit(31);
    EXPECT_EQ(recent.Limit(), TRecentFiles::kMaxLimit);
}

TEST(TRecentFilesTest, AssignKeepsTheStoredOrderAndDropsRepeats)
{
    TRecentFiles recent;
    recent.SetLimit(2);
    recent.Assign({"/x.rle", "/y.rle", "/x.rle", "/z.rle"});
    EXPECT_EQ(recent.Names(), (TNames{"/x.rle", "/y.rle"}));
    recent.Remove("/x.rle");
    EXPECT_EQ(recent.Names(), (TNames{"/y.rle"}));
}

TEST(TDocumentTest, TakingAFileNameSetsTheDialogFolderAndTheRecentList)
{
    TDocument document;
    document.TakeFileName("/home/me/patterns/gun.rle");
    EXPECT_EQ(document.FileName, "/home/me/patterns/gun.rle");
    EXPECT_EQ(document.LastDir, "/home/me/patterns/");
    EXPECT_EQ(document.Recent.Names(), (TNames{"/home/me/patterns/gun.rle"}));
    document.TakeFileName(kClipboardFile);
    EXPECT_EQ(document.FileName, kClipboardFile);
    EXPECT_EQ(document.LastDir, "/home/me/patterns/");
    EXPECT_EQ(document.Recent.Names().size(), 1u);
}

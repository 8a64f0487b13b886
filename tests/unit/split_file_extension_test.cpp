// The extension rule of the preview notification.
#include <gtest/gtest.h>

#include "file/split_file_extension.h"

namespace cz {
namespace {

TEST(SplitFileExtension, TakesOneToThreeCharactersAfterTheLastDot) {
    EXPECT_EQ(SplitFileExtension(u"C:\\Pictures\\photo.jpg"), u"jpg");
    EXPECT_EQ(SplitFileExtension(u"C:\\Pictures\\photo.bmp"), u"bmp");
    EXPECT_EQ(SplitFileExtension(u"archive.tar.gz"), u"gz");
    EXPECT_EQ(SplitFileExtension(u"a.c"), u"c");
    EXPECT_EQ(SplitFileExtension(u" report.txt "), u"txt") << "spaces at either end are ignored";
    EXPECT_EQ(SplitFileExtension(u"report.txt   "), u"txt");
}

TEST(SplitFileExtension, GivesNothingOtherwise) {
    EXPECT_EQ(SplitFileExtension(u"C:\\Pictures\\photo.jpeg"), u"") << "four characters";
    EXPECT_EQ(SplitFileExtension(u"C:\\Data.old\\readme"), u"") << "the last dot is followed by more than three";
    EXPECT_EQ(SplitFileExtension(u"C:\\Pictures\\photo."), u"") << "a name ending in a dot";
    EXPECT_EQ(SplitFileExtension(u".abc"), u"") << "nothing before the dot";
    EXPECT_EQ(SplitFileExtension(u"   .abc"), u"") << "leading spaces do not count as something before";
    EXPECT_EQ(SplitFileExtension(u"report"), u"");
    EXPECT_EQ(SplitFileExtension(u""), u"");
    EXPECT_EQ(SplitFileExtension(u"    "), u"");
    EXPECT_EQ(SplitFileExtension(u"photo.jp g"), u"") << "an inner space counts as a character";
}

}  // namespace
}  // namespace cz

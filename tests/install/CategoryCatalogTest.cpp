#include <gtest/gtest.h>

#include "install/CategoryCatalog.h"
#include "platform/inproc/MemoryFileSystem.h"

namespace {

TEST(CategoryCatalog, NamesRunFromC0009ToC1109) {
    EXPECT_EQ(CategoryCatalogName(0), "c0009.txt");
    EXPECT_EQ(CategoryCatalogName(1), "c0109.txt");
    EXPECT_EQ(CategoryCatalogName(11), "c1109.txt");
}

TEST(CategoryCatalog, FillsTheListWithOToExactly336BytesOrWritesNothing) {
    struct Case {
        std::size_t listLength;
        bool written;
    };
    for (const Case c :
         {Case{0, true}, Case{28, true}, Case{335, true}, Case{336, false}, Case{337, false}}) {
        MemoryFileSystem files;
        files.AddFolder("D:\\Pics");
        SetupState state;
        const std::string list(c.listLength, '7');
        ASSERT_TRUE(state.aszCategoryNames[3].Assign(list));

        const WriteResult result = WriteCategoryCatalog(state, {files, "D:\\Pics"}, 3);

        const auto file = files.Contents("D:\\Pics\\c0309.txt");
        EXPECT_EQ(file.has_value(), c.written) << c.listLength;
        EXPECT_EQ(result.status, c.written ? WriteStatus::Written : WriteStatus::Skipped);
        if (file) {
            EXPECT_EQ(*file, list + std::string(336 - c.listLength, 'o'));
        }
        EXPECT_EQ(state.aszCategoryNames[3].View(), list) << "the list stays as it was";
    }
}

}  // namespace

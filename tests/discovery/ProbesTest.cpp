#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "discovery/Probes.h"
#include "platform/inproc/MemoryFileSystem.h"
#include "platform/inproc/MemoryKeyStore.h"
#include "state/SetupState.h"
#include "tests/support/PathSpellings.h"

namespace {

constexpr std::string_view kKey = "Software\\Kordanex\\Velk 2";

class ReadRegistryStringTest : public testing::Test {
protected:
    MemoryKeyStore keys;
};

TEST_F(ReadRegistryStringTest, DeliversTheDataUpToTheFirstZeroByteWhateverTheType) {
    struct Case {
        const char* what;
        void (*stage)(MemoryKeyStore&);
        std::optional<std::string> text;  // empty: unreadable
    };
    static const Case cases[] = {
        {"string", [](MemoryKeyStore& k) { k.SetString(kKey, "V", "D:\\Games"); }, "D:\\Games"},
        {"empty string", [](MemoryKeyStore& k) { k.SetString(kKey, "V", ""); }, ""},
        {"no data at all", [](MemoryKeyStore& k) { k.SetValue(kKey, "V", ""); }, ""},
        {"DWORD 0", [](MemoryKeyStore& k) { k.SetDword(kKey, "V", 0); }, ""},
        {"DWORD 256", [](MemoryKeyStore& k) { k.SetDword(kKey, "V", 256); }, ""},
        {"DWORD 258", [](MemoryKeyStore& k) { k.SetDword(kKey, "V", 258); }, "\x02\x01"},
        {"DWORD 259", [](MemoryKeyStore& k) { k.SetDword(kKey, "V", 259); }, "\x03\x01"},
        {"binary with a zero inside",
         [](MemoryKeyStore& k) { k.SetValue(kKey, "V", std::string("ab\0cd", 5)); }, "ab"},
        {"1024 bytes without a zero, taken whole",
         [](MemoryKeyStore& k) { k.SetValue(kKey, "V", std::string(1024, 'x')); },
         std::string(1024, 'x')},
        {"1025 bytes", [](MemoryKeyStore& k) { k.SetValue(kKey, "V", std::string(1025, 'x')); },
         std::nullopt},
        {"1025 bytes, zero early",
         [](MemoryKeyStore& k) { k.SetValue(kKey, "V", "ab" + std::string(1023, '\0')); },
         std::nullopt},
        {"missing value", [](MemoryKeyStore& k) { k.SetString(kKey, "Other", "x"); }, std::nullopt},
        {"missing key", [](MemoryKeyStore& k) { k.AddKey("Software\\Kordanex"); }, std::nullopt},
        {"key refuses full access",
         [](MemoryKeyStore& k) {
             k.SetString(kKey, "V", "D:\\Games");
             k.RefuseFullAccess(kKey);
         },
         std::nullopt},
    };
    for (const Case& c : cases) {
        MemoryKeyStore store;
        c.stage(store);
        CharBuffer<1025> cell{"untouched"};
        EXPECT_EQ(ReadRegistryString(store, kKey, "V", cell), c.text.has_value()) << c.what;
        EXPECT_EQ(cell.View(), c.text.value_or("untouched")) << c.what;
        EXPECT_EQ(store.OpenKeyCount(), 0u) << c.what;
    }
}

TEST_F(ReadRegistryStringTest, NamesCompareWithoutCase) {
    keys.SetString(kKey, "CommandLine", "D:\\Velk.exe");
    PathBuffer path;
    EXPECT_TRUE(ReadRegistryString(keys, "SOFTWARE\\kordanex\\VELK 2", "commandline", path));
    EXPECT_EQ(path.View(), "D:\\Velk.exe");
}

TEST_F(ReadRegistryStringTest, ATextLongerThanItsDestinationIsUnreadableNotCut) {
    PathBuffer path{"untouched"};
    keys.SetString(kKey, "Fits", std::string(259, 'p'));
    keys.SetString(kKey, "TooLong", std::string(260, 'p'));
    EXPECT_FALSE(ReadRegistryString(keys, kKey, "TooLong", path));
    EXPECT_EQ(path.View(), "untouched");
    EXPECT_TRUE(ReadRegistryString(keys, kKey, "Fits", path));
    EXPECT_EQ(path.View(), std::string(259, 'p'));
}

TEST_F(ReadRegistryStringTest, CreatesNeitherAMissingKeyNorAMissingValue) {
    keys.AddKey("Software\\Kordanex");
    PathBuffer path;
    EXPECT_FALSE(ReadRegistryString(keys, kKey, "Directory", path));
    EXPECT_FALSE(ReadRegistryString(keys, "Software\\Kordanex", "Directory", path));
    EXPECT_FALSE(keys.HasKey(kKey));
    EXPECT_FALSE(keys.HasValue("Software\\Kordanex", "Directory"));
}

class ProbeFileTest : public testing::Test {
protected:
    ProbeFileTest() { files.AddFolder("D:\\Games"); }

    MemoryFileSystem files;
    std::string text = "untouched";
};

TEST_F(ProbeFileTest, IsTrueExactlyWhenAllBytesWantedCame) {
    struct Case {
        std::string contents;
        std::size_t count;
        bool probed;
        std::string text;  // after a true answer
    };
    const Case cases[] = {
        {"", 1, false, {}},       {"M", 1, true, "M"},
        {"MZ\x90", 1, true, "M"}, {"", 0, true, ""},
        {"MZ", 0, true, ""},      {"MZ", 2, true, "MZ"},
        {"MZ", 3, false, {}},     {std::string("\0Z", 2), 1, true, std::string(1, '\0')},
    };
    for (const Case& c : cases) {
        files.AddFile("D:\\Games\\Velk.exe", c.contents);
        std::string probedText = "before";
        EXPECT_EQ(ProbeFile(files, probedText, "D:\\Games\\Velk.exe", c.count), c.probed)
            << c.contents.size() << " bytes, " << c.count << " wanted";
        if (c.probed) {
            EXPECT_EQ(probedText, c.text);
        }
    }
}

TEST_F(ProbeFileTest, IsFalseWithTheTextUntouchedWhenTheFileDoesNotOpen) {
    files.AddFile("D:\\Games\\Held.exe", "MZ");
    files.HoldOpen("D:\\Games\\Held.exe");
    for (const std::string path :
         {"D:\\Games\\Missing.exe", "D:\\Games", "D:\\Games\\", "D:\\Games\\Held.exe"}) {
        EXPECT_FALSE(ProbeFile(files, text, path, 1)) << path;
        EXPECT_EQ(text, "untouched") << path;
    }
}

TEST_F(ProbeFileTest, FindsTheFileWhereWindowsFindsIt) {
    files.AddFile("D:\\Games\\Velk\\c0009.txt", "MZ");
    files.AddFolder("D:\\Games\\Velk\\Other");
    files.SetCurrentFolder("D:\\Games\\Velk");
    for (const PathSpelling& spelling : SpellingsOfAFileIn("D:\\Games\\Velk")) {
        std::string probed;
        EXPECT_EQ(ProbeFile(files, probed, spelling.path, 2), spelling.sameFile)
            << spelling.what << ": " << spelling.path;
        if (spelling.sameFile) {
            EXPECT_EQ(probed, "MZ") << spelling.what;
        }
    }
}

TEST_F(ProbeFileTest, RefusesAPathLongerThan259Characters) {
    const std::string fits = "D:\\" + std::string(256, 'f');
    files.AddFile(fits, "MZ");
    files.AddFile(fits + "g", "MZ");
    EXPECT_TRUE(ProbeFile(files, text, fits, 1));
    EXPECT_FALSE(ProbeFile(files, text, fits + "g", 1));
}

TEST_F(ProbeFileTest, AReadErrorAfterOpeningIsFalse) {
    files.AddFile("D:\\Games\\Velk.exe", "MZ");
    files.FailReadsOf("D:\\Games\\Velk.exe");
    EXPECT_FALSE(ProbeFile(files, text, "D:\\Games\\Velk.exe", 1));
}

TEST_F(ProbeFileTest, ClosesTheFileSoThatItCanBeOpenedAgain) {
    files.AddFile("D:\\Games\\Velk.exe", "MZ");
    ASSERT_TRUE(ProbeFile(files, text, "D:\\Games\\Velk.exe", 1));
    EXPECT_TRUE(files.Open("D:\\Games\\Velk.exe", OpenMode::ReadExisting));
    ASSERT_FALSE(ProbeFile(files, text, "D:\\Games\\Velk.exe", 5));
    EXPECT_TRUE(files.Open("D:\\Games\\Velk.exe", OpenMode::ReadExisting));
}

}  // namespace

// The whole discovery over random machines: key stores with long names, long
// and binary values and many subkeys, and folders with long paths, empty and
// locked files. Built with the address and undefined-behaviour sanitizers.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "discovery/GameDiscovery.h"
#include "discovery/InstallLocations.h"
#include "platform/inproc/MemoryDrives.h"
#include "platform/inproc/MemoryFileSystem.h"
#include "platform/inproc/MemoryKeyStore.h"

namespace {

constexpr unsigned kSeed = 20240611;
constexpr int kMachines = 3000;
constexpr std::string_view kMakerKey = "Software\\Kordanex";

// Remembers every opening, so that the checks can see what was probed.
class RecordingFileSystem : public FileSystem {
public:
    explicit RecordingFileSystem(MemoryFileSystem& files) : files_(files) {}

    std::unique_ptr<File> Open(std::string_view path, OpenMode mode) override {
        std::unique_ptr<File> file = files_.Open(path, mode);
        if (file) opened.emplace_back(path);
        return file;
    }

    std::vector<std::string> opened;

private:
    MemoryFileSystem& files_;
};

class RandomMachine {
public:
    explicit RandomMachine(std::mt19937& random) : random_(random) {
        if (Chance(95)) keys.AddKey(kMakerKey);
        // A crowded maker key must list past 48 names: few of its names end the listing.
        const bool crowded = Chance(10);
        longNamePercent_ = crowded ? 1 : 20;
        const int subkeys = crowded ? Between(45, 70) : Between(0, 6);
        for (int index = 0; index < subkeys; ++index) AddSubkey();
        if (Chance(80)) SetPathValue("Software\\Kordanex\\CommonFiles", "Pictures", {});
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            if (Chance(70)) AddDrive(letter);
        }
    }

    MemoryKeyStore keys;
    MemoryFileSystem files;
    MemoryDrives drives;

private:
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    int Between(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    char AnyByte() { return static_cast<char>(Between(1, 255)); }

    // Bytes that may stand in a key name: anything but zero and the backslash.
    std::string NameBytes(int length) {
        static constexpr std::string_view kLikely = "Velk 1.0123456789 abcAB-_";
        std::string bytes;
        while (int(bytes.size()) < length) {
            const char c = Chance(70) ? kLikely[Between(0, int(kLikely.size()) - 1)] : AnyByte();
            if (c != '\\') bytes += c;
        }
        return bytes;
    }

    std::string KeyName() {
        static constexpr std::string_view kStarts[] = {"Velk ", "Velk 1.1", "Velk 1.",
                                                       "velk ", "Velk",     ""};
        const std::string_view start = kStarts[Between(0, std::size(kStarts) - 1)];
        const int length = Chance(longNamePercent_) ? Between(40, 60) : Between(0, 8);
        std::string name = std::string(start) + NameBytes(std::max(0, length - int(start.size())));
        // Names compare without case, so equal ones would merge into one key.
        if (name.empty() || Chance(50)) name += std::to_string(serial_++);
        return name;
    }

    std::string Path() {
        std::string path;
        path += Chance(80) ? static_cast<char>(Between('A', 'F')) : AnyByte();
        path += ":";
        const int parts = Between(0, 5);
        for (int part = 0; part < parts; ++part) {
            path += Chance(5) ? "\\\\" : "\\";
            path += NameBytes(Chance(15) ? Between(40, 120) : Between(1, 12));
        }
        if (Chance(10)) path += "\\";
        return path;
    }

    // Raw data of any kind: binary, very long, or a DWORD.
    std::string Data() {
        switch (Between(0, 2)) {
            case 0: {
                std::string data(std::size_t(Between(0, 4)), '\0');
                for (char& c : data) c = static_cast<char>(Between(0, 255));
                return data;
            }
            case 1:
                return std::string(std::size_t(Between(250, 1100)), 'v') +
                       std::string(Between(0, 1), '\0');
            default:
                return std::string(std::size_t(Between(0, 3)), static_cast<char>(Between(0, 8)));
        }
    }

    void AddFile(const std::string& path) {
        const char first = Chance(50) ? static_cast<char>(Between('0', '9')) : AnyByte();
        files.AddFile(path, std::string(std::size_t(Between(0, 3)), first));
        if (Chance(5)) files.HoldOpen(path);
        if (Chance(5)) files.FailReadsOf(path);
    }

    // A path that often names a file, or raw data instead; nothing for a folder.
    void SetPathValue(std::string_view key, std::string_view name,
                      std::optional<std::string> path) {
        if (!path) path = Path();
        if (Chance(20)) {
            keys.SetValue(key, name, Data());
        } else {
            keys.SetString(key, name, *path);
        }
    }

    void AddSubkey() {
        const std::string key = std::string(kMakerKey) + "\\" + KeyName();
        keys.AddKey(key);
        if (Chance(10)) keys.RefuseDefaultValueQuery(key);
        if (Chance(10)) keys.RefuseFullAccess(key);
        const std::string folder = Path();
        const std::string executable =
            folder + (Chance(10) ? "" : "\\" + NameBytes(Between(1, 50)));
        if (Chance(70)) AddFile(executable);
        if (Chance(30)) AddFile(folder + "\\curlanguage.txt");
        if (Chance(85)) SetPathValue(key, "CommandLine", executable);
        if (Chance(85)) SetPathValue(key, "Directory", Chance(80) ? folder : Path());
        if (Chance(50)) keys.SetValue(key, "Lang", Data());
    }

    void AddDrive(char letter) {
        std::optional<DiskFreeSpace> space;
        auto any = [this] { return static_cast<std::uint32_t>(random_()); };
        if (Chance(80)) space = DiskFreeSpace{any() % 129, any() % 8193, any()};
        if (Chance(10)) space = DiskFreeSpace{any(), any(), any()};
        drives.AddDrive(Chance(20) ? static_cast<char>(letter + 32) : letter,
                        unsigned(Between(0, 8)), space);
    }

    std::mt19937& random_;
    int longNamePercent_ = 20;
    int serial_ = 0;
};

template <std::size_t Size>
bool Terminated(const CharBuffer<Size>& buffer) {
    return std::memchr(buffer.c_str(), '\0', Size) != nullptr;
}

// The CommandLine value as the key store holds it, read past the code under test.
std::string CommandLineOf(MemoryKeyStore& keys, std::string_view keyName) {
    const auto key = keys.Open(std::string(kMakerKey) + "\\" + std::string(keyName));
    std::array<std::byte, 1024> data{};
    std::size_t size = 0;
    if (!key || !key->QueryValue("CommandLine", data, size)) return "(unreadable)";
    const std::string_view text(reinterpret_cast<const char*>(data.data()), size);
    return std::string(text.substr(0, text.find('\0')));
}

void CheckFindings(RandomMachine& machine, const RecordingFileSystem& recorder,
                   const SetupState& state, bool found, int prepared) {
    EXPECT_TRUE(Terminated(state.szMakerKeyPath) && Terminated(state.szGameKeyPath) &&
                Terminated(state.szGameKeyName) && Terminated(state.szGameExeName) &&
                Terminated(state.szGameDirectory) && Terminated(state.szPicturesFolder));
    ASSERT_LE(state.nGameKeyCount, kGameKeySlots);
    for (std::size_t slot = 0; slot < kGameKeySlots; ++slot) {
        const std::string& name = state.astrGameKeys[slot];
        EXPECT_TRUE(slot < state.nGameKeyCount ? !name.empty() && name.size() < 50 : name.empty());
        EXPECT_EQ(name.find('\0'), std::string::npos);
    }
    EXPECT_GE(state.nLanguage, English);
    EXPECT_LE(state.nLanguage, Belarusian);
    EXPECT_EQ(machine.keys.OpenKeyCount(), 0u);
    for (const std::string& path : recorder.opened) {
        EXPECT_TRUE(machine.files.Open(path, OpenMode::ReadExisting)) << "left open: " << path;
    }
    EXPECT_EQ(prepared, found && state.bPicturesFolderKnown && state.bGameDirectoryKnown ? 1 : 0);

    if (!found) {
        EXPECT_TRUE(state.bPicturesFolderKnown && state.bGameDirectoryKnown &&
                    state.bGameExeReadable);
        EXPECT_EQ(state.strFreeSpace, "11111");
        EXPECT_EQ(state.nLanguage, English);
        EXPECT_EQ(state.szGameKeyName.View(), "");
        EXPECT_EQ(state.szGameExeName.View(), "\\Velk.exe");
        return;
    }
    const std::string_view name = state.szGameKeyName.View();
    EXPECT_TRUE(name.starts_with("Velk ") && name.substr(5, 3) != "1.1") << name;
    EXPECT_EQ(state.szGameKeyPath.View(), std::string(kMakerKey) + "\\" + std::string(name));
    const std::string commandLine = CommandLineOf(machine.keys, name);
    EXPECT_NE(std::ranges::find(recorder.opened, commandLine), recorder.opened.end())
        << "the executable of " << name << " was not probed";
    EXPECT_EQ(state.szGameExeName.View(), "\\" + ExtractFileName(commandLine));
    const std::string& space = state.strFreeSpace;
    EXPECT_TRUE(!space.empty() &&
                std::ranges::all_of(space, [](char c) { return c >= '0' && c <= '9'; }) &&
                (space == "0" || space.front() != '0'))
        << space;
}

TEST(RandomDiscoveryTest, ArbitraryMachinesKeepEveryBufferAndEveryRule) {
    std::mt19937 random(kSeed);
    int found = 0;
    int measured = 0;
    int languageChosen = 0;
    for (int index = 0; index < kMachines; ++index) {
        RandomMachine machine(random);
        RecordingFileSystem recorder(machine.files);
        SetupState state;
        int prepared = 0;
        const bool answer =
            RunDiscovery(state, {machine.keys, recorder, machine.drives}, [&] { ++prepared; });
        found += answer;
        measured += state.strFreeSpace != "11111" && state.strFreeSpace != "0";
        languageChosen += state.nLanguage != English;
        SCOPED_TRACE("machine " + std::to_string(index));
        CheckFindings(machine, recorder, state, answer, prepared);
        if (HasFailure()) break;
    }
    // The machines must reach the deep paths, not only the early refusals.
    EXPECT_GT(found, kMachines / 10);
    EXPECT_GT(measured, 0);
    EXPECT_GT(languageChosen, 0);
}

}  // namespace

// The user's own store on Windows: the registry key
// HKEY_CURRENT_USER\Software\Kelvox\Brimal, read and written with the
// registry's own calls. It touches the real key, so it runs only where
// BRIMAL_TEST_REGISTRY is set: windows.sh sets it in a Wine prefix of its own.
#include "settings/SettingsIO.h"
#include "settings/SettingsStore.h"

#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

const std::wstring StoreKey = L"Software\\Kelvox\\Brimal";

struct RawValue {
    DWORD type = REG_NONE;
    std::wstring text; // for REG_SZ
};

std::optional<RawValue> ReadRaw(const std::wstring& section, const std::wstring& name) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, (StoreKey + L"\\" + section).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return std::nullopt;
    RawValue value;
    wchar_t data[256] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    const LONG result = RegQueryValueExW(key, name.c_str(), nullptr, &value.type,
                                         reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return std::nullopt;
    if (value.type == REG_SZ) value.text = data;
    return value;
}

void WriteRaw(const std::wstring& section, const std::wstring& name, DWORD type, const void* data,
              DWORD size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (StoreKey + L"\\" + section).c_str(), 0, nullptr,
                              0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void WriteText(const std::wstring& section, const std::wstring& name, const std::wstring& text) {
    WriteRaw(section, name, REG_SZ, text.c_str(),
             static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

class RegistryStore : public testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("BRIMAL_TEST_REGISTRY"))
            GTEST_SKIP() << "touches the user's own settings; set BRIMAL_TEST_REGISTRY to run";
        RegDeleteTreeW(HKEY_CURRENT_USER, StoreKey.c_str());
    }
};

// The types of all values under the store's key, section by section.
std::vector<DWORD> ValueTypes() {
    std::vector<DWORD> types;
    HKEY store;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, StoreKey.c_str(), 0, KEY_READ, &store) != ERROR_SUCCESS)
        return types;
    wchar_t section[128];
    for (DWORD i = 0;; ++i) {
        DWORD sectionLength = 128;
        if (RegEnumKeyExW(store, i, section, &sectionLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        HKEY key;
        if (RegOpenKeyExW(store, section, 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
        wchar_t name[128];
        DWORD type = REG_NONE;
        for (DWORD j = 0;; ++j) {
            DWORD nameLength = 128;
            if (RegEnumValueW(key, j, name, &nameLength, nullptr, &type, nullptr, nullptr) !=
                ERROR_SUCCESS)
                break;
            types.push_back(type);
        }
        RegCloseKey(key);
    }
    RegCloseKey(store);
    return types;
}

TEST_F(RegistryStore, EveryValueOfTheRecordIsWrittenAsTextUnderItsSectionsSubkey) {
    SettingsStore store;
    EXPECT_EQ(store.FileName().toStdWString(), L"\\HKEY_CURRENT_USER\\Software\\Kelvox\\Brimal");
    TGameSettings settings;
    settings.WellWidth = 12;
    settings.ShowNext = false;
    ASSERT_TRUE(SaveSettings(store, settings));
    ASSERT_TRUE(SaveWindowPosition(store, {-40, 300}));

    const struct {
        const wchar_t* section;
        const wchar_t* name;
        const wchar_t* text;
    } expected[] = {
        {L"Setup", L"Top", L"-40"}, {L"Setup", L"Left", L"300"}, {L"Setup", L"SizeX", L"12"},
        {L"Game", L"Next", L"0"},   {L"Game", L"Color", L"1"},
    };
    for (const auto& e : expected) {
        const std::optional<RawValue> raw = ReadRaw(e.section, e.name);
        ASSERT_TRUE(raw) << e.name;
        EXPECT_EQ(raw->type, static_cast<DWORD>(REG_SZ)) << e.name;
        EXPECT_EQ(raw->text, e.text) << e.name;
    }
    // The 28 settings and the position, every one of them text.
    EXPECT_EQ(ValueTypes(), std::vector<DWORD>(30, REG_SZ));
}

TEST_F(RegistryStore, MissingNonNumericAndNonTextValuesReadAsTheDefault) {
    WriteText(L"Setup", L"Signed", L"-12");
    WriteText(L"Setup", L"Word", L"abc");
    WriteText(L"Setup", L"Empty", L"");
    WriteText(L"Setup", L"Blank", L" 5");
    const DWORD number = 5;
    WriteRaw(L"Setup", L"Dword", REG_DWORD, &number, sizeof number);

    const SettingsStore store;
    EXPECT_EQ(store.ReadInteger("Setup", "Signed", 7), -12);
    EXPECT_EQ(store.ReadInteger("Setup", "Word", 7), 7);
    EXPECT_EQ(store.ReadInteger("Setup", "Empty", 7), 7);
    EXPECT_EQ(store.ReadInteger("Setup", "Blank", 7), 7);
    EXPECT_EQ(store.ReadInteger("Setup", "Dword", 7), 7);
    EXPECT_EQ(store.ReadInteger("Setup", "Missing", 7), 7);
    EXPECT_EQ(store.ReadString("Setup", "Empty", "d"), "");
    EXPECT_EQ(store.ReadString("Setup", "Dword", "d"), "d");
    EXPECT_EQ(store.ReadString("Other", "Missing", "d"), "d");
    EXPECT_TRUE(store.ReadBool("Setup", "Signed", false));
}

} // namespace

// Writes the settings reader's seed corpus into the folder given as the only
// argument: a complete valid store file, and from it one file for each stored
// value at each of its edges, plus whole files that are malformed in the ways a
// hand edit or a broken disk makes them.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A literal with its NUL bytes kept.
template <size_t N> std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

struct Entry {
    std::string section;
    std::string ident;
    std::string value;
};

std::vector<Entry> ValidStore() {
    std::vector<Entry> entries = {
        {"Game", "Color", "1"},     {"Game", "Fall", "1"},        {"Game", "Level", "10"},
        {"Game", "Next", "1"},      {"Ratio", "Enabeled", "1"},   {"Setup", "Left", "397"},
        {"Setup", "SizeX", "8"},    {"Setup", "SizeY", "25"},     {"Setup", "Top", "160"},
        {"Setup", "WTime", "200"},  {"Sound", "1-3", "Standard"}, {"Sound", "4", "Standard"},
        {"Sound", "Enabeled", "1"}, {"Sound", "GND", "Standard"},
    };
    const char* keys[] = {"2", "0", "1", "3", "2", "2", "2", "1", "0"};
    for (int n = 1; n <= 9; ++n)
        entries.push_back({"Key", "Key" + std::to_string(n), keys[n - 1]});
    const char* ratios[] = {"15", "15", "14", "14", "14", "14", "14"};
    for (int n = 1; n <= 7; ++n)
        entries.push_back({"Ratio", "Block" + std::to_string(n), ratios[n - 1]});
    return entries;
}

std::string Text(const std::vector<Entry>& entries) {
    std::string text;
    std::string section;
    for (const Entry& e : entries) {
        if (e.section != section) {
            text += (text.empty() ? "[" : "\n[") + e.section + "]\n";
            section = e.section;
        }
        text += e.ident + "=" + e.value + "\n";
    }
    return text;
}

// Values at the edges of what a stored value may hold.
const std::vector<std::string> edgeValues = {
    "",
    "0",
    "-1",
    "1",
    "5",
    "6",
    "7",
    "10",
    "16",
    "17",
    "50",
    "51",
    "100",
    "1000",
    "1001",
    "+5",
    "007",
    "2147483647",
    "-2147483648",
    "2147483648",
    "-2147483649",
    "4294967296",
    "99999999999999999999",
    "yes",
    "a,b",
    "1,2",
    "\"quoted\"",
    "\" 7\"",
    "\"a,b\"",
    "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)",
    "@ByteArray(7)",
    "@Invalid()",
    "\\x41\\0",
    Bytes("\x01\xff\xfe\0x"),
    "/dev/null",
    "/",
    "/tmp",
    "standard",
};

// Whole files that no save would write.
const std::vector<std::string> oddFiles = {
    "",
    Bytes("\0"),
    "[Setup",
    "[]\nSizeX=4\n",
    "[Setup]]\nSizeX=4\n",
    "[Setup]\nSizeX=4\n[Setup]\nSizeX=60\n",
    "[Setup]\nSizeX\nSizeY=\n=5\n",
    "[Setup]\r\nSizeX=60\r\nSizeY=3\r\nWTime=5000\r\n",
    "\xef\xbb\xbf[Setup]\nSizeX=60\n",
    "[General]\nSetup/SizeX=60\n",
    "Setup/SizeY=100\n",
    "[Setup]\nSize%58=60\n[%53etup]\nSizeY=60\n",
    "[Setup]\nWTime=5000 \\\n 0\n",
    "[Ratio]\nEnabeled=1\nBlock1=2147483647\nBlock2=2147483647\nBlock3=2147483647\n"
    "Block4=2147483647\nBlock5=2147483647\nBlock6=2147483647\nBlock7=2147483647\n",
    "[Ratio]\nEnabeled=1\nBlock1=-2147483648\nBlock2=-2147483648\nBlock3=-2147483648\n"
    "Block4=-2147483648\nBlock5=-2147483648\nBlock6=-2147483648\nBlock7=-2147483648\n",
    "[Key]\nKey1=10\nKey2=-2147483648\nKey3=6\nKey4=5\nKey5=9\nKey6=2147483647\n",
    "[Game]\nFall=1\nLevel=2147483647\n[Setup]\nSizeX=50\nSizeY=50\nWTime=2147483647\n",
    "[Game]\nFall=1\nLevel=-1\n",
    "[Sound]\n1-3=\"/dev/null\"\n4=/proc/self/status\nGND=\n",
    "; comment\n# comment\n[Setup]\nSizeX=9 ; trailing\n",
    Bytes("[Setup]\nSizeX=1\0"
          "2\n"),
    std::string(4096, '['),
    std::string(300, '\xff'),
};

void Write(const std::string& folder, const std::string& name, const std::string& bytes) {
    std::ofstream file(folder + "/" + name, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        std::fprintf(stderr, "cannot write %s/%s\n", folder.c_str(), name.c_str());
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const std::vector<Entry> valid = ValidStore();
    Write(folder, "valid", Text(valid));

    std::vector<Entry> dialogEdges = valid;
    for (Entry& e : dialogEdges) {
        if (e.ident == "SizeX" || e.ident == "SizeY") e.value = "50";
        if (e.ident == "WTime") e.value = "1000";
        if (e.ident == "Level") e.value = "100";
        if (e.ident.rfind("Key", 0) == 0) e.value = "4";
        if (e.ident.rfind("Block", 0) == 0) e.value = e.ident == "Block1" ? "100" : "0";
    }
    Write(folder, "valid-largest", Text(dialogEdges));

    for (size_t i = 0; i < valid.size(); ++i) {
        for (size_t v = 0; v < edgeValues.size(); ++v) {
            std::vector<Entry> entries = valid;
            entries[i].value = edgeValues[v];
            Write(folder,
                  "edge-" + valid[i].section + "-" + valid[i].ident + "-" + std::to_string(v),
                  Text(entries));
        }
    }
    for (size_t f = 0; f < oddFiles.size(); ++f)
        Write(folder, "odd-" + std::to_string(f), oddFiles[f]);
    return 0;
}

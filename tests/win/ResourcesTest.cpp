// Setup.exe's own resources, read from this test program, which is built with
// the same resource script: the wizard's template, artwork and manifest.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string Bytes(LPCSTR type, LPCSTR name) {
    HRSRC found = ::FindResourceA(nullptr, name, type);
    if (!found)
        return std::string();
    HGLOBAL loaded = ::LoadResource(nullptr, found);
    return std::string(static_cast<const char*>(::LockResource(loaded)),
                       ::SizeofResource(nullptr, found));
}

// Reads the little-endian fields of a DLGTEMPLATEEX in order.
class TemplateReader {
  public:
    explicit TemplateReader(std::string data) : data_(std::move(data)) {}
    WORD Word() {
        WORD w = 0;
        if (pos_ + 2 <= data_.size())
            std::memcpy(&w, data_.data() + pos_, 2);
        pos_ += 2;
        return w;
    }
    DWORD Dword() {
        DWORD low = Word();
        return low | DWORD(Word()) << 16;
    }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() { return pos_ < data_.size() ? BYTE(data_[pos_++]) : 0; }
    std::string String() {
        std::string s;
        for (WORD c = Word(); c != 0 && pos_ <= data_.size(); c = Word())
            s += c < 0x80 ? char(c) : '?';
        return s;
    }
    // A name or ordinal field; an ordinal reads as "#<number>".
    std::string NameOrOrdinal() {
        WORD first = Word();
        if (first == 0)
            return std::string();
        if (first == 0xFFFF)
            return "#" + std::to_string(Word());
        pos_ -= 2;
        return String();
    }
    void AlignDword() { pos_ = (pos_ + 3) & ~size_t(3); }
    bool Ok() const { return pos_ <= data_.size(); }

  private:
    std::string data_;
    size_t pos_ = 0;
};

struct Item {
    DWORD id;
    std::string cls, text;
    short x, y, cx, cy;
    DWORD style;
};

TEST(Resources, WizardTemplateMatchesItsTable) {
    TemplateReader r(Bytes(RT_DIALOG, MAKEINTRESOURCEA(102)));
    ASSERT_EQ(r.Word(), 1);      // version
    ASSERT_EQ(r.Word(), 0xFFFF); // extended template
    r.Dword();                   // help id
    DWORD exStyle = r.Dword();
    DWORD style = r.Dword();
    WORD count = r.Word();
    short x = r.Short(), y = r.Short(), cx = r.Short(), cy = r.Short();
    EXPECT_EQ(r.NameOrOrdinal(), ""); // no menu
    EXPECT_EQ(r.NameOrOrdinal(), ""); // the standard dialog class
    EXPECT_EQ(r.String(), "Snapharbor Setup");
    EXPECT_EQ(r.Word(), 8); // points
    r.Word();               // weight
    r.Byte();               // italic
    r.Byte();               // character set
    EXPECT_EQ(r.String(), "MS Shell Dlg");
    EXPECT_EQ((x + 0) | (y + 0), 0);
    EXPECT_EQ(cx, 320);
    EXPECT_EQ(cy, 191);
    const DWORD frame = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(style & frame, frame);
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);

    std::vector<Item> items;
    for (WORD i = 0; i < count; ++i) {
        r.AlignDword();
        Item it;
        r.Dword(); // help id
        r.Dword(); // extended style
        it.style = r.Dword();
        it.x = r.Short();
        it.y = r.Short();
        it.cx = r.Short();
        it.cy = r.Short();
        it.id = r.Dword();
        it.cls = r.NameOrOrdinal();
        it.text = r.NameOrOrdinal();
        WORD extra = r.Word();
        for (WORD b = 0; b < extra; ++b)
            r.Byte();
        items.push_back(it);
    }
    ASSERT_TRUE(r.Ok());

    // A class is stored as an ordinal or as a name; both read the same here.
    auto normal = [](std::string cls) {
        if (cls == "#128")
            return std::string("BUTTON");
        if (cls == "#129")
            return std::string("EDIT");
        if (cls == "#130")
            return std::string("STATIC");
        for (char& c : cls)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        return cls;
    };
    const std::string button = "BUTTON", edit = "EDIT", stat = "STATIC";
    struct Expected {
        DWORD id;
        std::string cls, text;
        short x, y, cx, cy;
        DWORD mask, bits; // style bits that must match under mask
    } expected[] = {
        {1, button, "Next", 199, 169, 55, 16, 0xF | WS_TABSTOP | WS_VISIBLE,
         BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE},
        {2, button, "Cancel", 259, 169, 55, 16, 0xF | WS_TABSTOP | WS_VISIBLE,
         BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE},
        {0xFFFFFFFF, stat, "#129", 0, 0, 109, 192, SS_TYPEMASK | WS_VISIBLE,
         SS_BITMAP | WS_VISIBLE},
        {1002, "MSCTLS_PROGRESS32", "", 116, 88, 198, 12, WS_VISIBLE, 0},
        {1003, stat, "Snapharbor is ready to install. Click 'Next' to proceed.", 116, 75, 198, 8,
         SS_TYPEMASK | SS_ELLIPSISMASK | WS_VISIBLE, SS_LEFT | SS_ENDELLIPSIS | WS_VISIBLE},
        {1008, stat, "Preparing installation", 116, 47, 198, 22, SS_TYPEMASK | WS_VISIBLE,
         SS_LEFT | WS_VISIBLE},
        {1009, stat, "", 116, 111, 198, 8, SS_TYPEMASK | SS_ELLIPSISMASK | WS_VISIBLE,
         SS_LEFT | SS_ENDELLIPSIS | WS_VISIBLE},
        {1010, stat, "", 116, 125, 198, 8, SS_TYPEMASK | SS_ELLIPSISMASK | WS_VISIBLE,
         SS_LEFT | SS_PATHELLIPSIS | WS_VISIBLE},
        {1012, button, "Yes, I have read the agreement and want to continue", 118, 142, 196, 10,
         0xF | WS_GROUP | WS_TABSTOP | WS_VISIBLE, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
        {1013, button, "No, I do not want to install the Microsoft .Net Framework", 118, 155, 196,
         10, 0xF | WS_GROUP | WS_TABSTOP | WS_VISIBLE, BS_AUTORADIOBUTTON | WS_TABSTOP},
        {1014, edit, "", 115, 27, 199, 109,
         ES_MULTILINE | ES_READONLY | WS_BORDER | WS_VSCROLL | WS_VISIBLE,
         ES_MULTILINE | ES_READONLY | WS_BORDER | WS_VSCROLL},
        {1015, stat,
         "You must accept the Microsoft .Net Framework End User Licence Agreement before "
         "continuing :",
         118, 8, 196, 18, SS_TYPEMASK | WS_VISIBLE, SS_LEFT},
    };
    ASSERT_EQ(items.size(), std::size(expected));
    for (size_t i = 0; i < items.size(); ++i) {
        const Item& it = items[i];
        const Expected& e = expected[i];
        SCOPED_TRACE("control " + std::to_string(e.id));
        EXPECT_EQ(it.id, e.id);
        EXPECT_EQ(normal(it.cls), e.cls);
        EXPECT_EQ(it.text, e.text);
        EXPECT_EQ(it.x, e.x);
        EXPECT_EQ(it.y, e.y);
        EXPECT_EQ(it.cx, e.cx);
        EXPECT_EQ(it.cy, e.cy);
        EXPECT_EQ(it.style & e.mask, e.bits);
        EXPECT_TRUE(it.style & WS_CHILD);
    }
}

TEST(Resources, ArtworkHasItsSizes) {
    std::string bitmap = Bytes(RT_BITMAP, MAKEINTRESOURCEA(129));
    ASSERT_GE(bitmap.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    std::memcpy(&header, bitmap.data(), sizeof header);
    EXPECT_EQ(header.biWidth, 164);
    EXPECT_EQ(std::abs(header.biHeight), 312);
    EXPECT_EQ(header.biBitCount, 24);

    // The icon group: a 6-byte header, then 14-byte entries starting with width and height.
    std::string group = Bytes(RT_GROUP_ICON, MAKEINTRESOURCEA(128));
    ASSERT_GE(group.size(), 6u);
    WORD count = BYTE(group[4]) | BYTE(group[5]) << 8;
    ASSERT_EQ(group.size(), 6u + 14u * count);
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        int width = BYTE(group[6 + 14 * i]), height = BYTE(group[7 + 14 * i]);
        EXPECT_EQ(width, height);
        sizes.push_back(width);
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));
}

TEST(Resources, ManifestAsksForThemesAdministratorAndDpiAwareness) {
    std::string manifest = Bytes(RT_MANIFEST, MAKEINTRESOURCEA(1));
    for (const char* part : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"",
                             "level=\"requireAdministrator\"", "<dpiAware", "supportedOS"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
}

} // namespace

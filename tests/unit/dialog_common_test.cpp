// What the five dialog classes share: creation defaults and the owner-window rule.
#include <gtest/gtest.h>

#include "colour/colour_dialog.h"
#include "fakes.h"
#include "file/file_dialog.h"
#include "folder/bff.h"
#include "font/font_dialog.h"
#include "frame/errors.h"
#include "print/print_dialog.h"

namespace cz {
namespace {

using test::Fixture;

TEST(CreationDefaults, FolderBrowser) {
    Fixture f;
    clsZqPickerBFFA o{f.sim};
    EXPECT_EQ(o.Flags(), 69);
    EXPECT_EQ(o.HWndOwner(), 0);
    EXPECT_EQ(o.InitialPath(), u"");
    EXPECT_EQ(o.DialogTitle(), u"");
    EXPECT_EQ(o.SelectedPath(), u"");
}

TEST(CreationDefaults, Colour) {
    Fixture f;
    clsZqPickerColorDialogA o{f.sim};
    EXPECT_EQ(o.Flags(), 0);
    EXPECT_EQ(o.HWndOwner(), 0);
    EXPECT_EQ(o.InitialColour(), 0);
    EXPECT_EQ(o.SelectedColour(), -1);
}

TEST(CreationDefaults, File) {
    Fixture f;
    clsZqPickerFileOpenSaveA o{f.sim};
    EXPECT_EQ(o.Flags(), 2621440);
    EXPECT_EQ(o.DefaultFilter(), 1);
    EXPECT_EQ(o.MaxFileSize(), 1024);
    EXPECT_EQ(o.FileCount(), 0);
    EXPECT_EQ(o.CenterDialog(), False);
    EXPECT_EQ(o.ShowPreview(), False);
    EXPECT_EQ(o.hInst(), 0);
    EXPECT_EQ(o.HWndOwner(), 0);
    for (const String& s : {o.DefaultExt(), o.DialogTitle(), o.FileName(), o.FileTitle(), o.Filter(),
                            o.InitialDir(), o.SelectedPath()})
        EXPECT_EQ(s, u"");
    EXPECT_EQ(o.BuddyObject(), nullptr);
}

TEST(CreationDefaults, Font) {
    Fixture f;
    clsZqPickerFontDialogA o{f.sim};
    EXPECT_EQ(o.Flags(), 0);
    EXPECT_EQ(o.FontType(), 0);
    EXPECT_EQ(o.Max(), 0);
    EXPECT_EQ(o.Min(), 0);
    EXPECT_EQ(o.Style(), 0);
    EXPECT_EQ(o.Colour(), 0);
    EXPECT_EQ(o.HWndOwner(), 0);
    EXPECT_EQ(o.Font(), nullptr);
}

TEST(CreationDefaults, Print) {
    Fixture f;
    clsZqPickerPrintDialogA o{f.sim};
    EXPECT_EQ(o.Copies(), 1);
    EXPECT_EQ(o.Flags(), 0);
    EXPECT_EQ(o.FromPage(), 0);
    EXPECT_EQ(o.HWndOwner(), 0);
    EXPECT_EQ(o.Max(), -1);
    EXPECT_EQ(o.Min(), 1);
    EXPECT_EQ(o.PrintRange(), 0);
    EXPECT_EQ(o.ToPage(), 0);
    EXPECT_EQ(o.HDC(), 0);
}

TEST(CreationDefaults, TouchNoPlatform) {
    Fixture f;
    clsZqPickerBFFA a{f.sim};
    clsZqPickerColorDialogA b{f.sim};
    clsZqPickerFileOpenSaveA c{f.sim};
    clsZqPickerFontDialogA d{f.sim};
    clsZqPickerPrintDialogA e{f.sim};
    EXPECT_TRUE(f.sim.calls().empty());
}

// One dialog class seen through its owner property.
struct OwnerCase {
    const char* name;
    std::int32_t code;
    const char16_t* source;
    std::function<void(Platform&, std::function<void(std::function<void(std::int32_t)>, std::function<std::int32_t()>)>)> with;
};

template <class C>
OwnerCase ownerCase(const char* name, std::int32_t code, const char16_t* source) {
    return {name, code, source, [](Platform& p, auto body) {
                C object{p};
                body([&](std::int32_t v) { object.HWndOwner(v); }, [&] { return object.HWndOwner(); });
            }};
}

void PrintTo(const OwnerCase& c, std::ostream* os) { *os << c.name; }

class OwnerRule : public ::testing::TestWithParam<OwnerCase> {};

TEST_P(OwnerRule, ZeroAndNegativeAreStoredWithoutAskingTheSystem) {
    Fixture f;
    GetParam().with(f.sim, [&](auto put, auto get) {
        for (std::int32_t v : {-1, 0, -2147483647 - 1, -5}) {
            put(v);
            EXPECT_EQ(get(), v);
        }
    });
    EXPECT_EQ(f.sim.count("IsWindow"), 0);
}

TEST_P(OwnerRule, AnExistingWindowIsStored) {
    Fixture f;
    f.sim.addWindow(0x10042);
    GetParam().with(f.sim, [&](auto put, auto get) {
        put(0x10042);
        EXPECT_EQ(get(), 0x10042);
    });
    EXPECT_EQ(f.sim.count("IsWindow"), 1);
}

TEST_P(OwnerRule, APositiveNonWindowRaisesTheClassCodeAndKeepsTheOldValue) {
    Fixture f;
    f.sim.addWindow(0x10042);
    GetParam().with(f.sim, [&](auto put, auto get) {
        put(0x10042);
        f.sim.removeWindow(0x10042);  // destroyed since
        try {
            put(0x10042);
            ADD_FAILURE() << "no error for a destroyed window";
        } catch (const Raised& r) {
            EXPECT_EQ(r.info().number, GetParam().code);
            EXPECT_EQ(r.info().source, GetParam().source);
            EXPECT_EQ(r.info().description, u"Invalid window handle");
        }
        put(-1);
        try {
            put(77);
            ADD_FAILURE() << "no error for a made-up handle";
        } catch (const Raised&) {
        }
        EXPECT_EQ(get(), -1);
    });
    EXPECT_TRUE(f.reportCalls().empty()) << "a raised code is not reported";
}

INSTANTIATE_TEST_SUITE_P(
    AllDialogs, OwnerRule,
    ::testing::Values(
        ownerCase<clsZqPickerBFFA>("BFF", -2147204442, u"Chooser10.czPickerBrowseForFolder"),
        ownerCase<clsZqPickerColorDialogA>("Colour", -2147204383, u"Chooser10.czPickerColorDialog"),
        ownerCase<clsZqPickerFileOpenSaveA>("File", -2147204043, u"Chooser10.clsPickerFileOpenSaveA"),
        ownerCase<clsZqPickerFontDialogA>("Font", -2147203983, u"Chooser10.czPickerFontDialog"),
        ownerCase<clsZqPickerPrintDialogA>("Print", -2147203563, u"Chooser10.czPickerPrintDialog")),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoredValues, AreReturnedUnchanged) {
    Fixture f;
    clsZqPickerFileOpenSaveA file{f.sim};
    file.Flags(eFileOpenSaveFlag_NoReadOnlyReturn);
    EXPECT_EQ(file.Flags(), 32768);
    file.MaxFileSize(10);
    EXPECT_EQ(file.MaxFileSize(), 10);
    EXPECT_EQ(file.FarProc(-123), -123);
    EXPECT_EQ(file.FarProc(0), 0);
    file.DialogTitle(u"  spaced  ");
    EXPECT_EQ(file.DialogTitle(), u"  spaced  ");

    clsZqPickerFontDialogA font{f.sim};
    auto fontObject = std::make_shared<test::RecordingObject>();
    font.Font(fontObject);
    EXPECT_EQ(font.Font(), fontObject) << "the same object, not a copy";
    font.Min(20);
    font.Max(10);
    EXPECT_EQ(font.Min(), 20);
    EXPECT_EQ(font.Max(), 10);
    font.Flags(eFontFlag_WYSIWYG);
    EXPECT_EQ(font.Flags(), 32768);

    clsZqPickerBFFA bff{f.sim};
    bff.Flags(eBrowseForFolderFlag_UseNewUI);
    EXPECT_EQ(bff.Flags(), 64);
}

}  // namespace
}  // namespace cz

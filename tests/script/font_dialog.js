// The font dialog from JScript, shown for real and answered by the pilot: the font object a first Show
// makes comes back from Font with the user's choice; Init with an owner that is no window raises after
// taking the font and the title, and the next dialog shows that title.
//
// pilot: font DejaVu Sans 9 bold, cancel
// expect-dialog: 1 caption="Font" centred
// expect-dialog: 2 caption="From JScript" centred

var d = new ActiveXObject("Chooser10.clsZqPickerFontDialogA");

function realisedSize(face, size, bold) {
    var reference = new ActiveXObject("StdFont");
    reference.Name = face;
    reference.Bold = bold;
    reference.Size = size;
    return reference.Size;
}

group("a first Show with no font set", function () {
    checkEqual(d.Font, null, "Font before Show");
    checkEqual(d.Show(), true, "Show after OK");
    var f = d.Font;
    check(f !== null, "Font holds the font Show made");
    checkEqual(f.Name, "DejaVu Sans", "Name");
    checkEqual(f.Size, realisedSize("DejaVu Sans", 9, true), "Size of 9 points");
    checkEqual(f.Bold, true, "Bold");
    checkEqual(f.Italic, false, "Italic");
    checkEqual(d.Flags, 73, "Flags");
});

group("Init with an owner that is no window", function () {
    var other = new ActiveXObject("StdFont");
    other.Name = "DejaVu Serif";
    var e = caught(function () { d.Init(other, "From JScript", 0x7FFE1234, 1); });
    check(e !== null, "Init raised");
    if (e !== null) {
        checkEqual(e.number, -2147203983, "number");
        checkEqual(e.description, "Invalid window handle", "description");
    }
    checkEqual(d.DialogTitle, "From JScript", "the title took effect");
    checkEqual(d.Font.Name, "DejaVu Serif", "the font took effect");
    checkEqual(d.HWndOwner, 0, "the owner did not");
    checkEqual(d.Flags, 73, "nor did the flags");
    checkEqual(d.Show(), false, "Show after Cancel");
    checkEqual(other.Name, "DejaVu Serif", "a cancel leaves the font");
});

summary();

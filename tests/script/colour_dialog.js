// The colour dialog from JScript, shown for real and answered by the pilot: Show gives a JScript boolean,
// SelectedColour a number, and the caption and centring come from the shared values.
//
// pilot: colour 200 100 50, cancel, ok
// expect-dialog: 1 caption="Colour" centred
// expect-dialog: 2 caption="From JScript" centred
// expect-dialog: 3 caption="From JScript" not-centred

var o = new ActiveXObject("Chooser10.clsZqPickerColorDialogA");

group("a new object, answered with a colour", function () {
    checkEqual(o.SelectedColour, -1, "SelectedColour before any Show");
    checkEqual(o.Show(), true, "Show after the colour 200, 100, 50 was chosen");
    checkEqual(o.SelectedColour, 0x3264C8, "SelectedColour is 0x00BBGGRR of red 200, green 100, blue 50");
    checkEqual(o.Flags, 0x11, "Flags with CC_RGBINIT and CC_ENABLEHOOK added");
});

group("cancelled, with a title of its own", function () {
    o.DialogTitle = "From JScript";
    checkEqual(o.Show(), false, "Show after Cancel");
    checkEqual(o.SelectedColour, -1, "SelectedColour goes back to -1");
    checkEqual(o.DialogTitle, "From JScript", "DialogTitle");
});

group("not centred", function () {
    o.InitialColour = 0x00FF00;
    o.CenterDialog = false;
    var other = new ActiveXObject("Chooser10.clsZqPickerColorDialogA");
    // Creating an object resets the shared values: set them again, through the new object.
    checkEqual(o.DialogTitle, "Colour", "DialogTitle after a new object");
    checkEqual(o.CenterDialog, true, "CenterDialog after a new object");
    other.DialogTitle = "From JScript";
    other.CenterDialog = false;
    checkEqual(o.Show(), true, "Show after OK");
    checkEqual(o.SelectedColour, 0x00FF00, "SelectedColour: the preselected green");
    checkEqual(other.SelectedColour, -1, "the other object's SelectedColour");
});

summary();

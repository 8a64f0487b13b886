// The owner-window rule of the five dialog classes from JScript: the error a JScript program catches
// for a positive handle that names no window (number and description; JScript's error object has no
// source), the old value kept, and 0 and negative handles taken as they are.

var kNotAWindow = 0x7FFE1234;  // a positive number that is no window handle of this process

var classes = [
    ["clsZqPickerBFFA", -2147204442],
    ["clsZqPickerColorDialogA", -2147204383],
    ["clsZqPickerFileOpenSaveA", -2147204043],
    ["clsZqPickerFontDialogA", -2147203983],
    ["clsZqPickerPrintDialogA", -2147203563]
];

for (var i = 0; i < classes.length; i++) {
    var name = classes[i][0], number = classes[i][1];
    group(name, function () {
        var o = new ActiveXObject("Chooser10." + name);
        checkEqual(o.HWndOwner, 0, "a new object has no owner");
        checkEqual(caught(function () { o.HWndOwner = -1; }), null, "HWndOwner = -1 raises nothing");
        checkEqual(o.HWndOwner, -1, "HWndOwner after -1");

        var e = caught(function () { o.HWndOwner = kNotAWindow; });
        check(e !== null, "HWndOwner = a number that is no window raises an error");
        if (e !== null) {
            checkEqual(e.number, number, "error number");
            checkEqual(e.description, "Invalid window handle", "error description");
            checkEqual(e.message, "Invalid window handle", "error message");
            // JScript's error objects carry no source: the raising object's source does not reach them.
            checkEqual(typeof e.source, "undefined", "no source property");
        }
        checkEqual(o.HWndOwner, -1, "the old value stays");

        checkEqual(caught(function () { o.HWndOwner = "-12"; }), null, "a string holding a negative number");
        checkEqual(o.HWndOwner, -12, "HWndOwner after \"-12\"");
        checkEqual(caught(function () { o.HWndOwner = 0; }), null, "HWndOwner = 0 raises nothing");
        checkEqual(o.HWndOwner, 0, "HWndOwner after 0");
    });
}

summary();

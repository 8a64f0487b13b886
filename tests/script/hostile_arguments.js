// Numbers JScript holds that no integer can: NaN and the infinities stored into a Long, an enumeration
// and a 16-bit property are an overflow (the automation layer would round NaN to 2147483647 or -1); the
// stored value stays and the script goes on.

var kOverflow = -2147352566;  // DISP_E_OVERFLOW, as JScript reports it

group("NaN and infinities into a Long", function () {
    var c = new ActiveXObject("Chooser10.clsZqPickerColorDialogA");
    c.InitialColour = 77;
    var values = [NaN, Infinity, -Infinity, 0 / 0];
    for (var i = 0; i < values.length; i++) {
        var e = caught(function () { c.InitialColour = values[i]; });
        check(e !== null, "InitialColour = " + values[i] + " raises an error");
        if (e !== null) checkEqual(e.number, kOverflow, "error number for " + values[i]);
        checkEqual(c.InitialColour, 77, "InitialColour after " + values[i]);
    }
    var e2 = caught(function () { c.HWndOwner = NaN; });
    check(e2 !== null, "HWndOwner = NaN raises an error");
    checkEqual(c.HWndOwner, 0, "HWndOwner after NaN");
});

group("NaN into an enumeration", function () {
    var c = new ActiveXObject("Chooser10.clsZqPickerColorDialogA");
    c.Flags = 2;
    var e = caught(function () { c.Flags = NaN; });
    check(e !== null, "Flags = NaN raises an error");
    if (e !== null) checkEqual(e.number, kOverflow, "error number");
    checkEqual(c.Flags, 2, "Flags after NaN");
});

group("NaN into 16-bit properties", function () {
    var file = new ActiveXObject("Chooser10.clsZqPickerFileOpenSaveA");
    var e = caught(function () { file.MaxFileSize = NaN; });
    check(e !== null, "MaxFileSize = NaN raises an error");
    if (e !== null) checkEqual(e.number, kOverflow, "error number");
    checkEqual(file.MaxFileSize, 1024, "MaxFileSize after NaN");
    e = caught(function () { file.DefaultFilter = -Infinity; });
    check(e !== null, "DefaultFilter = -Infinity raises an error");
    checkEqual(file.DefaultFilter, 1, "DefaultFilter after -Infinity");
});

group("NaN as a method's argument", function () {
    var file = new ActiveXObject("Chooser10.clsZqPickerFileOpenSaveA");
    var e = caught(function () { file.FarProc(NaN); });
    check(e !== null, "FarProc(NaN) raises an error");
    if (e !== null) checkEqual(e.number, kOverflow, "error number");
    checkEqual(file.FarProc(2.5), 2, "a fraction still rounds as the automation layer rounds");
});

group("too many arguments", function () {
    var c = new ActiveXObject("Chooser10.clsZqPickerColorDialogA");
    c.InitialColour = 5;
    var e = caught(function () { c.Init(1, "t", 0, 2, 9); });
    check(e !== null, "Init with five arguments raises an error");
    if (e !== null) checkEqual(e.number, -2147352562, "error number (DISP_E_BADPARAMCOUNT)");
    checkEqual(c.InitialColour, 5, "InitialColour untouched");
});

summary();

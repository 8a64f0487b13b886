// What a new object of each dialog class holds, as JScript reads it: numbers, strings, booleans and null
// for an empty object reference.

group("folder browser", function () {
    var o = new ActiveXObject("Chooser10.clsZqPickerBFFA");
    checkEqual(o.Flags, 69, "Flags");
    checkEqual(o.HWndOwner, 0, "HWndOwner");
    checkEqual(o.InitialPath, "", "InitialPath");
    checkEqual(o.DialogTitle, "", "DialogTitle");
    checkEqual(o.SelectedPath, "", "SelectedPath");
});

group("colour", function () {
    var o = new ActiveXObject("Chooser10.clsZqPickerColorDialogA");
    checkEqual(o.Flags, 0, "Flags");
    checkEqual(o.InitialColour, 0, "InitialColour");
    checkEqual(o.SelectedColour, -1, "SelectedColour");
});

group("file", function () {
    var o = new ActiveXObject("Chooser10.clsZqPickerFileOpenSaveA");
    checkEqual(o.Flags, 2621440, "Flags");
    checkEqual(o.DefaultFilter, 1, "DefaultFilter");
    checkEqual(o.MaxFileSize, 1024, "MaxFileSize");
    checkEqual(o.FileCount, 0, "FileCount");
    checkEqual(o.CenterDialog, false, "CenterDialog");
    checkEqual(o.ShowPreview, false, "ShowPreview");
    checkEqual(o.BuddyObject, null, "BuddyObject");
    checkEqual(o.Filter, "", "Filter");
    o.CenterDialog = true;
    checkEqual(o.CenterDialog, true, "CenterDialog after true");
    checkEqual(o.FarProc(123456), 123456, "FarProc returns its argument");
    checkEqual(o.FarProc(-1), -1, "FarProc of -1");
});

group("font", function () {
    var o = new ActiveXObject("Chooser10.clsZqPickerFontDialogA");
    checkEqual(o.Font, null, "Font");
    checkEqual(o.Max, 0, "Max");
    checkEqual(o.Colour, 0, "Colour");
});

group("print", function () {
    var o = new ActiveXObject("Chooser10.clsZqPickerPrintDialogA");
    checkEqual(o.Copies, 1, "Copies");
    checkEqual(o.Max, -1, "Max");
    checkEqual(o.Min, 1, "Min");
    checkEqual(o.PrintRange, 0, "PrintRange");
});

summary();

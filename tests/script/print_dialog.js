// The print dialog from JScript, shown for real with the print server's PDF printer and answered by
// the pilot: Show gives a JScript boolean, the 16-bit values come back as numbers (a page above 32767
// reads negative), and a cancel keeps them.
//
// pilot: print 5 pages 3 4, cancel, print 1 pages 32767 32768
// expect-dialog: 1 caption="Print" shows="PDF"

var p = new ActiveXObject("Chooser10.clsZqPickerPrintDialogA");

group("copies and pages chosen in the dialog", function () {
    p.Init(0, 0x100);  // PD_RETURNDC
    checkEqual(p.Show(), true, "Show after OK");
    checkEqual(p.Copies, 5, "Copies");
    checkEqual(p.FromPage, 3, "FromPage");
    checkEqual(p.ToPage, 4, "ToPage");
    checkEqual(p.PrintRange, 1, "PrintRange: page numbers");
    checkEqual(p.Max, -1, "Max: page 65535 reads as -1");
    checkEqual(p.Flags, 0x100, "Flags stay as set");
    check(p.HDC != 0, "HDC holds the printer's device context");
});

group("a cancel keeps every value", function () {
    var hdc = p.HDC;
    checkEqual(p.Show(), false, "Show after Cancel");
    checkEqual(p.Copies, 5, "Copies");
    checkEqual(p.FromPage, 3, "FromPage");
    checkEqual(p.ToPage, 4, "ToPage");
    checkEqual(p.PrintRange, 1, "PrintRange");
    checkEqual(p.HDC, hdc, "HDC");
});

group("a page above 32767", function () {
    checkEqual(p.Show(), true, "Show after OK");
    checkEqual(p.FromPage, 32767, "FromPage 32767");
    checkEqual(p.ToPage, -32768, "ToPage 32768 reads negative");
    checkEqual(p.Copies, 1, "Copies");
});

summary();

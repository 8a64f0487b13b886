' The print dialog from VBScript, shown for real with the print server's PDF printer and answered by
' the pilot: copies and a page range typed into the dialog come back as 16-bit numbers (a page above
' 32767 reads negative), the selection, a cancel that keeps every value, the print-setup dialog, the
' default printer's context without a dialog, and a hook bit that stays in Flags.
'
' pilot: print 3 pages 2 5, print 1 selection, cancel, print 2 pages 40000 40001, ok, ok
' expect-dialog: 1 caption="Print" shows="PDF"
' expect-dialog: 4 caption="Print"
' expect-dialog: 5 caption="Print Setup" shows="PDF"
' expect-dialog: 6 caption="Print"

Dim p, r, e

Function ShowChecked(o, what)
    On Error Resume Next
    ShowChecked = o.Show()
    e = TakeError()
    On Error GoTo 0
    CheckNoError e, what
End Function

Group "copies and pages chosen in the dialog"
Set p = CreateObject("Chooser10.clsZqPickerPrintDialogA")
r = ShowChecked(p, "Show")
CheckBoolean r, True, "Show after OK"
CheckInteger p.Copies, 3, "Copies"
CheckInteger p.FromPage, 2, "FromPage"
CheckInteger p.ToPage, 5, "ToPage"
CheckLong p.PrintRange, 1, "PrintRange: page numbers"
CheckInteger p.Min, 1, "Min"
CheckInteger p.Max, -1, "Max: page 65535 reads as -1"
CheckLong p.Flags, 0, "Flags stay as set"
CheckLong p.HDC, 0, "HDC without PD_RETURNDC"

Group "the selection"
r = ShowChecked(p, "Show")
CheckBoolean r, True, "Show after OK"
CheckLong p.PrintRange, 2, "PrintRange: the selection"
CheckInteger p.Copies, 1, "Copies"

Group "a cancel keeps every value"
p.Copies = 4
p.HDC = 0
r = ShowChecked(p, "Show")
CheckBoolean r, False, "Show after Cancel"
CheckInteger p.Copies, 4, "Copies"
CheckInteger p.FromPage, 2, "FromPage"
CheckInteger p.ToPage, 5, "ToPage"
CheckLong p.PrintRange, 2, "PrintRange"
CheckInteger p.Max, -1, "Max"

Group "pages above 32767"
r = ShowChecked(p, "Show")
CheckBoolean r, True, "Show after OK (pages 40000 to 40001)"
CheckInteger p.FromPage, 40000 - 65536, "FromPage 40000 reads negative"
CheckInteger p.ToPage, 40001 - 65536, "ToPage 40001 reads negative"
CheckInteger p.Copies, 2, "Copies"
CheckLong p.PrintRange, 1, "PrintRange"

Group "the print-setup dialog"
Set p = CreateObject("Chooser10.clsZqPickerPrintDialogA")
p.Init 0, 64
r = ShowChecked(p, "Show")
CheckBoolean r, True, "Show after OK"
CheckLong p.Flags, 64, "Flags: PD_PRINTSETUP"

Group "the default printer without a dialog"
Set p = CreateObject("Chooser10.clsZqPickerPrintDialogA")
p.Flags = &H400 Or &H100
r = ShowChecked(p, "Show")
CheckBoolean r, True, "Show with PD_RETURNDEFAULT"
Check p.HDC <> 0, "HDC holds the default printer's context"
CheckLong p.Flags, &H500, "Flags stay as set"

Group "a hook bit set by the client"
Set p = CreateObject("Chooser10.clsZqPickerPrintDialogA")
p.Flags = &H1000
r = ShowChecked(p, "Show")
CheckBoolean r, True, "Show with PD_ENABLEPRINTHOOK opens the dialog"
CheckLong p.Flags, &H1000, "Flags keep the hook bit"

Summary

' Calls a careless or hostile script makes: too many arguments, omitted ones among them, indexed
' assignments to plain properties. Each gives a clean error (450, "Wrong number of arguments or invalid
' property assignment"), the stored values stay, and the script goes on to its summary line. Then every
' wrong kind of value (Null, Empty, Nothing, arrays, a foreign object, text that is no number, 1 MB of text,
' 2^31, 2^40, 1e300) to every member of every class, puts on methods and read-only properties, too many and
' too few arguments: each a clean error with its number and description, or the value converted.

Dim c, bff, file, v, e, flags

Set c = CreateObject("Chooser10.clsZqPickerColorDialogA")
c.InitialColour = 7

Group "an omitted argument plus one too many"
On Error Resume Next
c.Init , , , , 5
e = TakeError()
On Error GoTo 0
Check e(0) = 450, "Init , , , , 5 is error 450, got " & e(0) & " """ & e(2) & """"
CheckLong c.InitialColour, 7, "InitialColour is untouched"

Group "too many arguments, none omitted"
On Error Resume Next
c.Init 1, "t", 0, 2, 9
e = TakeError()
On Error GoTo 0
Check e(0) = 450, "Init with five arguments is error 450, got " & e(0)
CheckLong c.InitialColour, 7, "InitialColour is untouched"

Set bff = CreateObject("Chooser10.clsZqPickerBFFA")
Group "the folder browser's Init with one too many"
bff.Flags = 64
On Error Resume Next
bff.Init , , , , 5
e = TakeError()
On Error GoTo 0
Check e(0) = 450, "Init , , , , 5 is error 450, got " & e(0)
CheckLong bff.Flags, 64, "Flags is untouched"

Group "an indexed assignment to a plain property"
Set file = CreateObject("Chooser10.clsZqPickerFileOpenSaveA")
On Error Resume Next
file.Flags(1, 2, 3) = 9
e = TakeError()
On Error GoTo 0
Check e(0) = 450, "Flags(1, 2, 3) = 9 is error 450, got " & e(0)
CheckLong file.Flags, 2621440, "Flags keeps its value"
On Error Resume Next
v = file.Flags(1)
e = TakeError()
On Error GoTo 0
Check e(0) = 450, "reading Flags(1) is error 450, got " & e(0)

Group "a method called with an argument it does not take"
On Error Resume Next
v = c.Show(1)
e = TakeError()
On Error GoTo 0
Check e(0) = 450, "Show(1) is error 450, got " & e(0)

Group "a required argument left out"
On Error Resume Next
v = file.FarProc()
e = TakeError()
On Error GoTo 0
Check e(0) = 450, "FarProc() is error 450, got " & e(0)

Group "variables keep their subtype when the member leaves them alone"
flags = CInt(64)
v = CInt(-5)
bff.Init "C:\", , , flags
CheckInteger flags, 64, "the Integer passed for Init's Long flags"
CheckLong bff.Flags, 64, "Flags from it"
CheckLong file.FarProc(v), -5, "FarProc of an Integer"
CheckInteger v, -5, "the Integer passed to FarProc"
v = "12"
CheckLong file.FarProc(v), 12, "FarProc of a numeric string"
CheckString v, "12", "the string passed to FarProc"

Group "the object still works"
c.InitialColour = 255
CheckLong c.InitialColour, 255, "InitialColour after the errors"

' ---- every wrong kind of value to every member of every class ----
' Each statement runs under On Error Resume Next and Expect checks the error it left against the table:
' 0 where the value converts (Empty is 0 or ""; numbers become text), else the error's number, and a
' non-empty description with it.
Dim fso, wrong, wrongNames, i, font, fonts, printing, pps, root
Set fso = CreateObject("Scripting.FileSystemObject")
wrong = Array(Null, Empty, Nothing, Array(1, 2), fso, "abc", String(1048576, "x"), 2 ^ 31, 2 ^ 40, 1E+300, _
              -2147483649, 40000, "1e300")
wrongNames = Array("Null", "Empty", "Nothing", "an array", "a foreign object", """abc""", "a 1 MB string", _
                   "2^31", "2^40", "1e300", "-2^31-1", "40000", """1e300""")

' The error a value gives as an argument of a kind: "long" (Long and enumerations), "short", "bool",
' "text", "object", or "hwnd" (a Long checked as a window: 40000 is no window, hwndError is its error).
Dim hwndError
Function Expected(kind, index)
    Dim table
    Select Case kind
        Case "long": table = Array(13, 0, 13, 13, 13, 13, 13, 6, 6, 6, 6, 0, 6)
        Case "hwnd": table = Array(13, 0, 13, 13, 13, 13, 13, 6, 6, 6, 6, hwndError, 6)
        Case "short": table = Array(13, 0, 13, 13, 13, 13, 13, 6, 6, 6, 6, 6, 6)
        Case "bool": table = Array(13, 0, 13, 13, 13, 13, 13, 0, 0, 0, 0, 0, 0)
        Case "text": table = Array(13, 0, 13, 13, 13, 0, 0, 0, 0, 0, 0, 0, 0)
        Case "object": table = Array(0, 0, 0, 13, 0, 13, 13, 13, 13, 13, 13, 13, 13)
    End Select
    Expected = table(index)
End Function

Sub Expect(kind, index, what)
    Dim number, description, wanted
    number = Err.Number
    description = Err.Description
    Err.Clear
    wanted = Expected(kind, index)
    Check number = wanted, what & " with " & wrongNames(index) & ": error " & number & " """ & description & _
          """, expected " & wanted
    If number <> 0 Then Check Len(description) > 0, what & " with " & wrongNames(index) & ": error " & number & _
                              " has no description"
End Sub

' An error of this number with a description.
Sub ExpectError(number, what)
    Dim got, description
    got = Err.Number
    description = Err.Description
    Err.Clear
    Check got = number And Len(description) > 0, what & ": error " & got & " """ & description & """, expected " & number
End Sub

Group "colour dialog: wrong values"
Set c = CreateObject("Chooser10.clsZqPickerColorDialogA")
hwndError = &H800442E1
On Error Resume Next
For i = 0 To UBound(wrong): c.HWndOwner = wrong(i): Expect "hwnd", i, "HWndOwner =": Next
For i = 0 To UBound(wrong): c.Flags = wrong(i): Expect "long", i, "Flags =": Next
For i = 0 To UBound(wrong): c.InitialColour = wrong(i): Expect "long", i, "InitialColour =": Next
For i = 0 To UBound(wrong): c.DialogTitle = wrong(i): Expect "text", i, "DialogTitle =": Next
For i = 0 To UBound(wrong): c.CenterDialog = wrong(i): Expect "bool", i, "CenterDialog =": Next
For i = 0 To UBound(wrong): c.Init wrong(i): Expect "long", i, "Init InitialColour": Next
For i = 0 To UBound(wrong): c.Init , wrong(i): Expect "text", i, "Init , DialogTitle": Next
For i = 0 To UBound(wrong): c.Init , , wrong(i): Expect "hwnd", i, "Init , , HWndOwner": Next
For i = 0 To UBound(wrong): c.Init , , , wrong(i): Expect "long", i, "Init , , , Flags": Next
c.SelectedColour = 1: ExpectError 438, "a put on the read-only SelectedColour"
c.Show = 1: ExpectError 438, "a put on the method Show"
v = c.Show(wrong(5)): ExpectError 450, "Show with an argument"
v = c.Flags(1): ExpectError 450, "Flags read with an index"
v = c.DialogTitle(1, 2): ExpectError 450, "DialogTitle read with two indexes"
On Error GoTo 0
CheckLong c.Flags, 40000, "Flags holds the last value that converted (40000): the failed puts left it alone"

Group "folder browser: wrong values"
Set bff = CreateObject("Chooser10.clsZqPickerBFFA")
hwndError = &H800442A6
On Error Resume Next
For i = 0 To UBound(wrong): bff.HWndOwner = wrong(i): Expect "hwnd", i, "HWndOwner =": Next
For i = 0 To UBound(wrong): bff.Flags = wrong(i): Expect "long", i, "Flags =": Next
For i = 0 To UBound(wrong): bff.DialogTitle = wrong(i): Expect "text", i, "DialogTitle =": Next
For i = 0 To UBound(wrong): bff.InitialPath = wrong(i): Expect "text", i, "InitialPath =": Next
For i = 0 To UBound(wrong): bff.Init wrong(i): Expect "text", i, "Init InitialPath": Next
For i = 0 To UBound(wrong): bff.Init , wrong(i): Expect "hwnd", i, "Init , HWndOwner": Next
For i = 0 To UBound(wrong): bff.Init , , wrong(i): Expect "text", i, "Init , , DialogTitle": Next
For i = 0 To UBound(wrong): bff.Init , , , wrong(i): Expect "long", i, "Init , , , Flags": Next
bff.SelectedPath = "C:": ExpectError 438, "a put on the read-only SelectedPath"
bff.Browse = 1: ExpectError 438, "a put on the method Browse"
v = bff.Browse(1): ExpectError 450, "Browse with an argument"
On Error GoTo 0

Group "file dialog: wrong values"
Set file = CreateObject("Chooser10.clsZqPickerFileOpenSaveA")
hwndError = &H80044435
On Error Resume Next
For i = 0 To UBound(wrong): file.hInst = wrong(i): Expect "long", i, "hInst =": Next
For i = 0 To UBound(wrong): file.CenterDialog = wrong(i): Expect "bool", i, "CenterDialog =": Next
For i = 0 To UBound(wrong): file.DefaultExt = wrong(i): Expect "text", i, "DefaultExt =": Next
For i = 0 To UBound(wrong): file.ShowPreview = wrong(i): Expect "bool", i, "ShowPreview =": Next
For i = 0 To UBound(wrong): file.DefaultFilter = wrong(i): Expect "short", i, "DefaultFilter =": Next
For i = 0 To UBound(wrong): file.DialogTitle = wrong(i): Expect "text", i, "DialogTitle =": Next
For i = 0 To UBound(wrong): file.FileName = wrong(i): Expect "text", i, "FileName =": Next
For i = 0 To UBound(wrong): file.FileTitle = wrong(i): Expect "text", i, "FileTitle =": Next
For i = 0 To UBound(wrong): file.Filter = wrong(i): Expect "text", i, "Filter =": Next
For i = 0 To UBound(wrong): file.Flags = wrong(i): Expect "long", i, "Flags =": Next
For i = 0 To UBound(wrong): file.HWndOwner = wrong(i): Expect "hwnd", i, "HWndOwner =": Next
For i = 0 To UBound(wrong): file.InitialDir = wrong(i): Expect "text", i, "InitialDir =": Next
For i = 0 To UBound(wrong): file.MaxFileSize = wrong(i): Expect "short", i, "MaxFileSize =": Next
For i = 0 To UBound(wrong): file.PreviewObject = wrong(i): Expect "object", i, "PreviewObject =": Next
For i = 0 To UBound(wrong): v = file.GetNextFileName(wrong(i)): Expect "short", i, "GetNextFileName": Next
For i = 0 To UBound(wrong): v = file.FarProc(wrong(i)): Expect "long", i, "FarProc": Next
For i = 0 To UBound(wrong): file.Init wrong(i): Expect "text", i, "Init Filter": Next
For i = 0 To UBound(wrong): file.Init "", wrong(i): Expect "short", i, "Init , DefaultFilter": Next
For i = 0 To UBound(wrong): file.Init "", , wrong(i): Expect "text", i, "Init , , InitialDir": Next
For i = 0 To UBound(wrong): file.Init "", , , , , wrong(i): Expect "hwnd", i, "Init , , , , , HWndOwner": Next
For i = 0 To UBound(wrong): file.Init "", , , , , , wrong(i): Expect "long", i, "Init , , , , , , Flags": Next
For i = 0 To UBound(wrong): file.Init "", , , , , , , wrong(i): Expect "bool", i, "Init , , , , , , , ShowPreview": Next
For i = 0 To UBound(wrong): file.Init "", , , , , , , , wrong(i): Expect "object", i, "Init , , , , , , , , PreviewObject": Next
' Show only with values that cannot become a dialog type: any other would open the dialog.
For i = 0 To UBound(wrong)
    If i <> 1 And i <> 11 Then v = file.Show(wrong(i)): Expect "long", i, "Show"
Next
file.FileCount = 1: ExpectError 438, "a put on the read-only FileCount"
file.Show = 0: ExpectError 438, "a put on the method Show"
v = file.PreviewObject: ExpectError 438, "a read of the write-only PreviewObject"
file.Init: ExpectError 450, "Init without its required filter"
v = file.Show(): ExpectError 450, "Show without its dialog type"
v = file.GetNextFileName(1, 2): ExpectError 450, "GetNextFileName with two arguments"
On Error GoTo 0
file.PreviewObject = Nothing

Group "font dialog: wrong values"
Set fonts = CreateObject("Chooser10.clsZqPickerFontDialogA")
hwndError = &H80044471
On Error Resume Next
For i = 0 To UBound(wrong): fonts.CenterDialog = wrong(i): Expect "bool", i, "CenterDialog =": Next
For i = 0 To UBound(wrong): fonts.Colour = wrong(i): Expect "long", i, "Colour =": Next
For i = 0 To UBound(wrong): fonts.DialogTitle = wrong(i): Expect "text", i, "DialogTitle =": Next
For i = 0 To UBound(wrong): fonts.Flags = wrong(i): Expect "long", i, "Flags =": Next
For i = 0 To UBound(wrong): fonts.Font = wrong(i): Expect "object", i, "Font =": Next
For i = 0 To UBound(wrong): fonts.FontType = wrong(i): Expect "long", i, "FontType =": Next
For i = 0 To UBound(wrong): fonts.HWndOwner = wrong(i): Expect "hwnd", i, "HWndOwner =": Next
For i = 0 To UBound(wrong): fonts.Max = wrong(i): Expect "short", i, "Max =": Next
For i = 0 To UBound(wrong): fonts.Min = wrong(i): Expect "short", i, "Min =": Next
For i = 0 To UBound(wrong): fonts.Style = wrong(i): Expect "short", i, "Style =": Next
For i = 0 To UBound(wrong): fonts.Init wrong(i): Expect "object", i, "Init Font": Next
For i = 0 To UBound(wrong): fonts.Init , wrong(i): Expect "text", i, "Init , DialogTitle": Next
For i = 0 To UBound(wrong): fonts.Init , , wrong(i): Expect "hwnd", i, "Init , , HWndOwner": Next
For i = 0 To UBound(wrong): fonts.Init , , , wrong(i): Expect "long", i, "Init , , , Flags": Next
fonts.Show = 1: ExpectError 438, "a put on the method Show"
v = fonts.Show(1): ExpectError 450, "Show with an argument"
On Error GoTo 0

Group "print dialog: wrong values"
Set printing = CreateObject("Chooser10.clsZqPickerPrintDialogA")
hwndError = &H80044615
On Error Resume Next
For i = 0 To UBound(wrong): printing.Copies = wrong(i): Expect "short", i, "Copies =": Next
For i = 0 To UBound(wrong): printing.Flags = wrong(i): Expect "long", i, "Flags =": Next
For i = 0 To UBound(wrong): printing.FromPage = wrong(i): Expect "short", i, "FromPage =": Next
For i = 0 To UBound(wrong): printing.HDC = wrong(i): Expect "long", i, "HDC =": Next
For i = 0 To UBound(wrong): printing.HWndOwner = wrong(i): Expect "hwnd", i, "HWndOwner =": Next
For i = 0 To UBound(wrong): printing.Max = wrong(i): Expect "short", i, "Max =": Next
For i = 0 To UBound(wrong): printing.Min = wrong(i): Expect "short", i, "Min =": Next
For i = 0 To UBound(wrong): printing.PrintRange = wrong(i): Expect "long", i, "PrintRange =": Next
For i = 0 To UBound(wrong): printing.ToPage = wrong(i): Expect "short", i, "ToPage =": Next
For i = 0 To UBound(wrong): printing.Init wrong(i): Expect "hwnd", i, "Init HWndOwner": Next
For i = 0 To UBound(wrong): printing.Init , wrong(i): Expect "long", i, "Init , Flags": Next
printing.Show = 1: ExpectError 438, "a put on the method Show"
v = printing.Show(1): ExpectError 450, "Show with an argument"
On Error GoTo 0

Group "file properties and about box: wrong values"
Set pps = CreateObject("Chooser10.clsZqPickerFilePpsA")
On Error Resume Next
' Only values that fail: any window handle that converts would open the sheet or the about box.
For i = 0 To UBound(wrong)
    If Expected("long", i) <> 0 Then
        pps.DisplayFileProperties wrong(i), "C:": Expect "long", i, "DisplayFileProperties"
        v = pps.ShowProperties("C:", wrong(i)): Expect "long", i, "ShowProperties"
        v = pps.ShowAbout(wrong(i), "a", "b"): Expect "long", i, "ShowAbout"
        v = pps.ShowAbout(0, "a", "b", wrong(i)): Expect "long", i, "ShowAbout , , , hIcon"
    End If
Next
pps.DisplayFileProperties 0: ExpectError 450, "DisplayFileProperties without its file"
v = pps.ShowAbout(0): ExpectError 450, "ShowAbout without its texts"
pps.ShowAbout = 1: ExpectError 438, "a put on the method ShowAbout"
On Error GoTo 0

Group "root object: wrong values"
Set root = CreateObject("Chooser10.clsZqChooser10A")
On Error Resume Next
' A number that converts finds no resource: the loader's error 326.
For i = 0 To UBound(wrong)
    v = root.GetProResStrings(wrong(i))
    If Expected("long", i) = 0 Then ExpectError 326, "GetProResStrings with " & wrongNames(i) Else Expect "long", i, "GetProResStrings"
    Set v = root.GetProResPicture(1, wrong(i))
    If Expected("short", i) = 0 Then ExpectError 326, "GetProResPicture kind " & wrongNames(i) Else Expect "short", i, "GetProResPicture , kind"
Next
v = root.GetProResPicture(1): ExpectError 450, "GetProResPicture without its kind"
v = root.About(1): ExpectError 450, "About with an argument"
root.About = 1: ExpectError 438, "a put on the method About"
Set v = root.GetProStdProperties(1): ExpectError 450, "GetProStdProperties with an argument"
On Error GoTo 0

Group "every object still works"
c.InitialColour = 255
CheckLong c.InitialColour, 255, "colour InitialColour"
file.Filter = "Text|*.txt"
CheckString file.Filter, "Text|*.txt", "file Filter"
printing.Copies = 2
CheckInteger printing.Copies, 2, "print Copies"
Check gPassed > 1000, "the checks ran (" & gPassed & " passed)"

Summary

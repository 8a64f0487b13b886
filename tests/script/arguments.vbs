' VBScript passes a variable to a by-reference parameter as a reference to its VARIANT, whatever the
' parameter's declared type. The file class's FarProc (a 32-bit integer by reference, returned unchanged)
' must take Integer and Long variables, and values, without "Type mismatch".

Dim o, v, r, e
Set o = CreateObject("Chooser10.clsZqPickerFileOpenSaveA")

Group "Integer variable"
v = CInt(1234)
On Error Resume Next
r = o.FarProc(v)
e = TakeError()
On Error GoTo 0
CheckNoError e, "FarProc(v) with v an Integer"
CheckLong r, 1234, "the result"
Check v = 1234, "the variable keeps its value, now " & Describe(v)

Group "negative Integer variable"
v = CInt(-32768)
On Error Resume Next
r = o.FarProc(v)
e = TakeError()
On Error GoTo 0
CheckNoError e, "FarProc(v) with v the smallest Integer"
CheckLong r, -32768, "the result"

Group "Long variable"
v = CLng(305419896)
On Error Resume Next
r = o.FarProc(v)
e = TakeError()
On Error GoTo 0
CheckNoError e, "FarProc(v) with v a Long"
CheckLong r, 305419896, "the result"
CheckLong v, 305419896, "the variable"

Group "values"
CheckLong o.FarProc(0), 0, "FarProc(0)"
CheckLong o.FarProc(-1), -1, "FarProc(-1)"
CheckLong o.FarProc(2147483647), 2147483647, "FarProc of the largest Long"

Group "a variable in an array element"
Dim a(1)
a(1) = CInt(77)
On Error Resume Next
r = o.FarProc(a(1))
e = TakeError()
On Error GoTo 0
CheckNoError e, "FarProc(a(1))"
CheckLong r, 77, "the result"

Group "not a number"
v = "abc"
On Error Resume Next
r = o.FarProc(v)
e = TakeError()
On Error GoTo 0
Check e(0) = 13, "FarProc(""abc"") is a type mismatch (13), got " & e(0) & " """ & e(2) & """"
Check e(2) = "Type mismatch", "the description of the type mismatch, got """ & e(2) & """"
CheckString v, "abc", "the variable keeps its text"

Group "Init of the folder browser with every argument omitted"
Dim bff
Set bff = CreateObject("Chooser10.clsZqPickerBFFA")
bff.InitialPath = "C:\"
bff.DialogTitle = "before"
bff.HWndOwner = -1
On Error Resume Next
bff.Init
e = TakeError()
On Error GoTo 0
CheckNoError e, "Init"
CheckLong bff.Flags, 1, "Flags takes Init's default 1, not the 69 of a new object"
CheckLong bff.HWndOwner, 0, "HWndOwner"
CheckString bff.InitialPath, "", "InitialPath"
CheckString bff.DialogTitle, "", "DialogTitle"

Group "Init of the folder browser with arguments left out between others"
On Error Resume Next
bff.Init "C:\windows", , "Pick one"
e = TakeError()
On Error GoTo 0
CheckNoError e, "Init ""C:\windows"", , ""Pick one"""
CheckString bff.InitialPath, "C:\windows", "InitialPath"
CheckString bff.DialogTitle, "Pick one", "DialogTitle"
CheckLong bff.HWndOwner, 0, "HWndOwner"
CheckLong bff.Flags, 1, "Flags"
Dim path, flags
path = "C:\"
flags = CInt(64)
On Error Resume Next
bff.Init path, , , flags
e = TakeError()
On Error GoTo 0
CheckNoError e, "Init with variables, an Integer for the flags"
CheckString bff.InitialPath, "C:\", "InitialPath from a variable"
CheckLong bff.Flags, 64, "Flags from an Integer variable"
CheckString bff.DialogTitle, "", "DialogTitle"

Group "Init of the colour dialog with every argument omitted"
Dim colour
Set colour = CreateObject("Chooser10.clsZqPickerColorDialogA")
colour.InitialColour = 0
colour.Flags = 2
On Error Resume Next
colour.Init
e = TakeError()
On Error GoTo 0
CheckNoError e, "Init"
CheckLong colour.InitialColour, -1, "InitialColour"
CheckLong colour.Flags, 4, "Flags"
CheckLong colour.HWndOwner, 0, "HWndOwner"
CheckString colour.DialogTitle, "", "DialogTitle"
CheckBoolean colour.CenterDialog, True, "CenterDialog, which Init does not touch"

Summary

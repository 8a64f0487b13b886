' Calls a careless or hostile script makes: too many arguments, omitted ones among them, indexed
' assignments to plain properties. Each gives a clean error (450, "Wrong number of arguments or invalid
' property assignment"), the stored values stay, and the script goes on to its summary line.

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

Summary

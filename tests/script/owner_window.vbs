' The owner-window rule of the five dialog classes from VBScript: a positive handle that names no window
' raises the class's own error with its number, source and description and leaves the old value; 0 and
' negative handles are taken as they are, in whatever numeric form the script has them.

' A positive Long that is no window handle of this process.
Const kNotAWindow = &H7FFE1234

Dim classes(4)
classes(0) = Array("clsZqPickerBFFA", -2147204442, "czPickerBrowseForFolder")
classes(1) = Array("clsZqPickerColorDialogA", -2147204383, "czPickerColorDialog")
classes(2) = Array("clsZqPickerFileOpenSaveA", -2147204043, "clsPickerFileOpenSaveA")
classes(3) = Array("clsZqPickerFontDialogA", -2147203983, "czPickerFontDialog")
classes(4) = Array("clsZqPickerPrintDialogA", -2147203563, "czPickerPrintDialog")

Dim c, o, e, v
For Each c In classes
    Group c(0)
    Set o = CreateObject("Chooser10." & c(0))
    CheckLong o.HWndOwner, 0, "a new object has no owner"

    On Error Resume Next
    o.HWndOwner = -1
    e = TakeError()
    On Error GoTo 0
    CheckNoError e, "HWndOwner = -1"
    CheckLong o.HWndOwner, -1, "HWndOwner after -1"

    On Error Resume Next
    o.HWndOwner = kNotAWindow
    e = TakeError()
    On Error GoTo 0
    CheckRaised e, c(1), "Chooser10." & c(2), "Invalid window handle", "HWndOwner = a number that is no window"
    CheckLong o.HWndOwner, -1, "the old value stays after the error"

    ' The same number held in a variable, and as text: the test comes after the conversion.
    v = CStr(kNotAWindow)
    On Error Resume Next
    o.HWndOwner = v
    e = TakeError()
    On Error GoTo 0
    CheckRaised e, c(1), "Chooser10." & c(2), "Invalid window handle", "HWndOwner = the number as a string"
    CheckLong o.HWndOwner, -1, "the old value stays after the second error"

    ' Negative and zero values in other numeric types.
    v = CInt(-7)
    On Error Resume Next
    o.HWndOwner = v
    e = TakeError()
    On Error GoTo 0
    CheckNoError e, "HWndOwner = an Integer -7"
    CheckLong o.HWndOwner, -7, "HWndOwner after an Integer -7"

    On Error Resume Next
    o.HWndOwner = -2147483648
    e = TakeError()
    On Error GoTo 0
    CheckNoError e, "HWndOwner = the smallest Long"
    CheckLong o.HWndOwner, -2147483648, "HWndOwner after the smallest Long"

    On Error Resume Next
    o.HWndOwner = 0
    e = TakeError()
    On Error GoTo 0
    CheckNoError e, "HWndOwner = 0"
    CheckLong o.HWndOwner, 0, "HWndOwner after 0"
    Set o = Nothing
Next

' After a raised error the object goes on working, and a second object of the class is unaffected.
Group "after an error"
Dim first, second
Set first = CreateObject("Chooser10.clsZqPickerPrintDialogA")
Set second = CreateObject("Chooser10.clsZqPickerPrintDialogA")
second.HWndOwner = -3
On Error Resume Next
first.HWndOwner = kNotAWindow
e = TakeError()
On Error GoTo 0
CheckRaised e, -2147203563, "Chooser10.czPickerPrintDialog", "Invalid window handle", "first object"
first.Copies = 4
CheckInteger first.Copies, 4, "the first object still stores values"
CheckLong second.HWndOwner, -3, "the second object's owner"

' Init validates the owner after it has stored its other values, and leaves owner and flags alone.
Group "Init of the folder browser with an owner that is no window"
Set o = CreateObject("Chooser10.clsZqPickerBFFA")
o.HWndOwner = -5
On Error Resume Next
o.Init "C:\new", kNotAWindow, "New title", 16
e = TakeError()
On Error GoTo 0
CheckRaised e, -2147204442, "Chooser10.czPickerBrowseForFolder", "Invalid window handle", "Init"
CheckString o.InitialPath, "C:\new", "InitialPath already holds the new value"
CheckString o.DialogTitle, "New title", "DialogTitle already holds the new value"
CheckLong o.HWndOwner, -5, "HWndOwner keeps the old value"
CheckLong o.Flags, 69, "Flags keeps the old value"

Group "Init of the colour dialog with an owner that is no window"
Set o = CreateObject("Chooser10.clsZqPickerColorDialogA")
On Error Resume Next
o.Init &HFF&, "Pick a colour", kNotAWindow, 2
e = TakeError()
On Error GoTo 0
CheckRaised e, -2147204383, "Chooser10.czPickerColorDialog", "Invalid window handle", "Init"
CheckLong o.InitialColour, 255, "InitialColour already holds the new value"
CheckString o.DialogTitle, "Pick a colour", "DialogTitle already holds the new value"
CheckLong o.HWndOwner, 0, "HWndOwner keeps the old value"
CheckLong o.Flags, 0, "Flags keeps the old value"

Summary

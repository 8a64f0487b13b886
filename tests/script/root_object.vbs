' The root object and the file-properties class from VBScript: the application object's members, the
' resource loads' documented error through Err, the overflow of a picture kind, BuddyObjectGlobal shared
' by the root objects of the script's thread, the framework's about box and the shell's, both answered by
' the pilot.
'
' pilot: ok, ok
' expect-dialog: 1 caption="About Chooser10"
' expect-dialog: 2 caption="About Script App" shows="A message from the script"

Class Buddy
    Public Name
End Class

Dim root, app, e, r, b, other

Group "the application object"
Set root = CreateObject("Chooser10.clsZqChooser10A")
Set app = root.GetProStdProperties
CheckString app.Title, "Chooser10", "Title"
CheckString app.EXEName, "Chooser10", "EXEName"
Check InStr(1, app.Path, "\", vbBinaryCompare) > 0, "Path is a folder: " & app.Path
CheckLong app.Major, 1, "Major"

Group "the resource loads"
On Error Resume Next
r = root.GetProResStrings(101)
e = TakeError()
On Error GoTo 0
Check e(0) = 326, "GetProResStrings: number " & e(0)
Check e(2) = "Resource with identifier '101' not found", "GetProResStrings: description " & e(2)
On Error Resume Next
Set r = root.GetProResPicture(1, 0)
e = TakeError()
On Error GoTo 0
Check e(0) = 326, "GetProResPicture: number " & e(0)
On Error Resume Next
r = root.GetProResData(1, "CUSTOM")
e = TakeError()
On Error GoTo 0
Check e(0) = 326, "GetProResData: number " & e(0)
On Error Resume Next
Set r = root.GetProResPicture(1, 32768)
e = TakeError()
On Error GoTo 0
Check e(0) = 6, "GetProResPicture with kind 32768 overflows: number " & e(0)

Group "BuddyObjectGlobal"
Set other = CreateObject("Chooser10.clsZqChooser10A")
Check other.BuddyObjectGlobal Is Nothing, "Nothing before any put"
Set b = New Buddy
b.Name = "the buddy"
Set root.BuddyObjectGlobal = b
Set root = Nothing
Check other.BuddyObjectGlobal Is b, "another root object of the thread sees it, after the first went"
CheckString other.BuddyObjectGlobal.Name, "the buddy", "a member of it"
Set other.BuddyObjectGlobal = Nothing
Check other.BuddyObjectGlobal Is Nothing, "Nothing releases it"

Group "the about boxes"
CheckLong other.About(), 0, "About"
Dim pps
Set pps = CreateObject("Chooser10.clsZqPickerFilePpsA")
On Error Resume Next
r = pps.ShowAbout(0, "Script App", "A message from the script")
e = TakeError()
On Error GoTo 0
CheckNoError e, "ShowAbout"
Check IsEmpty(r), "ShowAbout returns Empty: " & Describe(r)

Summary

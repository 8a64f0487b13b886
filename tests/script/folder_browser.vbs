' The folder browser from VBScript, shown for real and answered by the pilot: the initial folder is
' preselected (so OK confirms it), its path is shown in the status line (Flags 5: ReturnOnlyFSDirs and
' StatusText) and returned in SelectedPath without trailing zero characters; Cancel leaves SelectedPath
' alone; the properties read back as set. The paths below are those of the Wine prefix (%windir% is
' C:\windows there).
'
' pilot: ok, cancel, ok, ok, cancel
' expect-dialog: 1 shows="Pick a folder" shows="C:\windows\system32"
' expect-dialog: 2 shows="Pick a folder" shows="C:\windows\system32"
' expect-dialog: 3 shows="Another folder" shows="C:\windows"
' expect-dialog: 4 shows="Another folder" shows="C:\windows\system32"

Dim shell, system32, windows, o, r, e
Set shell = CreateObject("WScript.Shell")

' Wine's ExpandEnvironmentStrings leaves the terminating zero character in the string it returns: cut it.
Function Expanded(text)
    Expanded = shell.ExpandEnvironmentStrings(text)
    If Len(Expanded) > 0 Then
        If Mid(Expanded, Len(Expanded), 1) = Chr(0) Then Expanded = Left(Expanded, Len(Expanded) - 1)
    End If
End Function

system32 = Expanded("%windir%\system32")
windows = Expanded("%windir%")

Function BrowseChecked(what)
    On Error Resume Next
    BrowseChecked = o.Browse()
    e = TakeError()
    On Error GoTo 0
    CheckNoError e, what
End Function

' The path the shell gave back: the same folder (the shell may spell it in its own case), nothing after it.
Sub CheckPath(actual, expected, what)
    Check VarType(actual) = vbString, what & ": a String, got " & Describe(actual)
    Check StrComp(actual, expected, vbTextCompare) = 0, what & ": expected """ & expected & """ in any case, got " & Describe(actual)
    Check Len(actual) = Len(expected), what & ": length " & Len(actual) & ", expected " & Len(expected)
    Check InStr(actual, Chr(0)) = 0, what & ": no zero character in it"
End Sub

Group "the test's folders"
Check Len(system32) > 3 And InStr(system32, "%") = 0 And InStr(system32, Chr(0)) = 0, _
    "%windir%\system32 expands to a path, got """ & system32 & """ of length " & Len(system32)
Check Len(windows) > 2 And InStr(windows, "%") = 0 And InStr(windows, Chr(0)) = 0, _
    "%windir% expands to a path, got """ & windows & """ of length " & Len(windows)

Group "Init, then OK on the preselected folder"
Set o = CreateObject("Chooser10.clsZqPickerBFFA")
o.Init system32, 0, "Pick a folder", 5
CheckLong o.Flags, 5, "Flags"
r = BrowseChecked("Browse")
CheckBoolean r, True, "Browse after OK"
CheckPath o.SelectedPath, system32, "SelectedPath"

Group "Cancel"
r = BrowseChecked("Browse")
CheckBoolean r, False, "Browse after Cancel"
CheckPath o.SelectedPath, system32, "SelectedPath keeps the last confirmed folder"
CheckString o.InitialPath, system32, "InitialPath after two Browse calls, exactly as set"
CheckString o.DialogTitle, "Pick a folder", "DialogTitle"
CheckLong o.Flags, 5, "Flags, unchanged by Browse"
CheckLong o.HWndOwner, 0, "HWndOwner"

Group "another folder, set through the properties"
o.InitialPath = windows
o.DialogTitle = "Another folder"
r = BrowseChecked("Browse")
CheckBoolean r, True, "Browse after OK"
CheckPath o.SelectedPath, windows, "SelectedPath"
CheckString o.InitialPath, windows, "InitialPath after Browse, exactly as set"
CheckString o.DialogTitle, "Another folder", "DialogTitle"

Group "a path that ends in a zero character, as Wine's script host expands it"
Dim raw
raw = shell.ExpandEnvironmentStrings("%windir%\system32")
o.InitialPath = raw
r = BrowseChecked("Browse")
CheckBoolean r, True, "Browse after OK"
CheckPath o.SelectedPath, system32, "SelectedPath: the folder, without the zero character"
CheckString o.InitialPath, raw, "InitialPath after Browse, exactly as set"

Group "Cancel on a new object"
Set o = CreateObject("Chooser10.clsZqPickerBFFA")
r = BrowseChecked("Browse")
CheckBoolean r, False, "Browse after Cancel"
CheckString o.SelectedPath, "", "SelectedPath stays empty"
CheckLong o.Flags, 69, "Flags"

Summary
